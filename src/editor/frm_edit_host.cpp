// Frm編集 as the host of a drawing run: its surface, work folder, edit text,
// and the hiding and showing of its controls around a run.
#include <QAction>
#include <QMenuBar>
#include "editor/frm_edit.h"
#include "platform/gui_image_surface.h"
#include "platform/program_dir.h"

Surface& Frm編集::surface() {
    if (surfaceOverride_) return *surfaceOverride_;
    return *image_;
}

void Frm編集::setSurface(Surface* s) { surfaceOverride_ = s; }

QString Frm編集::workDir() { return programDir(); }

QString Frm編集::editText() { return RichTextBox2->text(); }

QString Frm編集::programName() { return Label1->caption(); }

void Frm編集::setProgramName(const QString& name) { Label1->setCaption(name); }

void Frm編集::writeProgramToWorkFile() {
    short code = 7200;
    fileload(code);
}

void Frm編集::hideControls() {
    for (QWidget* c : controls()) c->hide();
    for (QAction* a : menuItems()) a->setVisible(false);
    menuBar()->hide();
    // With every control hidden the window itself holds the focus (its keys go to
    // Form_KeyDown), and the screens are taken as they stand.
    setFocus();
    Form_GotFocus();
}

void Frm編集::showControls() { showEveryControl(true); }

void Frm編集::focusEditScreen() { RichTextBox2->setFocus(); }

void Frm編集::focusListing() { Text2->setFocus(); }

void Frm編集::flush() { centralWidget()->repaint(); }
