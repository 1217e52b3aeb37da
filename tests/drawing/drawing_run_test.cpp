#include <gtest/gtest.h>

#include "drawing/view_math.h"
#include "drawing/work_file.h"
#include "run_rig.h"

using namespace drawing;

namespace {
const char* kBlue = "0000C0";
}

TEST(DrawingView, StatusLinesAndZeroMarkOfTheVerticalLathe) {
    RunRig rig;
    rig.draw("t", {"N"});
    const QStringList& ops = rig.host.surf.ops();
    const int band = int(ops.indexOf(fillOp(15800, 100, 25800, 800, kBlue)));
    ASSERT_GE(band, 0);
    EXPECT_EQ(ops[band + 1],
              textOp(15800, 100, 14, "FF0000",
                     QStringLiteral("X→  Z↑   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  描画速度:高速")));
    EXPECT_EQ(ops[band + 2],
              textOp(15800, 400, 14, "FF0000", QStringLiteral("O0001(TEST) 倍率 .06 プログラム非表示 ")));
    EXPECT_EQ(rig.count(zeroMarkT()), 1);
}

TEST(DrawingView, StatusLinesOfTheHorizontalLatheWithOptions) {
    RunRig rig;
    rig.st.blockSkip = false;
    rig.st.programDisplay = true;
    rig.st.speedDelay = kSpeedLow;
    rig.draw("m", {"N"});
    EXPECT_EQ(rig.count(textOp(15800, 100, 14, "FF0000",
                               QStringLiteral("X↑  Z→   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:OFF  描画速度:低速"))),
              1);
    EXPECT_EQ(rig.count(textOp(15800, 400, 14, "FF0000",
                               QStringLiteral("O0001(TEST) 倍率 .06 プログラム表示 "))),
              1);
    EXPECT_EQ(rig.count("circle 14400 12960 100 FF0000"), 1);

    RunRig mid;
    mid.st.speedDelay = kSpeedMiddle;
    mid.draw("m", {"N"});
    EXPECT_EQ(mid.count(textOp(15800, 100, 14, "FF0000",
                               QStringLiteral("X↑  Z→   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  描画速度:中速"))),
              1);
}

TEST(DrawingView, StatusLineOfEveryOrientationSpeedAndSkipState) {
    struct Speed {
        int delay;
        const char* text;
    };
    // The three settings and the edges of their bands (the rounding of
    // corners may leave other values): below 41 high, below 101 middle.
    const Speed speeds[] = {{0, "描画速度:高速"},   {40, "描画速度:高速"},  {41, "描画速度:中速"},
                            {50, "描画速度:中速"},  {100, "描画速度:中速"}, {101, "描画速度:低速"},
                            {150, "描画速度:低速"}};
    for (const char* o : {"t", "m"}) {
        for (const Speed& sp : speeds) {
            for (bool skip : {true, false}) {
                RunRig rig;
                rig.st.speedDelay = sp.delay;
                rig.st.blockSkip = skip;
                rig.draw(o, {"N"});
                const QString want = QString::fromUtf8(o[0] == 'm' ? "X↑  Z→" : "X→  Z↑") +
                                     QString::fromUtf8(skip ? "   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  "
                                                            : "   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:OFF  ") +
                                     QString::fromUtf8(sp.text);
                EXPECT_EQ(rig.count(textOp(15800, 100, 14, "FF0000", want)), 1)
                    << o << " " << sp.delay << " " << skip;
            }
        }
    }
}

TEST(DrawingView, HelpLineWhileContinuousAndPositionReadout) {
    RunRig rig(testProgram(4));
    rig.draw("t", {"N"});
    const QString help = textOp(150, 16200 - 650, 10, "FFFFFF", text::kHelpLine);
    EXPECT_EQ(rig.count(help), 4);  // before each block
    // Start point of "t": h = v = 800, so X = 1600 and Z = 400.
    EXPECT_EQ(rig.count(textOp(15800, 800, 10, "FFFFFF", "x  1600")), 4);
    EXPECT_EQ(rig.count(textOp(17000, 800, 10, "FFFFFF", "  z  400")), 4);
    EXPECT_EQ(rig.count(fillOp(15800, 800, 26800, 1000, kBlue)), 4);
}

