#pragma once
// The main menu: first window of the program.  It reads tssnc.ini once, offers
// the four machines, opens the editor or the transfer window, and ends the
// program in order.
#include <QWidget>
#include <array>
#include <functional>
#include "app/machine_dirs.h"
#include "app/windows.h"

class QRadioButton;
class QPushButton;

class frmMenu : public QWidget, public AppWindow {
public:
    frmMenu();  // builds the controls; menuWindow() then runs Form_Load()

    std::array<QRadioButton*, kMachineSlots> Option1{};
    std::array<QPushButton*, 3> Command1{};

    void Form_Load();
    void mmmdir();
    void Option1_Click(int index);
    void Command1_Click(int index);
    void Command1_KeyDown(int index, int keyCode, int shift);
    // The orderly exit: port closed, every other window unloaded, the menu
    // unloaded.  Callers that end the program call endProgram() after it.
    // False when the operator kept an unsaved edit: the program goes on.
    bool Form_Unload();

    void showWindow() override { show(); }
    void hideWindow() override { hide(); }

    // Machine directory table, slot 0..3.
    QString machineDir(int slot) const;
    bool configRead() const { return configRead_; }

    // What "end the program" does: quit the event loop (tests replace it).
    static void setEndProgram(std::function<void()> f);
    static void endProgram();

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void orderlyExitAndEnd();
    std::array<QString, kMachineSlots> dirs_;
    bool configRead_ = false;
    bool unloading_ = false;
};
