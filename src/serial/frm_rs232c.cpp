#include "serial/frm_rs232c.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QResizeEvent>
#include <QShowEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include "app/frm_menu.h"
#include "app/single_instance.h"
#include "app/windows.h"
#include "drawing/number_text.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"
#include "platform/qt_serial_port.h"
#include "editor/frm_edit.h"

namespace {

// Client area; progress lines are printed from 1200 twips down, 10000 wide.
constexpr double kClientWidth = 10500;
constexpr double kClientHeight = 9000;

QPushButton* button(QWidget* parent, const QString& caption, double left) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(twips::rect(left, 120, 1200, 495));
    return b;
}

}  // namespace

frmrs232c::frmrs232c()
    : MSComm1(std::make_unique<QtSerialPort>()),
      surface_(twips::px(kClientWidth), twips::px(kClientHeight), twips::logicalDpi()) {
    setWindowTitle(QStringLiteral("rs232c送受信") + kWindowTitleSuffix);
    setFont(uiFont(9));
    resize(twips::px(kClientWidth), twips::px(kClientHeight));

    cmd受信 = button(this, QStringLiteral("受信"), 120);
    cmd送信 = button(this, QStringLiteral("送信"), 1440);
    Command3 = button(this, QStringLiteral("設定"), 2760);
    Command5 = button(this, QStringLiteral("編集"), 4080);
    cmd終了 = button(this, QStringLiteral("終了"), 5400);

    Label2 = new QLabel(QStringLiteral("sp2"), this);
    Label2->setGeometry(twips::rect(6840, 120, 1215, 495));
    Label2->setFont(uiFont(12));
    Label1 = new QLabel(this);
    Label1->setGeometry(twips::rect(120, 720, 6600, 375));
    Text2 = new QLineEdit(this);
    Text2->setGeometry(twips::rect(6840, 720, 3300, 375));

    connect(cmd終了, &QPushButton::clicked, this, [this] { cmd終了_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    surface_.setOnChanged([this](const QRect& r) { update(r); });
    wirePort();
}

frmrs232c::~frmrs232c() {
    if (MSComm1) {
        MSComm1->setEventCallback(nullptr);
        MSComm1->close();
    }
}

void frmrs232c::wirePort() {
    // Receiving hooks in here.
    MSComm1->setEventCallback([](SerialPort::Event) {});
}

void frmrs232c::setPort(std::unique_ptr<SerialPort> p) {
    if (!p) return;
    MSComm1->setEventCallback(nullptr);
    MSComm1->close();
    MSComm1 = std::move(p);
    wirePort();
}

void frmrs232c::Form_Load() {
    if (anotherCopyRunning()) {
        frmMenu::endProgram();
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

void frmrs232c::Form_Unload() {
    // No transfer is kept open across an unload (sending and receiving close
    // their file themselves); show the menu again.
    menuWindow().show();
}

void frmrs232c::cmd終了_Click() {
    menuWindow().show();
    hide();
}

void frmrs232c::Command5_Click() {
    editorWindow().show();
    hide();
}

void frmrs232c::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Form_Activate();
}

void frmrs232c::closeEvent(QCloseEvent* e) {
    // The close box hides the window; it stays loaded and the menu comes back.
    e->ignore();
    cmd終了_Click();
}

void frmrs232c::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    p.drawImage(e->rect().topLeft(), surface_.image(), e->rect());
}

void frmrs232c::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    surface_.resize(width(), height());
}
