#include "ProgramState.h"

namespace shell {} // namespace shell
