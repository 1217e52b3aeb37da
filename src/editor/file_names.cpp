#include "editor/file_names.h"

#include <algorithm>

namespace filenames {

QString machineFilter(const QString& ext) {
    return ext + QStringLiteral("ファイル (*.") + ext + QStringLiteral(")|*.") + ext +
           QStringLiteral("|") + QStringLiteral("すべてのファイル 　(*.*)|*.*|") +
           QStringLiteral("ＮＣ　ファイル (*.NC)|*.NC|") +
           QStringLiteral("テキスト ファイル (*.txt)|*.txt|");
}

int firstLineLength(const QString& text) {
    const int n = std::min(int(text.size()), kMaxFirstLine);
    for (int i = 0; i < n; ++i)
        if (text.at(i) == u'\r' || text.at(i) == u'\n') return i;
    // No line end: the whole (short) text is the first line; an empty edit
    // screen has nothing to name a file after.
    return n;
}

QString proposedName(const QString& text, const QString& ext) {
    return text.left(firstLineLength(text)) + QLatin1Char('.') + ext;
}

QString dateTimeName(const QDateTime& when, const QString& ext) {
    // The date and time as "yyyy/MM/dd hh:mm:ss"; the pairs taken are the year
    // without century, month, day and, as the fourth, the minutes.
    const QString t = when.toString(QStringLiteral("yyyy/MM/dd hh:mm:ss"));
    return t.mid(2, 2) + t.mid(5, 2) + t.mid(8, 2) + t.mid(14, 2) + QLatin1Char('.') + ext;
}

QString copyName(const QString& lastChosen, const QString& machineDir) {
    // The extension is cut at its dot: for a three-letter one that is the
    // last four characters; a shorter one must not take part of the name.
    const qsizetype slash = std::max(lastChosen.lastIndexOf(QLatin1Char('/')),
                                     lastChosen.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = lastChosen.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > slash ? lastChosen.left(dot) : lastChosen;
    return stem + QStringLiteral("-Copy.") + machineDir.right(3);
}

}  // namespace filenames
