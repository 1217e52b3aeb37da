#pragma once
// What a transfer shows while it runs.  The transfer window prints it on its
// surface and its one-line box; the command-line tool writes it to stderr.
#include <QString>

class TransferView {
public:
    virtual ~TransferView() = default;
    // Text printed in the print area; lineEnd ends the printed line after it.
    virtual void print(const QString& text, bool lineEnd) = 0;
    // The print area cleared, printing starts again at its top.
    virtual void clearPrintArea() = 0;
    // The one-line note box: the program-number line being received, or the
    // name of a port event.
    virtual void setNote(const QString& text) = 0;
    virtual QString note() const = 0;
};
