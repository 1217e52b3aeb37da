#pragma once
// The windows of the system are single instances, created on first reference
// (creating one runs its load handler without showing it) and kept until the
// program ends.  These accessors are the one place that creates them: each one
// constructs its window (the constructor builds the controls), registers it,
// and then calls the window's Form_Load(), so a load handler may itself refer to
// any window, including the one being loaded.
#include <QString>

// Every window's caption ends with this.
inline const QString kWindowTitleSuffix = QStringLiteral("  Quorvane/2007.01");

class frmMenu;
class Frm編集;
class frmrs232c;
class frm232cset;
class Dialogs;
class EventPump;
class SerialPort;

// What one window asks of another.  Every window implements it, so windows hand
// each other values through these small calls instead of writing each other's
// controls, and none of them needs another one's header.
class AppWindow {
public:
    virtual ~AppWindow() = default;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    // The machine chosen in the menu: the editor and the transfer window work in
    // its directory.
    virtual void setMachine(const QString& /*name*/) {}
    // The lathe orientation for drawing, "t" or "m" (the editor).
    virtual void setLatheOrientation(const QString& /*tag*/) {}
    // Rapid traverse of the machining time, mm/min (tssnc.ini; 0: the default).
    virtual void setRapidRate(double /*mmPerMin*/) {}
};

enum class WindowId { Menu, Editor, Transfer, Settings };
// A window by its id, created on first reference like the accessors below.
AppWindow& appWindow(WindowId id);
// The serial port of the transfer window (which is loaded on first use).
SerialPort& transferPort();
// Ends the program (what the menu's end does).
void endApplication();

frmMenu& menuWindow();
Frm編集& editorWindow();
frmrs232c& transferWindow();
frm232cset& settingsWindow();

// Which windows exist now (the orderly exit unloads every one but the menu).
bool menuWindowLoaded();
bool editorWindowLoaded();
bool transferWindowLoaded();
bool settingsWindowLoaded();

// The orderly unload of every window but the menu: each one's own unload
// handler runs (the editor saves its edit screen, the settings window applies
// its settings, the transfer window closes its file), then the window is destroyed once control is back in the event loop.
// False, with every window left as it was, when the editor's save offer was
// cancelled.
bool unloadWindowsButMenu();
// The last step of the orderly exit: the menu itself.
void unloadMenuWindow();

// Destroys every window at once, without unload handlers (the end of the
// program, and between tests).
void unloadAllWindows();

// The boxes and the event pump every window uses: Qt boxes and processEvents()
// unless a test installs scripted ones (nullptr restores the Qt ones).
Dialogs& windowDialogs();
void setWindowDialogs(Dialogs* d);
EventPump& windowPump();
void setWindowPump(EventPump* p);
