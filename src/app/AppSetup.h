#pragma once

namespace app {

// What the program, the tests, the gallery and the benchmark all do once the
// application object exists and before the first widget: font substitutions,
// accessibility of the controls, and ending only through the navigator.
// Call after linkPrerenderedPictures(), so the icon comes from them.
void prepareApplication();

} // namespace app
