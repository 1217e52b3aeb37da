#include "editor/edit_saver.h"

#include <QFileInfo>

#include "drawing/number_text.h"
#include "editor/file_names.h"
#include "editor/fileload.h"
#include "editor/program_store.h"
#include "editor/readout_cleaning.h"
#include "platform/dialogs.h"
#include "platform/text_encoding.h"

namespace {

const QString kYes = QStringLiteral("y");
const QString kCrLf = QStringLiteral("\r\n");
const QString kDialogTitle = QStringLiteral("パス取得");

const QString kCombinePrompt = QStringLiteral("選択ファイルを結合保存しますか");
const QString kCombineTitle = QStringLiteral("ファイル結合結合保存");
const QString kEditPrompt = QStringLiteral("編集ウインドウのテキストの保存をしますか");
const QString kEditTitle = QStringLiteral("エディターテキスト保存");
const QString kOfferPrompt = QStringLiteral("編集ウインドウのテキストの保存をしますか?");
const QString kNoNameCharacters = QStringLiteral(
    "先頭行の先頭にファイル名のための文字が見当たりません\n先頭に空白や改行を入れないでください");
const QString kPutNameCharacters =
    QStringLiteral("先頭行にファイル名のための文字を入れておいてください");
const QString kReadoutPrompt =
    QStringLiteral("原本が変更されています\n編集元ファイル原本の変更をリネイム保存しますか");
const QString kReadoutTitle = QStringLiteral("原本リネイム保存");
const QString kNotTheSource =
    QStringLiteral("編集元ファイル原本には保存できません\n別の名前を指定してください");
const QString kNotInEncoding =
    QStringLiteral("ファイルの文字コードで書けない文字があるため保存しませんでした\n");

// Input boxes stand near the top left of the screen (twips).
constexpr double kBoxX = 4000;
constexpr double kBoxY = 3000;

// Error numbers shown by the explicit save, as the operator's older tools
// numbered them: path or file access, path not found, disk full.
constexpr int kAccessError = 75;
constexpr int kPathNotFound = 76;
constexpr int kDiskFull = 61;

int errorNumber(nctext::WriteFault f) {
    switch (f) {
    case nctext::WriteFault::None: return 0;
    case nctext::WriteFault::NoFolder: return kPathNotFound;
    case nctext::WriteFault::WriteFailed: return kDiskFull;
    case nctext::WriteFault::IsFolder:
    case nctext::WriteFault::CannotCreate: return kAccessError;
    }
    return kAccessError;
}

bool sameFile(const QString& a, const QString& b) {
    if (a.isEmpty() || b.isEmpty()) return false;
    const QFileInfo fa(a), fb(b);
    if (fa.exists() && fb.exists()) return fa.canonicalFilePath() == fb.canonicalFilePath();
    return fa.absoluteFilePath() == fb.absoluteFilePath();
}

}  // namespace

EditSaver::EditSaver(SaveWindow& w) : w_(w) {
    setClock({});
    setWriter({});
}

void EditSaver::setClock(Clock c) {
    clock_ = c ? std::move(c) : Clock([] { return QDateTime::currentDateTime(); });
}

void EditSaver::setWriter(Writer wr) {
    writer_ = wr ? std::move(wr) : Writer([](const QString& p, const QByteArray& b) {
        return nctext::writeFile(p, b);
    });
}

EditSaver::Written EditSaver::write(const QString& path, const QString& text) {
    Written r;
    const store::ProgramStore& st = w_.programStore();
    bool lossy = false;
    const QByteArray bytes = textenc::encode(textenc::toCrLf(text), st.encoding(), st.hasBom(), &lossy);
    if (lossy) {
        // A character the file's encoding cannot hold would be written as "?".
        r.message = kNotInEncoding + path;
        return r;
    }
    const nctext::WriteResult wr = writer_(path, bytes);
    r.ok = wr.ok();
    r.errorNumber = errorNumber(wr.fault);
    r.message = wr.message;
    return r;
}

void EditSaver::setSaved(const QString& path) {
    w_.setCurrentFilePath(path);
    w_.setProgramLabel(path);
}

