#pragma once
// The transfer window: sends NC files to the machine controller and receives
// them over the serial line, in the directory of the machine the menu chose
// (shown in Label2).  It owns the serial port for the whole run.  The sending
// loop and the reception are the QtCore ones of this folder; the window holds
// the buttons' state and shows their progress.
#include <QWidget>
#include <memory>
#include "app/windows.h"
#include "platform/gui_image_surface.h"
#include "platform/gui_twips.h"
#include "platform/serial_port.h"
#include "serial/print_area.h"
#include "serial/sender.h"

class QLabel;
class QLineEdit;
class QPushButton;
namespace transfer {
class Reception;
}

class frmrs232c : public QWidget, public AppWindow {
public:
    // Port defaults set at load.
    static inline const QString kDefaultSettings = QStringLiteral("9600,e,7,1");
    static constexpr SerialPort::Handshaking kDefaultHandshaking =
        SerialPort::Handshaking::RtsXonXoff;
    static constexpr int kDefaultPort = 1;

    // What runs: the send and receive buttons' states.
    enum class Busy { Idle, Sending, Receiving };

    frmrs232c();  // builds the controls; transferWindow() then runs Form_Load()
    ~frmrs232c() override;

    QPushButton* cmd受信 = nullptr;  // "受信" / "受信中止"
    QPushButton* cmd送信 = nullptr;  // "送信" / "送信中"
    QPushButton* Command3 = nullptr;  // "設定"
    QPushButton* Command5 = nullptr;  // "編集"
    QPushButton* cmd終了 = nullptr;  // "終了"
    QLabel* Label1 = nullptr;        // current settings
    QLabel* Label2 = nullptr;        // machine directory name ("sp2")
    QLineEdit* Text2 = nullptr;      // program-number line being received, port events

    // The serial port (MSComm1 of the window).
    SerialPort& port() { return *MSComm1; }
    // Replaces the port (tests: a port on a pseudo-terminal).  The old one is
    // closed.  Not while a transfer runs.
    void setPort(std::unique_ptr<SerialPort> p);
    // The time a line may take before a send is abandoned (tests shorten it).
    void setStallLimit(int msecs) { sendOptions_.stallLimitMs = msecs; }

    // Progress text is printed on the window surface.
    ImageSurface& surface() { return surface_; }
    const transfer::PrintArea& printArea() const { return print_; }

    Busy busy() const { return busy_; }
    QString machine() const { return machine_; }
    // The machine's directory below the program directory.
    QString workDir() const;

    void showWindow() override { show(); }
    void hideWindow() override { hide(); }
    void setMachine(const QString& name) override;

    void Form_Load();
    void Form_Activate();
    // Program end: a running transfer stops (a reception keeps what came), the
    // menu is shown.
    void Form_Unload();
    void cmd送信_Click();
    void cmd受信_Click();
    void Command3_Click();
    void Command5_Click();
    void cmd終了_Click();
    void MSComm1_OnComm(SerialPort::Event e);

    // " 現在の通信設定" + settings + " " + handshaking name + " COM" + port number.
    QString settingsCaption() const;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    class View;
    void wirePort();
    void setBusy(Busy b);
    void startAfresh();
    QString portName() const;
    std::unique_ptr<SerialPort> MSComm1;
    ImageSurface surface_;
    // The window's layout follows its size; the print area with it.
    twips::Scale scale_;
    twips::Placements placed_{scale_};
    twips::ScaledSurface printSurface_{surface_, scale_};
    transfer::PrintArea print_;
    std::unique_ptr<View> view_;
    std::unique_ptr<transfer::Reception> reception_;
    transfer::SendOptions sendOptions_;
    Busy busy_ = Busy::Idle;
    bool stopSend_ = false;
    // Back from the settings window, the keys go to "設定" again (hiding the
    // window had moved them on to "編集", where Enter opened the editor).
    bool backFromSettings_ = false;
    QString machine_ = QStringLiteral("sp2");
};
