#pragma once
// The program store: the NC file read into memory, one listing entry per
// program plus the free writing area, the read-out sections with their
// separator lines, the combine marks, and the writers that hand programs to the
// drawing engine (work file) and to saving (marked entries).  QtCore only: the
// editor window, tssnc-cli and the tests all go through this class.
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include "editor/nc_text_file.h"

namespace store {

// Fixed bounds of the tables.
constexpr int kLineTableLast = 20000;   // line table: stored lines 1..20000
constexpr int kStartTableLast = 200;    // start table 0..200 (entry after the last program = end)
constexpr int kMaxPrograms = kStartTableLast - 1;  // 199 programs + the free writing area
constexpr int kButtonCount = 19;        // bookmark buttons Command1(0)..(18)
constexpr int kLinesPerButton = 1000;   // a new button every 1000 stored lines
// A twentieth button would be needed once the line index reaches 19000, i.e.
// after 18,999 stored lines; so at most 18,998 lines are stored.
constexpr int kMaxStoredLines = kButtonCount * kLinesPerButton - 2;
static_assert(kMaxStoredLines <= kLineTableLast);

// Texts of the system.
inline const QString kNoProgramMessage = QStringLiteral("Oを頭にしたファイル名がありませんでした");
inline const QString kFreeAreaName = QStringLiteral("自由書き込み領域");
inline const QString kNoFileLine1 = QStringLiteral("(nofileerr)");
inline const QString kNoFileLine2 = QStringLiteral("M99");
// The free writing area when it has no text yet: LF line ends, no CR.
QString defaultFreeAreaText();
// "((**************** " + number with sign column + " ****************))"
QString separatorLine(int programNumber);
// A line that begins a program: "O" or "$" (after at most one leading blank).
bool isProgramLineStart(const QString& line);

class ProgramStore {
public:
    enum class ReadStatus {
        Read,        // programs found
        NoProgram,   // no program line: header only, message shown
        Refused,     // beyond a bound: nothing kept
        CannotOpen,  // the file could not be read: nothing kept
    };
    struct ReadOutcome {
        ReadStatus status = ReadStatus::Read;
        QString message;  // for a message box; empty when none is due
    };

    ProgramStore();

    // Forgets everything and reads the file.  A file beyond a bound, or one
    // that cannot be read, leaves the store empty (but read, so that callers
    // do not read it again and again) with the reason in the outcome.
    ReadOutcome read(const QString& path);
    // The same from lines already decoded (tests, received text).
    ReadOutcome readLines(const QStringList& fileLines);

    // Back to "not read": tables, sections, marks, texts emptied.
    void clear();
    bool isRead() const { return read_; }
    void forgetRead() { read_ = false; }

    // The file read and its encoding (saving writes the same encoding).
    const QString& path() const { return path_; }
    textenc::Encoding encoding() const { return encoding_; }
    bool hasBom() const { return bom_; }

    // Listing entries 1..programCount(); the last one is the free writing area.
    // 0 when no program was found.
    int programCount() const { return count_; }
    bool isFreeArea(int entry) const { return count_ > 0 && entry == count_; }
    bool isEntry(int entry) const { return entry >= 1 && entry <= count_; }
    // First 20 characters of the entry's first line, or 自由書き込み領域.
    QString entryName(int entry) const;
    QString entryFirstLine(int entry) const;
    // Stored lines of a program entry, from its start line to the line before
    // the next start (no trimming).  Empty for the free area and bad numbers.
    QStringList entryLines(int entry) const;
    // Text the edit screen shows for an entry: its lines each followed by
    // CR LF, the blank lines and closing comment before the next program left
    // out.  The free area gives its text (the default text when empty).
    QString entryText(int entry) const;

    // Free writing area.
    const QString& freeAreaText() const { return freeText_; }
    void setFreeAreaText(const QString& t) { freeText_ = t; }
    // The text the free area shows: its own, or the default when empty.
    QString effectiveFreeAreaText() const;

    // Combine marks of entries 1..programCount().
    bool isMarked(int entry) const;
    void setMarked(int entry, bool on);
    void toggleMark(int entry);
    void markAll();
    void unmarkAll();
    bool anyMarked() const;
    QList<int> markedEntries() const;

    // Read-out screen.
    const QString& headerText() const { return header_; }
    // Caption of bookmark button k (0..18): the number of its first program
    // with a leading blank (" 1"), empty when the button is hidden.
    QString buttonCaption(int k) const;
    int buttonProgram(int k) const;  // 0 when hidden
    int visibleButtonCount() const;
    QString sectionText(int k) const;
    // Header followed by sections 0..18; lines end with LF.
    QString readoutText() const;

    // Work file for the drawing engine (command 7200): the lines of the first
    // program whose first line begins with `name`; "(nofileerr)", "M99" when
    // none does.
    QStringList workFileLines(const QString& name) const;
    bool writeWorkFile(const QString& name, const QString& filePath, QString* error = nullptr) const;

    // Marked entries in listing order (command 9998): each program's lines
    // followed by CR LF; for the free area its text, line ends made CR LF.
    QString markedText() const;

    // Stored lines (1-based) and start table, for the window and tests.
    int storedLineCount() const { return int(lines_.size()) - 1; }
    QString line(int index) const;
    int startLine(int entry) const;  // entry 1..programCount(); programCount() = end

private:
    ReadOutcome refuse(const QString& message);
    void buildSections();
    int sectionStart(int k) const;
    bool beginsParen(int index) const;

    bool read_ = false;
    QString path_;
    textenc::Encoding encoding_ = textenc::Encoding::Utf8;
    bool bom_ = false;
    QStringList lines_;       // index 0 unused
    QVector<int> starts_;     // 0..kStartTableLast
    QVector<bool> marks_;     // 0..kStartTableLast
    int count_ = 0;
    int buttons_[kButtonCount] = {};
    QStringList sections_;    // kButtonCount texts
    QString header_;
    QString freeText_;
};

}  // namespace store
