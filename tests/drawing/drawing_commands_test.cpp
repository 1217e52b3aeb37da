#include <gtest/gtest.h>
#include <cmath>

#include "drawing/number_text.h"
#include "run_rig.h"

using namespace drawing;

namespace {
const char* kBlue = "0000C0";
QString statusLine1(const QString& caption, bool skip, const QString& speed) {
    return textOp(15800, 100, 14, "FF0000", caption + (skip ? text::kSkipOn : text::kSkipOff) + speed);
}
}  // namespace

// ---------------------------------------------------------------- keys while drawing continuously

TEST(ContinuousKeys, EnlargeZoomsAboutTheCentreAndRedrawsWithoutStopping) {
    RunRig rig(testProgram(6));
    rig.keyAt(3, vbkey::kB);
    EXPECT_EQ(rig.draw("m", {"N"}), RunResult::Normal);
    EXPECT_EQ(rig.st.scale, 19);
    EXPECT_EQ(rig.count("circle 14400 12960 100 FF0000"), 1);
    EXPECT_EQ(rig.count("circle 14400 18360 100 FF0000"), 1);  // Int(19*(12960-8100)/9 + 8100)
    EXPECT_TRUE(rig.stepMenuAt.isEmpty());
    EXPECT_EQ(rig.st.run.blockCount, 6);
    EXPECT_EQ(rig.count(textOp(15800, 400, 14, "FF0000",
                               QStringLiteral("O0001(TEST) 倍率 .14 プログラム非表示 "))),
              1);
}

TEST(ContinuousKeys, ShrinkAtScaleTenDoesNothing) {
    RunRig rig(testProgram(4));
    rig.st.viewReady = true;
    rig.st.orientation = "t";
    rig.st.originX = 5000;
    rig.st.originY = 6000;
    rig.st.scale = 10;
    rig.keyAt(2, vbkey::kS);
    rig.draw("t", {"N"});
    EXPECT_EQ(rig.st.scale, 10);
    EXPECT_EQ(rig.passes(), 1);
}

TEST(ContinuousKeys, PanKeepsDrawingWithoutStops) {
    RunRig rig(testProgram(5));
    rig.keyAt(2, vbkey::kDown);
    rig.keyAt(4, vbkey::kL);
    rig.draw("m", {"N"});
    EXPECT_EQ(rig.st.originY, 12960 + 500);
    EXPECT_EQ(rig.st.originX, 14400 - 500);
    EXPECT_EQ(rig.passes(), 3);
    EXPECT_TRUE(rig.stepMenuAt.isEmpty());
    EXPECT_EQ(rig.st.run.fastForwardLimit, kNoStopLimit);
}

TEST(ContinuousKeys, ResetViewAndProgramDisplayToggle) {
    RunRig rig(testProgram(5));
    rig.st.viewReady = true;
    rig.st.orientation = "m";
    rig.st.originX = 1;
    rig.st.scale = 50;
    rig.keyAt(2, vbkey::kI);
    rig.keyAt(4, vbkey::kSpace);
    rig.draw("m", {"N"});
    EXPECT_EQ(rig.st.originX, 14400);
    EXPECT_EQ(rig.st.scale, 9);
    EXPECT_TRUE(rig.st.programDisplay);
    EXPECT_EQ(rig.count(textOp(15800, 400, 14, "FF0000",
                               QStringLiteral("O0001(TEST) 倍率 .06 プログラム表示 "))),
              1);
}

TEST(ContinuousKeys, ProgramDisplayOffClearsTheTextAreaAndRedrawsTheGrid) {
    RunRig rig(testProgram(4));
    rig.st.programDisplay = true;
    rig.keyAt(3, vbkey::kP);
    rig.draw("t", {"N"});
    EXPECT_FALSE(rig.st.programDisplay);
    EXPECT_EQ(rig.count(fillOp(0, 2000, 7700, 9000, kBlue)), 1);
    EXPECT_EQ(rig.passes(), 2);  // the grid again, without a new pass
    EXPECT_EQ(rig.st.run.blockCount, 4);
}

TEST(ContinuousKeys, EscOrAClickStopsAfterTheBlock) {
    RunRig rig(testProgram(5));
    rig.keyAt(3, vbkey::kEscape);
    rig.draw("t", {"y", "y", "y", "N"});
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{3, 4, 5}));

    RunRig click(testProgram(5));
    click.clickAt(2, 500, 500);
    click.draw("t", {"y", "y", "y", "y", "N"});
    EXPECT_EQ(click.stepMenuAt, (QList<qint64>{2, 3, 4, 5}));
}

