#pragma once
// Colours of the system (platform/colour.h) as Qt paints them, and back.
#include <QColor>
#include "platform/colour.h"

namespace colour {

inline QColor toQColor(Rgb c) { return QColor(red(c), green(c), blue(c)); }
inline Rgb fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

}  // namespace colour
