// Frm編集: saving.  Placeholders until it lands: nothing is saved yet.
#include "editor/frm_edit.h"

void Frm編集::mysave() {}
void Frm編集::保存_Click() {}
void Frm編集::読出し画面保存_Click() {}
