#include "editor/readout_search.h"

namespace search {

namespace {

bool isBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

qint32 lineStart(const QString& text, qint32 at) {
    while (at > 0 && !isBreak(text.at(at - 1))) --at;
    return at;
}

qint32 lineEnd(const QString& text, qint32 at) {
    while (at < text.size() && !isBreak(text.at(at))) ++at;
    return at;
}

// Start of the line after the one holding `at` (the text's end when last).
qint32 nextLine(const QString& text, qint32 at) {
    qint32 e = lineEnd(text, at);
    if (e < text.size() && text.at(e) == QLatin1Char('\r')) ++e;
    if (e < text.size() && text.at(e) == QLatin1Char('\n')) ++e;
    return e;
}

// Downward: the first match at or after `from` that is not in a separator
// line.  The "%" that ends the file ends the text, so a step over the last
// separator finds nothing beyond it.
qint32 nextOutsideHeaders(const QString& text, const QString& what, qint32 from) {
    for (;;) {
        const qint32 at = findForward(text, what, from);
        if (at < 1) return -1;
        if (!inHeaderLine(text, at)) return at;
        from = nextLine(text, at);
    }
}

// Upward: the last match ending at or before `endBound` outside separators.
qint32 previousOutsideHeaders(const QString& text, const QString& what, qint32 endBound) {
    for (;;) {
        const qint32 at = findBackward(text, what, 1, endBound);
        if (at < 1) return -1;
        if (!inHeaderLine(text, at)) return at;
        endBound = lineStart(text, at);
    }
}

}  // namespace

bool inHeaderLine(const QString& text, qint32 at) {
    if (at < 0 || at >= text.size()) return false;
    const qint32 e = lineEnd(text, at);
    return e - lineStart(text, at) >= 2 && text.at(e - 1) == QLatin1Char(')') &&
           text.at(e - 2) == QLatin1Char(')');
}

void ReadoutSearch::restart(const QString& what) {
    lastText_ = what;
    started_ = true;
    history_.clear();
    current_ = -1;
    down_ = true;
    dropped_ = false;
}

Outcome ReadoutSearch::findNext(Pane& pane, const QString& what, bool downward) {
    if (!started_ || what != lastText_) restart(what);
    // The history holds the matches themselves and current_ the one selected,
    // so a change of direction needs no correction: down searches on from the
    // current match, up steps back to the one before it.
    down_ = downward;
    const QString text = pane.text();
    const qint32 len = qint32(what.size());
    Outcome out;
    qint32 at = -1;
    if (downward) {
        const qint32 from = current_ >= 0 ? history_[current_] + len : 1;
        at = nextOutsideHeaders(text, what, from);
        if (at < 0) {
            out.message = kReadoutDownDone;
            return out;
        }
        // Walked back and down again: the walk forward is made anew.
        history_.resize(current_ + 1);
        history_.append(at);
        if (history_.size() > kReadoutHistorySize) {
            history_.removeFirst();
            dropped_ = true;
        }
        current_ = int(history_.size()) - 1;
    } else {
        if (current_ <= 0) {
            out.message = dropped_ && current_ == 0 ? kReadoutHistoryFull : kReadoutUpDone;
            return out;
        }
        at = history_[current_ - 1];
        // The text was edited since: the match before the current one is
        // searched for instead of trusting the old position.
        if (!matchesAt(text, what, at) || inHeaderLine(text, at)) {
            at = previousOutsideHeaders(text, what, history_[current_]);
            if (at < 0) {
                out.message = kReadoutUpDone;
                return out;
            }
            history_[current_ - 1] = at;
        }
        --current_;
    }
    pane.select(at, len);
    pane.colourSelection(kCurrent);
    out.found = true;
    return out;
}

}  // namespace search
