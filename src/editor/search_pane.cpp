#include "editor/search_pane.h"

namespace search {

qint32 findForward(const QString& text, const QString& what, qint32 from) {
    if (what.isEmpty() || from < 0 || from >= text.size()) return -1;
    return qint32(text.indexOf(what, from, Qt::CaseInsensitive));
}

qint32 findBackward(const QString& text, const QString& what, qint32 lowest, qint32 endBound) {
    if (what.isEmpty()) return -1;
    endBound = std::min<qint32>(endBound, qint32(text.size()));
    const qint32 lastStart = endBound - qint32(what.size());
    lowest = std::max<qint32>(lowest, 0);
    // lastIndexOf counts a negative start from the end: never hand it one.
    if (lastStart < lowest) return -1;
    const qint32 at = qint32(text.lastIndexOf(what, lastStart, Qt::CaseInsensitive));
    return at >= lowest ? at : -1;
}

bool matchesAt(const QString& text, const QString& what, qint32 at) {
    if (what.isEmpty() || at < 0 || at + what.size() > text.size()) return false;
    return QStringView(text).mid(at, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

}  // namespace search