TEST(ContinuousKeys, WordsWaitWhileACornerIsPending) {
    ScriptInterpreter corner;
    corner.onBlock = [&corner](BlockContext& c) {
        corner.pending = c.lineIndex() == 1;
        return BlockStep::next();
    };
    RunRig rig(testProgram(4));
    rig.keyAt(3, vbkey::kB);  // before block 3, while block 2's corner waits
    rig.draw("t", {"N"}, &corner);
    // Taken up before block 4 instead.
    EXPECT_EQ(rig.st.scale, 19);
    EXPECT_EQ(rig.passes(), 2);
}

// ---------------------------------------------------------------- the step menu

TEST(StepMenu, PromptTextAndPlace) {
    RunRig rig({"O0001", "(STOP)", "%"});
    rig.draw("t", {"y", "N"});
    const auto& box = rig.host.dlg.shown()[1];
    EXPECT_EQ(box.text, QStringLiteral("Cｸﾘｱｰ  D下げる U上げる R右　L左\nPﾌﾟﾛｸﾞﾗﾑ表示 B拡大 S縮小\n"
                                       "I位置&倍率初期化 A連続描画 \n s1低速  s2中速  s3高速  k最高速\n"
                                       " Q終了\n続ける場合はEnterキーを押してください\n"
                                       "拡大範囲指定再描画はvを入力してください"));
    EXPECT_EQ(box.defaultAnswer, "y");
    EXPECT_EQ(box.x, 21800);
    EXPECT_EQ(box.y, 12700);
}

TEST(StepMenu, PanRestartRedrawsFastUpToTheBlockReached) {
    RunRig rig(testProgram(6));
    rig.keyAt(3, vbkey::kEscape);
    rig.host.dlg.queueYesNo(true);
    EXPECT_EQ(rig.draw("t", {"d", "q"}), RunResult::Normal);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{3, 3}));
    EXPECT_DOUBLE_EQ(rig.st.originY, 16200 / 7.0 * 1.8 + 500);
    EXPECT_EQ(rig.passes(), 2);
    // The redraw ran without stopping: the help line before its blocks 1..3.
    EXPECT_EQ(rig.count(textOp(150, 15550, 10, "FFFFFF", text::kHelpLine)), 6);
}

TEST(StepMenu, NumericPansAndScale) {
    RunRig rig(testProgram(3));
    rig.st.orientation = "m";
    rig.keyAt(1, vbkey::kEscape);
    rig.host.dlg.queueYesNo(true);
    rig.draw("m", {"d100", "U30", "r-40", "L10", "b5", "q"});
    EXPECT_EQ(rig.st.originY, std::floor(700 * (12960 + 100 - 30 - 8100) / 9.0 + 8100));
    EXPECT_EQ(rig.st.originX, std::floor(700 * (14400 - 40 - 10 - 14400) / 9.0 + 14400));
    EXPECT_EQ(rig.st.scale, 700);
    EXPECT_EQ(rig.passes(), 6);
    EXPECT_EQ(rig.count(textOp(15800, 400, 14, "FF0000",
                               QStringLiteral("O0001(TEST) 倍率 5 プログラム非表示 "))),
              1);
}

TEST(StepMenu, ScaleTooSmallIsRefusedWithAMessage) {
    RunRig rig(testProgram(2));
    rig.keyAt(1, vbkey::kEscape);
    rig.draw("t", {"b0", "y", "N"});
    EXPECT_EQ(rig.st.scale, 9);
    EXPECT_EQ(rig.host.dlg.messages(), QStringList{text::kScaleTooSmall});
    EXPECT_EQ(rig.passes(), 1);
}

TEST(StepMenu, TypedNumbersBeyondTheViewAreRefusedWithAMessage) {
    // Twice 1E308 twips would be infinite; a scale of 1E300 cannot be drawn:
    // each is refused with its message and the run goes on, never hangs.
    RunRig rig(testProgram(6));
    rig.keyAt(1, vbkey::kEscape);
    rig.draw("t", {"d1e308", "d1e308", "l1e308", "b1e300", "b.0715", "s", "y", "N"});
    EXPECT_EQ(rig.host.dlg.messages(),
              (QStringList{text::kPanTooFar, text::kPanTooFar, text::kPanTooFar,
                           text::kScaleTooLarge}));
    EXPECT_DOUBLE_EQ(rig.st.scale, .0715 * 140);  // "s" from 10.01 would leave 0.01
    EXPECT_TRUE(std::isfinite(rig.st.originX) && std::isfinite(rig.st.originY));
    EXPECT_EQ(rig.passes(), 2);  // only "b.0715" redrew
}

