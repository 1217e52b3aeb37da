#include "platform/scripted_dialogs.h"

void ScriptedDialogs::record(Shown s) {
    shown_.append(s);
    if (onShown_) onShown_(shown_.last());
}

void ScriptedDialogs::message(const QString& text) {
    Shown s{Shown::Message, text, {}, {}, {}, 0, 0, {}};
    record(s);
}

bool ScriptedDialogs::askYesNo(const QString& text, const QString& title) {
    bool yes = yesNos_.isEmpty() ? yesNoFallback_ : yesNos_.takeFirst();
    Shown s{Shown::YesNo, text, title, {}, yes ? QStringLiteral("yes") : QStringLiteral("no"), 0, 0,
            {}};
    record(s);
    return yes;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultAnswer, double x, double y) {
    QString answer = inputs_.isEmpty() ? defaultAnswer : inputs_.takeFirst();
    Shown s{Shown::Input, prompt, title, defaultAnswer, answer, x, y, {}};
    record(s);
    return answer;
}

FileChoice ScriptedDialogs::openFile(const QString& initialDir, const QString& filter,
                                     const QString& title) {
    FileChoice c;
    QString path = files_.isEmpty() ? QString() : files_.takeFirst();
    c.cancelled = path.isEmpty();
    c.path = path;
    Shown s{Shown::OpenFile, filter, title, {}, path, 0, 0, initialDir};
    s.initialDir = initialDir;
    record(s);
    return c;
}

FileChoice ScriptedDialogs::saveFile(const QString& initialDir, const QString& filter,
                                     const QString& title, const QString& proposedName) {
    FileChoice c;
    QString path = files_.isEmpty() ? QString() : files_.takeFirst();
    c.cancelled = path.isEmpty();
    c.path = path;
    Shown s{Shown::SaveFile, filter, title, proposedName, path, 0, 0, initialDir};
    s.initialDir = initialDir;
    record(s);
    return c;
}

QStringList ScriptedDialogs::messages() const {
    QStringList out;
    for (const auto& s : shown_)
        if (s.kind == Shown::Message) out << s.text;
    return out;
}
