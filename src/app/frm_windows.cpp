// The single instances of the windows, created on first reference.
#include <QCoreApplication>
#include <QPointer>
#include "app/frm_menu.h"
#include "app/windows.h"
#include "platform/gui_event_pump.h"
#include "platform/gui_qt_dialogs.h"
#include "editor/frm_edit.h"
#include "serial/frm_232cset.h"
#include "serial/frm_rs232c.h"

namespace {

struct Registry {
    QPointer<frmMenu> menu;
    QPointer<QWidget> editorWidget;
    Frm編集* editor = nullptr;
    QPointer<frmrs232c> transfer;
    QPointer<frm232cset> settings;
    Dialogs* dialogs = nullptr;
    EventPump* pump = nullptr;
};

Registry& reg() {
    static Registry r;
    return r;
}

}  // namespace

frmMenu& menuWindow() {
    Registry& r = reg();
    if (!r.menu) {
        r.menu = new frmMenu();
        r.menu->Form_Load();
    }
    return *r.menu;
}

frmrs232c& transferWindow() {
    Registry& r = reg();
    if (!r.transfer) {
        r.transfer = new frmrs232c();
        r.transfer->Form_Load();
    }
    return *r.transfer;
}

frm232cset& settingsWindow() {
    Registry& r = reg();
    if (!r.settings) {
        r.settings = new frm232cset();
        r.settings->Form_Load();
    }
    return *r.settings;
}

Frm編集& editorWindow() {
    Registry& r = reg();
    if (!r.editorWidget) {
        r.editor = new Frm編集();
        r.editorWidget = r.editor;
        r.editor->Form_Load();
    }
    return *r.editor;
}

bool menuWindowLoaded() { return !reg().menu.isNull(); }
bool editorWindowLoaded() { return !reg().editorWidget.isNull(); }
bool transferWindowLoaded() { return !reg().transfer.isNull(); }
bool settingsWindowLoaded() { return !reg().settings.isNull(); }

AppWindow& appWindow(WindowId id) {
    switch (id) {
    case WindowId::Menu: return menuWindow();
    case WindowId::Editor: return editorWindow();
    case WindowId::Transfer: return transferWindow();
    case WindowId::Settings: return settingsWindow();
    }
    return menuWindow();
}

SerialPort& transferPort() { return transferWindow().port(); }

void endApplication() { frmMenu::endProgram(); }

bool unloadWindowsButMenu() {
    Registry& r = reg();
    // In load order of the start-up: the editor, then the transfer window; the
    // settings window before the transfer window, whose port it sets.
    if (r.editorWidget) {
        Frm編集* e = r.editor;
        // The operator kept an unsaved edit: nothing is unloaded.
        if (!e->Form_Unload()) return false;
        r.editorWidget = nullptr;
        r.editor = nullptr;
        e->hide();
        // A handler of the editor may still be on the stack (a drawing run).
        e->deleteLater();
    }
    if (r.settings) {
        frm232cset* s = r.settings;
        r.settings = nullptr;
        s->Form_Unload();
        s->hide();
        s->deleteLater();
    }
    if (r.transfer) {
        frmrs232c* t = r.transfer;
        r.transfer = nullptr;
        t->Form_Unload();
        t->hide();
        t->deleteLater();
    }
    return true;
}

void unloadMenuWindow() {
    Registry& r = reg();
    if (r.menu) {
        frmMenu* m = r.menu;
        r.menu = nullptr;
        m->hide();
        m->deleteLater();
    }
}

void unloadAllWindows() {
    Registry& r = reg();
    delete r.editorWidget.data();
    r.editor = nullptr;
    delete r.settings.data();
    delete r.transfer.data();
    delete r.menu.data();
    // Windows unloaded in order earlier wait for the event loop; finish them now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Dialogs& windowDialogs() {
    Registry& r = reg();
    if (r.dialogs) return *r.dialogs;
    static QtDialogs qt;
    return qt;
}

void setWindowDialogs(Dialogs* d) { reg().dialogs = d; }

EventPump& windowPump() {
    Registry& r = reg();
    if (r.pump) return *r.pump;
    static QtEventPump qt;
    return qt;
}

void setWindowPump(EventPump* p) { reg().pump = p; }
