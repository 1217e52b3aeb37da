// Frm編集: the search dialogs.  Placeholders until they land: no search
// dialog exists to show or hide.
#include "editor/frm_edit.h"

void Frm編集::検索_Click() {}
void Frm編集::読出しファイル内検索_Click() {}
void Frm編集::myhide() {}
