// fileload and the listing's keys and mouse, driven through a plain window.
#include <gtest/gtest.h>

#include <QImage>

#include "common/temp_home.h"
#include "editor/fileload.h"
#include "editor/listing_rows.h"
#include "platform/gui_colour.h"
#include "platform/gui_image_surface.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

namespace {

struct FakeWindow : ListingWindow {
    QString path;
    int current = 0, skip = 0, count = -1;
    ScreenMode mode = ScreenMode::Settled;
    colour::Rgb editColour = colour::kYellow;
    QString edit, label1, readout, scrolledTo, combined;
    colour::Rgb lastEditColour = 0;
    bool readoutTag = false, readoutSave = false, combine = false, indicator = false;
    QString captions[19];
    bool visible[19] = {true, true, true, true, true, true, true, true, true, true,
                        true, true, true, true, true, true, true, true, true};
    bool keepEdit = false;  // the offer answers "keep the edit"
    int saveOffers = 0, searchForgets = 0, leaves = 0, keyCatcher = 0;
    RecordingSurface surface{15000, 15000, 15000, 15000};  // tall: rows 218 apart
    ScriptedDialogs dialogs;
    QString work;

    QString currentFilePath() const override { return path; }
    int currentProgram() const override { return current; }
    void setCurrentProgram(int n) override { current = n; }
    int skipSaveFlag() const override { return skip; }
    void setSkipSaveFlag(int v) override { skip = v; }
    ScreenMode screenMode() const override { return mode; }
    void setProgramCount(int n) override { count = n; }
    colour::Rgb editTextColour() const override { return editColour; }
    QString editText() const override { return edit; }
    void setEditText(const QString& t, colour::Rgb c) override { edit = t; lastEditColour = c; }
    void showEditScreen() override {}
    QString programLabel() const override { return label1; }
    void setProgramLabel(const QString& c) override { label1 = c; }
    QString readoutText() const override { return readout; }
    void setReadoutText(const QString& t, colour::Rgb) override { readout = t; }
    void scrollReadoutTo(const QString& what) override { scrolledTo = what; }
    void setReadoutChangedTag() override { readoutTag = true; }
    void setReadoutSaveEnabled(bool on) override { readoutSave = on; }
    void setSectionButtonCaption(int k, const QString& c) override { captions[k] = c; }
    void setSectionButtonVisible(int k, bool v) override { visible[k] = v; }
    bool combineMode() const override { return combine; }
    void setCombineMode(bool y) override { combine = y; indicator = y; }
    void toggleCombineMode() override { combine = !combine; indicator = combine; }
    Surface& listingSurface() override { return surface; }
    Dialogs& listingDialogs() override { return dialogs; }
    bool offerSave() override {
        ++saveOffers;
        return keepEdit ? false : true;
    }
    void forgetSearchPosition() override { ++searchForgets; }
    void leaveToMenu() override { ++leaves; }
    void refreshListingKeyCatcher() override { ++keyCatcher; }
    QString workFilePath() const override { return work; }
    void writeCombinedOutput(const QString& t) override { combined += t; }

    // Texts painted on the listing since the last clear of the surface log.
    QStringList painted() const {
        QStringList out;
        for (const QString& op : surface.ops())
            if (op.startsWith(QStringLiteral("text "))) out << op;
        return out;
    }
};

QString data(const char* name) { return sourcePath(QStringLiteral("tests/data/") + QLatin1String(name)); }

}  // namespace

TEST(Fileload, ReadingThenShowingEntries) {
    FakeWindow w;
    w.path = data("three_programs.nc");
    Fileload f(w);
    f.run(-1);
    EXPECT_EQ(w.count, 4);
    EXPECT_EQ(w.current, 0);
    EXPECT_EQ(w.captions[0], QStringLiteral(" 1"));
    EXPECT_TRUE(w.visible[0]);
    EXPECT_FALSE(w.visible[1]);
    EXPECT_EQ(w.readout, f.programStore().readoutText());
    EXPECT_TRUE(w.dialogs.messages().isEmpty());

    w.surface.clear();
    f.run(1);
    EXPECT_EQ(w.current, 1);
    EXPECT_EQ(f.lastShown(), 1);
    EXPECT_EQ(w.label1, QStringLiteral(" 1:O0001(FIRST)"));
    EXPECT_EQ(w.edit, QStringLiteral("O0001(FIRST)\r\nG00 X100. Z50.\r\nM30\r\n"));
    EXPECT_EQ(w.lastEditColour, colour::kYellow);
    EXPECT_EQ(w.saveOffers, 1);
    EXPECT_EQ(w.searchForgets, 1);
    const QStringList texts = w.painted();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_TRUE(texts[0].contains(QStringLiteral("\" 1● : O0001(FIRST)\"")));
    EXPECT_TRUE(texts[3].contains(QStringLiteral("\" 4○ : 自由書き込み領域\"")));
    EXPECT_TRUE(w.surface.ops().first().startsWith(QStringLiteral("fill 5200 448 11280 12713")));
}

