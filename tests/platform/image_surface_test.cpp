// The window surface: twips in, pixels out, Japanese text in the IPA face.
#include <gtest/gtest.h>

#include <QFontInfo>
#include "platform/gui_fonts.h"
#include "platform/gui_image_surface.h"

namespace {

colour::Rgb at(const ImageSurface& s, int x, int y) { return s.image().pixel(x, y) & 0xFFFFFF; }

int countNot(const ImageSurface& s, const QRect& r, colour::Rgb bg) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (at(s, x, y) != bg) ++n;
    return n;
}

}  // namespace

TEST(ImageSurface, TwipsBecomePixelsAtFifteenPerPixelAndByDpi) {
    ImageSurface s(200, 100, 96, QSize(1024, 768));
    EXPECT_DOUBLE_EQ(s.width(), 3000);
    EXPECT_DOUBLE_EQ(s.height(), 1500);
    EXPECT_DOUBLE_EQ(s.screenWidth(), 1024 * 15);
    EXPECT_DOUBLE_EQ(s.screenHeight(), 768 * 15);
    ImageSurface big(100, 100, 120, QSize(10, 10));
    EXPECT_DOUBLE_EQ(big.twipsPerPixel(), 12);
    EXPECT_DOUBLE_EQ(big.width(), 1200);
}

TEST(ImageSurface, FillCoversBothCornersAndNothingElse) {
    ImageSurface s(100, 100, 96, QSize(100, 100), colour::kBlack);
    s.fill(150, 300, 450, 600, colour::kYellow);  // pixels 10..30 x 20..40
    EXPECT_EQ(at(s, 10, 20), colour::kYellow);
    EXPECT_EQ(at(s, 30, 40), colour::kYellow);
    EXPECT_EQ(at(s, 9, 20), colour::kBlack);
    EXPECT_EQ(at(s, 31, 40), colour::kBlack);
    EXPECT_EQ(at(s, 30, 41), colour::kBlack);
    EXPECT_EQ(countNot(s, s.image().rect(), colour::kBlack), 21 * 21);
    // Corners given the other way round, and a box partly off the surface.
    s.fill(1500, 1500, -300, 1200, colour::kRed);
    EXPECT_EQ(at(s, 0, 80), colour::kRed);
    EXPECT_EQ(at(s, 99, 99), colour::kRed);
}

TEST(ImageSurface, LinePointAndCircleLandOnTheirPixels) {
    ImageSurface s(100, 100, 96, QSize(100, 100), colour::kBlack);
    s.line(0, 150, 1485, 150, colour::kRed);  // row 10, x 0..99
    EXPECT_EQ(at(s, 0, 10), colour::kRed);
    EXPECT_EQ(at(s, 50, 10), colour::kRed);
    EXPECT_EQ(at(s, 50, 11), colour::kBlack);
    s.point(750, 750, colour::kWhite);
    EXPECT_EQ(at(s, 50, 50), colour::kWhite);
    s.point(-15, 20000, colour::kWhite);  // off the surface: nothing, no crash
    s.circle(750, 750, 300, colour::fromVb(0xFFFF00));  // cyan, radius 20 px
    EXPECT_EQ(at(s, 70, 50), colour::rgb(0, 255, 255));
    EXPECT_EQ(at(s, 50, 30), colour::rgb(0, 255, 255));
    EXPECT_EQ(at(s, 60, 50), colour::kBlack);  // inside stays empty
    // Far-off coordinates of a zoomed drawing must not wrap onto the surface.
    s.line(-1e12, 1e12, 1e12, 1e12, colour::kBlue);
    EXPECT_EQ(countNot(s, QRect(0, 90, 100, 10), colour::kBlack), 0);
}

TEST(ImageSurface, TextPaintsJapaneseInIpaPGothicBelowItsTopLeft) {
    QFont f = uiFont(12);
    EXPECT_EQ(QFontInfo(f).family(), "IPAPGothic");
    EXPECT_EQ(fonts::familyFor(QStringLiteral("ＭＳ Ｐゴシック")), "IPAPGothic");
    EXPECT_EQ(fonts::familyFor(QStringLiteral("MS PGothic")), "IPAPGothic");
    EXPECT_EQ(fonts::familyFor(QStringLiteral("ＭＳ ゴシック")), "IPAGothic");
    EXPECT_EQ(fonts::familyFor(QStringLiteral("Arial")), "Arial");

    ImageSurface s(300, 100, 96, QSize(300, 100), colour::kWhite);
    s.text(1500, 750, 12, colour::kBlue, QStringLiteral("描画完了"));
    // Nothing above or left of the top-left corner (100, 50); ink to its right.
    EXPECT_EQ(countNot(s, QRect(0, 0, 300, 50), colour::kWhite), 0);
    EXPECT_EQ(countNot(s, QRect(0, 0, 100, 100), colour::kWhite), 0);
    EXPECT_GT(countNot(s, QRect(100, 50, 200, 50), colour::kWhite), 50);
    // 12 pt at 96 dpi is 16 px: the glyphs stay within about that height.
    EXPECT_EQ(countNot(s, QRect(100, 72, 200, 28), colour::kWhite), 0);
}

TEST(ImageSurface, ResizeKeepsThePaintingAndReportsChanges) {
    ImageSurface s(50, 50, 96, QSize(50, 50), colour::kBlack);
    QRect last;
    s.setOnChanged([&](const QRect& r) { last = r; });
    s.fill(0, 0, 150, 150, colour::kRed);
    EXPECT_TRUE(last.contains(QRect(0, 0, 11, 11)));
    s.resize(80, 40);
    EXPECT_EQ(s.image().size(), QSize(80, 40));
    EXPECT_EQ(at(s, 5, 5), colour::kRed);
    EXPECT_EQ(at(s, 79, 39), colour::kBlack);
    s.setBackground(colour::kWhite);
    s.clear();
    EXPECT_EQ(countNot(s, s.image().rect(), colour::kWhite), 0);
}