TEST(DrawingEnd, EndOfTextWaitsForAKeyThenAsks) {
    RunRig rig;
    QString mailboxAtPrompt;
    rig.host.dlg.setOnShown([&](const ScriptedDialogs::Shown& s) {
        if (s.text.startsWith(text::kEndPrompt1)) mailboxAtPrompt = rig.st.keyMailbox;
    });
    int yieldsBeforeKey = 0;
    rig.host.pmp.setIdle([&] {
        if (rig.st.keyMailbox == u"zzz" && ++yieldsBeforeKey == 3) rig.st.keyMailbox = "65";
    });
    EXPECT_EQ(rig.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(yieldsBeforeKey, 3);
    EXPECT_EQ(mailboxAtPrompt, "65");
    EXPECT_EQ(rig.count(textOp(15800, 1100, 10, "FFFFFF", text::kPressAnyKey)), 1);
    EXPECT_EQ(rig.count(fillOp(15800, 1100, 18800, 1400, kBlue)), 1);
    const auto& last = rig.host.dlg.shown().last();
    EXPECT_EQ(last.text, QStringLiteral("描画完了 描画を続けますか Y or N\nO0001(TEST)\n\n\n"
                                        "拡大範囲指定再描画はvを入力してください\n\n"
                                        "位置&倍率初期化する時はI 移動下D 上U 右R 左L"));
    EXPECT_EQ(last.defaultAnswer, "Y");
    EXPECT_EQ(last.x, 21800);
    EXPECT_EQ(last.y, 12700);
    EXPECT_EQ(rig.st.stopRequest, "end");
}

TEST(DrawingEnd, EveryEndingAnswerEnds) {
    for (QString a : {"N", "n", "Q", "q", ""}) {
        RunRig rig;
        EXPECT_EQ(rig.draw("t", {a}), RunResult::Normal) << a.toStdString();
        EXPECT_EQ(rig.inputTexts().size(), 2) << a.toStdString();
    }
}

TEST(DrawingEnd, YesRedrawsFromTheTopInStepMode) {
    RunRig rig;  // three blocks
    EXPECT_EQ(rig.draw("t", {"y", "y", "y", "y", "N"}), RunResult::Normal);
    EXPECT_EQ(rig.passes(), 2);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(rig.host.dlg.shown().last().text.left(10), text::kEndPrompt1.left(10));
}

TEST(DrawingEnd, AnUnknownAnswerAsksAgainAndViewAnswersRedraw) {
    RunRig rig;
    rig.draw("t", {"x", "B", "N"});
    EXPECT_EQ(rig.st.scale, 19);
    EXPECT_EQ(rig.passes(), 2);
    int endPrompts = 0;
    for (const QString& t : rig.inputTexts()) endPrompts += t.startsWith(text::kEndPrompt1);
    EXPECT_EQ(endPrompts, 3);
    EXPECT_TRUE(rig.stepMenuAt.isEmpty());
}

TEST(DrawingEnd, EveryViewAnswerRedrawsAndOtherStepAnswersAskAgain) {
    // Each answer of the end prompt that changes the view redraws the whole
    // program (no step menu) and asks again: t/T, m/M, i, d, u, r, l, s, b in
    // either case, their numeric forms, and v with an area chosen.
    RunRig rig;
    rig.host.pmp.setIdle([&] {
        if (rig.st.keyMailbox == u"zzz") rig.st.keyMailbox = QStringLiteral("13");
        if (rig.st.areaSelectState == kAreaWantUpperLeft)
            formMouseDown(rig.st, rig.host, 1, 0, 0);
        else if (rig.st.areaSelectState == kAreaWantLowerRight)
            formMouseDown(rig.st, rig.host, 1, 28800, 16200);
    });
    const QStringList view{"m", "T", "M", "t", "i", "I", "D", "d", "u", "U", "R", "r", "l", "L",
                           "b", "B", "S", "s", "d500", "U500", "b2", "v"};
    EXPECT_EQ(rig.draw("t", view + QStringList{"N"}), RunResult::Normal);
    EXPECT_EQ(rig.passes(), 1 + view.size());
    int endPrompts = 0;
    for (const QString& t : rig.inputTexts()) endPrompts += t.startsWith(text::kEndPrompt1);
    EXPECT_EQ(endPrompts, 1 + view.size());
    EXPECT_TRUE(rig.stepMenuAt.isEmpty());
    EXPECT_EQ(rig.st.orientation, "t");
    EXPECT_EQ(rig.st.scale, 280);  // b2; the whole window chosen by v keeps it

    // The step menu's other answers mean nothing here: the prompt comes again
    // and nothing changes.
    RunRig other;
    const QStringList ignored{"c", "k", "a", "p", " ", "/", "s1", "S3", "x"};
    EXPECT_EQ(other.draw("t", ignored + QStringList{"N"}), RunResult::Normal);
    EXPECT_EQ(other.passes(), 1);
    EXPECT_EQ(other.inputTexts().size(), 2 + ignored.size());
    EXPECT_FALSE(other.st.programDisplay);
    EXPECT_TRUE(other.st.blockSkip);
    EXPECT_EQ(other.st.speedDelay, kSpeedHigh);
}

TEST(DrawingStop, AStopLineSwitchesToStepModeAtThatBlock) {
    RunRig rig({"O0001", "(B1)", "(STOP)", "(B3)", "(B4)", "%"});
    EXPECT_EQ(rig.draw("t", {"y", "y", "y", "N"}), RunResult::Normal);
    EXPECT_EQ(rig.stepMenuAt, (QList<qint64>{3, 4, 5}));
    // Help line only while drawing continuously.
    EXPECT_EQ(rig.count(textOp(150, 15550, 10, "FFFFFF", text::kHelpLine)), 3);

    // Only the line exactly "(STOP)" stops; with a blank around it, drawing goes on.
    RunRig blanks({"O0001", "(B1)", " (STOP)", "(STOP) ", "(B4)", "%"});
    EXPECT_EQ(blanks.draw("t", {"N"}), RunResult::Normal);
    EXPECT_TRUE(blanks.stepMenuAt.isEmpty());
}

TEST(DrawingStop, TheRedrawAfterARestartPassesAStopAlreadyStoppedAt) {
    // A restart redraws up to the block reached without stopping; a stop met
    // again on the way must not catch "A", "k" or a zoom at the same place.
    const struct {
        QStringList program;
        QStringList answers;
        QList<qint64> stepMenuAt;
        int passes;
    } cases[] = {
        {{"O0001", "(B1)", "(STOP)", "(B3)", "(B4)", "%"}, {"a", "N"}, {3}, 2},
        {{"O0001", "(B1)", "(STOP)", "(B3)", "(B4)", "%"}, {"k", "N"}, {3}, 2},
        {{"O0001", "(B1)", "(STOP)", "(B3)", "(B4)", "%"}, {"y", "b", "y", "y", "N"}, {3, 4, 4, 5}, 2},
        // A stop beyond the block reached still stops.
        {{"O0001", "(STOP)", "(B2)", "(STOP)", "(B4)", "%"}, {"a", "a", "N"}, {2, 4}, 3},
    };
    for (const auto& c : cases) {
        RunRig rig(c.program);
        EXPECT_EQ(rig.draw("t", c.answers), RunResult::Normal) << c.answers.join(',').toStdString();
        EXPECT_EQ(rig.stepMenuAt, c.stepMenuAt) << c.answers.join(',').toStdString();
        EXPECT_EQ(rig.passes(), c.passes) << c.answers.join(',').toStdString();
    }
}

TEST(DrawingM30, WithinTheLastThreeLinesAllDoneThenTheEndPrompt) {
    RunRig rig({"O0001", "(STOP)", "M30", "%"});
    EXPECT_EQ(rig.draw("t", {"y", "y", "N"}), RunResult::Normal);
    const QStringList in = rig.inputTexts();
    ASSERT_EQ(in.size(), 4);
    EXPECT_EQ(in[1], text::kStepMenu);
    EXPECT_EQ(in[2], QStringLiteral("全工程終わりました"));
    EXPECT_TRUE(in[3].startsWith(text::kEndPrompt1));
    const auto& box = rig.host.dlg.shown()[2];
    EXPECT_EQ(box.defaultAnswer, "y");
    EXPECT_EQ(box.x, 100);
    EXPECT_EQ(box.y, 100);
    // The start point goes back to its M30 place.
    EXPECT_EQ(rig.st.run.points.prevH, "300");
    EXPECT_EQ(rig.st.run.points.prevV, "800");

    RunRig spaced({"O0001", "M30 ", "(B2)", "%"});
    spaced.draw("t", {"y", "N"});
    EXPECT_EQ(spaced.inputTexts()[1], QStringLiteral("全工程終わりました"));
}

TEST(DrawingM30, BeforeMoreLinesAsksAndGoesOnEitherWay) {
    const QStringList prog{"O0001", "(STOP)", "M30", "(B3)", "(B4)", "(B5)", "%"};
    RunRig yes(prog);
    EXPECT_EQ(yes.draw("t", {"y", "y", "y", "y", "y", "y", "N"}), RunResult::Normal);
    EXPECT_EQ(yes.inputTexts()[2], QStringLiteral("一工程終わりました 描画を続けますか"));
    EXPECT_EQ(yes.stepMenuAt, (QList<qint64>{2, 3, 4, 5, 6}));

    RunRig no(prog);
    EXPECT_EQ(no.draw("t", {"y", "n", "y", "y", "y", "N"}), RunResult::Normal);
    // No step menu for the M30 block itself; drawing went on to the end.
    EXPECT_EQ(no.stepMenuAt, (QList<qint64>{2, 4, 5, 6}));
    EXPECT_TRUE(no.inputTexts().last().startsWith(text::kEndPrompt1));

    // Three lines from the end is not yet among the last three.
    RunRig third({"O0001", "M30", "(B2)", "(B3)", "%"});
    third.draw("t", {"y", "N"});
    EXPECT_EQ(third.inputTexts()[1], QStringLiteral("一工程終わりました 描画を続けますか"));

    // A redraw after a restart does not ask again at an M30 already passed.
    RunRig redraw({"O0001", "(B1)", "M30", "(B3)", "(B4)", "(STOP)", "(B6)", "%"});
    EXPECT_EQ(redraw.draw("t", {"y", "b", "y", "y", "N"}), RunResult::Normal);
    EXPECT_EQ(redraw.inputTexts().count(QStringLiteral("一工程終わりました 描画を続けますか")), 1);
    EXPECT_EQ(redraw.stepMenuAt, (QList<qint64>{6, 6, 7}));
    EXPECT_EQ(redraw.passes(), 2);

    // M30 inside a longer line near the end is not the plain end of the program.
    RunRig inLine({"O0001", "M30(END)", "%"});
    inLine.draw("t", {"y", "N"});
    EXPECT_EQ(inLine.inputTexts()[1], QStringLiteral("一工程終わりました 描画を続けますか"));
}

TEST(DrawingM30, SkippedWhenTheBlockIsSkipped) {
    RunRig rig({"O0001", "/M30", "(B2)", "(B3)", "(B4)", "%"});
    rig.draw("t", {"N"});
    EXPECT_EQ(rig.inputTexts().size(), 2);
}

TEST(ProgramDisplay, TheThirtiethRowWrapsToTheTopAndClearsIt) {
    RunRig rig(testProgram(35));
    rig.st.programDisplay = true;
    rig.draw("t", {"N"});
    QList<double> ys;
    int wrapAt = -1, wraps = 0;
    for (const QString& op : rig.host.surf.ops()) {
        if (op == fillOp(0, 2200, 7700, 3600, kBlue)) {
            ++wraps;
            wrapAt = int(ys.size());
        }
        if (op.startsWith("text 100 ")) ys << op.section(' ', 2, 2).toDouble();
    }
    ASSERT_EQ(ys.size(), 35);
    for (int b = 1; b <= 28; ++b) EXPECT_EQ(ys[b - 1], 2200 + 200 * (b + 1)) << b;
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(wrapAt, 28);       // just before block 29
    EXPECT_EQ(ys[28], 2400);     // block 29 on row 1
    EXPECT_EQ(ys[29], 2600);
    // Each row clears the band below it first.
    EXPECT_EQ(rig.count(fillOp(0, 2400, 7700, 3600, kBlue)), 1);
}

TEST(ProgramDisplay, LongLinesArePrintedFortyCharactersARow) {
    const QString longLine = QString(40, 'A') + QString(40, 'B') + QString(10, 'C');
    RunRig rig({"O0001", longLine, "%"});
    rig.st.programDisplay = true;
    rig.draw("t", {"N"});
    // Block 2 stands on row 3 (y 2800).
    EXPECT_EQ(rig.count(textOp(100, 2800, 10, "FFFFFF", QString(40, 'A'))), 1);
    EXPECT_EQ(rig.count(textOp(100, 3000, 10, "FFFFFF", QString(40, 'B'))), 1);
    EXPECT_EQ(rig.count(textOp(100, 3200, 10, "FFFFFF", QString(10, 'C'))), 1);
}

TEST(DrawingLines, AThousandAndOneLinesAreDrawnOneMoreIsRefused) {
    QStringList bound = testProgram(kMaxProgramLines - 1);
    ASSERT_EQ(bound.size(), kMaxProgramLines);
    RunRig ok(bound);
    EXPECT_EQ(ok.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(ok.st.run.blockCount, kMaxProgramLines - 1);
    EXPECT_TRUE(ok.host.dlg.messages().isEmpty());

    QStringList over = testProgram(kMaxProgramLines);
    RunRig refused(over);
    EXPECT_EQ(refused.draw("t", {}), RunResult::EngineError);
    EXPECT_EQ(refused.host.dlg.messages(), QStringList{text::tooManyLines(1002)});
    EXPECT_EQ(refused.passes(), 0);
    EXPECT_EQ(refused.inputTexts().size(), 1);  // the orientation prompt only
    EXPECT_TRUE(refused.host.log.contains("show"));
    EXPECT_FALSE(refused.host.workFileLeft());
    EXPECT_FALSE(refused.st.running);

    // The edit screen's text usually ends with a line break: the empty line
    // after it is not counted.
    RunRig withBreak(bound);
    withBreak.host.text += "\r\n";
    EXPECT_EQ(withBreak.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(withBreak.st.run.blockCount, kMaxProgramLines);
    RunRig overWithBreak(over);
    overWithBreak.host.text += "\r\n";
    EXPECT_EQ(overWithBreak.draw("t", {}), RunResult::EngineError);
    EXPECT_EQ(overWithBreak.host.dlg.messages(), QStringList{text::tooManyLines(1002)});
}

TEST(DrawingLines, ATextWithoutFinalBreakAndAnEmptyText) {
    RunRig rig;
    rig.host.text = "O0001\r\n(B1)\r\n%\r\n";  // the edit screen ends with a break
    rig.draw("t", {"N"});
    EXPECT_EQ(rig.st.run.lastLine, 3);
    EXPECT_EQ(rig.st.run.blockCount, 3);

    RunRig empty;
    empty.host.text = "";
    EXPECT_EQ(empty.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(empty.st.run.blockCount, 0);
}

TEST(DrawingLines, AnUnwritableWorkFileIsReported) {
    RunRig rig;
    ASSERT_TRUE(QDir(rig.host.dir.path()).mkdir(kWorkFileName));
    EXPECT_EQ(rig.draw("t", {}), RunResult::EngineError);
    ASSERT_EQ(rig.host.dlg.messages().size(), 1);
    EXPECT_TRUE(rig.host.dlg.messages()[0].startsWith(QStringLiteral("作業ファイルに書き込めません")));
}

TEST(DrawingLoop, RunningPastTheLastLineAsksWhetherToEnd) {
    ScriptInterpreter jump;
    jump.onBlock = [](BlockContext& c) {
        return c.lineIndex() == 1 ? BlockStep::jump(c.lastLine() + 3) : BlockStep::next();
    };
    RunRig yes(testProgram(4));
    yes.host.dlg.queueYesNo(true);
    EXPECT_EQ(yes.draw("t", {}, &jump), RunResult::Normal);
    ASSERT_EQ(yes.host.dlg.shown().size(), 2);
    EXPECT_EQ(yes.host.dlg.shown()[1].kind, ScriptedDialogs::Shown::YesNo);
    EXPECT_EQ(yes.host.dlg.shown()[1].text, text::kQuitQuestion);
    EXPECT_EQ(yes.st.run.blockCount, 2);

    RunRig no(testProgram(4));
    no.host.dlg.queueYesNo(false);
    EXPECT_EQ(no.draw("t", {"N"}, &jump), RunResult::Normal);
    EXPECT_TRUE(no.inputTexts().last().startsWith(text::kEndPrompt1));
}

TEST(DrawingLoop, AStopRequestEndsTheRunBeforeTheNextBlock) {
    // A block that asks the run to finish (as the end of a program's flow
    // does): no further block, no end-of-text prompt, the editor comes back.
    RunRig rig(testProgram(6));
    ScriptInterpreter stop;
    stop.onBlock = [&rig](BlockContext& c) {
        if (c.lineIndex() == 2) rig.st.stopRequest = QStringLiteral("end");
        return BlockStep::next();
    };
    EXPECT_EQ(rig.draw("t", {}, &stop), RunResult::Normal);
    EXPECT_EQ(rig.st.run.blockCount, 3);
    EXPECT_EQ(rig.inputTexts().size(), 1);  // the orientation prompt only
    EXPECT_EQ(rig.host.surf.ops().last(), fillOp(0, 0, 28800, 16200, "F0F0F0"));
    // The next run starts afresh.
    EXPECT_EQ(rig.draw("t", {"N"}), RunResult::Normal);
    EXPECT_EQ(rig.st.run.blockCount, 6);
}

TEST(DrawingLoop, ABlockBoundEndsARunThatNeverEnds) {
    ScriptInterpreter loop;
    loop.onBlock = [](BlockContext&) { return BlockStep::jump(1); };
    RunRig rig(testProgram(4));
    rig.opt.maxBlocks = 100;
    EXPECT_EQ(rig.draw("t", {}, &loop), RunResult::EngineError);
    EXPECT_EQ(rig.host.dlg.messages(), QStringList{text::blockBoundReached(100)});
    EXPECT_EQ(rig.st.run.blockCount, 100);
}

TEST(DrawingLoop, MessagesKnowTheProgramAndLine) {
    ScriptInterpreter talk;
    talk.onBlock = [](BlockContext& c) {
        return c.lineIndex() == 2 ? BlockStep::fail("bad block") : BlockStep::next();
    };
    RunRig rig(testProgram(5));
    rig.host.name = "O0001(TEST)";
    QString where;
    rig.host.dlg.setOnShown([&](const ScriptedDialogs::Shown& s) {
        if (s.kind == ScriptedDialogs::Shown::Message)
            where = rig.st.currentProgram() + ":" + QString::number(rig.st.currentLine());
    });
    EXPECT_EQ(rig.draw("t", {}, &talk), RunResult::EngineError);
    EXPECT_EQ(where, "O0001(TEST):3");
    EXPECT_EQ(talk.runs, 1);
    EXPECT_EQ(talk.passes, 1);
}

TEST(DrawingView, ReadoutAndProgramDisplayShowXAsDiameterAndZAsWritten) {
    // A block that moved the end point to X100. Z-20. as the interpreter writes it.
    ScriptInterpreter move;
    move.onBlock = [](BlockContext& c) {
        if (c.lineIndex() == 1) {
            const bool m = c.view().horizontal;
            c.points().endH = m ? QStringLiteral("-20.") : QStringLiteral("[100.]/2");
            c.points().endV = m ? QStringLiteral("100.") : QStringLiteral("[-20.]*2");
            c.showEndPointInProgramDisplay();
        }
        return BlockStep::next();
    };
    for (const char* o : {"t", "m"}) {
        RunRig rig(testProgram(2));
        rig.st.programDisplay = true;
        rig.draw(o, {"N"}, &move);
        EXPECT_EQ(rig.count(textOp(15800, 800, 10, "FFFFFF", "x  100")), 1) << o;
        EXPECT_EQ(rig.count(textOp(17000, 800, 10, "FFFFFF", "  z -20")), 1) << o;
        // On the row of block 2 (y 2800).
        EXPECT_EQ(rig.count(textOp(1500, 2800, 10, "FFFFFF", "x  100")), 1) << o;
        EXPECT_EQ(rig.count(textOp(2700, 2800, 10, "FFFFFF", "z -20")), 1) << o;
        // A headless run never repaints or waits.
        EXPECT_EQ(rig.host.flushes, 0);
    }
}

TEST(DrawingView, AFaultyPointIsShownEmptyWithoutAMessage) {
    ScriptInterpreter bad;
    bad.onBlock = [](BlockContext& c) {
        c.points().endH = QStringLiteral("[1/0]");
        c.points().endV = QStringLiteral("1+*");
        return BlockStep::next();
    };
    RunRig rig(testProgram(1));
    rig.draw("m", {"N"}, &bad);
    EXPECT_EQ(rig.count(textOp(15800, 800, 10, "FFFFFF", "x ")), 1);
    EXPECT_EQ(rig.count(textOp(17000, 800, 10, "FFFFFF", "  z ")), 1);
    EXPECT_TRUE(rig.host.dlg.messages().isEmpty());
}
