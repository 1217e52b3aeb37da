#include "app/frm_menu.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include "app/single_instance.h"
#include "app/windows.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"
#include "platform/key_codes.h"
#include "platform/program_dir.h"
#include "platform/serial_port.h"

namespace {

std::function<void()>& endProgramAction() {
    static std::function<void()> f;
    return f;
}

constexpr double kOptionWidth = 1095;
constexpr double kButtonWidth = 1455;

}  // namespace

frmMenu::frmMenu() {
    setWindowTitle(QStringLiteral("menu") + kWindowTitleSuffix);
    setFont(uiFont(9));
    setFixedSize(twips::px(4800), twips::px(1500));
    for (int i = 0; i < kMachineSlots; ++i) {
        auto* o = new QRadioButton(defaultMachineDir(i), this);
        o->setGeometry(twips::rect(120 + i * (kOptionWidth + 60), 120, kOptionWidth, 375));
        connect(o, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        Option1[i] = o;
    }
    Option1[0]->setChecked(true);
    const QString captions[3] = {QStringLiteral("ファイル編集"), QStringLiteral("rs232c入出力"),
                                 QStringLiteral("終了")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(captions[i], this);
        b->setGeometry(twips::rect(120 + i * (kButtonWidth + 120), 720, kButtonWidth, 555));
        connect(b, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        b->installEventFilter(this);
        // Enter presses the focused button, as Space does.
        b->setAutoDefault(true);
        Command1[i] = b;
    }
    for (int i = 0; i < kMachineSlots; ++i) dirs_[i] = defaultMachineDir(i);
}

void frmMenu::Form_Load() {
    // A second copy on the same program directory ends at once, silently.
    if (anotherCopyRunning()) {
        endProgram();
        return;
    }
    mmmdir();
    // Fixed place; nothing is remembered between runs.
    move(twips::px(330), twips::px(330));
    // Slot 0 is the machine at start.
    Option1[0]->setChecked(true);
    Option1_Click(0);
    // The transfer window opened its port when it loaded; try once more if
    // that failed.  A port that cannot be opened is not reported.
    SerialPort& port = transferPort();
    if (!port.isOpen()) port.open();
}

void frmMenu::mmmdir() {
    if (configRead_) return;
    AppWindow& editor = appWindow(WindowId::Editor);
    editor.setLatheOrientation(QStringLiteral("m"));
    configRead_ = true;
    const MachineConfig cfg = loadMachineConfig(programDir());
    for (int i = 0; i < kMachineSlots; ++i) dirs_[i] = cfg.dirs[i];
    editor.setLatheOrientation(cfg.orientation);
    if (cfg.rapidRate > 0) editor.setRapidRate(cfg.rapidRate);
    for (int i = 0; i < kMachineSlots; ++i) Option1[i]->setText(dirs_[i]);
}

QString frmMenu::machineDir(int slot) const {
    return slot >= 0 && slot < kMachineSlots ? dirs_[slot] : QString();
}

void frmMenu::Option1_Click(int index) {
    if (index < 0 || index >= kMachineSlots) return;
    const QString name = Option1[index]->text();
    appWindow(WindowId::Editor).setMachine(name);
    appWindow(WindowId::Transfer).setMachine(name);
}

void frmMenu::Command1_Click(int index) {
    switch (index) {
    case 0:
        appWindow(WindowId::Editor).showWindow();
        break;
    case 1:
        appWindow(WindowId::Transfer).showWindow();
        break;
    case 2:
        orderlyExitAndEnd();
        return;
    default:
        break;
    }
    hide();
}

void frmMenu::Command1_KeyDown(int /*index*/, int keyCode, int /*shift*/) {
    if (keyCode == vbkey::kQ) orderlyExitAndEnd();
}

bool frmMenu::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress) {
        for (int i = 0; i < int(Command1.size()); ++i) {
            if (watched != Command1[i]) continue;
            auto* k = static_cast<QKeyEvent*>(e);
            const int code = vbkey::fromQt(k->key(), k->modifiers() & Qt::KeypadModifier);
            Command1_KeyDown(i, code, vbkey::shiftMask(k->modifiers()));
            if (code == vbkey::kQ) return true;
            break;
        }
    }
    return QWidget::eventFilter(watched, e);
}

bool frmMenu::Form_Unload() {
    if (unloading_) return true;
    unloading_ = true;
    // Errors ignored: a port that will not close is not reported.
    const bool portWasOpen = transferWindowLoaded() && transferPort().isOpen();
    if (portWasOpen) transferPort().close();
    // Every other window, with its own unload handler.
    if (!unloadWindowsButMenu()) {
        if (portWasOpen) transferPort().open();
        unloading_ = false;
        return false;
    }
    // The menu itself.
    hide();
    unloadMenuWindow();
    return true;
}

void frmMenu::orderlyExitAndEnd() {
    if (Form_Unload()) endProgram();
}

void frmMenu::closeEvent(QCloseEvent* e) {
    // Closing the menu ends the program like its "終了".
    if (unloading_) {
        e->accept();
        return;
    }
    if (!Form_Unload()) {
        e->ignore();
        return;
    }
    e->accept();
    endProgram();
}

void frmMenu::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Shown again by a window that closed: the menu is the active window, so
    // that its keys (Q) work at once even where no window manager hands the
    // activity over.
    if (!e->spontaneous())
        QTimer::singleShot(0, this, [this] {
            if (isVisible() && !isActiveWindow()) activateWindow();
        });
}

void frmMenu::setEndProgram(std::function<void()> f) { endProgramAction() = std::move(f); }

void frmMenu::endProgram() {
    if (endProgramAction())
        endProgramAction()();
    else
        QCoreApplication::exit(0);
}
