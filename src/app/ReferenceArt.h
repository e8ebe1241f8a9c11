#pragma once

#include "util/widgets/Art.h"

// A reference picture kept as an HTML page in the program's resources
// (":/assets/reference/…"), drawn in white and yellow on black at the scale of
// the window. The page is read once.
Art referencePicture(const QString& resource);