TEST(Fileload, ReadFirstRuleAndTheExemptCodes) {
    TempHome home;
    FakeWindow w;
    w.path = data("three_programs.nc");
    w.work = home.file(QStringLiteral("tenmp.$$$"));
    Fileload f(w);
    w.label1 = QStringLiteral("O0002");
    f.run(7200);  // does not read first: nothing stored yet
    EXPECT_EQ(readFileBytes(w.work), QByteArray("(nofileerr)\r\nM99\r\n"));
    EXPECT_EQ(w.count, -1);
    f.run(2);  // reads, then shows entry 2
    EXPECT_EQ(w.count, 4);
    EXPECT_EQ(w.current, 2);
    EXPECT_TRUE(w.edit.startsWith(QStringLiteral("O0002(SECOND)")));
    w.label1 = QStringLiteral("O0003");
    f.run(7200);
    EXPECT_EQ(readFileBytes(w.work), QByteArray("O0003(THIRD)\r\nG00 X10.\r\nM30\r\n"));
    // Code 0 clears; the next code reads again.
    f.run(0);
    EXPECT_FALSE(f.programStore().isRead());
    EXPECT_EQ(w.edit, QStringLiteral(" "));
    f.run(3);
    EXPECT_EQ(w.count, 4);
    EXPECT_TRUE(w.edit.startsWith(QStringLiteral("O0003(THIRD)")));
}

TEST(Fileload, FreeAreaKeepsItsTextBetweenEntries) {
    FakeWindow w;
    w.path = data("three_programs.nc");
    Fileload f(w);
    f.run(-1);
    f.run(4);
    EXPECT_EQ(w.edit, QStringLiteral("O0999\n(自由書き込み領域)\nM30\n"));
    EXPECT_EQ(w.lastEditColour, colour::kYellow);
    EXPECT_EQ(w.label1, QStringLiteral(" 4:自由書き込み領域"));
    w.edit = QStringLiteral("O0999\n(MEMO)\nM30\n");
    f.run(2);
    EXPECT_EQ(f.programStore().freeAreaText(), QStringLiteral("O0999\n(MEMO)\nM30\n"));
    f.run(4);
    EXPECT_EQ(w.edit, QStringLiteral("O0999\n(MEMO)\nM30\n"));
}

TEST(Fileload, SkipSaveRepaintsTheListingOnly) {
    FakeWindow w;
    w.path = data("three_programs.nc");
    Fileload f(w);
    f.run(-1);
    f.run(2);
    w.edit = QStringLiteral("EDITED");
    w.skip = 1;
    w.mode = ScreenMode::ListingEntered;
    const int offers = w.saveOffers;
    f.run(2);
    EXPECT_EQ(w.edit, QStringLiteral("EDITED"));
    EXPECT_EQ(w.saveOffers, offers);
    w.mode = ScreenMode::Settled;
    f.run(3);  // outside the listing layout the kept text is put back
    EXPECT_EQ(w.edit, QStringLiteral("EDITED"));
    EXPECT_EQ(w.current, 3);
}

