#pragma once
// The boxes of a headless drawing run, answered without an operator:
//  - the orientation prompt by the chosen lathe ("t" or "m");
//  - every later box by the next line of the answers file, while lines are left
//    (input boxes take the line as typed, yes/no boxes take y/yes or n/no);
//  - then by defaults: an input box its default answer, except the end-of-text
//    prompt, answered "N" so that the run ends; the question whether to leave
//    drawing mode answered Yes.
// Every box is written as a trace line in the order it is shown.
#include <QStringList>
#include <functional>
#include "platform/dialogs.h"

class AutoDialogs : public Dialogs {
public:
    using LineSink = std::function<void(const QString&)>;

    AutoDialogs(QString lathe, QStringList answers);

    // Receives `message "TEXT"`, `input "P" "D" -> "A"` and `yesno "T" -> yes|no` lines.
    void setTraceSink(LineSink sink) { trace_ = std::move(sink); }
    // Called with the text of every OK box (the messages of the engine).
    void setOnMessage(std::function<void(const QString&)> f) { onMessage_ = std::move(f); }
    // Called as each box comes up, before it is answered.
    void setOnBox(std::function<void()> f) { onBox_ = std::move(f); }
    // Receives complaints about answers lines that do not fit their box.
    void setWarningSink(LineSink sink) { warn_ = std::move(sink); }

    void message(const QString& text) override;
    bool askYesNo(const QString& text, const QString& title) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultAnswer,
                  double x, double y) override;
    // No file boxes in a headless run: they are cancelled.
    FileChoice openFile(const QString& initialDir, const QString& filter,
                        const QString& title) override;
    FileChoice saveFile(const QString& initialDir, const QString& filter, const QString& title,
                        const QString& proposedName) override;

    // Answers lines not used yet (a click line is taken by the headless pump).
    bool hasAnswer() const { return next_ < answers_.size(); }
    const QString& peekAnswer() const { return answers_[next_]; }
    QString takeAnswer() { return answers_[next_++]; }
    int answerLineNumber() const { return next_ + 1; }
    int unusedAnswers() const { return int(answers_.size()) - next_; }

    int messageCount() const { return messages_; }

    // The texts that pick the built-in answers.
    static bool isOrientationPrompt(const QString& prompt);
    static bool isEndOfTextPrompt(const QString& prompt);

private:
    void emitTrace(const QString& line);
    QString lathe_;
    QStringList answers_;
    int next_ = 0;
    bool orientationAnswered_ = false;
    int messages_ = 0;
    LineSink trace_;
    LineSink warn_;
    std::function<void(const QString&)> onMessage_;
    std::function<void()> onBox_;
};
