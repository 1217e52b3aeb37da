#pragma once
// Find in the read-out screen, which holds the whole file with a separator
// line before each program.  Downward steps search on from the last match and
// pass over the separator lines; the matches found are kept in a bounded
// history so that upward steps walk back through them.  QtCore only.
#include <QString>
#include <QVector>

#include "editor/edit_search.h"
#include "editor/search_pane.h"

namespace search {

// History of match positions, entries 0..300.
inline constexpr int kReadoutHistorySize = 301;

inline const QString kReadoutUpDone = QStringLiteral("上方向文字列の検索は完了しました");
inline const QString kReadoutDownDone = QStringLiteral("下方向文字列の検索は完了しました");
inline const QString kReadoutHistoryFull =
    QStringLiteral("上方向へ戻れるのは301件までです。これより前の検索位置は記憶していません");

// A separator line of the read-out ("((*** n ***))"): the line holding `at`
// ends in "))".  Lines end in CR LF, LF or CR.
bool inHeaderLine(const QString& text, qint32 at);

class ReadoutSearch {
public:
    // "次を検索" of the read-out search.  A new search text starts a new walk.
    Outcome findNext(Pane& pane, const QString& what, bool downward);

    int historyCount() const { return int(history_.size()); }
    // Index of the current match in the history; -1 before the first.
    int current() const { return current_; }
    bool lastWentDown() const { return down_; }

private:
    void restart(const QString& what);

    QString lastText_;
    bool started_ = false;
    QVector<qint32> history_;  // match positions in the order found downward
    int current_ = -1;
    bool down_ = true;
    bool dropped_ = false;  // the oldest entries gave way to newer ones
};

}  // namespace search
