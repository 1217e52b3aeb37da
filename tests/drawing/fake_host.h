#pragma once
// A headless window for drawing runs: a recording surface of the default size
// (1920 x 1080 px at 15 twips a pixel), scripted dialogs and pump, a private
// folder for the work file, and a log of what the run asked of the window.
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QTemporaryDir>

#include "drawing/drawing_host.h"
#include "drawing/work_file.h"
#include "platform/event_pump.h"
#include "platform/recording_surface.h"
#include "platform/scripted_dialogs.h"

class FakeHost : public DrawingHost {
public:
    explicit FakeHost(double w = 28800, double h = 16200) : surf(w, h, w, h) {}

    Surface& surface() override { return surf; }
    Dialogs& dialogs() override { return dlg; }
    EventPump& pump() override { return pmp; }
    QString workDir() override { return dir.path(); }
    QString editText() override { return text; }
    QString programName() override { return name; }
    void setProgramName(const QString& n) override {
        name = n;
        log << QStringLiteral("name ") + n;
    }
    // Writes programs[name] (or the "(nofileerr)" program) as the listing would.
    void writeProgramToWorkFile() override {
        log << QStringLiteral("7200 ") + name;
        drawing::writeWorkFile(dir.path(), programs.value(
                                               name, QStringLiteral("(nofileerr)\r\nM99")));
    }
    void hideControls() override { log << QStringLiteral("hide"); }
    void showControls() override { log << QStringLiteral("show"); }
    void focusEditScreen() override { log << QStringLiteral("focus edit"); }
    void focusListing() override { log << QStringLiteral("focus listing"); }
    void flush() override { ++flushes; }
    void editLayout() override { log << QStringLiteral("edit layout"); }
    void hideSearchDialogs() override { log << QStringLiteral("hide dialogs"); }

    // Program lines joined as the edit screen holds them.
    void setProgram(const QStringList& lines) { text = lines.join(QStringLiteral("\r\n")); }
    bool workFileLeft() const { return QFile::exists(drawing::workFilePath(dir.path())); }

    RecordingSurface surf;
    ScriptedDialogs dlg;
    ScriptedPump pmp;
    QTemporaryDir dir;
    QString text;
    QString name = QStringLiteral("O0001");
    QMap<QString, QString> programs;
    QStringList log;
    int flushes = 0;
};
