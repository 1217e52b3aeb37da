// Frm編集: the drawing run.  Placeholders until the drawing engine lands: the
// menu item "描画" draws nothing yet.
#include "editor/frm_edit.h"

void Frm編集::描画_Click() {}

void Frm編集::Form_KeyDown(int& keyCode, int shift) {
    (void)keyCode;
    (void)shift;
}

void Frm編集::drawingMouseDown(int button, int shift, double x, double y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
}
