#include "ScreenFactory.h"

#include "HowToForms.h"
#include "IonTableForm.h"
#include "MenuForm.h"
#include "coefficient/CoefficientForm.h"
#include "formula/FormulaForm.h"
#include "mole/MoleForm.h"
#include "reaction/ReactionForm.h"
#include "shell/Navigator.h"

namespace app {

using coefficient::CoefficientForm;
using formula::FormulaForm;
using mole::MoleForm;
using reaction::ReactionForm;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;

FormWindow* createScreen(Navigator& navigator, ScreenId id) {
    switch (id) {
    case ScreenId::Menu:
        return new MenuForm(navigator);
    case ScreenId::Formula:
        return new FormulaForm(navigator);
    case ScreenId::Coefficient:
        return new CoefficientForm(navigator);
    case ScreenId::Mole:
        return new MoleForm(navigator);
    case ScreenId::Reaction:
        return new ReactionForm(navigator);
    case ScreenId::IonTable:
        return new IonTableForm(navigator);
    case ScreenId::FormulaHowTo:
        return new FormulaHowToForm(navigator);
    case ScreenId::CoefficientHowTo:
        return new CoefficientHowToForm(navigator);
    case ScreenId::MoleHowTo:
        return new MoleHowToForm(navigator);
    case ScreenId::ReactionHowTo:
        return new ReactionHowToForm(navigator);
    }
    return nullptr;
}

} // namespace app
