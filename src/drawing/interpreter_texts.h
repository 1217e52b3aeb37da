#pragma once
// Messages of the block interpreter and of the macro program flow.  Operators
// know the old ones by heart: keep them exactly as they are.
#include <QString>

namespace drawing::text {

// --- blocks
inline const QString kOLetterError = QStringLiteral("O 文字エラー");
inline const QString kBraceError = QStringLiteral("{} 文字エラー");
inline const QString kSequenceNotFound = QStringLiteral("シーケンス番号エラーです 見つかりません P");
inline const QString kBracketCount = QStringLiteral("カッコの数が合いません この行は無視します");
inline const QString kCornerRNegative = QStringLiteral("コーナーRの値が負です エラーになります");
inline const QString kCornerRNoMove =
    QStringLiteral("軸移動がないところにコーナーRが指定されました エラーになります ");
inline const QString kCornerCTooLarge =
    QStringLiteral("コーナーCエラー 前後の線分に対しCが大きすぎます");
// An arithmetic fault of the evaluator ends the run; the block follows on a new line.
inline const QString kArithmeticFault = QStringLiteral("演算エラーです 描画を終了します");

// --- program flow
inline const QString kNoOpenBracket = QStringLiteral("文法エラー [がありません");
inline const QString kNoComparison =
    QStringLiteral("文法エラー 判定文字EQ,GT,LT,GE,LEがありません");
inline const QString kNoGoto = QStringLiteral("文法エラー GOTOがありません");
inline const QString kNoGotoTarget = QStringLiteral("文法エラー GOTOの飛び先がありません");
inline const QString kNoIfGotoTarget =
    QStringLiteral("文法エラー GOTOの飛び先がありません 描画を終了します");
inline const QString kEndWithoutNumber = QStringLiteral("ENDに番号付加されていません 文法エラー");
inline const QString kIfRoutineError = QStringLiteral("IF分処理エラー");
// "エラーです END" + m + "文がありません"
QString missingEnd(const QString& loopNumber);

// --- limits of the tables (each names the block and ends the run)
QString callTooDeep(const QString& line);
QString loopNumberOutOfRange(const QString& line);
QString whileWithNe(const QString& line);
QString endWithoutWhile(const QString& line);

}  // namespace drawing::text
