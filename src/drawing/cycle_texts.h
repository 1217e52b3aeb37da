#pragma once
// Messages of the turning cycles.  Operators know these by heart: keep them
// exactly as they are.
#include <QString>

namespace drawing::text {

// After the first block's text.
inline const QString kNoCutDepth = QStringLiteral("切り込み量が指定されていませ 描画できませ");
// A depth given as 0 or below the least one: + the least depth in mm.
inline const QString kCutDepthTooSmall =
    QStringLiteral("切り込み量が0か小さすぎます(%1mm未満) 描画できません");
// After the cycle block's text: the start point lies within the finishing shape.
inline const QString kStartWithinShape =
    QStringLiteral("始点が仕上げ形状の内側にあります 荒削りは描画しません");
// First two shape blocks on one Z (G71) / one X (G72): prefix + value + suffix.
inline const QString kSameZPrefix = QStringLiteral("始点及び第一ブロック, 第二ブロックＺ:");
inline const QString kSameXPrefix = QStringLiteral("始点及び第一ブロック, 第二ブロックX:");
inline const QString kSameValueSuffix =
    QStringLiteral("で値が同じではエラーになります修正してください");
inline const QString kXReverses = QStringLiteral("X軸 途中で増大減少の反転があります 修正して下さい");
inline const QString kZReverses = QStringLiteral("Z軸 途中で増大減少の反転があります 修正して下さい");
// After the C value.
inline const QString kCycleChamferTooLarge =
    QStringLiteral("C:コーナーCエラー 前後の線分に対しCが大きすぎます");
// A Q that names no block after the P block: + the Q number.
inline const QString kSequenceQNotFound = QStringLiteral("シーケンス番号エラーです 見つかりません Q");
inline const QString kShapeTooLong =
    QStringLiteral("仕上げ形状のブロックが多すぎます 先の%1ブロックで描画します");
inline const QString kTooManyPasses =
    QStringLiteral("荒削りの回数が%1回を超えます 荒削りを打ち切ります");

}  // namespace drawing::text
