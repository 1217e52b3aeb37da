#pragma once
// Window tests of reading and the program listing: own program directory,
// scripted boxes, NC files written into the machine folder.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>

#include "app/frm_menu.h"
#include "app/windows.h"
#include "common/temp_home.h"
#include "editor/frm_edit.h"
#include "editor/listing_rows.h"
#include "platform/surface.h"
#include "platform/event_pump.h"
#include "platform/scripted_dialogs.h"

class ListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        setWindowDialogs(&dialogs);
        setWindowPump(&pump);
        frmMenu::setEndProgram([] {});
    }
    void TearDown() override {
        unloadAllWindows();
        frmMenu::setEndProgram(nullptr);
        setWindowDialogs(nullptr);
        setWindowPump(nullptr);
    }
    // Posted events (the activation after a show) run.
    static void settle() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }
    // An NC file of `programs` two-line programs in the machine folder sp2.
    QString manyPrograms(int programs) {
        QByteArray bytes = "%\r\n";
        for (int p = 1; p <= programs; ++p)
            bytes += "O" + QByteArray::number(1000 + p) + "(PART " + QByteArray::number(p) +
                     ")\r\nG00 X" + QByteArray::number(p) + ".\r\nM30\r\n";
        bytes += "%\r\n";
        return home.write(QStringLiteral("sp2/many.sp2"), bytes);
    }
    // Reads a file through the read command and settles in the listing layout.
    Frm編集& readThroughMenu(const QString& path) {
        Frm編集& w = editorWindow();
        dialogs.queueFile(path);
        w.読出_Click();
        w.Timer1_Timer();  // the timer's tick opens the listing layout
        return w;
    }
    void key(Frm編集& w, Qt::Key k) { QTest::keyClick(w.Text2, k); }
    // A press height on the row of an entry of the first column (the rows'
    // spacing follows the window's height, which these tests do not fix).
    static double rowPressY(Frm編集& w, int entry) {
        return listing::rowY(entry, listing::geometryFor(w.surface().height())) + 40;
    }

    TempHome home;
    ScriptedDialogs dialogs;
    ScriptedPump pump;
};
