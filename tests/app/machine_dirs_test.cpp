// tssnc.ini: the machine directory table and the lathe orientation.
#include <gtest/gtest.h>

#include <QDir>
#include <QStringEncoder>
#include "app/machine_dirs.h"
#include "common/temp_home.h"

namespace {

MachineConfig parse(const char* text) { return parseMachineConfig(QByteArray(text)); }

void expectDirs(const MachineConfig& c, const char* d0, const char* d1, const char* d2,
                const char* d3) {
    EXPECT_EQ(c.dirs[0], QString::fromUtf8(d0));
    EXPECT_EQ(c.dirs[1], QString::fromUtf8(d1));
    EXPECT_EQ(c.dirs[2], QString::fromUtf8(d2));
    EXPECT_EQ(c.dirs[3], QString::fromUtf8(d3));
}

}  // namespace

TEST(MachineConfigFile, MissingFileIsCreatedWithTheFiveDefaultLinesAndReadsVertical) {
    TempHome home;
    MachineConfig c = loadMachineConfig(home.path());
    EXPECT_EQ(readFileBytes(home.file("tssnc.ini")),
              QByteArray("Dir0 =sp2\r\nDir1 =spg\r\nDir2 =77q\r\nDir3 =77r\r\n"
                         "tate/yoko =tate\r\n"));
    expectDirs(c, "sp2", "spg", "77q", "77r");
    EXPECT_EQ(c.orientation, "t");
}

TEST(MachineConfigFile, ExistingFileIsReadAndNeverRewritten) {
    TempHome home;
    const QByteArray mine("Dir0 =lath1\r\ntate/yoko =yoko\r\n");
    home.write("tssnc.ini", mine);
    MachineConfig c = loadMachineConfig(home.path());
    EXPECT_EQ(readFileBytes(home.file("tssnc.ini")), mine);
    expectDirs(c, "lath1", "spg", "77q", "77r");
    EXPECT_EQ(c.orientation, "m");
}

TEST(MachineConfigFile, UnreadableFileFallsBackToDefaultsAndHorizontal) {
    // A folder in the file's place can be neither written nor read (root ignores
    // permissions, so a read-only file would not do).
    TempHome home;
    QDir(home.path()).mkdir("tssnc.ini");
    MachineConfig c = loadMachineConfig(home.path());
    expectDirs(c, "sp2", "spg", "77q", "77r");
    EXPECT_EQ(c.orientation, "m");
}

TEST(MachineConfigDirs, SlotsFillInFileOrderWhateverTheDigitSays) {
    // Only a Dir3 line: its value goes to slot 0, the rest get their defaults.
    expectDirs(parse("Dir3 =abc\r\n"), "abc", "spg", "77q", "77r");
    expectDirs(parse("Dir2 =a\r\nDir0 =b\r\n"), "a", "b", "77q", "77r");
    // "dir" counts too; no digit at all is fine.
    expectDirs(parse("dir =x1\r\nDir9 =x2\r\n"), "x1", "x2", "77q", "77r");
}

TEST(MachineConfigDirs, FifthDirectoryLineIsIgnored) {
    expectDirs(parse("Dir0 =a\r\nDir1 =b\r\nDir2 =c\r\nDir3 =d\r\nDir4 =e\r\n"), "a", "b", "c",
               "d");
}

TEST(MachineConfigDirs, KeysInOtherCaseOrSpellingAreIgnored) {
    expectDirs(parse("DIR0 =zz\r\nDIr1 =yy\r\n dir0 =xx\r\nDir1 =ok\r\n"), "ok", "spg", "77q",
               "77r");
    // Lines that only map serial ports do not take a slot.
    expectDirs(parse("COM1 =/dev/ttyUSB0\r\nDir0 =m1\r\n"), "m1", "spg", "77q", "77r");
}

TEST(MachineConfigDirs, LeadingBlanksGoTrailingBlanksStay) {
    expectDirs(parse("Dir0 =   sp9  \r\n"), "sp9  ", "spg", "77q", "77r");
    // Only the first "=" separates; later ones are part of the value.
    expectDirs(parse("Dir0 =a=b\r\n"), "a=b", "spg", "77q", "77r");
}

