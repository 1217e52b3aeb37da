#include "platform/gui_image_surface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstring>
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

ImageSurface::TextStamp* ImageSurface::findStamp(const QString& str, double size, colour::Rgb c,
                                                QPoint origin) {
    for (TextStamp& t : stamps_)
        if (t.origin == origin && t.size == size && t.colour == c && t.str == str) return &t;
    return nullptr;
}

bool ImageSurface::areaEquals(const QRect& area, const QImage& pixels) const {
    const size_t rowBytes = size_t(area.width()) * 4;
    for (int y = 0; y < area.height(); ++y) {
        const uchar* a = image_.constScanLine(area.top() + y) + size_t(area.left()) * 4;
        if (std::memcmp(a, pixels.constScanLine(y), rowBytes) != 0) return false;
    }
    return true;
}

void ImageSurface::text(double x, double y, double size, colour::Rgb c, const QString& str) {
    if (str.isEmpty()) return;
    const QPoint origin(int(std::floor(clampPx(x / tpp_))), int(std::floor(clampPx(y / tpp_))));
    TextStamp* stamp = findStamp(str, size, c, origin);
    if (stamp && !stamp->before.isNull() && areaEquals(stamp->area, stamp->before)) {
        const size_t rowBytes = size_t(stamp->area.width()) * 4;
        for (int r = 0; r < stamp->area.height(); ++r)
            std::memcpy(image_.scanLine(stamp->area.top() + r) + size_t(stamp->area.left()) * 4,
                        stamp->after.constScanLine(r), rowBytes);
        stamp->used = ++stampClock_;
        changed(stamp->changed);
        return;
    }

    // The font and its line metrics of the last size, kept: looking them up
    // cost as much as the text itself.
    const double pointSize = size > 0 ? size : 9;
    if (!font_ || fontSize_ != pointSize) {
        font_ = std::make_unique<QFont>(uiFont(pointSize));
        metrics_ = std::make_unique<QFontMetricsF>(*font_, &image_);
        fontSize_ = pointSize;
        ascent_ = metrics_->ascent();
        lineHeight_ = metrics_->height();
        advances_.clear();
    }
    const QFont& f = *font_;
    const QFontMetricsF& fm = *metrics_;
    const QPointF baseline = QPointF(origin) + QPointF(0, ascent_);
    // The width of the texts seen at this size (a redraw writes the same
    // read-outs again); the table is emptied when it grows large.
    auto known = advances_.constFind(str);
    if (known == advances_.cend()) {
        if (advances_.size() >= kKeptAdvances) advances_.clear();
        known = advances_.insert(str, fm.horizontalAdvance(str));
    }
    const QRect changedRect = QRectF(QPointF(origin), QSizeF(*known, lineHeight_))
                                  .toAlignedRect()
                                  .adjusted(-1, -1, 1, 1);

    // The first painting of a text at a place only notes it; the second one
    // keeps the pixels, once it is certain that the text touched nothing
    // outside the area (a ring around it stayed as it was).
    constexpr int kMargin = 2, kRing = 6;
    QRect area, outer;
    QImage outerBefore;
    if (stamp) {
        const QRectF ink = fm.boundingRect(str).translated(baseline);
        area = (ink.toAlignedRect() | changedRect).adjusted(-kMargin, -kMargin, kMargin, kMargin)
                   .intersected(image_.rect());
        outer = area.adjusted(-kRing, -kRing, kRing, kRing).intersected(image_.rect());
        if (!area.isEmpty()) outerBefore = image_.copy(outer);
    }

    QPainter p(&image_);
    p.setFont(f);
    p.setPen(colour::toQColor(c));
    p.drawText(baseline, str);
    p.end();

    if (!stamp) {
        if (int(stamps_.size()) < kTextStamps) {
            stamps_.push_back({});
            stamp = &stamps_.back();
        } else {
            stamp = &*std::min_element(stamps_.begin(), stamps_.end(),
                                       [](const TextStamp& a, const TextStamp& b) { return a.used < b.used; });
        }
        *stamp = TextStamp{str, size, c, origin, {}, changedRect, {}, {}, ++stampClock_};
    } else if (!outerBefore.isNull()) {
        bool ringKept = true;
        const QPoint o = outer.topLeft();
        for (int yy = outer.top(); yy <= outer.bottom() && ringKept; ++yy) {
            const QRgb* now = reinterpret_cast<const QRgb*>(image_.constScanLine(yy));
            const QRgb* was = reinterpret_cast<const QRgb*>(outerBefore.constScanLine(yy - o.y()));
            const bool inside = yy >= area.top() && yy <= area.bottom();
            for (int xx = outer.left(); xx <= outer.right(); ++xx) {
                if (inside && xx == area.left()) xx = area.right() + 1;  // the area itself
                if (xx > outer.right()) break;
                if (now[xx] != was[xx - o.x()]) {
                    ringKept = false;
                    break;
                }
            }
        }
        stamp->used = ++stampClock_;
        stamp->changed = changedRect;
        if (ringKept) {
            stamp->area = area;
            stamp->before = outerBefore.copy(area.translated(-o));
            stamp->after = image_.copy(area);
        }
    }
    changed(changedRect);
}

void ImageSurface::fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                              double maxWidth) {
    if (str.isEmpty()) return;
    const QFont f = uiFont(size > 0 ? size : 9);
    const QFontMetricsF fm(f, &image_);
    const double width = fm.horizontalAdvance(str);
    if (maxWidth <= 0 || width <= maxWidth / tpp_) {
        text(x, y, size, c, str);
        return;
    }
    // Narrowed letters of their full height (listing rows with long names).
    const double narrow = (maxWidth / tpp_) / width;
    const QPointF origin(std::floor(clampPx(x / tpp_)), std::floor(clampPx(y / tpp_)));
    QPainter p(&image_);
    p.setFont(f);
    p.setPen(colour::toQColor(c));
    p.translate(origin);
    p.scale(narrow, 1);
    p.drawText(QPointF(0, fm.ascent()), str);
    p.end();
    changed(QRectF(origin, QSizeF(width * narrow, fm.height())).toAlignedRect().adjusted(-1, -1, 1, 1));
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
    stamps_.clear();
    font_.reset();
    changed(image_.rect());
}

void ImageSurface::clear() {
    image_.fill(colour::toQColor(background_));
    changed(image_.rect());
}