TEST(Fileload, CombineMarksWithKeysMouseAndTheMarkedWriter) {
    FakeWindow w;
    w.path = data("three_programs.nc");
    Fileload f(w);
    f.run(-1);
    f.run(1);
    f.listingKey(vbkey::kSpace);
    EXPECT_TRUE(w.combine);
    f.listingKey(vbkey::kDown);  // to entry 2, toggling its mark
    EXPECT_EQ(w.current, 2);
    EXPECT_TRUE(f.programStore().isMarked(2));
    EXPECT_TRUE(w.painted().last().contains(QStringLiteral("○ : 自由書き込み領域")));
    w.surface.clear();
    f.listingKey(vbkey::kDown);
    f.listingKey(vbkey::kDown);  // entry 4, the free area
    EXPECT_EQ(f.programStore().markedEntries(), (QList<int>{2, 3, 4}));
    EXPECT_TRUE(w.painted().last().contains(QStringLiteral("\" 4◎ : 自由書き込み領域\"")));
    // Right click toggles while combine mode is on; a toggle to "unmarked" shows ●.
    w.surface.clear();
    f.listingPress(2, 5300, 450 + 218 * 2 + 5);
    EXPECT_FALSE(f.programStore().isMarked(3));
    EXPECT_TRUE(w.painted()[2].contains(QStringLiteral("\" 3● : O0003(THIRD)\"")));
    EXPECT_EQ(w.keyCatcher, 4);

    f.run(9998);
    EXPECT_EQ(w.combined,
              QStringLiteral("O0002(SECOND)\r\nG01 X50. F.2\r\n  O0009 IS NOT A PROGRAM\r\nM30\r\n\r\n"
                             "O0999\r\n(自由書き込み領域)\r\nM30\r\n"));
    w.current = 1;
    f.run(9999);
    EXPECT_EQ(w.current, 3);
    EXPECT_TRUE(w.indicator);

    f.listingKey(vbkey::kDivide);
    EXPECT_FALSE(f.programStore().anyMarked());
    EXPECT_EQ(w.current, 1);
    f.run(9999);
    EXPECT_FALSE(w.indicator);
    f.listingKey(vbkey::kColon);
    EXPECT_EQ(f.programStore().markedEntries().size(), 4);
    f.keyCatcherPress(4500);
    EXPECT_FALSE(f.programStore().anyMarked());
}

TEST(Fileload, KeysMoveThroughTheListing) {
    TempHome home;
    QByteArray file;
    for (int p = 1; p <= 59; ++p) file += "O" + QByteArray::number(1000 + p) + "\r\nM30\r\n";
    FakeWindow w;
    w.path = home.write(QStringLiteral("sixty.nc"), file);
    Fileload f(w);
    f.run(-1);
    ASSERT_EQ(w.count, 60);
    f.listingKey(vbkey::kUp);  // from nothing shown: the last entry
    EXPECT_EQ(w.current, 60);
    f.listingKey(vbkey::kDown);
    EXPECT_EQ(w.current, 1);
    f.listingKey(vbkey::kUp);
    EXPECT_EQ(w.current, 60);
    f.run(3);
    f.listingKey(vbkey::kRight);
    EXPECT_EQ(w.current, 59);
    EXPECT_EQ(w.label1, QStringLiteral(" 59:O1059"));
    f.listingKey(vbkey::kLeft);
    EXPECT_EQ(w.current, 3);
    f.run(5);
    f.listingKey(vbkey::kRight);
    EXPECT_EQ(w.current, 5);
    f.listingKey(vbkey::kEscape);
    EXPECT_EQ(w.leaves, 1);
    EXPECT_EQ(w.current, 5);
    // Mouse on the second column.
    f.listingPress(1, 7600, 560);
    EXPECT_EQ(w.current, 57);
    f.listingPress(1, 7600, 560 + 218 * 5);  // entry 62 does not exist
    EXPECT_EQ(w.current, 57);
}

TEST(Fileload, SectionsAndTheReadOutChangeCheck) {
    FakeWindow w;
    w.path = data("three_programs.nc");
    Fileload f(w);
    f.run(-1);
    f.run(1000);
    EXPECT_EQ(w.scrolledTo, f.programStore().sectionText(0).left(30));
    EXPECT_EQ(f.referenceLength(), w.readout.size());
    f.run(9994);
    EXPECT_FALSE(w.readoutTag);
    w.readout += QStringLiteral("X");  // the operator typed in the read-out screen
    f.run(9994);
    EXPECT_TRUE(w.readoutTag);
    EXPECT_TRUE(w.readoutSave);
    f.run(1000);
    EXPECT_TRUE(w.readout.endsWith(u'X'));  // the edit is kept
    // A new read starts over.
    f.run(-1);
    EXPECT_FALSE(w.readoutSave);
    EXPECT_EQ(f.referenceLength(), w.readout.size());
    EXPECT_FALSE(w.readout.endsWith(u'X'));
    // In the edit layout a section is not shown.
    w.mode = ScreenMode::Edit;
    w.scrolledTo.clear();
    f.run(1000);
    EXPECT_TRUE(w.scrolledTo.isEmpty());
}