TEST(MachineConfigDirs, EmptyValueTakesTheSlotAndGetsItsDefault) {
    // "Dir0 =" uses up slot 0 (empty -> default); the next line fills slot 1.
    expectDirs(parse("Dir0 =\r\nDir1 =   \r\nDir2 =q2\r\n"), "sp2", "spg", "q2", "77r");
}

TEST(MachineConfigDirs, LineWithoutEqualsIsTakenWhole) {
    expectDirs(parse("Dir0 sp5\r\n"), "Dir0 sp5", "spg", "77q", "77r");
}

TEST(MachineConfigOrientation, FollowsTheFirstTwoCharactersAfterEquals) {
    EXPECT_EQ(parse("tate/yoko =tate\r\n").orientation, "t");
    EXPECT_EQ(parse("tate/yoko = tate\r\n").orientation, "t");   // second character
    EXPECT_EQ(parse("tate/yoko =  tate\r\n").orientation, "m");  // third is too far
    EXPECT_EQ(parse("tate/yoko =yoko\r\n").orientation, "m");
    EXPECT_EQ(parse("tate/yoko =Tate\r\n").orientation, "m");    // upper case is not "t"
    EXPECT_EQ(parse("tate/yoko =\r\n").orientation, "m");
    EXPECT_EQ(parse("tate/yoko=tate\r\n").orientation, "t");
}

TEST(MachineConfigOrientation, LineWithoutEqualsExaminesItsOwnStartAndIsVertical) {
    EXPECT_EQ(parse("tate/yoko yoko\r\n").orientation, "t");
}

TEST(MachineConfigOrientation, NoLineMeansHorizontalAndTheLastLineWins) {
    EXPECT_EQ(parse("Dir0 =sp2\r\n").orientation, "m");
    EXPECT_EQ(parse("").orientation, "m");
    EXPECT_EQ(parse("TATE/YOKO =tate\r\n").orientation, "m");
    EXPECT_EQ(parse("tate/yoko =tate\r\ntate/yoko =yoko\r\n").orientation, "m");
    EXPECT_EQ(parse("tate/yoko =yoko\r\ntate/yoko =tate\r\n").orientation, "t");
}

TEST(MachineConfigText, OtherLineEndsEncodingsAndLastLineWithoutEnd) {
    // Edited on another system: LF or CR alone must not glue the lines together.
    expectDirs(parse("Dir0 =a\nDir1 =b\rDir2 =c\r\nDir3 =d"), "a", "b", "c", "d");
    EXPECT_EQ(parse("Dir0 =a\ntate/yoko =tate").orientation, "t");
    // A UTF-8 byte-order mark does not hide the first key.
    expectDirs(parse("\xEF\xBB\xBF" "Dir0 =bom\r\n"), "bom", "spg", "77q", "77r");
    // A Windows editor's Shift_JIS machine name.
    QStringEncoder sjis("Shift_JIS");
    QByteArray bytes = QByteArray("Dir0 =") + QByteArray(sjis.encode(QStringLiteral("旋盤1"))) +
                       "\r\n";
    EXPECT_EQ(parseMachineConfig(bytes).dirs[0], QStringLiteral("旋盤1"));
    expectDirs(parse("Dir0 =旋盤2\r\n"), "旋盤2", "spg", "77q", "77r");
}

TEST(MachineConfigRapidRate, OptionalKeyLeavesTheOtherLinesAlone) {
    struct Row {
        const char* text;
        double rate;  // 0: not given
    } rows[] = {
        {"Dir0 =sp2\r\ntate/yoko =tate\r\n", 0},  // the default file and older files
        {"RapidRate =12000\r\n", 12000},
        {"RapidRate=7500.5\r\nDir0 =a\r\n", 7500.5},
        {"RapidRate =fast\r\n", 0},
        {"RapidRate =-5\r\n", 0},
        {"rapidrate =9000\r\n", 0},  // keys are case-exact
    };
    for (const Row& r : rows) {
        const MachineConfig c = parse(r.text);
        EXPECT_EQ(c.rapidRate, r.rate) << r.text;
    }
    const MachineConfig c = parse("RapidRate =12000\r\nDir0 =a\r\ntate/yoko =tate\r\n");
    expectDirs(c, "a", "spg", "77q", "77r");
    EXPECT_EQ(c.orientation, QStringLiteral("t"));
}
