#include "serial/iso_code.h"

#include <bit>

namespace iso {

quint8 withEvenParity(quint8 c) {
    c &= 0x7F;
    return std::popcount(unsigned(c)) % 2 ? quint8(c | 0x80) : c;
}

bool encodeLine(const QString& line, QByteArray* out, int* badColumn) {
    QByteArray b;
    b.reserve(line.size());
    for (int i = 0; i < line.size(); ++i) {
        const char16_t u = line[i].unicode();
        if (u > kHighestCode) {
            if (badColumn) *badColumn = i;
            return false;
        }
        b.append(char(withEvenParity(quint8(u))));
    }
    if (out) *out = b;
    return true;
}

}  // namespace iso
