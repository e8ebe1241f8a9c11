#include "ProgramSession.h"

#include "util/MaterialPath.h"

#include <chrono>

namespace app {

using util::basePathFrom;

ProgramSession::ProgramSession()
    : random(
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count())) {
    state.basePath = basePathFrom(QCoreApplication::applicationDirPath());
}

} // namespace app
