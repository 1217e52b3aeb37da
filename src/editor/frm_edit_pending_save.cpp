// Frm編集: saving and the search dialogs.  Placeholders until those land:
// nothing is saved yet and no search dialog exists to hide.
#include "editor/frm_edit.h"

void Frm編集::mysave() {}
void Frm編集::保存_Click() {}
void Frm編集::読出し画面保存_Click() {}
void Frm編集::検索_Click() {}
void Frm編集::読出しファイル内検索_Click() {}
void Frm編集::myhide() {}
