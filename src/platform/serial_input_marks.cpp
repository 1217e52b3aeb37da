#include "platform/serial_input_marks.h"

namespace {
constexpr char kMark = char(0xFF);
}  // namespace

UnmarkedInput unmarkInput(QByteArray& carry, const QByteArray& raw) {
    const QByteArray in = carry + raw;
    carry.clear();
    UnmarkedInput r;
    r.data.reserve(in.size());
    qsizetype i = 0;
    while (i < in.size()) {
        if (in[i] != kMark) {
            r.data += in[i++];
            continue;
        }
        if (i + 1 >= in.size()) break;  // the rest of the mark comes later
        if (in[i + 1] == kMark) {
            r.data += kMark;
            i += 2;
            continue;
        }
        if (i + 2 >= in.size()) break;
        // 0xFF 0x00 c (anything but 0xFF after the first byte is read as 0x00).
        if (in[i + 2] == 0) {
            ++r.breaks;
        } else {
            ++r.garbled;
            r.data += kGarbledChar;
        }
        i += 3;
    }
    carry = in.mid(i);
    return r;
}
