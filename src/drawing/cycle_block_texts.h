#pragma once
// Messages of the I/K arcs and of the single-block cycles (G90/G92/G94,
// G74/G75, G76).  Each names the block it is about.
#include <QString>

namespace drawing::text {

// The end point of an I/K arc lies off the start point's circle by `off` mm.
QString arcEndOffCircle(double off, const QString& block);
// A word the cycle needs is not in the block: what + "がありません ..." + block.
QString cycleWordMissing(const QString& what, const QString& block);
// A word that must not be 0 is 0.
QString cycleWordZero(const QString& what, const QString& block);
// The cycle would need more passes or pecks than the drawing makes.
QString cycleTooManyPasses(int limit, const QString& block);

// Names of the words in those messages.
inline const QString kWordX = QStringLiteral("X(U)");
inline const QString kWordZ = QStringLiteral("Z(W)");
inline const QString kWordLead = QStringLiteral("F(リード)");
inline const QString kWordPeckZ = QStringLiteral("Q(Z方向の切り込み量)");
inline const QString kWordShiftX = QStringLiteral("P(X方向の移動量)");
inline const QString kWordPeckX = QStringLiteral("P(X方向の切り込み量)");
inline const QString kWordShiftZ = QStringLiteral("Q(Z方向の移動量)");
inline const QString kWordThreadHeight = QStringLiteral("P(ねじ山の高さ)");
inline const QString kWordFirstDepth = QStringLiteral("Q(1回目の切り込み深さ)");

}  // namespace drawing::text
