// The editor's layout follows the size of its window: the same fractions of
// the client area at every size, larger letters on a larger window, and a
// click on a listing row picks that row.
#include "ui/listing_fixture.h"

#include <QMainWindow>
#include <QRegularExpression>

#include "editor/fileload.h"
#include "editor/frm_find.h"
#include "platform/gui_twips.h"
#include "platform/recording_surface.h"

namespace {

struct PaintedRow {
    double x = 0, y = 0, size = 0;
};

// The row of an entry as the listing painted it ("text X Y SIZE RRGGBB " 3●...").
PaintedRow paintedRow(const RecordingSurface& rec, int entry) {
    const QRegularExpression re(QStringLiteral("^text (\\S+) (\\S+) (\\S+) \\S+ \" %1[○◎●] : ")
                                    .arg(entry));
    PaintedRow r;
    for (const QString& op : rec.ops()) {
        const auto m = re.match(op);
        if (m.hasMatch()) r = {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()};
    }
    return r;
}

struct WindowSize {
    int width, height;
    // Point size the 12-point screens take: 12 x min(client width / 1017,
    // client height / 705) pixels, and never below 12.  The client is the
    // window less the menu bar (offscreen 18 pixels: 1024x768 -> 1024x750).
    double screenPoints;
};

}  // namespace

using EditorScalingTest = ListingTest;

TEST_F(EditorScalingTest, LayoutStandsAtTheSameFractionsOfTheWindowAtEverySize) {
    Frm編集& w = readThroughMenu(manyPrograms(60));
    w.showNormal();
    settle();
    QWidget* client = w.centralWidget();
    RecordingSurface rec(1, 1, 1, 1);
    w.setSurface(&rec);

    const WindowSize sizes[] = {
        {1024, 768, 12.08}, {1366, 768, 12.77}, {1920, 1080, 18.08}, {1024, 768, 12.08}};
    double lastPoints = 0;
    for (const WindowSize& s : sizes) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(s.width).arg(s.height).toStdString());
        w.resize(s.width, s.height);
        settle();
        const int cw = client->width(), ch = client->height();
        ASSERT_EQ(cw, s.width);
        rec.resize(twips::fromPx(cw), twips::fromPx(ch));
        rec.clear();
        w.listingProcedure().paintListing(w.programNo, false);

        // The edit screen's right edge is the client's, the read-out screen
        // reaches its bottom (within a few pixels).
        EXPECT_NEAR(w.RichTextBox2->geometry().right() + 1, cw, 3);
        EXPECT_NEAR(w.RichTextBox1->geometry().bottom() + 1, ch, 3);
        // Bookmark buttons beside the read-out: at 4920 / 15255 of the width.
        EXPECT_NEAR(w.Command1[0]->geometry().left(), 0.3225 * cw, 3);
        // Listing columns at 5300 / 15255 and 8000 / 15255 of the width.
        const PaintedRow first = paintedRow(rec, 1), second = paintedRow(rec, 57);
        EXPECT_NEAR(twips::px(first.x), 0.3474 * cw, 3);
        EXPECT_NEAR(twips::px(second.x), 0.5244 * cw, 3);
        EXPECT_EQ(first.y, second.y);
        // All 56 rows of the first column stand on the screen.
        const PaintedRow last = paintedRow(rec, 56);
        EXPECT_LT(twips::px(last.y) + twips::px(last.size * 20), ch);

        // Letters grow with the factor, never below their designed size.
        EXPECT_NEAR(w.RichTextBox1->font().pointSizeF(), s.screenPoints, 0.05);
        EXPECT_NEAR(w.RichTextBox2->fontSize(), 12, 1e-9);  // the size steps still count from 12
        EXPECT_NEAR(w.Label2->font().pointSizeF(), s.screenPoints * 9 / 12, 0.05);
        EXPECT_GE(first.size, 9.5);
        EXPECT_NEAR(first.size / 9.5, s.screenPoints / 12, 0.01);
        EXPECT_GE(w.RichTextBox1->font().pointSizeF(), 12);
        lastPoints = s.screenPoints;

        // A click on a row picks that row, in either column.
        for (int entry : {3, 40, 58}) {
            const PaintedRow r = paintedRow(rec, entry);
            QTest::mouseClick(client, Qt::LeftButton, {},
                              QPoint(twips::px(r.x) + 12, twips::px(r.y) + 5));
            EXPECT_EQ(w.programNo, entry);
            EXPECT_TRUE(w.Label1->caption().startsWith(QStringLiteral(" %1:").arg(entry)));
        }
    }
    EXPECT_GT(lastPoints, 0);
    w.setSurface(nullptr);

    // The search dialog grows with the editor's letters: 6000 x 1500 twips
    // (400 x 100 pixels) times 18.08 / 12 at 1920x1080.
    w.resize(1920, 1080);
    settle();
    w.RichTextBox2->setFocus();
    w.検索_Click();
    settle();
    EXPECT_NEAR(w.findDialog().width(), 603, 2);
    EXPECT_NEAR(w.findDialog().height(), 151, 2);
    EXPECT_NEAR(w.findDialog().font().pointSizeF(), 13.56, 0.05);
}
