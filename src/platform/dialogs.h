#pragma once
// Every box the system shows goes through this interface, so the window, the
// command-line tool and the tests show (or answer) them the same way.
#include <QString>

struct FileChoice {
    bool cancelled = true;  // the dialog's distinct cancel result
    QString path;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // OK box with the application title.
    virtual void message(const QString& text) = 0;
    virtual bool askYesNo(const QString& text, const QString& title) = 0;
    // Input box at (x, y) twips on the screen; empty string on Cancel.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultAnswer, double x, double y) = 0;
    // filter: pairs "description|pattern|description|pattern|".
    virtual FileChoice openFile(const QString& initialDir, const QString& filter,
                                const QString& title) = 0;
    virtual FileChoice saveFile(const QString& initialDir, const QString& filter,
                                const QString& title, const QString& proposedName) = 0;
};
