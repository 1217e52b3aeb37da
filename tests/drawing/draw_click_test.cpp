#include <gtest/gtest.h>

#include "run_rig.h"

using namespace drawing;

TEST(DrawClick, FirstRunOffersTheVerticalLatheAtThePromptPlace) {
    RunRig rig;
    EXPECT_EQ(rig.draw("M", {"N"}), RunResult::Normal);
    const auto& first = rig.host.dlg.shown().first();
    EXPECT_EQ(first.kind, ScriptedDialogs::Shown::Input);
    EXPECT_EQ(first.text, QStringLiteral("描画モード\nO0001\n立て旋盤用描画:t 横型旋盤用:m"));
    EXPECT_EQ(first.defaultAnswer, "t");
    EXPECT_EQ(first.x, 28800 - 7000);
    EXPECT_EQ(first.y, 16200 - 3500);
    EXPECT_EQ(rig.st.orientation, "m");

    // The next run offers what was chosen.
    rig.host.dlg.clearShown();
    rig.draw("", {});
    EXPECT_EQ(rig.host.dlg.shown().first().defaultAnswer, "m");
}

TEST(DrawClick, CancelDrawsNothingAndLeavesTheVerticalLathe) {
    RunRig rig;
    rig.st.orientation = "m";
    EXPECT_EQ(rig.draw(""), RunResult::Cancelled);
    EXPECT_EQ(rig.st.orientation, "t");
    EXPECT_EQ(rig.host.log,
              (QStringList{"edit layout", "hide dialogs", "hide", "show", "edit layout"}));
    for (const QString& op : rig.host.surf.ops()) EXPECT_TRUE(op.endsWith("F0F0F0")) << op.toStdString();
    EXPECT_EQ(rig.host.dlg.shown().size(), 1);
    EXPECT_FALSE(rig.st.running);
}

TEST(DrawClick, AnswersOtherThanMMeanTheVerticalLathe) {
    for (QString a : {"t", "x", "mm", " m"}) {
        RunRig rig;
        rig.st.orientation = "m";
        rig.draw(a, {"N"});
        EXPECT_EQ(rig.st.orientation, "t") << a.toStdString();
    }
}

TEST(DrawClick, ARunEndsWithTheEditorBack) {
    RunRig rig;
    EXPECT_EQ(rig.draw("t", {"N"}), RunResult::Normal);
    // Label1 shows the first line; controls back; blue, focus, button face.
    const QStringList& log = rig.host.log;
    ASSERT_GE(log.size(), 4);
    EXPECT_EQ(log.mid(log.size() - 4),
              (QStringList{"name O0001(TEST)", "show", "focus edit", "edit layout"}));
    const QStringList& ops = rig.host.surf.ops();
    EXPECT_EQ(ops.mid(ops.size() - 2),
              (QStringList{fillOp(0, 0, 28800, 16200, "0000C0"), fillOp(0, 0, 28800, 16200, "F0F0F0")}));
    EXPECT_FALSE(rig.host.workFileLeft());
    EXPECT_FALSE(rig.st.running);
}

TEST(DrawClick, ChangingTheLatheLaysTheViewOutAfresh) {
    RunRig rig;
    rig.draw("t", {"N"});
    rig.st.originX = 123;  // moved by the operator
    rig.draw("t", {"N"});
    EXPECT_EQ(rig.st.originX, 123);
    rig.draw("m", {"N"});
    EXPECT_EQ(rig.st.originX, 14400);
}
