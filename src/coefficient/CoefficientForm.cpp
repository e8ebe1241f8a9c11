#include "CoefficientForm.h"

namespace coefficient {

CoefficientForm::CoefficientForm(shell::Navigator& navigator)
    : PracticeScreen(navigator, practice::coefficientScreen()) {}

} // namespace coefficient
