// An arbitrary file read into the program store, and everything the editor
// shows of it: every listing entry and row, its text and lines, the work file
// of each program, the read-out sections and the combined text of all entries.
#include <QFile>
#include <QTemporaryDir>

#include "editor/listing_rows.h"
#include "editor/program_store.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzsupport::ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.nc"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(fuzzsupport::bytes(data, size));
    }
    store::ProgramStore st;
    (void)st.read(path);
    for (int e = 1; e <= st.programCount(); ++e) {
        (void)st.entryName(e);
        (void)st.entryText(e);
        (void)st.entryLines(e);
        const QString first = st.entryFirstLine(e);
        (void)st.workFileLines(first.left(5));
        (void)st.startLine(e);
        (void)listing::programLabel(e, st.entryName(e));
    }
    (void)listing::rows(st, 1, false, listing::kRoomyRows);
    (void)listing::rows(st, st.programCount(), true, listing::kTightRows);
    for (int k = 0; k < store::kButtonCount; ++k) {
        (void)st.buttonCaption(k);
        (void)st.buttonProgram(k);
        (void)st.sectionText(k);
    }
    (void)st.readoutText();
    st.markAll();
    (void)st.markedText();
    return 0;
}
