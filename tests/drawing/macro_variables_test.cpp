#include <gtest/gtest.h>

#include "drawing/address_words.h"
#include "drawing/macro_variables.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

namespace {

struct Vars {
    MacroVariables v;
    ScriptedDialogs dlg;
    MacroIo io{dlg, nullptr, QStringLiteral("O0001")};

    std::string read(int n, int level = 0) { return v.read(n, level, io).text.toStdString(); }
    void set(int n, const char* value, int level = 0) {
        ASSERT_FALSE(v.assign(n, QString::fromUtf8(value), level, io).failed());
    }
    QStringList messages() { return dlg.messages(); }
};

const QString kUndefined101 = QStringLiteral("変数# 101は未定義です");

}  // namespace

TEST(MacroVariables, ValuesAreStoredAsTextAndEvaluatedOnEveryRead) {
    Vars t;
    t.set(101, "[10+5]*2");
    EXPECT_EQ(t.read(101), " 30");
    EXPECT_EQ(t.v.commonRows().at(0).value, u"[10+5]*2");  // kept unevaluated
    t.set(101, "-2.5");
    EXPECT_EQ(t.read(101), "[-2.5]");  // negative: in brackets
    t.set(102, "1/3");
    EXPECT_EQ(t.read(102), " .33333");
    t.set(5, "0-.25");
    EXPECT_EQ(t.read(5), "[-.25]");
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(MacroVariables, UndefinedCommonReportsEveryTimeAndStillClaimsItsRow) {
    Vars t;
    t.set(120, "1");
    EXPECT_EQ(t.read(150), "");
    EXPECT_EQ(t.read(150), "");
    EXPECT_EQ(t.messages(), QStringList({QStringLiteral("変数# 150は未定義です"),
                                          QStringLiteral("変数# 150は未定義です")}));
    ASSERT_EQ(t.v.commonRows().size(), 2);
    EXPECT_EQ(t.v.commonRows().at(1).number, u"150");
    EXPECT_EQ(t.v.commonRows().at(1).value, u"");
    // #31 is the first common number: it claims a row too; #30 does not.
    t.read(31);
    t.read(30);
    EXPECT_EQ(t.v.commonRows().size(), 3);
}

TEST(MacroVariables, FiftyCommonsWorkTheFiftyFirstIsAFaultAndNothingIsStored) {
    Vars t;
    for (int n = 100; n < 150; ++n) t.set(n, "1");
    t.set(149, "7");  // a number in use is found again
    EXPECT_EQ(t.read(149), " 7");
    MacroText r = t.v.assign(500, QStringLiteral("2"), 0, t.io);
    ASSERT_TRUE(r.failed());
    EXPECT_EQ(*r.fault, u"変数の使用が制限数50を超えました プログラムを終了します");
    EXPECT_TRUE(t.v.read(501, 0, t.io).failed());
    EXPECT_EQ(t.v.commonRows().size(), 50);
    EXPECT_TRUE(t.messages().isEmpty());  // the caller shows it when it ends the run
    t.v.clearAll();
    EXPECT_FALSE(t.v.assign(500, QStringLiteral("2"), 0, t.io).failed());
}

TEST(MacroVariables, LocalsBelongToTheirLevelAndClearOnlyThatLevel) {
    Vars t;
    t.set(1, "10", 0);
    t.set(1, "20", 1);
    t.set(2, "30", 1);
    t.set(101, "5");
    EXPECT_EQ(t.read(1, 0), " 10");
    EXPECT_EQ(t.read(1, 1), " 20");
    EXPECT_FALSE(t.v.clearLevel(1, t.io).failed());
    EXPECT_EQ(t.v.localText(1, 1), u"");
    EXPECT_EQ(t.v.localText(2, 1), u"");
    EXPECT_EQ(t.read(1, 0), " 10");
    EXPECT_EQ(t.read(101), " 5");  // commons are not touched
}

TEST(MacroVariables, TheSameUndefinedLocalReadTwiceInARowReportsOnce) {
    Vars t;
    EXPECT_EQ(t.read(3), "");
    EXPECT_EQ(t.read(3), " 0");
    EXPECT_EQ(t.read(3, 1), " 0");  // the marker is the number, whatever the level
    EXPECT_EQ(t.read(4), "");
    EXPECT_EQ(t.read(3), "");
    EXPECT_EQ(t.messages(), QStringList({QStringLiteral("変数# 3は未定義です"),
                                          QStringLiteral("変数# 4は未定義です"),
                                          QStringLiteral("変数# 3は未定義です")}));
    // #0 is never taken for "reported just before".
    t.dlg.clearShown();
    t.read(0);
    t.read(0);
    EXPECT_EQ(t.messages().size(), 2);
}

TEST(MacroVariables, CallsOutsideTheTablesAreFaultsThatStoreNothing) {
    Vars t;
    for (int level : {5, -1}) {
        MacroText r = t.v.assign(1, QStringLiteral("1"), level, t.io);
        ASSERT_TRUE(r.failed()) << level;
        EXPECT_TRUE(r.fault->contains(QStringLiteral("描画を終了します")));
    }
    MacroText r = t.v.assign(-2, QStringLiteral("1"), 0, t.io);
    ASSERT_TRUE(r.failed());
    EXPECT_TRUE(r.fault->startsWith(QStringLiteral("変数#-2は使えません")));
    for (int n = 0; n <= MacroVariables::kLastLocal; ++n)
        for (int l = 0; l < MacroVariables::kLevels; ++l) EXPECT_EQ(t.v.localText(n, l), u"");
}

TEST(MacroVariables, EvaluationFaultsOfAStoredValue) {
    Vars t;
    t.set(101, "5/0");
    MacroText r = t.v.read(101, 0, t.io);
    ASSERT_TRUE(r.failed());
    EXPECT_TRUE(r.fault->startsWith(QStringLiteral("変数# 101の値 5/0 が計算できません")));
    // A grammar fault is shown by the evaluator and the read gives no value.
    t.set(102, "3*-2");
    r = t.v.read(102, 0, t.io);
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.text, u"");
    ASSERT_EQ(t.messages().size(), 1);
    EXPECT_TRUE(t.messages()[0].startsWith(QStringLiteral("文法エラーです")));
}

