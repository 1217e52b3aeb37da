#pragma once
// The serial settings window: baud rate, data bits, stop bits, parity, flow
// control and port of the transfer window's serial port.  Every click applies
// at once; nothing is kept between runs.
#include <QWidget>
#include <array>
#include "app/windows.h"
#include "platform/serial_port.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class frm232cset : public QWidget, public AppWindow {
public:
    static constexpr int kOptions = 20;

    frm232cset();  // builds the controls; settingsWindow() then runs Form_Load()

    // Option1..Option20 as Option[1]..Option[20] (Option[0] is not used):
    // 1-6 baud rate, 7-8 data bits, 9-10 stop bits, 11-13 parity, 14-17 flow
    // control, 18-20 port.
    std::array<QRadioButton*, kOptions + 1> Option{};
    std::array<QGroupBox*, 6> Frame{};
    QPushButton* Command2 = nullptr;  // "終了"
    QLabel* Label1 = nullptr;         // summary of the current settings

    void showWindow() override { show(); }
    void hideWindow() override { hide(); }

    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void Option_Click(int n);
    void Command2_Click();

    // Settings text of the selected options ("4800,N,8,2").
    QString selectedSettings() const;
    int previousPort() const { return previousPort_; }

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void apply();
    void refreshLabel();
    void selectPort(int port);
    int selectedPort() const;
    SerialPort::Handshaking selectedHandshaking() const;
    int previousPort_ = 1;
};
