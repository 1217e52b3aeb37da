#include "cli/transfer_cli.h"

#include <QSocketNotifier>
#include <csignal>
#include <unistd.h>
#include "cli/cli_commands.h"

bool parseTransferArgs(const QStringList& args, TransferArgs* out, QTextStream& err) {
    TransferArgs a;
    for (int i = 0; i < args.size(); ++i) {
        const QString& k = args[i];
        const bool hasValue = i + 1 < args.size();
        if (k == QLatin1String("--port") && hasValue) {
            a.device = args[++i];
        } else if (k == QLatin1String("--settings") && hasValue) {
            a.settings = args[++i];
            if (!QtSerialPort::parseSettings(a.settings, nullptr)) {
                err << "bad --settings: " << a.settings << "\n";
                return false;
            }
        } else if (k == QLatin1String("--flow") && hasValue) {
            const QString f = args[++i];
            if (f == QLatin1String("none")) a.flow = SerialPort::Handshaking::None;
            else if (f == QLatin1String("xon")) a.flow = SerialPort::Handshaking::XonXoff;
            else if (f == QLatin1String("rts")) a.flow = SerialPort::Handshaking::RtsCts;
            else if (f == QLatin1String("rtsxon")) a.flow = SerialPort::Handshaking::RtsXonXoff;
            else {
                err << "bad --flow: " << f << "\n";
                return false;
            }
        } else if (k.startsWith(QLatin1String("--")) || !a.file.isEmpty()) {
            err << "unexpected argument: " << k << "\n";
            return false;
        } else {
            a.file = k;
        }
    }
    if (a.file.isEmpty() || a.device.isEmpty()) {
        err << "FILE and --port DEVICE are needed\n";
        return false;
    }
    *out = a;
    return true;
}

std::unique_ptr<QtSerialPort> transferPortFor(const TransferArgs& a) {
    auto p = std::make_unique<QtSerialPort>();
    p->setDevice(a.device);
    p->setSettings(a.settings);
    p->setHandshaking(a.flow);
    return p;
}

void StderrView::print(const QString& text, bool lineEnd) {
    err_ << text;
    if (lineEnd) err_ << "\n";
    err_.flush();
}

void MessageLineDialogs::message(const QString& text) {
    printMessageLine(out_, text);
    out_.flush();
}

namespace {
volatile std::sig_atomic_t g_stop = 0;
int g_pipe[2] = {-1, -1};

extern "C" void onStopSignal(int) {
    g_stop = 1;
    const char b = 1;
    if (g_pipe[1] >= 0) (void)!::write(g_pipe[1], &b, 1);
}
}  // namespace

void catchStopSignals(std::function<void()> onSignal) {
    if (g_pipe[0] < 0 && ::pipe(g_pipe) != 0) g_pipe[0] = g_pipe[1] = -1;
    if (g_pipe[0] >= 0 && onSignal) {
        auto* n = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read);
        QObject::connect(n, &QSocketNotifier::activated, [onSignal] {
            char b;
            (void)!::read(g_pipe[0], &b, 1);
            onSignal();
        });
    }
    struct sigaction sa {};
    sa.sa_handler = onStopSignal;
    sigemptyset(&sa.sa_mask);
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
}

bool stopSignalled() { return g_stop != 0; }
