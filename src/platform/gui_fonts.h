#pragma once
// The screens were laid out for the Japanese Windows system fonts.  Every window
// and surface asks here for its font, so the mapping to the installed IPA fonts
// (same metrics) lives in one place.
#include <QFont>
#include <QString>

namespace fonts {

// The font name the windows' texts and labels use.
inline const QString kUiFontName = QStringLiteral("ＭＳ Ｐゴシック");

// Installed family that stands in for a Windows font name: "ＭＳ Ｐゴシック"
// (and its ASCII spelling) -> "IPAPGothic", "ＭＳ ゴシック" -> "IPAGothic", the
// Mincho faces likewise; any other name is returned unchanged.
QString familyFor(const QString& name);

}  // namespace fonts

// A font of the given Windows name and point size, mapped to the installed face.
QFont systemFont(const QString& name, double pointSize);
// The windows' usual font ("ＭＳ Ｐゴシック") at a point size.
inline QFont uiFont(double pointSize) { return systemFont(fonts::kUiFontName, pointSize); }
