#include "platform/gui_elide.h"

#include <QFontMetrics>

QString elidedToWidth(const QString& text, const QFont& font, int widthPx) {
    return QFontMetrics(font).elidedText(text, Qt::ElideMiddle, qMax(0, widthPx));
}