TEST(MacroVariables, MyataiCollectsTheValueAndReplacesReferences) {
    Vars t;
    t.set(101, "12.5");
    t.set(1, "0-4");
    struct Case {
        const char* line;
        int start;
        const char* want;
    } cases[] = {
        {"X#101(COMMENT)Z5", 2, " 12.5"},
        {"X[#101+2.]Z5.", 2, "[ 12.5+2.]"},
        {"X#1Z2.", 2, "[-4]"},
        {"X2.*#1", 2, "2.*[-4]"},
        {"X[[#1+1]*2](A[)]Z1", 2, "[[[-4]+1]*2]"},  // nested, comment inside skipped
        {"XSQRT[#101*2]Y", 2, "SQRT[ 12.5*2]"},
        {"X 1 0 .5;", 2, "10.5"},
        {"#105=#101+1", 6, " 12.5+1"},
        {"X(open", 2, ""},
        {"X)5Z", 2, "5"},  // a stray ")" is not a comment opening
        {"X１2", 2, ""},   // a full-width digit is no number
    };
    for (const Case& c : cases) {
        MacroText r = t.v.myatai(QString::fromUtf8(c.line), c.start, 0, 0, t.io);
        EXPECT_FALSE(r.failed()) << c.line;
        EXPECT_FALSE(r.assignmentTarget) << c.line;
        EXPECT_EQ(r.text.toStdString(), c.want) << c.line;
    }
    // The stretch ends at end (inclusive).
    EXPECT_EQ(t.v.myatai(QStringLiteral("IF[#101GT10]"), 4, 8, 0, t.io).text, u" 12.5");
    EXPECT_TRUE(t.messages().isEmpty());
}

