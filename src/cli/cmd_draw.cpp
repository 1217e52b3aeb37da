// tssnc-cli draw: one program of an NC file drawn headlessly, as the editor's
// "描画" would draw it, with an optional picture and trace.
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>

#include "cli/auto_dialogs.h"
#include "cli/cli_commands.h"
#include "cli/draw_options.h"
#include "cli/headless_run.h"
#include "cli/program_file.h"
#include "editor/program_store.h"
#include "platform/text_encoding.h"

namespace {

QTextStream& errStream() {
    static QTextStream err(stderr);
    return err;
}

int fail(const QString& text) {
    errStream() << "draw: " << text << "\n";
    errStream().flush();
    return 2;
}

// Encodes first, then writes: a write that the disk cuts short leaves no
// partial picture behind (a device such as /dev/full is left alone).
QString writePicture(const QImage& image, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter encoder(&buffer, "png");
    if (!encoder.write(image)) return encoder.errorString();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return f.errorString();
    if (f.write(png) == png.size() && f.flush()) return {};
    const QString e = f.errorString();
    f.close();
    if (QFileInfo(path).isFile()) f.remove();
    return e;
}

}  // namespace

int cmdDraw(const QStringList& args, QTextStream& out) {
    DrawOptions opts;
    if (QString e = parseDrawOptions(args, opts); !e.isEmpty()) {
        fail(e);
        return kBadUsage;
    }

    QStringList answers;
    if (!opts.answersPath.isEmpty()) {
        QFile f(opts.answersPath);
        if (!f.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read the answers file %1").arg(opts.answersPath));
        answers = textenc::splitLines(textenc::decode(f.readAll()).text);
    }

    store::ProgramStore programs;
    if (QString e = readProgramFile(programs, opts.file); !e.isEmpty()) return fail(e);
    int entry = 1;
    if (!opts.program.isEmpty()) {
        entry = findEntry(programs, opts.program);
        if (entry == 0)
            return fail(QStringLiteral("no program beginning with %1 in %2")
                            .arg(opts.program, opts.file));
    }

    // The trace goes to its file (or standard output) line by line as the run goes.
    QFile traceFile;
    QTextStream traceFileStream;
    QTextStream* traceOut = nullptr;
    const bool traceToStdout = opts.tracePath == u"-";
    if (traceToStdout) {
        traceOut = &out;
    } else if (!opts.tracePath.isEmpty()) {
        traceFile.setFileName(opts.tracePath);
        // Unbuffered below the stream's own buffer: a write the disk cuts short
        // shows in the stream's status.
        if (!traceFile.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
            return fail(QStringLiteral("cannot write the trace file %1").arg(opts.tracePath));
        traceFileStream.setDevice(&traceFile);
        traceFileStream.setEncoding(QStringConverter::Utf8);
        traceOut = &traceFileStream;
    }

    HeadlessDrawing d;
    d.programs = &programs;
    d.entry = entry;
    d.lathe = opts.lathe;
    d.answers = answers;
    d.widthPx = opts.widthPx;
    d.heightPx = opts.heightPx;
    d.maxBlocks = opts.maxBlocks;
    d.wantImage = !opts.pngPath.isEmpty();
    d.fit = opts.fit;
    if (traceOut) d.trace = [traceOut](const QString& line) { *traceOut << line << '\n'; };
    // Messages appear in the trace; otherwise they are listed on standard output.
    if (!traceToStdout)
        d.onMessage = [&out](const QString& text, const QString&, int) {
            printMessageLine(out, text);
        };
    d.warn = [](const QString& text) {
        errStream() << "draw: " << text << "\n";
        errStream().flush();
    };

    HeadlessOutcome r = drawHeadless(d);
    if (traceOut) traceOut->flush();
    if (traceFile.isOpen()) {
        const bool written = traceFileStream.status() == QTextStream::Ok &&
                             traceFile.error() == QFileDevice::NoError;
        traceFile.close();
        if (!written || traceFile.error() != QFileDevice::NoError)
            return fail(QStringLiteral("cannot write the trace file %1").arg(opts.tracePath));
    }
    if (!r.setupError.isEmpty()) return fail(r.setupError);
    if (r.unusedAnswers > 0)
        d.warn(QStringLiteral("%1 line(s) of the answers file were not used").arg(r.unusedAnswers));

    if (!opts.pngPath.isEmpty()) {
        if (QString e = writePicture(r.image, opts.pngPath); !e.isEmpty())
            return fail(QStringLiteral("cannot write the picture %1: %2").arg(opts.pngPath, e));
    }
    return r.result == RunResult::Normal ? 0 : 1;
}
