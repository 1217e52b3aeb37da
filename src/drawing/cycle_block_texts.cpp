#include "drawing/cycle_block_texts.h"

#include <cmath>

#include "drawing/number_text.h"

namespace drawing::text {

QString arcEndOffCircle(double off, const QString& block) {
    const double shown = std::round(off * 1000) / 1000;
    return QStringLiteral("円弧の終点が円上にありません 半径の差") + nt::str(shown) +
           QStringLiteral("mm 始点の円に沿って描きます\n") + block;
}

QString cycleWordMissing(const QString& what, const QString& block) {
    return what + QStringLiteral("がありません サイクルを描画できません\n") + block;
}

QString cycleWordZero(const QString& what, const QString& block) {
    return what + QStringLiteral("が0です サイクルを描画できません\n") + block;
}

QString cycleTooManyPasses(int limit, const QString& block) {
    return QStringLiteral("サイクルの回数が%1回を超えます 描画を打ち切ります\n").arg(limit) + block;
}

}  // namespace drawing::text
