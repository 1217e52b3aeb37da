#pragma once
// Dialogs for tests: answers are queued beforehand; every box shown is recorded
// so that a test can assert the exact text.  A box without a queued answer gets
// its default (input: the default answer; yes/no: the fallback; file: cancel).
#include <QList>
#include <QStringList>
#include <functional>
#include "platform/dialogs.h"

class ScriptedDialogs : public Dialogs {
public:
    struct Shown {
        enum Kind { Message, YesNo, Input, OpenFile, SaveFile } kind;
        QString text;      // message, question, prompt, or file-dialog filter
        QString title;
        QString defaultAnswer;  // input default, or save proposed name
        QString answer;    // what was answered ("yes"/"no" for YesNo)
        double x = 0, y = 0;    // input position
        QString initialDir;
    };

    void message(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultAnswer,
                  double x, double y) override;
    FileChoice openFile(const QString& initialDir, const QString& filter,
                        const QString& title) override;
    FileChoice saveFile(const QString& initialDir, const QString& filter, const QString& title,
                        const QString& proposedName) override;

    // Answers, consumed in order by the box kind they fit.
    void queueInput(const QString& answer) { inputs_.append(answer); }
    void queueYesNo(bool yes) { yesNos_.append(yes); }
    void queueFile(const QString& path) { files_.append(path); }  // empty = cancel
    void setYesNoFallback(bool yes) { yesNoFallback_ = yes; }
    // Called after each box is recorded (tests use it to act "while" a box is up).
    void setOnShown(std::function<void(const Shown&)> f) { onShown_ = std::move(f); }

    const QList<Shown>& shown() const { return shown_; }
    QStringList messages() const;  // texts of the OK boxes, in order
    void clearShown() { shown_.clear(); }

private:
    void record(Shown s);
    QStringList inputs_;
    QList<bool> yesNos_;
    QStringList files_;
    bool yesNoFallback_ = false;
    QList<Shown> shown_;
    std::function<void(const Shown&)> onShown_;
};
