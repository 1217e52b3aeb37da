#include "serial/frm_rs232c.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include "app/single_instance.h"
#include "drawing/number_text.h"
#include "platform/dialogs.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"
#include "platform/program_dir.h"
#include "platform/qt_serial_port.h"
#include "serial/reception.h"
#include "serial/transfer_texts.h"
#include "serial/transfer_view.h"

namespace {

// Client area; progress lines are printed from 1200 twips down, 10000 wide.
constexpr double kClientWidth = 10500;
constexpr double kClientHeight = 9000;
const QString kBusyButtonStyle = QStringLiteral("background-color: #ffff00;");

constexpr double kFontSize = 9;
constexpr double kMachineFontSize = 12;  // Label2

QPushButton* button(QWidget* parent, twips::Placements& placed, const QString& caption,
                    double left) {
    auto* b = new QPushButton(caption, parent);
    placed.place(b, left, 120, 1200, 495);
    // Enter presses the focused button, as Space does.
    b->setAutoDefault(true);
    return b;
}

}  // namespace

// Progress of a transfer: printed on the surface, the note in Text2.
class frmrs232c::View : public TransferView {
public:
    explicit View(frmrs232c& w) : w_(w) {}
    void print(const QString& text, bool lineEnd) override { w_.print_.print(text, lineEnd); }
    void clearPrintArea() override { w_.print_.clear(); }
    void setNote(const QString& text) override { w_.Text2->setText(text); }
    QString note() const override { return w_.Text2->text(); }

private:
    frmrs232c& w_;
};

