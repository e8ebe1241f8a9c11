#pragma once

#include <QFont>
#include <QString>

namespace util {

// The three faces the screens are laid out with. Debian has no MS fonts; the
// IPA fonts have the same metrics class and are substituted for them.
inline const QString kPMincho = QStringLiteral("ＭＳ Ｐ明朝");
inline const QString kMincho = QStringLiteral("ＭＳ 明朝");
inline const QString kGothic = QStringLiteral("ＭＳ ゴシック");

// Maps the three names to the IPA faces, with Noto CJK behind them. Must run
// before the first widget or painter resolves a font; otherwise Qt quietly
// falls back to DejaVu and every fixed layout shifts.
void installFontSubstitutions();

// A font of one of the three faces at a point size (fractions kept, as 14.25).
QFont uiFont(const QString& family, qreal pointSize, bool bold = false);

} // namespace util
