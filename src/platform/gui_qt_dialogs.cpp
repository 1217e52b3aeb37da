#include "platform/gui_qt_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QInputDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QScreen>
#include "platform/file_filter.h"
#include "platform/gui_fonts.h"
#include "platform/gui_twips.h"

namespace {

// The dialog names a file's type from its content, and an NC file beginning
// with "%" comes out as a "MATLAB file": name files by their extension instead.
class ExtensionTypes : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        if (info.isDir()) return QFileIconProvider::type(info);
        if (info.suffix().isEmpty()) return QStringLiteral("ファイル");
        return info.suffix().toUpper() + QStringLiteral(" ファイル");
    }
};

FileChoice runFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& dir,
                         const QString& filter, const QString& title, const QString& name) {
    ExtensionTypes types;  // outlives the dialog
    QFileDialog d(parent, title, dir);
    d.setIconProvider(&types);
    d.setAcceptMode(mode);
    d.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
    // Each description is shown as written ("ファイル (*.sp2)"): the extension
    // it names is what tells the operator's choices apart.
    QStringList filters = qtNameFilters(filter);
    if (!filters.isEmpty()) {
        d.setNameFilters(filters);
        d.selectNameFilter(filters.first());
    }
    if (!name.isEmpty()) d.selectFile(name);
    FileChoice c;
    if (d.exec() == QDialog::Accepted && !d.selectedFiles().isEmpty()) {
        c.path = QDir::toNativeSeparators(d.selectedFiles().first());
        c.cancelled = c.path.isEmpty();
    }
    return c;
}

// Room of the input box around its text field, and of a window title beside
// the window manager's buttons and icon (pixels).
constexpr int kInputBoxMarginPx = 60;
constexpr int kTitleButtonsPx = 160;

}  // namespace

QtDialogs::QtDialogs(QWidget* parent, const QString& title) : parent_(parent), title_(title) {}

QWidget* QtDialogs::parentWidget() const {
    if (parent_ && parent_->isVisible()) return parent_;
    return QApplication::activeWindow();
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title_, text, QMessageBox::Ok, parentWidget());
    box.setFont(uiFont(9));
    box.exec();
}

bool QtDialogs::askYesNo(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? title_ : title, text,
                    QMessageBox::Yes | QMessageBox::No, parentWidget());
    box.setFont(uiFont(9));
    return box.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(const QString& prompt, const QString& title,
                         const QString& defaultAnswer, double x, double y) {
    QInputDialog d(parentWidget());
    d.setWindowTitle(title.isEmpty() ? title_ : title);
    // The label has the text field as its buddy, so a single "&" would be taken
    // as an access-key marker and vanish ("I位置&倍率初期化"): double every one.
    d.setLabelText(QString(prompt).replace(u'&', QStringLiteral("&&")));
    d.setTextValue(defaultAnswer);
    d.setFont(uiFont(9));
    // Wide enough for a whole path in the box and for the title beside the
    // window's buttons, within the screen.
    const QFontMetrics fm(d.font());
    const int wanted = qMax(fm.horizontalAdvance(defaultAnswer) + kInputBoxMarginPx,
                            fm.horizontalAdvance(d.windowTitle()) + kTitleButtonsPx);
    const int screenWidth = d.screen() ? d.screen()->availableGeometry().width() : wanted;
    d.resize(qMin(qMax(d.sizeHint().width(), wanted), screenWidth), d.sizeHint().height());
    d.move(twips::px(x), twips::px(y));
    if (d.exec() != QDialog::Accepted) return {};
    return d.textValue();
}

FileChoice QtDialogs::openFile(const QString& initialDir, const QString& filter,
                               const QString& title) {
    return runFileDialog(parentWidget(), QFileDialog::AcceptOpen, initialDir, filter, title, {});
}

FileChoice QtDialogs::saveFile(const QString& initialDir, const QString& filter,
                               const QString& title, const QString& proposedName) {
    return runFileDialog(parentWidget(), QFileDialog::AcceptSave, initialDir, filter, title,
                         proposedName);
}
