#pragma once
// Window tests of the main menu: each test has its own program directory,
// scripted boxes, and an "end of program" that only counts.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include "app/frm_menu.h"
#include "app/windows.h"
#include "common/temp_home.h"
#include "platform/event_pump.h"
#include "platform/scripted_dialogs.h"

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        setWindowDialogs(&dialogs);
        setWindowPump(&pump);
        frmMenu::setEndProgram([this] { ++programEnds; });
    }
    void TearDown() override {
        unloadAllWindows();
        frmMenu::setEndProgram(nullptr);
        setWindowDialogs(nullptr);
        setWindowPump(nullptr);
    }
    // Windows unloaded in order are destroyed when control is back in the event
    // loop; let that happen.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempHome home;
    ScriptedDialogs dialogs;
    ScriptedPump pump;
    int programEnds = 0;
};
