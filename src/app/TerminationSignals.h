#pragma once

#include <functional>

namespace app {

// Runs `end` from the event loop when the program gets SIGTERM (a session
// logging out, a teacher's script) or SIGINT (Ctrl+C in the terminal it was
// started from), so it ends the way 終了 ends it: windows closed, objects
// destroyed, exit status 0. Call once, after the application object exists.
void endOnTerminationSignals(std::function<void()> end);

} // namespace app