TEST(Fileload, FilesWithoutProgramsOrBeyondTheBounds) {
    TempHome home;
    FakeWindow w;
    w.path = data("no_program.nc");
    Fileload f(w);
    f.run(-1);
    EXPECT_EQ(w.dialogs.messages(), QStringList{QStringLiteral("Oを頭にしたファイル名がありませんでした")});
    EXPECT_EQ(w.count, 0);
    EXPECT_EQ(w.readout, QStringLiteral("%\n(ONLY A HEADER)\nG00 X10.\n"));
    f.run(1);
    f.listingKey(vbkey::kDown);
    EXPECT_EQ(w.dialogs.messages().size(), 1);  // not read again

    QByteArray many;
    for (int p = 1; p <= 200; ++p) many += "O" + QByteArray::number(p) + "\r\nM30\r\n";
    const QString manyPath = home.write(QStringLiteral("many.nc"), many);

    // A first file beyond a bound: a message, nothing loaded, and the codes
    // that follow do not try it again.
    FakeWindow fresh;
    fresh.path = manyPath;
    Fileload g(fresh);
    g.run(-1);
    ASSERT_EQ(fresh.dialogs.messages().size(), 1);
    EXPECT_TRUE(fresh.dialogs.messages().first().contains(QStringLiteral("多すぎます")));
    EXPECT_TRUE(g.lastReadRejected());
    EXPECT_FALSE(g.previousKept());
    EXPECT_EQ(fresh.count, 0);
    EXPECT_TRUE(fresh.readout.isEmpty());
    for (bool v : fresh.visible) EXPECT_FALSE(v);
    g.run(1);
    EXPECT_EQ(fresh.dialogs.messages().size(), 1);

    // Refused or unreadable after a file that was read: that file stays, with
    // its listing, screens and marks.
    FakeWindow good;
    good.path = data("three_programs.nc");
    Fileload h(good);
    h.run(-1);
    h.run(2);
    h.programStore().setMarked(3, true);
    const QString readout = good.readout;
    for (const QString& path : {manyPath, home.file(QStringLiteral("missing.nc"))}) {
        good.path = path;
        good.surface.clear();
        h.run(-1);
        EXPECT_TRUE(h.lastReadRejected());
        EXPECT_TRUE(h.previousKept());
        EXPECT_EQ(good.count, 4);
        EXPECT_EQ(good.current, 2);
        EXPECT_EQ(good.readout, readout);
        EXPECT_EQ(good.captions[0], QStringLiteral(" 1"));
        EXPECT_TRUE(good.visible[0]);
        EXPECT_TRUE(good.edit.startsWith(QStringLiteral("O0002(SECOND)")));
        EXPECT_TRUE(good.surface.ops().isEmpty());  // the listing is not wiped
        EXPECT_TRUE(h.programStore().isMarked(3));
        EXPECT_EQ(h.programStore().path(), data("three_programs.nc"));
    }
    EXPECT_EQ(good.dialogs.messages().size(), 2);
    h.run(3);
    EXPECT_TRUE(good.edit.startsWith(QStringLiteral("O0003(THIRD)")));
    // A good file afterwards is read as usual.
    good.path = data("no_program.nc");
    h.run(-1);
    EXPECT_FALSE(h.lastReadRejected());
    EXPECT_EQ(good.count, 0);
}

