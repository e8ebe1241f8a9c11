#pragma once

#include "util/widgets/Art.h"

#include <QString>

#include <memory>

class QTextDocument;

namespace app {

// A reference page kept as an HTML page in the program's resources
// (":/assets/reference/…"), laid out for a box of the given width. Sizes on
// the pages are in pixels, so the layout is the same at every screen
// resolution and scale. An unreadable resource gives an empty page.
std::unique_ptr<QTextDocument> referenceDocument(const QString& resource, qreal width);

// The page as the picture of a box: white and yellow on black, centred
// vertically. A page taller than its box is shrunk to fit rather than cut.
// The page is read and laid out once, for the first box it is drawn into.
widgets::Art referencePicture(const QString& resource);

} // namespace app
