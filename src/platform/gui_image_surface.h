#pragma once
// The drawing surface of a window: a QImage backing store that the window shows
// in its paintEvent.  Coordinates come in twips and are turned into pixels by the
// logical DPI (96 dpi = 15 twips per pixel).
#include <QImage>
#include <QRect>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <functional>
#include <memory>
#include <vector>
#include "platform/surface.h"

class ImageSurface : public Surface {
public:
    // A surface of widthPx x heightPx pixels, filled with the background colour.
    // screenPx is the screen size in pixels (for screenWidth/Height); an empty
    // size takes the primary screen's, or the surface size when there is none.
    explicit ImageSurface(int widthPx, int heightPx, double logicalDpi = 96.0,
                          QSize screenPx = {}, colour::Rgb background = colour::kWhite);

    void fill(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void line(double x1, double y1, double x2, double y2, colour::Rgb c) override;
    void point(double x, double y, colour::Rgb c) override;
    void circle(double cx, double cy, double r, colour::Rgb c) override;
    void text(double x, double y, double size, colour::Rgb c, const QString& str) override;
    void fittedText(double x, double y, double size, colour::Rgb c, const QString& str,
                    double maxWidth) override;
    double width() const override { return image_.width() * tpp_; }
    double height() const override { return image_.height() * tpp_; }
    double screenWidth() const override { return screen_.width() * tpp_; }
    double screenHeight() const override { return screen_.height() * tpp_; }

    // New size in pixels; what was painted stays where it was, new area gets the
    // background colour.
    void resize(int widthPx, int heightPx);
    void clear();  // the whole surface to the background colour
    void setBackground(colour::Rgb c) { background_ = c; }
    colour::Rgb background() const { return background_; }

    double twipsPerPixel() const { return tpp_; }
    const QImage& image() const { return image_; }

    // Called with the changed pixel rectangle after each operation, so that the
    // window can schedule a repaint of just that part.
    void setOnChanged(std::function<void(const QRect&)> f) { onChanged_ = std::move(f); }

private:
    // A text painted again where it was painted before, on the same pixels
    // (the help line after its band is cleared, block after block): the
    // pixels it gave are copied back instead of laying the text out again.
    struct TextStamp {
        QString str;
        double size = 0;
        colour::Rgb colour = 0;
        QPoint origin;
        QRect area;      // every pixel the painting may touch
        QRect changed;   // the rectangle reported to the window
        QImage before;   // the area before the text (empty: not stamped yet)
        QImage after;    // the area with the text
        quint64 used = 0;
    };
    static constexpr int kTextStamps = 8;
    TextStamp* findStamp(const QString& str, double size, colour::Rgb c, QPoint origin);
    bool areaEquals(const QRect& area, const QImage& pixels) const;

    void changed(const QRect& r);
    std::unique_ptr<QFont> font_;
    std::unique_ptr<QFontMetricsF> metrics_;
    double fontSize_ = 0, ascent_ = 0, lineHeight_ = 0;
    static constexpr int kKeptAdvances = 4096;
    QHash<QString, qreal> advances_;
    std::vector<TextStamp> stamps_;
    quint64 stampClock_ = 0;
    QImage image_;
    double dpi_;
    double tpp_;
    QSize screen_;
    colour::Rgb background_;
    std::function<void(const QRect&)> onChanged_;
};
