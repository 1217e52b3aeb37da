#include "platform/gui_fonts.h"

#include <QStringList>

namespace fonts {

QString familyFor(const QString& name) {
    // Compare on a folded spelling: full-width letters and blanks as ASCII,
    // no blanks, lower case ("ＭＳ Ｐゴシック", "MS PGothic", "ms pgothic").
    QString k = name.normalized(QString::NormalizationForm_KC).toLower();
    k.remove(QLatin1Char(' '));
    if (k == QStringLiteral("mspゴシック") || k == QStringLiteral("mspgothic"))
        return QStringLiteral("IPAPGothic");
    if (k == QStringLiteral("msゴシック") || k == QStringLiteral("msgothic"))
        return QStringLiteral("IPAGothic");
    if (k == QStringLiteral("msp明朝") || k == QStringLiteral("mspmincho"))
        return QStringLiteral("IPAPMincho");
    if (k == QStringLiteral("ms明朝") || k == QStringLiteral("msmincho"))
        return QStringLiteral("IPAMincho");
    return name;
}

}  // namespace fonts

QFont systemFont(const QString& name, double pointSize) {
    QFont f(fonts::familyFor(name));
    // Fall back to a Japanese-capable face rather than one without kana.
    f.setFamilies(QStringList{fonts::familyFor(name), QStringLiteral("IPAPGothic"),
                   QStringLiteral("IPAGothic")});
    if (pointSize > 0) f.setPointSizeF(pointSize);
    f.setStyleStrategy(QFont::PreferMatch);
    return f;
}