TEST(MacroVariables, MyataiStopsAtAnAssignmentTargetAndFaultsOnUnpairedBrackets) {
    Vars t;
    MacroText r = t.v.myatai(QStringLiteral("1+#105=3"), 1, 0, 0, t.io);
    EXPECT_TRUE(r.assignmentTarget);
    EXPECT_EQ(r.text, u"");
    EXPECT_TRUE(t.v.commonRows().isEmpty());  // the target is not read

    const QString line = QStringLiteral("X[[1+2]Z5.");
    r = t.v.myatai(line, 2, 0, 0, t.io);
    ASSERT_TRUE(r.failed());
    EXPECT_EQ(r.text, u"err");
    EXPECT_EQ(*r.fault, line + QStringLiteral("[]の数が合いません終了します"));
    // The partner beyond the stretch does not count.
    EXPECT_TRUE(t.v.myatai(QStringLiteral("[1+2]"), 1, 4, 0, t.io).failed());
    // A fault of a variable inside a value ends the value.
    for (int n = 200; n < 250; ++n) t.set(n, "1");
    r = t.v.myatai(QStringLiteral("X[#300+1]"), 2, 0, 0, t.io);
    ASSERT_TRUE(r.failed());
    EXPECT_EQ(*r.fault, u"変数の使用が制限数50を超えました プログラムを終了します");
    EXPECT_TRUE(t.v.myatai(QStringLiteral("X#99999"), 2, 0, 0, t.io).failed());
}

TEST(AddressWords, MynumFindsTheLetterOutsideComments) {
    Vars t;
    t.set(1, "0-4");
    struct Case {
        const char* block;
        const char* letter;
        const char* want;
    } cases[] = {
        {"G01X10.(X=5)Z-3.", "Z", "-3."},
        {"G01X10.(X=5)Z-3.", "X", "10."},
        {"G01X10.(X=5)Z-3.", "G", "01"},
        {"X#1Z2.", "X", "[-4]"},
        {"X#1Z2.", "Z", "2."},
        {"G00(Z=5)X1.", "Z", ""},            // only in a comment
        {"G00(A)(Z=5)Z7.", "Z", "7."},        // past two comments
        {"(X1.", "X", ""},                    // a comment never closed
        {"G01X1.Z2.,R3.", ",R", "3."},
        {"G01X1.Z2.", "R", ""},
        {"N10X5.", "Q", ""},
    };
    for (const Case& c : cases) {
        MacroText r = mynum(QString::fromUtf8(c.block), QString::fromUtf8(c.letter), 0, t.v, t.io);
        EXPECT_FALSE(r.failed()) << c.block << " " << c.letter;
        EXPECT_EQ(r.text.toStdString(), c.want) << c.block << " " << c.letter;
    }
    EXPECT_TRUE(t.messages().isEmpty());
    EXPECT_TRUE(mynum(QStringLiteral("G01X[1+2"), QStringLiteral("X"), 0, t.v, t.io).failed());
}

TEST(VariableMonitor, ColumnOfCommonsLevelLineAndLocals) {
    ScriptedDialogs dlg;
    RecordingSurface s(20000, 12000, 20000, 12000);
    MacroVariables v;
    MacroIo io{dlg, &s, QStringLiteral("O0012")};
    // 40 characters: 12 on the first line, then 17 and 11.
    ASSERT_FALSE(v.assign(101, QStringLiteral("1+2+3+4+5+6+7+8+9+10+11+12+13+14+15+16+1"), 1, io).failed());
    ASSERT_FALSE(v.assign(102, QStringLiteral("7"), 1, io).failed());
    ASSERT_FALSE(v.assign(2, QStringLiteral("0-1.5"), 1, io).failed());
    s.clear();
    ASSERT_FALSE(v.repaint(1, io).failed());
    auto band = [](int i) {
        const int y = 100 + 200 * i;
        return QStringLiteral("fill 18000 %1 20000 %2 000000").arg(y).arg(y + 200);
    };
    auto text = [](int i, const char* t) {
        return QStringLiteral("text 18000 %1 10 FFFFFF \"%2\"").arg(100 + 200 * i).arg(QString::fromUtf8(t));
    };
    const QStringList want{
        band(0), text(0, "#101=1+2+3+4+5+6+"),
        band(1), text(1, "   7+8+9+10+11+12+13"),
        band(2), text(2, "   +14+15+16+1"),
        band(3), text(3, "   = 137"),
        band(4), text(4, "#102=7"),
        band(5),
        band(6), text(6, "Nest Lebl 1  O0012"),
        band(7), text(7, "# 2=-1.5"),
    };
    EXPECT_EQ(s.ops(), want);
    // After a clear of the level the stale local line is blanked.
    s.clear();
    ASSERT_FALSE(v.clearLevel(1, io).failed());
    EXPECT_EQ(s.ops().size(), 7 + 6 + 1);  // 7 bands, 6 texts, the stale band
    EXPECT_EQ(s.ops().last(), band(7));
    EXPECT_TRUE(dlg.messages().isEmpty());
}
