#pragma once

#include "shell/ScreenId.h"

namespace shell {
class FormWindow;
class Navigator;
} // namespace shell

namespace app {

// The screens of the program, by id: the one place that knows every screen.
shell::FormWindow* createScreen(shell::Navigator& navigator, shell::ScreenId id);

} // namespace app
