#include "serial/frm_232cset.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include "drawing/number_text.h"
#include "platform/dialogs.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"
#include "platform/qt_serial_port.h"

namespace {

struct OptionDef {
    const char16_t* caption;
    const char16_t* value;  // settings text part; flow control and port by index
};

// Options 1..20 in order.
const OptionDef kOptionDefs[frm232cset::kOptions] = {
    {u"300", u"300"},   {u"600", u"600"},   {u"1200", u"1200"}, {u"2400", u"2400"},
    {u"4800", u"4800"}, {u"9600", u"9600"}, {u"7bits", u"7"},   {u"8bits", u"8"},
    {u"1", u"1"},       {u"2", u"2"},       {u"無し", u"N"},    {u"偶数", u"E"},
    {u"奇数", u"O"},    {u"Ｎｏｎｅ", u""}, {u"RST", u""},      {u"RST/Xon/Xoff", u""},
    {u"Xon/Xoff", u""}, {u"com1", u""},     {u"com2", u""},     {u"com3", u""},
};

// The frames: caption, first and last option, place in twips.
struct FrameDef {
    const char16_t* caption;
    int first, last;
    double left, top;
};
constexpr double kFrameWidth = 1800;
constexpr double kOptionHeight = 300;
const FrameDef kFrameDefs[6] = {
    {u"Baud Rate", 1, 6, 120, 120},
    {u"Data Bits", 7, 8, 2040, 120},
    {u"Stpo Bits", 9, 10, 2040, 1140},
    {u"Parity", 11, 13, 3960, 120},
    {u"FlowＣｏｎｔｒｏｌ", 14, 17, 5880, 120},
    {u"com port", 18, 20, 3960, 1440},
};

// Options 14..17 in order.
constexpr SerialPort::Handshaking kFlowOfOption[4] = {
    SerialPort::Handshaking::None, SerialPort::Handshaking::RtsCts,
    SerialPort::Handshaking::RtsXonXoff, SerialPort::Handshaking::XonXoff};
constexpr int kFirstFlowOption = 14;
constexpr int kFirstPortOption = 18;
constexpr int kPorts = 3;

// An option button that takes a click anywhere on its place, caption or not.
class OptionButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

int checkedIn(const std::array<QRadioButton*, frm232cset::kOptions + 1>& o, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (o[i]->isChecked()) return i;
    return 0;
}

}  // namespace

