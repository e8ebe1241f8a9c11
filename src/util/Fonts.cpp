#include "Fonts.h"

#include <QStringList>

namespace util {

void installFontSubstitutions() {
    const QString notoSerif = QStringLiteral("Noto Serif CJK JP");
    const QString notoSans = QStringLiteral("Noto Sans CJK JP");
    const QString notoMono = QStringLiteral("Noto Sans Mono CJK JP");
    QFont::insertSubstitutions(kPMincho, QStringList() << QStringLiteral("IPAPMincho") << notoSerif
                                                       << notoSans);
    QFont::insertSubstitutions(kMincho, QStringList() << QStringLiteral("IPAMincho") << notoSerif
                                                      << notoMono);
    QFont::insertSubstitutions(kGothic, QStringList()
                                            << QStringLiteral("IPAGothic") << notoMono << notoSans);
}

QFont uiFont(const QString& family, qreal pointSize, bool bold) {
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // Hinting off keeps glyph advances the same at every scale factor.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

} // namespace util
