// tssnc-cli receive: the transfer window's reception on a given device, until
// the second "%" (exit 0), or SIGINT / SIGTERM, which stop it as the window's
// stop button does (exit 1).
#include "cli/cli_commands.h"
#include "cli/transfer_cli.h"
#include "serial/reception.h"

#include <QCoreApplication>
#include <QTimer>

int cmdReceive(const QStringList& args, QTextStream& out) {
    QTextStream err(stderr);
    TransferArgs a;
    if (!parseTransferArgs(args, &a, err)) return kBadUsage;
    auto port = transferPortFor(a);
    StderrView view(err);
    MessageLineDialogs boxes(out);
    transfer::Reception reception(*port, view, boxes);
    int rc = 1;
    bool over = false;
    reception.setOnEnded([&](bool whole) {
        rc = whole ? 0 : 1;
        over = true;
        // After the boxes the reception still has to show.
        QTimer::singleShot(0, [&] { QCoreApplication::exit(rc); });
    });
    port->setEventCallback([&](SerialPort::Event e) {
        reception.onPortEvent(e);
        // A port that went away cannot bring the rest.
        if (e == SerialPort::Event::Error && !port->isOpen()) reception.stop();
    });
    catchStopSignals([&] { reception.stop(); });
    if (!reception.start(a.file, a.device)) return 1;
    if (!over) QCoreApplication::exec();
    port->setEventCallback(nullptr);
    port->close();
    return rc;
}
