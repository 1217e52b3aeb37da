// tssnc: the main menu first; a second copy on the same program directory ends
// at once, silently.
#include <QApplication>
#include "app/frm_menu.h"
#include "app/single_instance.h"
#include "app/windows.h"
#include "platform/gui_fonts.h"
#include "platform/gui_qt_japanese.h"
#include "platform/program_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tssnc"));
    if (!acquireSingleInstance()) return 0;
    // An installed copy starts its first run on the demo workspace.
    prepareWorkspace();
    // Every box and dialog in the face the screens were laid out for.
    QApplication::setFont(uiFont(9));
    installQtJapanese();
    // Hidden windows (the editor, the transfer window) must not end the program
    // when the last visible one closes; only the menu's exit does.
    QApplication::setQuitOnLastWindowClosed(false);
    frmMenu& menu = menuWindow();
    int status = 0;
    if (menuWindowLoaded()) {
        menu.show();
        status = QApplication::exec();
    }
    unloadAllWindows();
    releaseSingleInstance();
    return status;
}
