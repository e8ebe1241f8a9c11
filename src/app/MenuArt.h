#pragma once

#include "util/widgets/PrerenderedArt.h"

#include <vector>

namespace app {

// The menu's pictures (its title and the faces of its five buttons) and the
// program icon: what the first screen shows, so they are drawn ahead at build
// time and the menu appears without waiting for the fonts.
std::vector<widgets::PrerenderedPicture> firstScreenPictures();

// The menu picture with this key, prerendered where possible.
widgets::Art menuPicture(const QString& key);

// The program icon, from the prerendered sizes where possible.
QIcon applicationIcon();

} // namespace app
