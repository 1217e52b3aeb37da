#include "serial/send_plan.h"

#include "platform/text_encoding.h"
#include "serial/iso_code.h"
#include "serial/transfer_texts.h"

namespace transfer {

PlanResult planSend(const QByteArray& bytes) {
    PlanResult r;
    QStringList lines = textenc::splitLines(textenc::decode(bytes).text);
    for (int dropped = 0; dropped < kMaxDroppedTrailingEmptyLines && !lines.isEmpty() &&
                          lines.last().isEmpty();
         ++dropped)
        lines.removeLast();
    if (lines.isEmpty()) {
        r.empty = true;
        return r;
    }
    // A file cut short would reach the controller as a complete program.
    if (lines.size() > kMaxSendLines) {
        r.refusal = tooManyLinesMessage(int(lines.size()), kMaxSendLines);
        return r;
    }
    // A character the 7-bit line cannot carry would arrive garbled: refuse the
    // whole file before the first byte goes out.
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray coded;
        if (!iso::encodeLine(lines[i], &coded)) {
            r.refusal = unsendableLineMessage(i + 1, lines[i]);
            r.plan = {};
            return r;
        }
        r.plan.coded.append(coded);
    }
    r.plan.lines = lines;
    r.plan.leadingPercent = !lines.first().startsWith(QLatin1Char(iso::kPercent));
    r.plan.trailingPercent = !lines.last().startsWith(QLatin1Char(iso::kPercent));
    return r;
}

}  // namespace transfer
