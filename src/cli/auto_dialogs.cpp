#include "cli/auto_dialogs.h"

#include "platform/recording_surface.h"

namespace {
const QString kOrientationHead = QStringLiteral("描画モード");
const QString kEndOfTextHead = QStringLiteral("描画完了 描画を続けますか Y or N");
}  // namespace

AutoDialogs::AutoDialogs(QString lathe, QStringList answers)
    : lathe_(std::move(lathe)), answers_(std::move(answers)) {}

bool AutoDialogs::isOrientationPrompt(const QString& prompt) {
    // "描画モード", a line feed, the program name, ...: the question whether to
    // leave drawing mode begins with the same word but has no line break after it.
    if (!prompt.startsWith(kOrientationHead)) return false;
    if (prompt.size() == kOrientationHead.size()) return false;
    QChar next = prompt[kOrientationHead.size()];
    return next == u'\r' || next == u'\n';
}

bool AutoDialogs::isEndOfTextPrompt(const QString& prompt) {
    return prompt.startsWith(kEndOfTextHead);
}

void AutoDialogs::emitTrace(const QString& line) {
    if (trace_) trace_(line);
}

void AutoDialogs::message(const QString& text) {
    if (onBox_) onBox_();
    ++messages_;
    emitTrace(QStringLiteral("message ") + trace::quoted(text));
    if (onMessage_) onMessage_(text);
}

bool AutoDialogs::askYesNo(const QString& text, const QString&) {
    if (onBox_) onBox_();
    // The only question of a run is whether to leave drawing mode: Yes by default,
    // so that a headless run always comes to an end.
    bool yes = true;
    if (hasAnswer()) {
        const int lineNo = answerLineNumber();
        const QString a = takeAnswer().trimmed().toLower();
        if (a == u"y" || a == u"yes") {
            yes = true;
        } else if (a == u"n" || a == u"no") {
            yes = false;
        } else if (warn_) {
            warn_(QStringLiteral("answers line %1: \"%2\" is no answer to a yes/no question; "
                                 "answered yes")
                      .arg(lineNo)
                      .arg(a));
        }
    }
    emitTrace(QStringLiteral("yesno %1 -> %2")
                  .arg(trace::quoted(text), yes ? QStringLiteral("yes") : QStringLiteral("no")));
    return yes;
}

QString AutoDialogs::input(const QString& prompt, const QString&, const QString& defaultAnswer,
                           double, double) {
    if (onBox_) onBox_();
    QString answer;
    if (!orientationAnswered_ && isOrientationPrompt(prompt)) {
        orientationAnswered_ = true;
        answer = lathe_;
    } else if (hasAnswer()) {
        answer = takeAnswer();
    } else if (isEndOfTextPrompt(prompt)) {
        answer = QStringLiteral("N");
    } else {
        answer = defaultAnswer;
    }
    emitTrace(QStringLiteral("input %1 %2 -> %3")
                  .arg(trace::quoted(prompt), trace::quoted(defaultAnswer), trace::quoted(answer)));
    return answer;
}

FileChoice AutoDialogs::openFile(const QString&, const QString&, const QString&) { return {}; }

FileChoice AutoDialogs::saveFile(const QString&, const QString&, const QString&, const QString&) {
    return {};
}
