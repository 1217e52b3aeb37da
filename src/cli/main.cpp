// tssnc-cli: the engine, the program store and the evaluator without a window.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <QTextStream>
#include <cstdio>

#include "cli/cli_commands.h"
#include "cli/headless_run.h"
#include "platform/recording_surface.h"

void printMessageLine(QTextStream& out, const QString& text) {
    out << "message: " << trace::escaped(text) << "\n";
}

static void usage(QTextStream& s) {
    s << "usage: tssnc-cli eval EXPR...\n"
         "       tssnc-cli list FILE\n"
         "       tssnc-cli extract FILE N\n"
         "       tssnc-cli readout FILE\n"
         "       tssnc-cli draw FILE [--program NAME] [--lathe t|m] [--size WxH] [--png OUT.png]"
         " [--trace OUT|-] [--answers FILE] [--max-blocks N] [--fit]\n"
         "           (--max-blocks: a run that takes more blocks ends as an error; default "
      << kDefaultMaxBlocks << ";\n"
         "            past " << kPaintedBlocks << " blocks it goes on without picture or trace)\n"
      << "       tssnc-cli [--rapid MM_PER_MIN] stats FILE [--program NAME] [--rapid MM_PER_MIN]"
         " [--lathe t|m]\n"
         "       tssnc-cli check [--lathe t|m] FILE...\n"
         "       tssnc-cli send FILE --port DEVICE [--settings TEXT] [--flow none|xon|rts|rtsxon]\n"
         "       tssnc-cli receive FILE --port DEVICE [--settings TEXT] [--flow none|xon|rts|rtsxon]\n";
    s.flush();
}

// Run as root or from a service, the environment often has no runtime folder and
// Qt warns about it on every call; give it a private one so stderr stays quiet.
static void quietRuntimeDir() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")) return;
    const QByteArray dir = QDir::tempPath().toLocal8Bit() + "/runtime-" + QByteArray::number(getuid());
    if (::mkdir(dir.constData(), 0700) != 0 && errno != EEXIST) return;
    struct stat st {};
    if (::stat(dir.constData(), &st) == 0 && st.st_uid == getuid() && (st.st_mode & 0077) == 0)
        qputenv("XDG_RUNTIME_DIR", dir);
}

int main(int argc, char** argv) {
    // PNG output paints text, which needs a gui application; offscreen needs no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    quietRuntimeDir();
    // Every argument is the tool's own: Qt sees only the program name, so that
    // an argument such as "-style" or "-reverse" is not taken (with the one
    // after it) as an option of Qt's.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QTextStream out(stdout);
    out.setEncoding(QStringConverter::Utf8);
    QTextStream err(stderr);
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    // A rapid rate given before the subcommand is the statistics' own option.
    QStringList leading;
    if (args.size() >= 2 && args.first() == QLatin1String("--rapid")) {
        leading << args.takeFirst();
        leading << args.takeFirst();
    }
    if (args.isEmpty()) {
        usage(err);
        return 2;
    }
    const QString cmd = args.takeFirst();
    args << leading;
    if (!leading.isEmpty() && cmd != QLatin1String("stats")) {
        usage(err);
        return 2;
    }
    if (cmd == QLatin1String("--help")) {
        usage(out);
        return 0;
    }
    int rc;
    if (cmd == QLatin1String("eval")) rc = cmdEval(args, out);
    else if (cmd == QLatin1String("list")) rc = cmdList(args, out);
    else if (cmd == QLatin1String("extract")) rc = cmdExtract(args, out);
    else if (cmd == QLatin1String("readout")) rc = cmdReadout(args, out);
    else if (cmd == QLatin1String("draw")) rc = cmdDraw(args, out);
    else if (cmd == QLatin1String("check")) rc = cmdCheck(args, out);
    else if (cmd == QLatin1String("stats")) rc = cmdStats(args, out);
    else if (cmd == QLatin1String("send")) rc = cmdSend(args, out);
    else if (cmd == QLatin1String("receive")) rc = cmdReceive(args, out);
    else rc = kBadUsage;
    out.flush();
    // A listing or trace cut short (a full disk behind a redirection) is no success.
    if (out.status() != QTextStream::Ok || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        err << cmd << ": cannot write the standard output\n";
        err.flush();
        return 2;
    }
    if (rc == kBadUsage) {
        usage(err);
        return 2;
    }
    return rc;
}