TEST(StepMenu, SpeedSkipAndDisplayRedrawTheStatusLines) {
    RunRig rig({"O0001", "(STOP)", "(B2)", "(B3)", "(B4)", "(B5)", "%"});
    rig.draw("t", {"s1", "/", "p", "S2", "y", "N"});
    EXPECT_EQ(rig.st.speedDelay, kSpeedMiddle);
    EXPECT_FALSE(rig.st.blockSkip);
    EXPECT_TRUE(rig.st.programDisplay);
    const QString cap = text::kCaptionT;
    EXPECT_EQ(rig.count(statusLine1(cap, true, text::kSpeedLow)), 1);
    EXPECT_EQ(rig.count(statusLine1(cap, false, text::kSpeedLow)), 2);  // "/" and "p"
    EXPECT_EQ(rig.count(statusLine1(cap, false, text::kSpeedMiddle)), 1);
    EXPECT_EQ(rig.passes(), 1);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{2, 3, 4, 5, 6}));
}

TEST(StepMenu, FastestDrawsTheWholeProgramWithoutStopping) {
    RunRig rig(testProgram(6));
    rig.keyAt(2, vbkey::kEscape);
    rig.draw("t", {"k", "N"});
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{2}));
    EXPECT_EQ(rig.passes(), 2);
    EXPECT_EQ(rig.st.run.fastForwardLimit, kNoStopLimit);
    EXPECT_EQ(rig.st.run.blockCount, 6);
}

TEST(StepMenu, ContinuousAgainAfterAFastRedraw) {
    RunRig rig(testProgram(6));
    rig.keyAt(2, vbkey::kEscape);
    rig.draw("t", {"a", "N"});
    // Redrawn to block 2, then continuous to the end.
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{2}));
    EXPECT_EQ(rig.passes(), 2);
    EXPECT_TRUE(rig.st.run.continuous);
}

TEST(StepMenu, QuitAsksAndNoGoesOnCancelAsksToo) {
    RunRig rig(testProgram(4));
    rig.keyAt(1, vbkey::kEscape);
    rig.host.dlg.queueYesNo(false);
    rig.host.dlg.queueYesNo(true);
    EXPECT_EQ(rig.draw("t", {"Q", ""}), RunResult::Normal);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{1, 2}));
    int questions = 0;
    for (const auto& s : rig.host.dlg.shown())
        if (s.kind == ScriptedDialogs::Shown::YesNo && s.text == text::kQuitQuestion) ++questions;
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(rig.st.run.blockCount, 2);
}

TEST(StepMenu, OrientationChangeDrawsForTheOtherLathe) {
    RunRig rig(testProgram(3));
    rig.keyAt(1, vbkey::kEscape);
    rig.host.dlg.queueYesNo(true);
    rig.draw("m", {"m", "T", "q"});
    EXPECT_EQ(rig.st.orientation, "t");
    EXPECT_EQ(rig.st.run.axisSign, -1);
    EXPECT_EQ(rig.count("circle 14400 12960 100 FF0000"), 1);
    EXPECT_EQ(rig.count(zeroMarkT()), 1);
    EXPECT_EQ(rig.passes(), 2);  // "m" while "m" changed nothing
    // The pass of "t" starts from the start point of "t".
    EXPECT_EQ(rig.st.run.points.endH, "800");
}

TEST(StepMenu, ClearFillsBlueAndGoesOnWithoutRedraw) {
    RunRig rig(testProgram(3));
    rig.keyAt(1, vbkey::kEscape);
    rig.draw("t", {"c", "y", "y", "N"});
    EXPECT_EQ(rig.passes(), 1);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{1, 2, 3}));
    // Start, clear, end.
    EXPECT_EQ(rig.count(fillOp(0, 0, 28800, 16200, kBlue)), 3);
}

TEST(StepMenu, ResetViewAndShrink) {
    RunRig rig(testProgram(3));
    rig.keyAt(1, vbkey::kEscape);
    rig.host.dlg.queueYesNo(true);
    rig.draw("t", {"B", "b", "s", "S", "I", "q"});
    EXPECT_EQ(rig.st.scale, 9);
    EXPECT_DOUBLE_EQ(rig.st.originX, 28800 / 7.0 * 2.5);
    EXPECT_EQ(rig.passes(), 6);
}

// ---------------------------------------------------------------- area zoom

