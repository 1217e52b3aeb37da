#pragma once
// The windows of the system are single instances, created on first reference
// (creating one runs its load handler without showing it) and kept until the
// program ends.  These accessors are the one place that creates them.

class frmMenu;
class Frm編集;
class frmrs232c;

frmMenu& menuWindow();
Frm編集& editorWindow();
frmrs232c& transferWindow();

// Which windows exist now (the orderly exit unloads every one but the menu).
bool menuWindowLoaded();
bool editorWindowLoaded();
bool transferWindowLoaded();

// Destroys every window (the end of the program, and between tests).
void unloadAllWindows();
