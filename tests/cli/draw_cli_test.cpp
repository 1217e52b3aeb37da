// tssnc-cli draw as a script uses it: options, trace, picture, answers, exit status.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "common/cli_run.h"
#include "common/temp_home.h"

namespace {

// Two short programs; the second stops for stepping at its "(STOP)" line.
const QByteArray kTwoPrograms =
    "%\r\n"
    "O0001(FIRST)\r\n"
    "G00X100.Z10.\r\n"
    "G01Z-20.F0.2\r\n"
    "G00X200.\r\n"
    "%\r\n"
    "O0002(SECOND)\r\n"
    "(STOP)\r\n"
    "G00X10.\r\n"
    "G01Z-5.\r\n"
    "G01X20.\r\n"
    "G00X100.\r\n"
    "%\r\n";

QStringList linesStartingWith(const QStringList& lines, const QString& head) {
    QStringList out;
    for (const auto& l : lines)
        if (l.startsWith(head)) out << l;
    return out;
}

// Index of the first line at or after `from` that starts with head; -1 when none.
int find(const QStringList& lines, const QString& head, int from = 0) {
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].startsWith(head)) return i;
    return -1;
}

}  // namespace

TEST(DrawCli, TraceShowsTheOriginCircleOfEitherLathe) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);

    CliResult m = runCli({"draw", nc, "--lathe", "m", "--trace", "-"});
    ASSERT_EQ(m.exitCode, 0) << m.err.toStdString();
    // Program zero of "m": half the screen width, four fifths of its height.
    EXPECT_TRUE(m.outLines().contains("circle 14400 12960 100 FF0000")) << m.out.toStdString();

    CliResult t = runCli({"draw", nc, "--trace", "-"});  // "t" is the default
    ASSERT_EQ(t.exitCode, 0) << t.err.toStdString();
    const QStringList circles = linesStartingWith(t.outLines(), "circle ");
    bool found = false;
    for (const auto& c : circles) {
        const QStringList p = c.split(' ');
        if (p.size() == 5 && p[3] == "100" && p[4] == "FF0000") {
            found = true;
            EXPECT_TRUE(p[1].startsWith("10285.71")) << c.toStdString();
            EXPECT_TRUE(p[2].startsWith("4165.71")) << c.toStdString();
            EXPECT_DOUBLE_EQ(p[1].toDouble(), 28800.0 / 7 * 2.5);
            EXPECT_DOUBLE_EQ(p[2].toDouble(), 16200.0 / 7 * 1.8);
        }
    }
    EXPECT_TRUE(found) << t.out.toStdString();

    // The surface size follows --size (the screen the same size): 800x600 px.
    CliResult small = runCli({"draw", nc, "--lathe", "m", "--size", "800x600", "--trace", "-"});
    ASSERT_EQ(small.exitCode, 0);
    EXPECT_TRUE(small.outLines().contains("circle 6000 7200 100 FF0000")) << small.out.toStdString();
}

