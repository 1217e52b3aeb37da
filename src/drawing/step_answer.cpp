#include "drawing/step_answer.h"

#include "drawing/drawing_state.h"
#include "drawing/number_text.h"
#include "drawing/view_math.h"

namespace {

ViewCommand make(ViewCommand::Kind k, double amount = 0, int speed = 0) {
    ViewCommand c;
    c.kind = k;
    c.amount = amount;
    c.speed = speed;
    return c;
}

}  // namespace

ViewCommand parseStepAnswer(const QString& a) {
    using K = ViewCommand::Kind;
    if (a.isEmpty()) return make(K::Quit);
    if (a == u"s1" || a == u"S1") return make(K::Speed, 0, drawing::kSpeedLow);
    if (a == u"s2" || a == u"S2") return make(K::Speed, 0, drawing::kSpeedMiddle);
    if (a == u"s3" || a == u"S3") return make(K::Speed, 0, drawing::kSpeedHigh);
    if (a == u" ") return make(K::ToggleDisplay);
    if (a == u"/") return make(K::ToggleSkip);
    const QChar first = a[0].toLower();
    if (a.size() == 1) {
        switch (first.unicode()) {
        case 'v': return make(K::AreaZoom);
        case 't': return make(K::ToVertical);
        case 'm': return make(K::ToHorizontal);
        case 'c': return make(K::Clear);
        case 'd': return make(K::PanDown, drawing::kPanStep);
        case 'u': return make(K::PanUp, drawing::kPanStep);
        case 'r': return make(K::PanRight, drawing::kPanStep);
        case 'l': return make(K::PanLeft, drawing::kPanStep);
        case 'p': return make(K::ToggleDisplay);
        case 'k': return make(K::Fastest);
        case 'a': return make(K::Continuous);
        case 'i': return make(K::ResetView);
        case 's': return make(K::Shrink);
        case 'b': return make(K::Enlarge);
        case 'q': return make(K::Quit);
        case 'f': return make(K::Fit);
        default: return make(K::GoOn);
        }
    }
    // A letter followed by a number: scale or pan by that amount.
    const QString rest = a.mid(1);
    if (!nt::isPlainNumber(rest)) return make(K::GoOn);
    const double n = nt::val(rest);
    switch (first.unicode()) {
    case 'b': return make(K::SetScale, n);
    case 'd': return make(K::PanDown, n);
    case 'u': return make(K::PanUp, n);
    case 'r': return make(K::PanRight, n);
    case 'l': return make(K::PanLeft, n);
    default: return make(K::GoOn);
    }
}

ViewCommand parseContinuousWord(const QString& w) {
    using K = ViewCommand::Kind;
    if (w == u"v") return make(K::AreaZoom);
    if (w == u"i") return make(K::ResetView);
    if (w == u"P") return make(K::ToggleDisplay);
    if (w == u"S") return make(K::Shrink);
    if (w == u"B") return make(K::Enlarge);
    if (w == u"D") return make(K::PanDown, drawing::kPanStep);
    if (w == u"U") return make(K::PanUp, drawing::kPanStep);
    if (w == u"R") return make(K::PanRight, drawing::kPanStep);
    if (w == u"L") return make(K::PanLeft, drawing::kPanStep);
    if (w == u"F") return make(K::Fit);
    return make(K::GoOn);
}
