// The real Qt boxes, answered by the test as soon as they come up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include "common/temp_home.h"
#include "drawing/drawing_texts.h"
#include "platform/gui_qt_dialogs.h"

namespace {

// Runs `answer` on the first modal box that appears (polling the event loop
// that the box itself runs), so no test can sit on a box.
void answerNextBox(std::function<void(QWidget*)> answer) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, answer] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            t->stop();
            t->deleteLater();
            answer(w);
        }
    });
    t->start();
}

}  // namespace

TEST(QtDialogsBoxes, FileDialogStartsInTheFolderWithTheFiltersAndCancelIsDistinct) {
    TempHome home;
    home.write("sp2/a.sp2", "O1\r\n");
    QtDialogs d;
    QStringList filters, shown;
    QString dir, title;
    answerNextBox([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        filters = fd->nameFilters();
        if (auto* types = fd->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < types->count(); ++i) shown << types->itemText(i);
        dir = fd->directory().absolutePath();
        title = fd->windowTitle();
        fd->reject();
    });
    FileChoice c = d.openFile(home.file("sp2"), "sp2ファイル (*.sp2)|*.sp2|すべて|*.*|", "開く");
    EXPECT_TRUE(c.cancelled);
    EXPECT_TRUE(c.path.isEmpty());
    EXPECT_EQ(filters, QStringList({"sp2ファイル (*.sp2)", "すべて (*.*)"}));
    // The operator reads the descriptions as written, patterns and all.
    EXPECT_EQ(shown, filters);
    EXPECT_EQ(dir, home.file("sp2"));
    EXPECT_EQ(title, "開く");
}

TEST(QtDialogsBoxes, FileDialogReturnsTheChosenPath) {
    TempHome home;
    const QString file = home.write("sp2/a.sp2", "O1\r\n");
    QtDialogs d;
    answerNextBox([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        fd->selectFile(file);
        static_cast<QDialog*>(fd)->accept();
    });
    FileChoice c = d.openFile(home.file("sp2"), "sp2|*.sp2|", "開く");
    EXPECT_FALSE(c.cancelled);
    EXPECT_EQ(c.path, file);
}

TEST(QtDialogsBoxes, SaveDialogProposesTheName) {
    TempHome home;
    QtDialogs d;
    QString proposed;
    answerNextBox([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        EXPECT_EQ(fd->acceptMode(), QFileDialog::AcceptSave);
        auto* edit = fd->findChild<QLineEdit*>();
        if (edit) proposed = edit->text();
        static_cast<QDialog*>(fd)->accept();
    });
    FileChoice c = d.saveFile(home.path(), "sp2|*.sp2|", "保存", "O1234.sp2");
    EXPECT_EQ(proposed, "O1234.sp2");
    EXPECT_FALSE(c.cancelled);
    EXPECT_EQ(c.path, home.file("O1234.sp2"));
}

TEST(QtDialogsBoxes, InputBoxStandsAtItsPlaceWithItsDefaultAndCancelGivesEmpty) {
    QtDialogs d;
    QPoint where;
    answerNextBox([&](QWidget* w) {
        auto* in = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(in, nullptr);
        where = in->pos();
        EXPECT_EQ(in->textValue(), "y");
        EXPECT_EQ(in->labelText(), "描画を続けますか");
        in->accept();
    });
    EXPECT_EQ(d.input("描画を続けますか", "描画", "y", 1500, 3000), "y");
    EXPECT_EQ(where, QPoint(100, 200));  // 15 twips per pixel

    answerNextBox([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(d.input("?", "t", "y", 0, 0), "");
}

TEST(QtDialogsBoxes, MessageAndQuestionBoxesShowTheirText) {
    QtDialogs d(nullptr, "tssnc");
    QString text, caption;
    answerNextBox([&](QWidget* w) {
        auto* mb = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(mb, nullptr);
        text = mb->text();
        caption = mb->windowTitle();
        mb->button(QMessageBox::Ok)->click();
    });
    d.message("終了");
    EXPECT_EQ(text, "終了");
    EXPECT_EQ(caption, "tssnc");

    answerNextBox([](QWidget* w) {
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(d.askYesNo("保存しますか", "保存"));
    answerNextBox([](QWidget* w) {
        qobject_cast<QMessageBox*>(w)->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(d.askYesNo("保存しますか", "保存"));
}

// A label with a buddy shows "&&" as "&" and drops a single "&" (it marks the
// access key); without a buddy the text shows as it is.
static QString shownLabelText(const QLabel* l) {
    if (!l->buddy()) return l->text();
    QString out;
    const QString t = l->text();
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t[i] == u'&' && i + 1 < t.size()) ++i;
        out += t[i];
    }
    return out;
}

TEST(QtDialogsBoxes, InputBoxShowsAmpersandsAsWritten) {
    QtDialogs d;
    const QString endPrompt = QStringLiteral("描画完了 描画を続けますか Y or N\n 1:O0001\n\n\n"
                                             "拡大範囲指定再描画はvを入力してください\n\n"
                                             "位置&倍率初期化する時はI 移動下D 上U 右R 左L");
    for (const QString& prompt : {drawing::text::kStepMenu, endPrompt}) {
        QString shown;
        answerNextBox([&](QWidget* w) {
            auto* in = qobject_cast<QInputDialog*>(w);
            ASSERT_NE(in, nullptr);
            const QLabel* label = in->findChild<QLabel*>();
            ASSERT_NE(label, nullptr);
            shown = shownLabelText(label);
            in->reject();
        });
        d.input(prompt, "描画", "y", 0, 0);
        EXPECT_EQ(shown, prompt);
    }
    EXPECT_TRUE(drawing::text::kStepMenu.contains(QStringLiteral("I位置&倍率初期化")));
}

TEST(QtDialogsBoxes, QtsOwnTextsAreJapaneseAndNcFilesAreNamedByTheirExtension) {
    TempHome home;
    const QString nc = home.write("sp2/A.NC", "%\r\nO1\r\n");  // "%" first, as NC tapes are
    QtDialogs d;
    QStringList buttons;
    QString ncType;
    answerNextBox([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        for (auto* b : fd->findChildren<QAbstractButton*>())
            if (!b->text().isEmpty()) buttons << b->text();
        ncType = fd->iconProvider()->type(QFileInfo(nc));
        fd->reject();
    });
    d.openFile(home.file("sp2"), "NC|*.NC|", "開く");
    EXPECT_TRUE(buttons.join('|').contains(QStringLiteral("キャンセル"))) << buttons.join('|').toStdString();
    EXPECT_FALSE(buttons.contains("Cancel")) << buttons.join('|').toStdString();
    EXPECT_EQ(ncType, "NC ファイル");

    QStringList yesNo;
    answerNextBox([&](QWidget* w) {
        auto* mb = qobject_cast<QMessageBox*>(w);
        yesNo << mb->button(QMessageBox::Yes)->text() << mb->button(QMessageBox::No)->text();
        mb->button(QMessageBox::No)->click();
    });
    d.askYesNo("保存しますか", "保存");
    ASSERT_EQ(yesNo.size(), 2);
    EXPECT_TRUE(yesNo[0].startsWith(QStringLiteral("はい"))) << yesNo[0].toStdString();
    EXPECT_TRUE(yesNo[1].startsWith(QStringLiteral("いいえ"))) << yesNo[1].toStdString();
}
