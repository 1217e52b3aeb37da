#pragma once
// Texts and colours the drawing run shows.  Operators know these by heart:
// keep them exactly as they are.
#include <QString>

#include "platform/colour.h"

namespace drawing::text {

inline const QString kOrientationPrompt1 = QStringLiteral("描画モード");
inline const QString kOrientationPrompt2 = QStringLiteral("立て旋盤用描画:t 横型旋盤用:m");

inline const QString kCaptionM = QStringLiteral("X↑  Z→");
inline const QString kCaptionT = QStringLiteral("X→  Z↑");
inline const QString kSkipOn = QStringLiteral("   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:ON  ");
inline const QString kSkipOff = QStringLiteral("   ｵﾌﾟｼｮﾅﾙﾌﾞﾛｯｸｽｷｯﾌﾟ:OFF  ");
inline const QString kSpeedHigh = QStringLiteral("描画速度:高速");
inline const QString kSpeedMiddle = QStringLiteral("描画速度:中速");
inline const QString kSpeedLow = QStringLiteral("描画速度:低速");
inline const QString kScale = QStringLiteral(" 倍率");
inline const QString kDisplayOn = QStringLiteral(" プログラム表示 ");
inline const QString kDisplayOff = QStringLiteral(" プログラム非表示 ");

inline const QString kHelpLine = QStringLiteral(
    "[連続描画中コマンド]esc:終了 U D R L:移動 B:拡大 S:縮小 領域選択:V 倍率等初期化:I "
    "プログラム表示切替:P ");

inline const QString kStepMenu = QStringLiteral(
    "Cｸﾘｱｰ  D下げる U上げる R右　L左\n"
    "Pﾌﾟﾛｸﾞﾗﾑ表示 B拡大 S縮小\n"
    "I位置&倍率初期化 A連続描画 \n"
    " s1低速  s2中速  s3高速  k最高速\n"
    " Q終了\n"
    "続ける場合はEnterキーを押してください\n"
    "拡大範囲指定再描画はvを入力してください");

inline const QString kQuitQuestion = QStringLiteral("描画モードを終了しますか");
inline const QString kUpperLeft = QStringLiteral("左上隅をポイントしてください");
inline const QString kLowerRight = QStringLiteral("右下隅をポイントしてください");

inline const QString kPressAnyKey = QStringLiteral("描画完了何かキーを押してください");
inline const QString kEndPrompt1 = QStringLiteral("描画完了 描画を続けますか Y or N");
inline const QString kEndPrompt2 = QStringLiteral("拡大範囲指定再描画はvを入力してください");
inline const QString kEndPrompt3 = QStringLiteral("位置&倍率初期化する時はI 移動下D 上U 右R 左L");

inline const QString kAllDone = QStringLiteral("全工程終わりました");
inline const QString kOneDone = QStringLiteral("一工程終わりました 描画を続けますか");

inline const QString kStopLine = QStringLiteral("(STOP)");

// Faults of this system's own (not of the program being drawn).
QString tooManyLines(int lines);
QString workFileUnwritable(const QString& path);
QString workFileMissing(const QString& path);
QString blockBoundReached(qint64 bound);
inline const QString kAreaEmpty = QStringLiteral("範囲が小さすぎます 拡大範囲を指定し直してください");
inline const QString kScaleTooSmall = QStringLiteral("倍率が小さすぎます");
inline const QString kScaleTooLarge = QStringLiteral("倍率が大きすぎます");
inline const QString kPanTooFar = QStringLiteral("移動量が大きすぎます");
inline const QString kNothingToFit =
    QStringLiteral("切削の移動がないため部品に合わせた表示ができません");

}  // namespace drawing::text

namespace drawing::rgb {
inline constexpr colour::Rgb kBackground = colour::rgb(0, 0, 192);  // the drawing's blue
inline constexpr colour::Rgb kStatus = colour::kRed;
inline constexpr colour::Rgb kText = colour::kWhite;
inline constexpr colour::Rgb kMarkCircle = colour::kRed;
inline constexpr colour::Rgb kMarkLine = colour::kBlue;
inline constexpr double kStatusSize = 14;
inline constexpr double kTextSize = 10;
}  // namespace drawing::rgb

namespace drawing::place {
// First row of the program text display (twips from the top).
inline constexpr double kProgramDisplayTop = 2200;
// Band of the machining time line, below "描画完了何かキーを押してください".
inline constexpr double kProgramEndTop = 1450;
inline constexpr double kProgramEndBottom = 1750;
}  // namespace drawing::place
