#include "editor/program_store.h"

#include "drawing/number_text.h"

namespace store {

QString defaultFreeAreaText() {
    return QStringLiteral("O0999\n(自由書き込み領域)\nM30\n");
}

QString separatorLine(int programNumber) {
    return QStringLiteral("((**************** ") + nt::str(programNumber) +
           QStringLiteral(" ****************))");
}

bool isProgramLineStart(const QString& line) {
    return line.startsWith(u'O') || line.startsWith(u'$') || line.startsWith(QStringLiteral(" O")) ||
           line.startsWith(QStringLiteral(" $"));
}

namespace {

bool beginsProgram(const QString& stored) { return stored.startsWith(u'O') || stored.startsWith(u'$'); }

// The stored form of a program-part line: a leading line feed, or the blank of
// " O" / " $", is dropped (repeatedly) unless nothing would be left.
QString storedForm(QString line) {
    while (line.startsWith(u'\n') || line.startsWith(QStringLiteral(" O")) ||
           line.startsWith(QStringLiteral(" $"))) {
        if (line.size() <= 1) break;
        line.remove(0, 1);
    }
    return line;
}

// The last stored line ends the last program only when it is the tape end "%"
// (or blank); a file without one keeps its last program line.
bool isTapeEndOrBlank(const QString& line) {
    const QString t = line.trimmed();
    return t.isEmpty() || t.startsWith(u'%');
}

}  // namespace

ProgramStore::ProgramStore() { clear(); }

void ProgramStore::clear() {
    read_ = false;
    lines_ = QStringList{QString()};
    starts_ = QVector<int>(kStartTableLast + 1, 0);
    marks_ = QVector<bool>(kStartTableLast + 1, false);
    count_ = 0;
    for (int& b : buttons_) b = 0;
    sections_ = QStringList();
    for (int k = 0; k < kButtonCount; ++k) sections_.append(QString());
    header_.clear();
    freeText_.clear();
}

ProgramStore::ReadOutcome ProgramStore::refuse(const QString& message) {
    const QString keepPath = path_;
    const auto keepEnc = encoding_;
    const bool keepBom = bom_;
    clear();
    read_ = true;
    path_ = keepPath;
    encoding_ = keepEnc;
    bom_ = keepBom;
    return {ReadStatus::Refused, message};
}

ProgramStore::ReadOutcome ProgramStore::read(const QString& filePath) {
    nctext::ReadResult r = nctext::readLines(filePath);
    if (!r.ok) {
        clear();
        read_ = true;
        path_ = filePath;
        return {ReadStatus::CannotOpen, r.error};
    }
    ReadOutcome out = readLines(r.lines);
    path_ = filePath;
    encoding_ = r.encoding;
    bom_ = r.bom;
    return out;
}

ProgramStore::ReadOutcome ProgramStore::readLines(const QStringList& fileLines) {
    clear();
    read_ = true;
    path_.clear();
    encoding_ = textenc::Encoding::Utf8;
    bom_ = false;

    // Header: the lines before the first program line.
    qsizetype pos = 0;
    while (pos < fileLines.size() && !isProgramLineStart(fileLines.at(pos))) {
        header_ += fileLines.at(pos);
        header_ += u'\n';
        ++pos;
    }
    if (pos >= fileLines.size()) return {ReadStatus::NoProgram, kNoProgramMessage};

    // Programs.
    int counter = 1;
    int index = 1;
    buttons_[0] = 1;
    for (; pos < fileLines.size(); ++pos) {
        const QString stored = storedForm(fileLines.at(pos));
        if (beginsProgram(stored)) {
            if (counter > kMaxPrograms)
                return refuse(QStringLiteral("プログラムの数が多すぎます（1ファイル最大%1本）\n"
                                             "このファイルは読み込めません")
                                  .arg(kMaxPrograms));
            starts_[counter] = index;
            ++counter;
        }
        lines_.append(stored);
        ++index;
        if (index % kLinesPerButton == 0) {
            const int k = index / kLinesPerButton;
            if (k >= kButtonCount)
                return refuse(QStringLiteral("行数が多すぎます（プログラム部分は最大%1行）\n"
                                             "このファイルは読み込めません")
                                  .arg(kMaxStoredLines));
            buttons_[k] = counter - 1;
        }
    }
    count_ = counter;
    const int last = index - 1;
    starts_[count_] = isTapeEndOrBlank(lines_.at(last)) ? last : index;
    buildSections();
    return {ReadStatus::Read, QString()};
}

QString ProgramStore::line(int index) const {
    if (index < 1 || index >= lines_.size()) return QString();
    return lines_.at(index);
}

int ProgramStore::startLine(int entry) const {
    if (entry < 1 || entry > count_) return 0;
    return starts_[entry];
}

bool ProgramStore::beginsParen(int index) const { return line(index).startsWith(u'('); }

QString ProgramStore::entryFirstLine(int entry) const {
    if (!isEntry(entry)) return QString();
    if (isFreeArea(entry)) return kFreeAreaName;
    return line(starts_[entry]);
}

QString ProgramStore::entryName(int entry) const {
    if (!isEntry(entry)) return QString();
    if (isFreeArea(entry)) return kFreeAreaName;
    return line(starts_[entry]).left(20);
}

QStringList ProgramStore::entryLines(int entry) const {
    if (!isEntry(entry) || isFreeArea(entry)) return {};
    return lines_.mid(starts_[entry], starts_[entry + 1] - starts_[entry]);
}

QString ProgramStore::entryText(int entry) const {
    if (!isEntry(entry)) return QString();
    if (isFreeArea(entry)) return effectiveFreeAreaText();
    const int s = starts_[entry];
    const int e = starts_[entry + 1] - 1;
    int end = e;
    // Blank lines and the comment line that introduce the next program belong
    // to it, not to this one.
    if (beginsParen(e)) {
        for (int j = qMax(s, e - 3); j <= e; ++j) {
            bool allEmpty = true;
            for (int m = j; m < e; ++m)
                if (!line(m).isEmpty()) { allEmpty = false; break; }
            if (allEmpty) { end = j - 1; break; }
        }
    }
    QString text;
    for (int i = s; i <= end; ++i) {
        text += line(i);
        text += QStringLiteral("\r\n");
    }
    return text;
}

QString ProgramStore::effectiveFreeAreaText() const {
    return freeText_.isEmpty() ? defaultFreeAreaText() : freeText_;
}

bool ProgramStore::isMarked(int entry) const { return isEntry(entry) && marks_[entry]; }

void ProgramStore::setMarked(int entry, bool on) {
    if (isEntry(entry)) marks_[entry] = on;
}

void ProgramStore::toggleMark(int entry) {
    if (isEntry(entry)) marks_[entry] = !marks_[entry];
}

void ProgramStore::markAll() {
    for (int i = 1; i <= count_; ++i) marks_[i] = true;
}

void ProgramStore::unmarkAll() {
    for (int i = 0; i <= kStartTableLast; ++i) marks_[i] = false;
}

bool ProgramStore::anyMarked() const {
    for (int i = 1; i <= count_; ++i)
        if (marks_[i]) return true;
    return false;
}

QList<int> ProgramStore::markedEntries() const {
    QList<int> out;
    for (int i = 1; i <= count_; ++i)
        if (marks_[i]) out.append(i);
    return out;
}

QString ProgramStore::buttonCaption(int k) const {
    const int p = buttonProgram(k);
    return p >= 1 ? nt::str(p) : QString();
}

int ProgramStore::buttonProgram(int k) const {
    if (k < 0 || k >= kButtonCount) return 0;
    return buttons_[k];
}

int ProgramStore::visibleButtonCount() const {
    int n = 0;
    while (n < kButtonCount && buttons_[n] >= 1) ++n;
    return n;
}

// First stored line of section k: the start of its first program, or, when a
// program longer than 1000 lines carries several buttons, the line at which
// the button was set (so every section holds its own part of the file).
int ProgramStore::sectionStart(int k) const {
    if (k == 0) return 1;
    const int byProgram = starts_[buttons_[k]];
    const int previous = sectionStart(k - 1);
    return byProgram > previous ? byProgram : k * kLinesPerButton;
}

QString ProgramStore::sectionText(int k) const {
    if (k < 0 || k >= kButtonCount) return QString();
    return sections_.at(k);
}

void ProgramStore::buildSections() {
    const int buttons = visibleButtonCount();
    const int lastStored = storedLineCount();
    // Program number of each stored line that starts a program.
    QVector<int> programAt(lastStored + 2, 0);
    for (int p = 1; p < count_; ++p) programAt[starts_[p]] = p;

    int start = 1;
    for (int k = 0; k < buttons; ++k) {
        const int next = (k + 1 < buttons) ? sectionStart(k + 1) : lastStored + 1;
        const int e = next - 1;
        // Blank lines and a comment just before the next section's program
        // are left out at the end of the section.
        int end = e;
        for (int j = qMax(start, e - 4); j <= e; ++j) {
            bool cut;
            if (j < e) {
                cut = beginsParen(e);
                for (int m = j; cut && m < e; ++m) cut = line(m).isEmpty();
            } else {
                cut = beginsParen(e) || beginsParen(e - 1);
            }
            if (cut) { end = j - 1; break; }
        }
        QString text;
        bool firstProgram = true;
        for (int i = start; i <= end; ++i) {
            if (programAt[i] > 0) {
                if (firstProgram) {
                    text += u'\n';
                    text += separatorLine(programAt[i]);
                    text += u'\n';
                } else if (!beginsParen(i - 1)) {
                    text += QStringLiteral("\n\n\n\n");
                    text += separatorLine(programAt[i]);
                    text += u'\n';
                }
                firstProgram = false;
            }
            text += line(i);
            text += u'\n';
        }
        sections_[k] = text;
        start = next;
    }
}

QString ProgramStore::readoutText() const {
    QString t = header_;
    for (const QString& s : sections_) t += s;
    return t;
}

QStringList ProgramStore::workFileLines(const QString& name) const {
    for (int p = 1; p < count_; ++p) {
        if (line(starts_[p]).startsWith(name)) return entryLines(p);
    }
    return {kNoFileLine1, kNoFileLine2};
}

bool ProgramStore::writeWorkFile(const QString& name, const QString& filePath, QString* error) const {
    const QString text = textenc::joinCrLf(workFileLines(name));
    return nctext::writeBytes(filePath, textenc::encode(text, textenc::Encoding::Utf8), error);
}

QString ProgramStore::markedText() const {
    QString out;
    for (int i : markedEntries()) {
        if (isFreeArea(i)) {
            QString t = textenc::toCrLf(effectiveFreeAreaText());
            if (!t.endsWith(QStringLiteral("\r\n"))) t += QStringLiteral("\r\n");
            out += t;
        } else {
            out += textenc::joinCrLf(entryLines(i));
        }
    }
    return out;
}

}  // namespace store
