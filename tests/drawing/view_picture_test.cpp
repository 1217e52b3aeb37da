#include <gtest/gtest.h>

#include <QImage>

#include "platform/gui_image_surface.h"
#include "run_rig.h"

// The view as an operator sees it: blue drawing area, red status lines at the
// top right, white and red grid marks, the red zero mark.
TEST(ViewPicture, StatusLinesGridAndZeroMarkArePainted) {
    ImageSurface image(1920, 1080, 96.0, QSize(1920, 1080), colour::kButtonFace);
    RunRig rig(testProgram(2));
    rig.host.surf.setForward(&image);
    QImage shot;
    rig.host.dlg.setOnShown([&](const ScriptedDialogs::Shown& s) {
        if (s.text.startsWith(drawing::text::kEndPrompt1)) shot = image.image().copy();
    });
    rig.draw("m", {"N"});
    ASSERT_FALSE(shot.isNull());
    if (qEnvironmentVariableIsSet("TSSNC_SAVE_PICTURES")) shot.save("/tmp/tssnc_view_m.png");
    if (qEnvironmentVariableIsSet("TSSNC_SAVE_PICTURES")) {
        ImageSurface t(1920, 1080, 96.0, QSize(1920, 1080), colour::kButtonFace);
        RunRig other(testProgram(2));
        other.st.programDisplay = true;
        other.host.surf.setForward(&t);
        other.host.dlg.setOnShown([&](const ScriptedDialogs::Shown& s) {
            if (s.text.startsWith(drawing::text::kEndPrompt1)) t.image().save("/tmp/tssnc_view_t.png");
        });
        other.draw("t", {"N"});
    }
    auto rgbAt = [&](int x, int y) { return shot.pixelColor(x, y).rgb() & 0xFFFFFF; };
    EXPECT_EQ(rgbAt(5, 5), 0x0000C0u);
    // Zero mark: circle of 100 twips (6.7 px) about (960, 864).
    bool ring = false;
    for (int dx = 5; dx <= 8; ++dx) ring = ring || rgbAt(960 + dx, 864) == 0xFF0000u;
    EXPECT_TRUE(ring);
    // Red text somewhere in the status band (x 1053.., y 6..53 px).
    int red = 0;
    for (int y = 6; y < 53; ++y)
        for (int x = 1054; x < 1720; ++x) red += rgbAt(x, y) == 0xFF0000u;
    EXPECT_GT(red, 50);
    // White grid dots exist below the status lines.
    int white = 0;
    for (int y = 100; y < 1000; ++y)
        for (int x = 0; x < 1900; x += 1) white += rgbAt(x, y) == 0xFFFFFFu;
    EXPECT_GT(white, 1000);
}

// The help line is printed before every block of a continuous run; its band must look
// the same after many blocks as after the first (no text smeared over itself).
TEST(ViewPicture, HelpLineLooksTheSameAfterManyBlocks) {
    ImageSurface image(1920, 1080, 96.0, QSize(1920, 1080), colour::kButtonFace);
    RunRig rig(testProgram(40));
    rig.host.surf.setForward(&image);
    // Help band (50..13950, 15500..15900 twips) in pixels.
    const QRect band(4, 1034, 925, 25);
    QImage first, late;
    rig.atYield(1, [&] { first = image.image().copy(band); });
    rig.atYield(30, [&] { late = image.image().copy(band); });
    rig.draw("t", {"N"});
    ASSERT_FALSE(first.isNull());
    ASSERT_FALSE(late.isNull());
    int text = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) text += (first.pixel(x, y) & 0xFFFFFF) != 0x0000C0;
    EXPECT_GT(text, 200);  // the help line is there
    EXPECT_EQ(first, late);
}
