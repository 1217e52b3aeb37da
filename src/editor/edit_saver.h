#pragma once
// Saving from the editor window: the edit screen (or the marked programs in
// combine mode) under a name taken from the first line, the save offer made
// before the edit screen is replaced, and the edited read-out screen saved as a
// cleaned copy of its file.  Files are written in the encoding the file read
// came in, CR LF line ends, through a temporary file and a rename; a write
// that fails is reported and nothing counts as saved.  QtCore only.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>

#include "editor/nc_text_file.h"
#include "editor/save_window.h"

class EditSaver {
public:
    using Clock = std::function<QDateTime()>;
    using Writer = std::function<nctext::WriteResult(const QString&, const QByteArray&)>;

    explicit EditSaver(SaveWindow& w);

    // Replacements for tests; an empty function restores the real one.
    void setClock(Clock c);
    void setWriter(Writer wr);

    // The explicit save of the edit screen, or of the marked programs while
    // combine mode is on (menu "&S編集画面保存").
    void save();

    // The save offer before the edit screen is replaced or the window closes.
    // True when the caller may go on (nothing to save, the operator declined,
    // or the text was saved); false when the edit must stay where it is (the
    // save dialog was cancelled or the write failed).
    bool offerSave();

    // The edited read-out screen saved as a cleaned copy under a new name.
    // Returns the path written (for the window to read it), empty when nothing
    // was written.
    QString saveReadout();

private:
    struct Written {
        bool ok = false;
        int errorNumber = 0;  // for the explicit save's message
        QString message;
    };
    // Text (line ends made CR LF) in the encoding of the file read.
    Written write(const QString& path, const QString& text);
    void setSaved(const QString& path);

    SaveWindow& w_;
    Clock clock_;
    Writer writer_;
};
