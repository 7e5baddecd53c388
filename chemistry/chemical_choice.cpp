// The chemical chosen on the properties screen: its id and module flags as one.
#include "chemistry/chemical_choice.h"

#include "scenario/case_choices.h"
#include "scenario/globals.h"

namespace {

// The nine module flags in the order of MODGUYS.
std::array<unsigned char*, 9> ModuleFlagGlobals() {
    return {&SurfaceWaterSelected, &LandfillSelected, &FlushSelected,
            &KivSelected,          &EqcSelected,      &Level3Selected,
            &AsTreatSelected,      &PdmSelected,      &AmbientAirSelected};
}

}  // namespace

ChemicalChoice ChemicalChoice::Published() {
    ChemicalChoice choice;
    choice.chemId = SelectedChemId;
    const auto flags = ModuleFlagGlobals();
    for (size_t k = 0; k < flags.size(); ++k) {
        choice.modules[k] = *flags[k];
    }
    return choice;
}

void ChemicalChoice::Publish() const {
    SelectedChemId = chemId;
    const auto flags = ModuleFlagGlobals();
    for (size_t k = 0; k < flags.size(); ++k) {
        *flags[k] = modules[k];
    }
}
