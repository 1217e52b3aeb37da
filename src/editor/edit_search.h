#pragma once
// Find and replace in the edit screen: the rules behind the find dialog and the
// replace dialog.  Each dialog keeps one EditSearch: its last match position
// (published to the other dialog through its tag after every search) and, for
// the replace dialog, the mode word of "すべて置換".  QtCore only.
#include <QString>
#include <optional>

#include "editor/search_pane.h"

namespace search {

// The match left behind turns cyan; a match of the replace dialog and a
// replacement just inserted turn yellow.
inline constexpr colour::Rgb kLeftBehind = colour::fromVb(0xFFFF00);
inline constexpr colour::Rgb kCurrent = colour::fromVb(0x00FFFF);

inline const QString kNotFound = QStringLiteral("検索文字列はありません");
inline const QString kReachedEnd = QStringLiteral("ファイル終端まで検索しました");
inline const QString kReachedStart = QStringLiteral("ファイル先頭まで検索しました");
inline const QString kReplaceAllDownDone = QStringLiteral("終端まで検索しました");
inline const QString kReplaceAllUpDone = QStringLiteral("先頭まで検索しました");

// "3件置換しました": the count added to the message of "すべて置換".
QString replacedCountText(int count);

struct Outcome {
    bool found = false;
    QString message;  // for an OK box; empty when none is due
};

class EditSearch {
public:
    // The find dialog wraps around the text; the replace dialog stops at the
    // end (or start) and says so.
    enum class Kind { Find, Replace };
    // Mode word of the replace dialog.
    enum class Mode : qint16 { Normal = 0, ReplacingAll = 1, ReplacedInAll = 2, Finished = 99 };

    explicit EditSearch(Kind kind) : kind_(kind) {}

    // Zero-based start of the last match; -1 when the last search found nothing.
    qint32 position() const { return position_; }
    void setPosition(qint32 p) { position_ = p; }
    // What the tag holds: the position after each search, empty until the
    // first one (and after a new program was shown in the edit screen).
    const std::optional<qint32>& tag() const { return tag_; }
    void setTag(std::optional<qint32> t) { tag_ = t; }
    Mode mode() const { return mode_; }

    // "次を検索".  Position 0 never counts as a match.
    Outcome findNext(Pane& pane, const QString& what, bool downward);

    // The find dialog coming back: the search text is found again from `from`
    // (the replace dialog's position) and becomes the current match.
    void findAgainFrom(Pane& pane, const QString& what, qint32 from);

    // The replacing half of "置換": the current match becomes `with`, which is
    // selected and coloured.  Nothing happens without a match (position below
    // 1), with an empty replacement, or when the text at the position is no
    // longer the search text (edited since).  True when the text changed.
    bool replaceMatch(Pane& pane, const QString& what, const QString& with);

    // "すべて置換": replace and find next until nothing more is found, from the
    // current match or, without one, from the caret.  Each search goes on
    // after the text just inserted, so a replacement that holds the search
    // text ends too.  Returns the closing message (the end or start message,
    // a line break and how many were replaced); `changed` counts them.
    QString replaceAll(Pane& pane, const QString& what, const QString& with, bool downward,
                       int* changed = nullptr);

private:
    // The match nearest the caret in the direction, selected; false if none.
    bool startAtCaret(Pane& pane, const QString& what, bool downward);
    void store(qint32 p) {
        position_ = p;
        tag_ = p;
    }
    Kind kind_;
    qint32 position_ = 0;
    std::optional<qint32> tag_;
    Mode mode_ = Mode::Normal;
    // End of the replacement just inserted: the next downward search starts
    // there at the earliest.
    std::optional<qint32> resumeAt_;
};

}  // namespace search
