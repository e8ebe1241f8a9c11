#pragma once

// Makes the pictures drawn ahead at build time available to the screens.
// Call once, after the application object exists and before the first window.
void linkPrerenderedPictures();