frm232cset::frm232cset() {
    setWindowTitle(QStringLiteral("シリアル通信設定") + kWindowTitleSuffix);
    setFont(uiFont(9));
    resize(twips::px(7800), twips::px(3900));
    for (size_t f = 0; f < Frame.size(); ++f) {
        const FrameDef& d = kFrameDefs[f];
        auto* box = new QGroupBox(QString::fromUtf16(d.caption), this);
        const int n = d.last - d.first + 1;
        box->setGeometry(twips::rect(d.left, d.top, kFrameWidth, 360 + n * kOptionHeight));
        for (int i = d.first; i <= d.last; ++i) {
            auto* o = new OptionButton(QString::fromUtf16(kOptionDefs[i - 1].caption), box);
            o->setGeometry(twips::rect(120, 240 + (i - d.first) * kOptionHeight, kFrameWidth - 240,
                                       kOptionHeight));
            connect(o, &QRadioButton::clicked, this, [this, i] { Option_Click(i); });
            Option[size_t(i)] = o;
        }
        Frame[f] = box;
    }
    Command2 = new QPushButton(QStringLiteral("終了"), this);
    Command2->setGeometry(twips::rect(5880, 1920, 1200, 495));
    Command2->setAutoDefault(true);  // Enter presses it when it has the focus
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Label1 = new QLabel(this);
    Label1->setGeometry(twips::rect(120, 2520, 7560, 1200));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frm232cset::Form_Load() {
    const SerialPort& port = transferPort();
    const QString s = port.settings();
    // First character: baud rate; fifth from the end: parity; third from the
    // end: data bits; last: stop bits.
    const QString baudKey = QStringLiteral("361249");
    if (!s.isEmpty()) {
        const int b = int(baudKey.indexOf(s.front()));
        if (b >= 0) Option[size_t(1 + b)]->setChecked(true);
    }
    auto at = [&](int fromEnd) { return s.size() >= fromEnd ? s[s.size() - fromEnd].toUpper() : QChar(); };
    const int parity = int(QStringLiteral("NEO").indexOf(at(5)));
    if (parity >= 0 && !at(5).isNull()) Option[size_t(11 + parity)]->setChecked(true);
    if (at(3) == QLatin1Char('7')) Option[7]->setChecked(true);
    if (at(3) == QLatin1Char('8')) Option[8]->setChecked(true);
    if (at(1) == QLatin1Char('1')) Option[9]->setChecked(true);
    if (at(1) == QLatin1Char('2')) Option[10]->setChecked(true);
    for (int i = 0; i < 4; ++i)
        if (kFlowOfOption[i] == port.handshaking()) Option[size_t(kFirstFlowOption + i)]->setChecked(true);
    selectPort(port.portNumber());
}

void frm232cset::Form_Activate() {
    appWindow(WindowId::Transfer).hideWindow();
    previousPort_ = transferPort().portNumber();
}

void frm232cset::Form_Unload() {
    apply();
    appWindow(WindowId::Transfer).showWindow();
    hide();
}

void frm232cset::Command2_Click() {
    appWindow(WindowId::Transfer).showWindow();
    hide();
}

void frm232cset::Option_Click(int) { apply(); }

QString frm232cset::selectedSettings() const {
    auto value = [&](int first, int last) {
        const int i = checkedIn(Option, first, last);
        return i ? QString::fromUtf16(kOptionDefs[i - 1].value) : QString();
    };
    return value(1, 6) + QLatin1Char(',') + value(11, 13) + QLatin1Char(',') + value(7, 8) +
           QLatin1Char(',') + value(9, 10);
}

int frm232cset::selectedPort() const {
    const int i = checkedIn(Option, kFirstPortOption, kFirstPortOption + kPorts - 1);
    return i ? i - kFirstPortOption + 1 : 0;
}

SerialPort::Handshaking frm232cset::selectedHandshaking() const {
    const int i = checkedIn(Option, kFirstFlowOption, kFirstFlowOption + 3);
    return i ? kFlowOfOption[i - kFirstFlowOption] : transferPort().handshaking();
}

void frm232cset::selectPort(int port) {
    for (int i = 0; i < kPorts; ++i) {
        QRadioButton* o = Option[size_t(kFirstPortOption + i)];
        // Auto-exclusive buttons cannot all be cleared; lift that for a moment.
        o->setAutoExclusive(false);
        o->setChecked(i + 1 == port);
        o->setAutoExclusive(true);
    }
}

void frm232cset::apply() {
    SerialPort& port = transferPort();
    port.setSettings(selectedSettings());
    port.setHandshaking(selectedHandshaking());
    const int wanted = selectedPort();
    if (wanted != 0 && wanted != previousPort_) {
        port.close();
        port.setPortNumber(wanted);
        if (!port.open()) {
            windowDialogs().message(QStringLiteral("ポート番号") + nt::str(wanted) +
                                    QStringLiteral("はできません  元に戻します"));
            selectPort(0);
            if (port.isOpen()) port.close();
            selectPort(previousPort_);
            port.setPortNumber(previousPort_);
            if (!port.isOpen()) port.open();
        }
    }
    refreshLabel();
}

void frm232cset::refreshLabel() {
    const SerialPort& port = transferPort();
    Label1->setText(QStringLiteral("\n  通信設定:") + port.settings() +
                    QStringLiteral("\n  handshak:") + handshakingName(port.handshaking()) +
                    QStringLiteral("\n  COM:") + nt::str(port.portNumber()));
}

void frm232cset::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Form_Activate();
}

void frm232cset::closeEvent(QCloseEvent* e) {
    // Closing applies once more and brings the transfer window back; the window
    // stays loaded.
    e->ignore();
    Form_Unload();
}
