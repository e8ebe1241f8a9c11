#pragma once

namespace widgets {

// Registers how image boxes appear to assistive technology (AT-SPI on
// Linux): a clickable box is a button with a press action, any other a
// graphic; a screen's window is a window named by its caption. Call once,
// after the application object exists.
void installControlAccessibility();

} // namespace widgets
