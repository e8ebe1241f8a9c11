#pragma once

#include <QString>

namespace util {

// Full-width Latin letters, digits and signs (and the ideographic space) to
// their ASCII forms; every other character is kept. Formulas typed in a
// Japanese input method come out full width.
QString toHalfWidth(const QString& text);

} // namespace util
