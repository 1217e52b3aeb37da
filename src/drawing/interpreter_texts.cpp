#include "drawing/interpreter_texts.h"

#include "drawing/drawing_state.h"

namespace drawing::text {

QString missingEnd(const QString& loopNumber) {
    return QStringLiteral("エラーです END") + loopNumber + QStringLiteral("文がありません");
}

QString callTooDeep(const QString& line) {
    return QStringLiteral("マクロ呼出しは%1重までです 描画を終了します\n").arg(kMaxMacroLevel) +
           line;
}

QString loopNumberOutOfRange(const QString& line) {
    return QStringLiteral("DO/ENDの番号は0から6までです 描画を終了します\n") + line;
}

QString whileWithNe(const QString& line) {
    return QStringLiteral("WHILE文の条件にNEは使えません 描画を終了します\n") + line;
}

QString endWithoutWhile(const QString& line) {
    return QStringLiteral("ENDに対応するWHILE文がありません 描画を終了します\n") + line;
}

}  // namespace drawing::text
