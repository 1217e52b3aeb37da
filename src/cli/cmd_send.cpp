// tssnc-cli send: the transfer window's sending loop on a given device.
#include "cli/cli_commands.h"
#include "cli/transfer_cli.h"
#include "platform/gui_event_pump.h"
#include "serial/sender.h"

int cmdSend(const QStringList& args, QTextStream& out) {
    QTextStream err(stderr);
    TransferArgs a;
    if (!parseTransferArgs(args, &a, err)) return kBadUsage;
    auto port = transferPortFor(a);
    StderrView view(err);
    MessageLineDialogs boxes(out);
    QtEventPump pump;
    catchStopSignals(nullptr);
    transfer::SendOptions o;
    o.stopRequested = [] { return stopSignalled(); };
    const transfer::SendResult r = transfer::sendFile(a.file, *port, a.device, view, pump, o);
    if (!r.message.isEmpty()) boxes.message(r.message);
    port->close();
    return r.outcome == transfer::SendOutcome::Sent ? 0 : 1;
}
