#include "platform/gui_twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace twips {

double logicalDpi() {
    QScreen* s = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                     ? QGuiApplication::primaryScreen()
                     : nullptr;
    const double dpi = s ? s->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

double perPixel() { return 1440.0 / logicalDpi(); }

int px(double t) { return int(std::lround(t / perPixel())); }

double fromPx(double pixels) { return pixels * perPixel(); }

QRect rect(double left, double top, double width, double height) {
    return QRect(px(left), px(top), px(width), px(height));
}

}  // namespace twips
