// The chemical chosen on the properties screen as the other screens see it: its id and the nine
// module flags, taken and put back as one.
#pragma once

#include <array>
#include <string>

struct ChemicalChoice {
    std::string chemId;
    // In the order of MODGUYS: surface water, landfill, down-the-drain, consumer model, EQC,
    // Level III, treatment model, dilution model, ambient air; 1 when chosen.
    std::array<unsigned char, 9> modules{};

    // The choice the other screens see now.
    static ChemicalChoice Published();
    // Makes this the choice the other screens see.
    void Publish() const;
};
