#pragma once

namespace app {

// Starts connecting to the desktop's session bus on a worker thread.
//
// Qt's accessibility link opens that connection, synchronously, the moment
// the first window shows its controls; on a desktop without a running bus the
// connection even launches one. Started first thing, it runs while the menu
// is being built, and the menu reaches the screen without waiting for it.
// Only the X11 platform has the link; elsewhere this does nothing.
void connectAccessibilityBusEarly();

} // namespace app
