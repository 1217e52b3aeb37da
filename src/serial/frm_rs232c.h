#pragma once
// The transfer window: sends NC files to the machine controller and receives
// them over the serial line, in the directory of the machine the menu chose
// (Label2).  It owns the serial port for the whole run.
#include <QWidget>
#include <memory>
#include "platform/gui_image_surface.h"
#include "platform/serial_port.h"

class QLabel;
class QLineEdit;
class QPushButton;

class frmrs232c : public QWidget {
public:
    // Port defaults set at load.
    static inline const QString kDefaultSettings = QStringLiteral("9600,e,7,1");
    static constexpr SerialPort::Handshaking kDefaultHandshaking =
        SerialPort::Handshaking::RtsXonXoff;
    static constexpr int kDefaultPort = 1;

    frmrs232c();  // builds the controls; transferWindow() then runs Form_Load()
    ~frmrs232c() override;

    QPushButton* cmd受信 = nullptr;  // "受信"
    QPushButton* cmd送信 = nullptr;  // "送信"
    QPushButton* Command3 = nullptr;  // "設定"
    QPushButton* Command5 = nullptr;  // "編集"
    QPushButton* cmd終了 = nullptr;  // "終了"
    QLabel* Label1 = nullptr;        // current settings
    QLabel* Label2 = nullptr;        // machine directory name ("sp2")
    QLineEdit* Text2 = nullptr;      // program-number line being received

    // The serial port (MSComm1 of the window).
    SerialPort& port() { return *MSComm1; }
    // Replaces the port (tests: a port on a pseudo-terminal).  The old one is
    // closed.
    void setPort(std::unique_ptr<SerialPort> p);

    // Progress text is printed on the window surface.
    ImageSurface& surface() { return surface_; }

    void Form_Load();
    void Form_Activate();
    // Program end: close the file being transferred, show the menu.
    void Form_Unload();
    void cmd終了_Click();
    void Command5_Click();

    // " 現在の通信設定" + settings + " " + handshaking name + " COM" + port number.
    QString settingsCaption() const;

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void wirePort();
    std::unique_ptr<SerialPort> MSComm1;
    ImageSurface surface_;
};