TEST(AreaZoom, TwoClicksZoomAndRedrawKeysIgnoredMeanwhile) {
    RunRig rig(testProgram(4));
    rig.keyAt(2, vbkey::kEscape);
    rig.keyAt(3, vbkey::kEscape);  // during the selection: ignored
    rig.clickAt(4, 1000, 1000);
    rig.keyAt(5, vbkey::kB);       // ignored too
    rig.clickAt(6, 4000, 3000);
    rig.host.dlg.queueYesNo(true);
    QString mailboxDuringWait;
    EXPECT_EQ(rig.draw("t", {"v", "q"}), RunResult::Normal);
    EXPECT_EQ(rig.host.dlg.messages(), (QStringList{text::kUpperLeft, text::kLowerRight}));
    EXPECT_EQ(rig.st.areaSelectState, kAreaIdle);
    EXPECT_EQ(rig.st.scale, 72);
    EXPECT_EQ(rig.passes(), 2);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{2, 2}));
    EXPECT_EQ(rig.count("circle 1000 1000 100 FF0000"), 1);
    EXPECT_EQ(rig.count("line 4000 3000 2000 3000 0000FF"), 1);
}

TEST(AreaZoom, ASelectionLeftOpenIsTakenUpFirstByTheNextRun) {
    RunRig rig(testProgram(3));
    rig.st.viewReady = true;
    rig.st.orientation = "t";
    rig.st.originX = 10000;
    rig.st.originY = 5000;
    rig.st.scale = 9;
    rig.st.areaSelectState = kAreaWantLowerRight;  // the window was closed mid-selection
    rig.clickAt(1, 1000, 1000);
    rig.clickAt(2, 4000, 3000);
    int opsAtMessage = -1;
    rig.host.dlg.setOnShown([&](const ScriptedDialogs::Shown& s) {
        if (s.text == text::kUpperLeft) opsAtMessage = int(rig.host.surf.ops().size());
    });
    EXPECT_EQ(rig.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(opsAtMessage, 3);  // button face, blue... and nothing of a view yet
    EXPECT_EQ(rig.st.scale, 72);
    EXPECT_EQ(rig.passes(), 1);
}

// ---------------------------------------------------------------- closing the window

TEST(Closing, ClosingMidRunEndsItAtTheNextBlockWithoutRedrawing) {
    RunRig rig(testProgram(10));
    rig.atYield(4, [&] {
        rig.host.log << "closed";
        requestAbort(rig.st);
    });
    EXPECT_EQ(rig.draw("t", {}), RunResult::Aborted);
    EXPECT_EQ(rig.st.run.blockCount, 3);
    EXPECT_EQ(rig.st.abortFlag, 0);
    EXPECT_FALSE(rig.st.running);
    const QStringList& log = rig.host.log;
    EXPECT_EQ(log.mid(log.indexOf("closed")), (QStringList{"closed", "focus edit"}));
    const QStringList& ops = rig.host.surf.ops();
    EXPECT_EQ(ops.last(), fillOp(0, 0, 28800, 16200, "F0F0F0"));
    EXPECT_NE(ops[ops.size() - 2], fillOp(0, 0, 28800, 16200, kBlue));
    EXPECT_EQ(rig.inputTexts().size(), 1);

    // The next run draws normally.
    RunRig again(testProgram(2));
    again.st.abortFlag = kAbortCode;  // left by a close while no run was going
    EXPECT_EQ(again.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(again.st.run.blockCount, 2);
}

TEST(Closing, ClosingDuringAreaSelectionOrTheEndWaitEndsTheRun) {
    RunRig area(testProgram(3));
    area.keyAt(1, vbkey::kEscape);
    area.atYield(3, [&] { requestAbort(area.st); });
    EXPECT_EQ(area.draw("t", {"v"}), RunResult::Aborted);
    EXPECT_EQ(area.st.areaSelectState, kAreaWantUpperLeft);  // left open for the next run

    RunRig end(testProgram(2));
    end.host.pmp.setIdle([&] { requestAbort(end.st); });
    EXPECT_EQ(end.draw("t", {}), RunResult::Aborted);
    EXPECT_EQ(end.st.run.blockCount, 0);  // the first yield already saw the close
}

TEST(Closing, TheEndKeyWaitSeesTheClose) {
    RunRig rig(testProgram(2));
    rig.host.pmp.setIdle([&] {
        if (rig.st.keyMailbox == u"zzz") requestAbort(rig.st);
    });
    EXPECT_EQ(rig.draw("t", {}), RunResult::Aborted);
    EXPECT_EQ(rig.st.run.blockCount, 2);
    EXPECT_EQ(rig.inputTexts().size(), 1);
}
