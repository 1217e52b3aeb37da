#pragma once
// Messages of the line, arc, corner and chamfer drawing.  Operators know these
// by heart: keep them exactly as they are.
#include <QString>

namespace drawing::text {

inline const QString kChordTooLong = QStringLiteral("円弧補間 2点の距離が直径以上です");
inline const QString kCornerNotComputable = QStringLiteral("計算不能です");
inline const QString kCornerRNotComputable = QStringLiteral("コーナーR計算不能です");
inline const QString kChamferTooLarge =
    QStringLiteral("コーナーCエラー 前後の線分に対しCが大きすぎます");

}  // namespace drawing::text
