#include "drawing/drawing_texts.h"

#include "drawing/drawing_state.h"

namespace drawing::text {

QString tooManyLines(int lines) {
    return QStringLiteral("プログラムが%1行あります 描画できるのは%2行までです 描画を中止します")
        .arg(lines)
        .arg(kMaxProgramLines);
}

QString workFileUnwritable(const QString& path) {
    return QStringLiteral("作業ファイルに書き込めません 描画を中止します\n%1").arg(path);
}

QString workFileMissing(const QString& path) {
    return QStringLiteral("作業ファイルが読めません 描画を中止します\n%1").arg(path);
}

QString blockBoundReached(qint64 bound) {
    return QStringLiteral("ブロック数が上限%1に達しました 描画を中止します").arg(bound);
}

}  // namespace drawing::text
