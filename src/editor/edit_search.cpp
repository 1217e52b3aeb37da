#include "editor/edit_search.h"

#include <algorithm>

namespace search {

namespace {
// A match is accepted from index 1 on: position 0 counts as none.
qint32 accepted(qint32 at) { return at >= 1 ? at : -1; }
}  // namespace

Outcome EditSearch::findNext(Pane& pane, const QString& what, bool downward) {
    pane.colourSelection(kLeftBehind);
    const QString text = pane.text();
    const qint32 len = qint32(what.size());
    const bool replacingAll = mode_ == Mode::ReplacingAll || mode_ == Mode::ReplacedInAll;
    qint32 at = -1;
    if (downward) {
        qint32 from = pane.selStart() + len;
        if (resumeAt_) from = std::max(from, *resumeAt_);
        at = accepted(findForward(text, what, from));
        if (at < 0 && kind_ == Kind::Find) at = accepted(findForward(text, what, 1));
    } else {
        // The nearest match that ends before the last one begins.
        at = findBackward(text, what, 1, position_);
        if (at < 0 && kind_ == Kind::Find)
            at = findBackward(text, what, std::max<qint32>(1, position_ + 1), qint32(text.size()));
    }
    resumeAt_.reset();

    Outcome out;
    if (at < 0) {
        if (kind_ == Kind::Find) {
            out.message = kNotFound;
        } else if (replacingAll) {
            mode_ = Mode::Finished;
        } else {
            out.message = downward ? kReachedEnd : kReachedStart;
        }
        store(-1);
        return out;
    }
    pane.select(at, len);
    if (kind_ == Kind::Replace) pane.colourSelection(kCurrent);
    store(at);
    out.found = true;
    return out;
}

void EditSearch::findAgainFrom(Pane& pane, const QString& what, qint32 from) {
    if (from < 1) {
        store(0);
        return;
    }
    const qint32 at = accepted(findForward(pane.text(), what, from));
    if (at < 0) {
        store(0);
        return;
    }
    pane.select(at, qint32(what.size()));
    store(at);
}

bool EditSearch::replaceMatch(Pane& pane, const QString& what, const QString& with) {
    if (position_ < 1 || with.isEmpty()) return false;
    if (!matchesAt(pane.text(), what, position_)) return false;
    pane.select(position_, qint32(what.size()));
    pane.replaceSelection(with);
    pane.select(position_, qint32(with.size()));
    pane.colourSelection(kCurrent);
    resumeAt_ = position_ + qint32(with.size());
    if (mode_ == Mode::ReplacingAll) mode_ = Mode::ReplacedInAll;
    return true;
}

QString replacedCountText(int count) { return QStringLiteral("%1件置換しました").arg(count); }

bool EditSearch::startAtCaret(Pane& pane, const QString& what, bool downward) {
    const QString text = pane.text();
    const qint32 at = downward
                          ? accepted(findForward(text, what, pane.selStart()))
                          : accepted(findBackward(text, what, 1, pane.selStart() + pane.selLength()));
    if (at < 0) {
        store(-1);
        return false;
    }
    pane.select(at, qint32(what.size()));
    pane.colourSelection(kCurrent);
    store(at);
    return true;
}

QString EditSearch::replaceAll(Pane& pane, const QString& what, const QString& with,
                               bool downward, int* changed) {
    int count = 0;
    const QString done = downward ? kReplaceAllDownDone : kReplaceAllUpDone;
    // Without a current match (no search ran, or the text changed since) the
    // run starts from the caret or the selection, not from a stale position.
    if ((position_ < 1 || !matchesAt(pane.text(), what, position_)) &&
        !startAtCaret(pane, what, downward)) {
        if (changed) *changed = 0;
        return done + QLatin1Char('\n') + replacedCountText(0);
    }
    mode_ = Mode::ReplacingAll;
    // Every round moves past the last match (downward the search starts after
    // it, or after the insertion; upward it ends before it), so this ends.
    while (mode_ != Mode::Finished) {
        if (replaceMatch(pane, what, with)) ++count;
        findNext(pane, what, downward);
    }
    mode_ = Mode::Normal;
    if (changed) *changed = count;
    return done + QLatin1Char('\n') + replacedCountText(count);
}

}  // namespace search
