#pragma once

namespace app {

// What the program, the tests, the gallery and the benchmark all do once the
// application object exists and before the first widget: font substitutions,
// accessibility of the controls, ending only through the navigator, and
// noticing windows destroyed from outside.
// Call after linkPrerenderedPictures(), so the icon comes from them.
void prepareApplication();

} // namespace app
