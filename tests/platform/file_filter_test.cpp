// Filter pairs of the file dialogs in Qt's spelling.
#include <gtest/gtest.h>

#include "platform/file_filter.h"

TEST(FileFilter, PairsBecomeOneQtFilterEachWithoutDoublingShownPatterns) {
    const QString pairs = QStringLiteral(
        "ファイル (*.sp2)|*.sp2|すべてのファイル 　(*.*)|*.*|ＮＣ　ファイル (*.NC)|*.NC|"
        "テキスト ファイル (*.txt)|*.txt|");
    EXPECT_EQ(qtNameFilters(pairs),
              QStringList({QStringLiteral("ファイル (*.sp2)"),
                           QStringLiteral("すべてのファイル 　(*.*)"),
                           QStringLiteral("ＮＣ　ファイル (*.NC)"),
                           QStringLiteral("テキスト ファイル (*.txt)")}));
}

TEST(FileFilter, PatternsNotShownAreAppendedAndListsSplit) {
    EXPECT_EQ(qtNameFilters(QStringLiteral("NC files|*.nc;*.NC|")),
              QStringList({QStringLiteral("NC files (*.nc *.NC)")}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("a|*.x|b|*.y")),
              QStringList({QStringLiteral("a (*.x)"), QStringLiteral("b (*.y)")}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("lonely|")), QStringList({QStringLiteral("lonely (*)")}));
    EXPECT_TRUE(qtNameFilters(QString()).isEmpty());
}
