// The real Qt boxes, answered by the test as soon as they come up.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <functional>
#include "common/temp_home.h"
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
    QStringList filters;
    QString dir, title;
    answerNextBox([&](QWidget* w) {
        auto* fd = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(fd, nullptr);
        filters = fd->nameFilters();
        dir = fd->directory().absolutePath();
        title = fd->windowTitle();
        fd->reject();
    });
    FileChoice c = d.openFile(home.file("sp2"), "sp2ファイル (*.sp2)|*.sp2|すべて|*.*|", "開く");
    EXPECT_TRUE(c.cancelled);
    EXPECT_TRUE(c.path.isEmpty());
    EXPECT_EQ(filters, QStringList({"sp2ファイル (*.sp2)", "すべて (*.*)"}));
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
