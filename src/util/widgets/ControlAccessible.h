#pragma once

// Registers how image boxes appear to assistive technology (AT-SPI on
// Linux): a clickable box is a button with a press action, any other a
// graphic. Call once, after the application object exists.
void installControlAccessibility();
