#include "platform/gui_image_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include "platform/gui_colour.h"
#include "platform/gui_fonts.h"

namespace {

// Pixel that holds a twip coordinate (VB ScaleX rounds down to the pixel grid).
int px(double twips, double tpp) { return int(std::floor(twips / tpp + 1e-9)); }

// Coordinates far off the surface (a zoomed drawing) would overflow the
// painter's integer space; clamp them well outside the image instead.
double clampPx(double v) { return std::clamp(v, -1.0e6, 1.0e6); }

}  // namespace

ImageSurface::ImageSurface(int widthPx, int heightPx, double logicalDpi, QSize screenPx,
                           colour::Rgb background)
    : dpi_(logicalDpi > 0 ? logicalDpi : 96.0), tpp_(1440.0 / dpi_), background_(background) {
    image_ = QImage(std::max(1, widthPx), std::max(1, heightPx), QImage::Format_RGB32);
    // Fonts given in points are scaled by the image's resolution.
    image_.setDotsPerMeterX(qRound(dpi_ / 0.0254));
    image_.setDotsPerMeterY(qRound(dpi_ / 0.0254));
    image_.fill(colour::toQColor(background_));
    if (screenPx.isEmpty()) {
        QScreen* s = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                         ? QGuiApplication::primaryScreen()
                         : nullptr;
        screenPx = s ? s->size() : image_.size();
    }
    screen_ = screenPx;
}

void ImageSurface::changed(const QRect& r) {
    if (onChanged_) onChanged_(r.intersected(image_.rect()));
}

void ImageSurface::fill(double x1, double y1, double x2, double y2, colour::Rgb c) {
    // Both corners belong to the box.
    int l = px(std::min(x1, x2), tpp_), r = px(std::max(x1, x2), tpp_);
    int t = px(std::min(y1, y2), tpp_), b = px(std::max(y1, y2), tpp_);
    QRect box = QRect(QPoint(l, t), QPoint(r, b)).intersected(image_.rect());
    if (box.isEmpty()) return;
    QPainter p(&image_);
    p.fillRect(box, colour::toQColor(c));
    p.end();
    changed(box);
}

void ImageSurface::line(double x1, double y1, double x2, double y2, colour::Rgb c) {
    QPointF a(clampPx(x1 / tpp_), clampPx(y1 / tpp_));
    QPointF b(clampPx(x2 / tpp_), clampPx(y2 / tpp_));
    QPainter p(&image_);
    p.setPen(QPen(colour::toQColor(c), 0));
    p.drawLine(QPointF(std::floor(a.x()), std::floor(a.y())),
               QPointF(std::floor(b.x()), std::floor(b.y())));
    p.end();
    changed(QRectF(a, b).normalized().toAlignedRect().adjusted(-1, -1, 1, 1));
}

void ImageSurface::point(double x, double y, colour::Rgb c) {
    int ix = px(x, tpp_), iy = px(y, tpp_);
    if (!image_.rect().contains(ix, iy)) return;
    image_.setPixel(ix, iy, colour::toQColor(c).rgb());
    changed(QRect(ix, iy, 1, 1));
}

void ImageSurface::circle(double cx, double cy, double r, colour::Rgb c) {
    double x = clampPx(cx / tpp_), y = clampPx(cy / tpp_), rr = clampPx(std::fabs(r) / tpp_);
    QPainter p(&image_);
    p.setPen(QPen(colour::toQColor(c), 0));
    p.drawEllipse(QPointF(std::floor(x), std::floor(y)), rr, rr);
    p.end();
    changed(QRectF(x - rr, y - rr, 2 * rr, 2 * rr).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void ImageSurface::text(double x, double y, double size, colour::Rgb c, const QString& str) {
    fittedText(x, y, size, c, str, 0);
}

void ImageSurface::fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                              double maxWidth) {
    if (str.isEmpty()) return;
    QFont f = uiFont(size > 0 ? size : 9);
    QPainter p(&image_);
    p.setFont(f);
    p.setPen(colour::toQColor(c));
    QFontMetricsF fm(f, &image_);
    QPointF origin(std::floor(clampPx(x / tpp_)), std::floor(clampPx(y / tpp_)));
    double width = fm.horizontalAdvance(str);
    p.translate(origin);
    if (maxWidth > 0 && width > maxWidth / tpp_) {
        const double narrow = (maxWidth / tpp_) / width;
        p.scale(narrow, 1);
        width *= narrow;
    }
    p.drawText(QPointF(0, fm.ascent()), str);
    p.end();
    changed(QRectF(origin, QSizeF(width, fm.height())).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void ImageSurface::resize(int widthPx, int heightPx) {
    widthPx = std::max(1, widthPx);
    heightPx = std::max(1, heightPx);
    if (widthPx == image_.width() && heightPx == image_.height()) return;
    QImage next(widthPx, heightPx, QImage::Format_RGB32);
    next.setDotsPerMeterX(image_.dotsPerMeterX());
    next.setDotsPerMeterY(image_.dotsPerMeterY());
    next.fill(colour::toQColor(background_));
    QPainter p(&next);
    p.drawImage(0, 0, image_);
    p.end();
    image_ = next;
    changed(image_.rect());
}

void ImageSurface::clear() {
    image_.fill(colour::toQColor(background_));
    changed(image_.rect());
}
