// The receive state machine on arbitrary bytes, fed in pieces whose sizes the
// input chooses (the first byte), as a serial port hands them over.
#include "fuzz_support.h"
#include "serial/receive_machine.h"
#include "serial/transfer_view.h"

namespace {

class NullView : public TransferView {
public:
    void print(const QString&, bool) override {}
    void clearPrintArea() override {}
    void setNote(const QString& text) override { note_ = text; }
    QString note() const override { return note_; }

private:
    QString note_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int piece = 1 + data[0] % 64;
    const QByteArray bytes = fuzzsupport::bytes(data + 1, size - 1);
    NullView view;
    transfer::ReceiveMachine machine(view, QStringLiteral("O0001.nc"));
    for (qsizetype at = 0; at < bytes.size() && !machine.finished(); at += piece)
        (void)machine.feed(bytes.mid(at, piece));
    return 0;
}