frmrs232c::frmrs232c()
    : MSComm1(std::make_unique<QtSerialPort>()),
      surface_(twips::px(kClientWidth), twips::px(kClientHeight), twips::logicalDpi()),
      scale_(QSizeF(kClientWidth, kClientHeight)),
      print_(printSurface_),
      view_(std::make_unique<View>(*this)) {
    setWindowTitle(QStringLiteral("rs232c送受信") + kWindowTitleSuffix);
    setFont(uiFont(kFontSize));
    resize(twips::px(kClientWidth), twips::px(kClientHeight));

    cmd受信 = button(this, placed_, transfer::kReceiveCaption, 120);
    cmd送信 = button(this, placed_, transfer::kSendCaption, 1440);
    Command3 = button(this, placed_, QStringLiteral("設定"), 2760);
    Command5 = button(this, placed_, QStringLiteral("編集"), 4080);
    cmd終了 = button(this, placed_, QStringLiteral("終了"), 5400);

    Label2 = new QLabel(machine_, this);
    placed_.place(Label2, 6840, 120, 1215, 495);
    Label2->setFont(uiFont(kMachineFontSize));
    Label1 = new QLabel(this);
    placed_.place(Label1, 120, 720, 6600, 375);
    Text2 = new QLineEdit(this);
    placed_.place(Text2, 6840, 720, 3300, 375);

    connect(cmd受信, &QPushButton::clicked, this, [this] { cmd受信_Click(); });
    connect(cmd送信, &QPushButton::clicked, this, [this] { cmd送信_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(cmd終了, &QPushButton::clicked, this, [this] { cmd終了_Click(); });

    surface_.setOnChanged([this](const QRect& r) { update(r); });
    wirePort();
}

frmrs232c::~frmrs232c() {
    reception_.reset();
    if (MSComm1) {
        MSComm1->setEventCallback(nullptr);
        MSComm1->close();
    }
}

void frmrs232c::wirePort() {
    MSComm1->setEventCallback([this](SerialPort::Event e) { MSComm1_OnComm(e); });
}

void frmrs232c::setPort(std::unique_ptr<SerialPort> p) {
    if (!p || busy_ != Busy::Idle) return;
    MSComm1->setEventCallback(nullptr);
    MSComm1->close();
    MSComm1 = std::move(p);
    wirePort();
}

void frmrs232c::setMachine(const QString& name) {
    machine_ = name;
    Label2->setText(name);
}

QString frmrs232c::workDir() const { return programPath(machine_); }

QString frmrs232c::portName() const { return QStringLiteral("COM") + QString::number(MSComm1->portNumber()); }

void frmrs232c::Form_Load() {
    if (anotherCopyRunning()) {
        endApplication();
        return;
    }
    move(0, 0);
    MSComm1->setSettings(kDefaultSettings);
    MSComm1->setHandshaking(kDefaultHandshaking);
    MSComm1->setPortNumber(kDefaultPort);
    // A port that cannot be opened is not reported here.
    MSComm1->open();
}

QString frmrs232c::settingsCaption() const {
    return QStringLiteral(" 現在の通信設定") + MSComm1->settings() + QLatin1Char(' ') +
           handshakingName(MSComm1->handshaking()) + QStringLiteral(" COM") +
           nt::str(MSComm1->portNumber());
}

void frmrs232c::Form_Activate() {
    Label1->setText(settingsCaption());
    if (!MSComm1->isOpen()) MSComm1->open();
}

void frmrs232c::setBusy(Busy b) {
    busy_ = b;
    cmd送信->setText(b == Busy::Sending ? transfer::kSendingCaption : transfer::kSendCaption);
    cmd送信->setStyleSheet(b == Busy::Sending ? kBusyButtonStyle : QString());
    cmd受信->setText(b == Busy::Receiving ? transfer::kReceivingCaption : transfer::kReceiveCaption);
    cmd受信->setStyleSheet(b == Busy::Receiving ? kBusyButtonStyle : QString());
    QPushButton* running = b == Busy::Sending ? cmd送信 : cmd受信;
    for (QWidget* c : {static_cast<QWidget*>(cmd受信), static_cast<QWidget*>(cmd送信),
                       static_cast<QWidget*>(Command3), static_cast<QWidget*>(Command5),
                       static_cast<QWidget*>(cmd終了), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Text2)})
        c->setEnabled(b == Busy::Idle || c == running);
}

void frmrs232c::startAfresh() {
    // A new transfer shows only its own progress and program line.
    view_->clearPrintArea();
    view_->setNote(QString());
}

void frmrs232c::cmd送信_Click() {
    if (busy_ != Busy::Idle) return;
    Dialogs& d = windowDialogs();
    const FileChoice c =
        d.openFile(workDir(), transfer::fileFilter(machine_), transfer::kSendDialogTitle);
    if (c.cancelled || c.path.isEmpty()) return;
    startAfresh();
    setBusy(Busy::Sending);
    stopSend_ = false;
    transfer::SendOptions o = sendOptions_;
    o.stopRequested = [this] { return stopSend_; };
    const transfer::SendResult r =
        transfer::sendFile(c.path, *MSComm1, portName(), *view_, windowPump(), o);
    setBusy(Busy::Idle);
    if (!r.message.isEmpty()) d.message(r.message);
}

void frmrs232c::cmd受信_Click() {
    if (busy_ == Busy::Receiving) {
        reception_->stop();
        return;
    }
    if (busy_ != Busy::Idle) return;
    Dialogs& d = windowDialogs();
    const FileChoice c = d.saveFile(
        workDir(), transfer::fileFilter(machine_), transfer::kReceiveDialogTitle,
        transfer::proposedReceiveName(QDateTime::currentDateTime(), machine_));
    if (c.cancelled || c.path.isEmpty()) return;
    startAfresh();
    reception_ = std::make_unique<transfer::Reception>(*MSComm1, *view_, d);
    reception_->setOnEnded([this](bool) { setBusy(Busy::Idle); });
    if (!reception_->start(c.path, portName())) return;
    setBusy(Busy::Receiving);
}

void frmrs232c::MSComm1_OnComm(SerialPort::Event e) {
    if (busy_ == Busy::Receiving && reception_) reception_->onPortEvent(e);
}

void frmrs232c::Command3_Click() {
    backFromSettings_ = true;
    appWindow(WindowId::Settings).showWindow();
    hide();
    Label1->setText(QStringLiteral("現在の通信設定") + MSComm1->settings());
    // The settings window shows this window again when it is closed.
}

void frmrs232c::Form_Unload() {
    // A send stops at its next wait; a reception keeps what came (an empty file
    // is removed) without asking anything at program end.
    stopSend_ = true;
    if (busy_ == Busy::Receiving && reception_) reception_->closeQuietly();
    appWindow(WindowId::Menu).showWindow();
}

void frmrs232c::cmd終了_Click() {
    appWindow(WindowId::Menu).showWindow();
    hide();
}

void frmrs232c::Command5_Click() {
    appWindow(WindowId::Editor).showWindow();
    hide();
}

void frmrs232c::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (backFromSettings_) {
        backFromSettings_ = false;
        Command3->setFocus();
    }
    Form_Activate();
}

void frmrs232c::closeEvent(QCloseEvent* e) {
    // The close box hides the window; it stays loaded and the menu comes back.
    // While a transfer runs it does nothing, like the disabled "終了".
    e->ignore();
    if (busy_ == Busy::Idle) cmd終了_Click();
}

void frmrs232c::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), surface_.image(), e->rect());
}

void frmrs232c::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    surface_.resize(width(), height());
    if (!scale_.fit(size())) return;
    placed_.apply();
    setFont(uiFont(scale_.fontSize(kFontSize)));
    Label2->setFont(uiFont(scale_.fontSize(kMachineFontSize)));
}