void EditSaver::save() {
    Dialogs& d = w_.saveDialogs();
    const QString ext = machineExtension(w_.machineName());
    // Combine mode from the marks (on while any entry is marked).
    w_.fileload(Fileload::kRestore);
    const bool combine = w_.combineMode();
    const QString answer = combine ? d.input(kCombinePrompt, kCombineTitle, kYes, kBoxX, kBoxY)
                                   : d.input(kEditPrompt, kEditTitle, kYes, kBoxX, kBoxY);
    if (answer == kYes) {
        const QString text = w_.editText();
        if (filenames::firstLineLength(text) < 1) {
            d.message(kNoNameCharacters);
        } else {
            const FileChoice c = d.saveFile(w_.machineDir(), filenames::machineFilter(ext),
                                            kDialogTitle, filenames::proposedName(text, ext));
            if (!c.cancelled) {
                QString out;
                if (combine) {
                    w_.takeCombinedOutput();
                    w_.fileload(Fileload::kWriteMarked);
                    out = w_.takeCombinedOutput();
                } else {
                    out = text + kCrLf;
                }
                const Written r = write(c.path, out);
                if (r.ok) {
                    setSaved(c.path);
                    // Only the edit text itself written counts as saving the edit.
                    if (!combine) w_.settleEditChanges();
                } else if (r.errorNumber != 0) {
                    d.message(kPutNameCharacters + nt::str(r.errorNumber) + QLatin1Char('\n') +
                              r.message);
                } else {
                    d.message(r.message);
                }
            }
        }
    }
    // The indicator is reset: the next save writes the edit text unless marks
    // turn combine mode on again.
    w_.setCombineMode(false);
}

bool EditSaver::offerSave() {
    if (!w_.editChanged()) return true;
    Dialogs& d = w_.saveDialogs();
    const QString ext = machineExtension(w_.machineName());
    if (!d.askYesNo(kOfferPrompt, kEditTitle)) {
        w_.settleEditChanges();
        return true;
    }
    // The question is about the edit text: it is what is written, in combine
    // mode too (writing the marked programs instead would lose the edit).
    const QString text = w_.editText();
    const QString name = filenames::firstLineLength(text) > 0
                             ? filenames::proposedName(text, ext)
                             : filenames::dateTimeName(clock_(), ext);
    const FileChoice c =
        d.saveFile(w_.machineDir(), filenames::machineFilter(ext), kDialogTitle, name);
    // Cancelled: the edit stays, and is offered again next time.
    if (c.cancelled) return false;
    const Written r = write(c.path, text + kCrLf);
    if (!r.ok) {
        d.message(r.message);
        return false;
    }
    setSaved(c.path);
    w_.settleEditChanges();
    return true;
}

QString EditSaver::saveReadout() {
    Dialogs& d = w_.saveDialogs();
    const QString ext = machineExtension(w_.machineName());
    const QString dir = w_.machineDir();
    const QString rememberedLabel = w_.programLabel();
    if (d.input(kReadoutPrompt, kReadoutTitle, kYes, kBoxX, kBoxY) != kYes) return {};

    // The copy is proposed beside the file the read-out came from (not the
    // file last chosen, which after a program save is that program's file).
    const FileChoice c = d.saveFile(dir, filenames::machineFilter(ext), kDialogTitle,
                                    filenames::copyName(w_.programStore().path(), dir));
    if (c.cancelled) return {};
    const QString previousPath = w_.currentFilePath();
    auto giveUp = [&] {
        // Nothing written: the window goes on with the file it had.
        w_.setCurrentFilePath(previousPath);
        w_.setProgramLabel(rememberedLabel);
        return QString();
    };
    setSaved(c.path);
    const QString path = d.input(c.path, kDialogTitle, c.path, kBoxX, kBoxY);
    if (path.isEmpty()) return giveUp();
    setSaved(path);
    // A copy: the file the read-out came from is never overwritten.
    if (sameFile(path, w_.programStore().path())) {
        d.message(kNotTheSource);
        return giveUp();
    }

    // The read-out as it would be written (a line end after it) and read back,
    // cleaned; only the cleaned text reaches the disk.
    const QString written = textenc::toCrLf(w_.readoutText()) + kCrLf;
    const QString cleaned = readout::cleanLines(textenc::splitLines(written));
    const Written r = write(path, cleaned + kCrLf);
    if (!r.ok) {
        d.message(r.message);
        return giveUp();
    }
    w_.setProgramLabel(rememberedLabel);
    return path;
}