TEST(Fileload, RowsBelowTheListingAreaAreWipedWithIt) {
    // 140 programs: the second column's rows from entry 114 on stand below the
    // listing area (y > 12713); their marks must not pile up from one painting
    // to the next, nor stay when a shorter file is read.
    TempHome home;
    QByteArray file;
    for (int p = 1; p <= 140; ++p) file += "O" + QByteArray::number(1000 + p) + "\r\nM30\r\n";
    FakeWindow w;
    w.path = home.write(QStringLiteral("long.nc"), file);
    Fileload f(w);
    f.run(-1);
    ASSERT_EQ(w.count, 141);
    f.run(130);
    // Row 141 (the 85th of the second column) ends at 477 + 218 * 85.
    const QString below = QStringLiteral("fill 5200 12713 11280 19007 F0F0F0");
    w.surface.clear();
    f.run(131);
    ASSERT_GE(w.surface.ops().size(), 2);
    EXPECT_TRUE(w.surface.ops().at(0).startsWith(QStringLiteral("fill 5200 448 11280 12713")));
    EXPECT_EQ(w.surface.ops().at(1), below);
    EXPECT_TRUE(w.painted()[129].contains(QStringLiteral("\" 130○ : O1130\"")));
    EXPECT_TRUE(w.painted()[130].contains(QStringLiteral("\" 131● : O1131\"")));

    w.path = data("three_programs.nc");
    w.surface.clear();
    f.run(-1);
    EXPECT_TRUE(w.surface.ops().contains(below));
    // A short listing paints nothing below the area, so nothing more is wiped there.
    f.run(1);
    w.surface.clear();
    f.run(2);
    for (const QString& op : w.surface.ops()) EXPECT_FALSE(op.startsWith(QStringLiteral("fill 5200 12713")));
}

TEST(Fileload, ReadOutTypedAfterAReadFromTheEditLayoutIsKept) {
    // Read while the edit layout stands (screen mode 9): the first section is
    // not shown then.  What the operator types into the read-out afterwards
    // must still be noticed, and survive the next section button.
    FakeWindow w;
    w.path = data("three_programs.nc");
    w.mode = ScreenMode::Edit;
    Fileload f(w);
    f.run(-1);
    f.run(1000);
    w.mode = ScreenMode::ListingEntered;  // the timer has opened the listing layout
    w.readout += QStringLiteral("(NOTE)");
    f.run(9994);
    EXPECT_TRUE(w.readoutTag);
    EXPECT_TRUE(w.readoutSave);
    f.run(1000);
    EXPECT_TRUE(w.readout.endsWith(QStringLiteral("(NOTE)")));
}

TEST(Fileload, ListingRowsAreLargeAndStayInTheirColumns) {
    // On a tall window (1000 pixels at 96 dpi) the rows are in the edit screen's
    // default size: digits about 12 pixels high where 9 points gave 9; 56 rows
    // in the first column, the last within the listing area (847 pixels).
    TempHome home;
    QByteArray plain, wide;
    for (int p = 1; p <= 80; ++p) {
        plain += "O" + QByteArray::number(1000 + p) + "\r\nM30\r\n";
        wide += "O" + QByteArray::number(1000 + p) + "(WWWWWWWWWWWWWWW)\r\nM30\r\n";
    }
    FakeWindow w;
    ImageSurface picture(1000, 1000, 96.0, QSize(1000, 1000), colour::kButtonFace);
    w.surface.setForward(&picture);
    w.path = home.write(QStringLiteral("plain.nc"), plain);
    Fileload f(w);
    f.run(-1);
    f.run(1);
    const QImage& img = picture.image();
    const QRgb ground = colour::toQColor(colour::kButtonFace).rgb() & 0xFFFFFF;
    auto ink = [&](int x0, int x1, int y) {
        for (int x = x0; x < x1; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != ground) return true;
        return false;
    };
    // Ink bands of the program numbers of the first column (x 400 to 440 pixels).
    QList<QPair<int, int>> bands;
    int top = -1;
    for (int y = 0; y < img.height(); ++y) {
        const bool on = ink(400, 440, y);
        if (on && top < 0) top = y;
        if (!on && top >= 0) {
            bands.append({top, y});
            top = -1;
        }
    }
    ASSERT_EQ(bands.size(), 56);
    int tallest = 0;
    for (const auto& b : bands) tallest = std::max(tallest, b.second - b.first);
    EXPECT_GE(tallest, 11);
    EXPECT_LE(bands.last().second, 847);

    // The widest names are narrowed to end before the second column (x 8000
    // twips = 533 pixels), and the second column's before the edit screen (688).
    w.path = home.write(QStringLiteral("wide.nc"), wide);
    f.run(-1);
    f.run(1);
    for (int y = 30; y < 900; ++y) {
        EXPECT_FALSE(ink(528, 533, y)) << "first column runs into the second at y " << y;
        EXPECT_FALSE(ink(683, 700, y)) << "second column runs under the edit screen at y " << y;
    }
}
