#include "cli/headless_host.h"

#include <QDir>

#include "drawing/work_file.h"
#include "editor/listing_rows.h"
#include "editor/program_store.h"

HeadlessHost::HeadlessHost(Surface& surface, Dialogs& dialogs, EventPump& pump,
                           const store::ProgramStore& programs, int entry)
    : surface_(surface),
      dialogs_(dialogs),
      pump_(pump),
      programs_(programs),
      dir_(QDir::tempPath() + QStringLiteral("/tssnc-cli-XXXXXX")) {
    // What the editor shows after choosing the entry: its text in the edit
    // screen, and "number:first line" in Label1.
    editText_ = programs.entryText(entry);
    label1_ = listing::programLabel(entry, programs.entryFirstLine(entry));
}

void HeadlessHost::writeProgramToWorkFile() {
    writeError_.clear();
    programs_.writeWorkFile(label1_, drawing::workFilePath(dir_.path()), &writeError_);
}
