#pragma once
// Text cut to a width with "…" in its middle (a path keeps its start and its
// file name), for labels whose text may be longer than their place.
#include <QFont>
#include <QString>

QString elidedToWidth(const QString& text, const QFont& font, int widthPx);