TEST(DrawCli, TraceRunsFromTheOrientationPromptToTheEndPrompt) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    CliResult r = runCli({"draw", nc, "--lathe", "m", "--trace", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.outLines();
    ASSERT_FALSE(lines.isEmpty());
    // The orientation prompt comes first, after the window is cleared (the
    // default offered is "t" on a new window), answered by --lathe.
    int first = 0;
    while (first < lines.size() && lines[first].startsWith("fill ")) ++first;
    ASSERT_LT(first, lines.size());
    EXPECT_TRUE(lines[first].startsWith("input \"描画モード\\n")) << lines[first].toStdString();
    EXPECT_TRUE(lines[first].contains("立て旋盤用描画:t 横型旋盤用:m\" \"t\" -> \"m\""))
        << lines[first].toStdString();
    // The end-of-text prompt is answered N; the run then ends with the button face.
    const int end = find(lines, "input \"描画完了 描画を続けますか Y or N\\nO0001(FIRST)");
    ASSERT_GE(end, 0) << r.out.toStdString();
    EXPECT_TRUE(lines[end].endsWith("\"Y\" -> \"N\"")) << lines[end].toStdString();
    EXPECT_TRUE(lines.last().startsWith("fill 0 0 28800 16200 F0F0F0")) << lines.last().toStdString();
    // The status lines in red, size 14.
    EXPECT_GE(find(lines, "text 15800 100 14 FF0000 \"X↑  Z→   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  描画速度:高速\""), 0)
        << r.out.toStdString();
    EXPECT_GE(find(lines, "text 15800 400 14 FF0000 \"O0001(FIRST) 倍率"), 0);

    // The same trace written to a file.
    const QString tracePath = dir.filePath("trace.txt");
    CliResult f = runCli({"draw", nc, "--lathe", "m", "--trace", tracePath});
    ASSERT_EQ(f.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(readFileBytes(tracePath)), r.out);
}

TEST(DrawCli, ProgramOptionPicksTheEntryByItsFirstLine) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    CliResult r = runCli({"draw", nc, "--program", "O0002", "--trace", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_GE(find(r.outLines(), "text 15800 400 14 FF0000 \"O0002(SECOND) 倍率"), 0)
        << r.out.toStdString();
    // Its "(STOP)" brought up the step menu, answered with its default.
    EXPECT_GE(find(r.outLines(), "input \"Cｸﾘｱｰ  D下げる U上げる R右　L左\\n"), 0);

    CliResult none = runCli({"draw", nc, "--program", "O0003"});
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_TRUE(none.err.contains("O0003")) << none.err.toStdString();
}

TEST(DrawCli, AnswersFileDrivesTheStepMenuAndTheQuitQuestion) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    // After "(STOP)": low speed, then Q answered No, then Q answered yes.
    const QString answers = writeFileBytes(dir.filePath("answers.txt"), "s1\r\nq\r\nNO\r\nQ\r\nyes\r\n");
    CliResult r = runCli({"draw", nc, "--program", "O0002", "--answers", answers, "--trace", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.outLines();
    const QString step = "input \"Cｸﾘｱｰ";
    int a = find(lines, step);
    ASSERT_GE(a, 0) << r.out.toStdString();
    EXPECT_TRUE(lines[a].endsWith("\"y\" -> \"s1\"")) << lines[a].toStdString();
    EXPECT_GE(find(lines, "text 15800 100 14 FF0000 \"X→  Z↑   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  描画速度:低速\"", a), 0);
    int b = find(lines, step, a + 1);
    ASSERT_GE(b, 0);
    EXPECT_TRUE(lines[b].endsWith("-> \"q\""));
    ASSERT_GT(lines.size(), b + 1);
    EXPECT_EQ(lines[b + 1], "yesno \"描画モードを終了しますか\" -> no");
    int c = find(lines, step, b + 1);
    ASSERT_GE(c, 0);
    EXPECT_TRUE(lines[c].endsWith("-> \"Q\""));
    EXPECT_EQ(lines.value(c + 1), "yesno \"描画モードを終了しますか\" -> yes");
    // Ended by Q: no further step menu and no end-of-text prompt.
    EXPECT_EQ(find(lines, step, c + 1), -1);
    EXPECT_EQ(find(lines, "input \"描画完了"), -1);
    EXPECT_FALSE(r.err.contains("draw:")) << r.err.toStdString();
}

TEST(DrawCli, FarPansKeepPlainWholeNumbersAndEndlessOnesAreRefused) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    // 100000 twips to the right: the zero mark is written 110285.71..., never
    // in exponent form; then twice 1E308 (refused with a message, no hang).
    const QString answers = writeFileBytes(dir.filePath("answers.txt"), "r100000\nl1e308\nl1e308\n");
    CliResult r = runCli({"draw", nc, "--program", "O0002", "--answers", answers, "--trace", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.outLines();
    EXPECT_GE(find(lines, "circle 110285.71428571429 4165.714285714285 100 FF0000"), 0)
        << r.out.toStdString();
    EXPECT_EQ(linesStartingWith(lines, "message \"移動量が大きすぎます\"").size(), 2);
    for (const QString& l : lines)
        EXPECT_FALSE(l.contains("e+") || l.contains("inf") || l.contains("nan")) << l.toStdString();
}

TEST(DrawCli, AreaZoomTakesClicksFromTheAnswersAndNeverHangs) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    const QString answers =
        writeFileBytes(dir.filePath("answers.txt"), "v\nclick 3000 2000\nclick 9000 6000\n");
    CliResult r = runCli({"draw", nc, "--program", "O0002", "--answers", answers, "--trace", "-"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = r.outLines();
    int ul = find(lines, "message \"左上隅をポイントしてください\"");
    ASSERT_GE(ul, 0) << r.out.toStdString();
    int c1 = find(lines, "circle 3000 2000 100 FF0000", ul);
    int lr = find(lines, "message \"右下隅をポイントしてください\"", ul);
    int c2 = find(lines, "circle 9000 6000 100 FF0000", ul);
    EXPECT_GE(c1, 0);
    EXPECT_GT(lr, c1);
    EXPECT_GT(c2, lr);

    // Without corners the whole window is taken: the run still ends.
    const QString bare = writeFileBytes(dir.filePath("bare.txt"), "v\n");
    CliResult r2 = runCli({"draw", nc, "--program", "O0002", "--answers", bare, "--trace", "-"});
    EXPECT_EQ(r2.exitCode, 0) << r2.err.toStdString();
    EXPECT_GE(find(r2.outLines(), "circle 0 0 100 FF0000"), 0);
    EXPECT_GE(find(r2.outLines(), "circle 28800 16200 100 FF0000"), 0);
}

TEST(DrawCli, UnusedOrUnfitAnswersAreReported) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    const QString answers = writeFileBytes(dir.filePath("answers.txt"), "q\nmaybe\nextra\n");
    CliResult r = runCli({"draw", nc, "--program", "O0002", "--answers", answers});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("maybe")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("not used")) << r.err.toStdString();
}

TEST(DrawCli, PngShowsTheGridAndTheStatusLines) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    const QString png = dir.filePath("out.png");
    CliResult r = runCli({"draw", nc, "--lathe", "m", "--png", png});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    QImage img(png);
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(1920, 1080));
    // The drawing, not the cleared window of the end of the run: blue ground.
    EXPECT_EQ(img.pixelColor(5, 5).rgb() & 0xFFFFFF, 0x0000C0u);
    int red = 0, white = 0;
    // Status lines: red text at (W - 13000, 100..800) twips.
    for (int y = 100 / 15; y < 800 / 15; ++y)
        for (int x = 15800 / 15; x < 25800 / 15; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == 0xFF0000) ++red;
    EXPECT_GT(red, 50);
    // Grid: white dots over the lower half.
    for (int y = 540; y < 1080; ++y)
        for (int x = 0; x < 1920; ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF) ++white;
    EXPECT_GT(white, 200);
    // The red circle of radius 100 twips round program zero (960, 864 px).
    bool ring = false;
    for (int dy = -8; dy <= 8 && !ring; ++dy)
        for (int dx = -8; dx <= 8; ++dx)
            if ((img.pixel(960 + dx, 864 + dy) & 0xFFFFFF) == 0xFF0000) ring = true;
    EXPECT_TRUE(ring);
}

TEST(DrawCli, ExitStatusTellsUsageFileAndEngineErrorsApart) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    EXPECT_EQ(runCli({"draw"}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", dir.filePath("missing.NC")}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", nc, "--lathe", "x"}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", nc, "--size", "0x10"}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", nc, "--max-blocks", "-1"}).exitCode, 2);
    CliResult bogus = runCli({"draw", nc, "--bogus"});
    EXPECT_EQ(bogus.exitCode, 2);
    EXPECT_TRUE(bogus.err.contains("unknown option --bogus")) << bogus.err.toStdString();
    EXPECT_EQ(runCli({"draw", nc, "--answers", dir.filePath("none.txt")}).exitCode, 2);
    EXPECT_EQ(runCli({"draw", dir.path()}).exitCode, 2);
    const QString noProgram = writeFileBytes(dir.filePath("empty.NC"), "(no program here)\r\n");
    EXPECT_EQ(runCli({"draw", noProgram}).exitCode, 2);

    // A run that does not end by itself within the bound: engine error.
    CliResult bound = runCli({"draw", nc, "--max-blocks", "2", "--trace", "-"});
    EXPECT_EQ(bound.exitCode, 1);
    EXPECT_GE(find(bound.outLines(), "message \""), 0) << bound.out.toStdString();

    // A program longer than the line table is refused: engine error.
    QByteArray longProgram = "%\r\nO0100(LONG)\r\n";
    for (int i = 0; i < 1001; ++i) longProgram += "G01X" + QByteArray::number(i) + ".\r\n";
    longProgram += "%\r\n";
    const QString longNc = writeFileBytes(dir.filePath("long.NC"), longProgram);
    CliResult tooLong = runCli({"draw", longNc});
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_TRUE(tooLong.out.startsWith("message: ")) << tooLong.out.toStdString();
}

TEST(DrawCli, WorkFileStaysInAPrivateFolder) {
    QTemporaryDir dir;
    const QString nc = writeFileBytes(dir.filePath("a.NC"), kTwoPrograms);
    TempHome home;  // a program directory a running window might be using
    CliResult r = runCli({"draw", nc}, true);
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("tenmp.$$$")));
    EXPECT_FALSE(QFile::exists(home.file("tenmp.$$$")));
}
