// A sour water's sulfide against its alkalinity. The alkalinity typed for a
// water is its whole alkalinity, of which the carbonate holds what the other
// bases leave; at the water's pH its hydrogen sulfide carries a share as
// bisulfide (and sulfide). A water whose sulfide carries more than the whole
// has no carbonate at all and no equilibrium the engine can find: every page
// of it would show numbers no water has. The check is the water's own
// reference pass, tried on a copy of the engine, which it leaves as found.
#pragma once

#include <string>

struct SulfideAlkalinity {
    bool outweighs = false;
    double sulfide = 0.0;     // meq/kg of water the sulfide carries at the water's pH
    double alkalinity = 0.0;  // meq/kg: the bicarbonate and carbonate typed
    double ph = 0.0;
};

// The water whose analysis values are `values` (a stored water's, in the units
// in force; its H2S typed or from its pH2S).
[[nodiscard]] SulfideAlkalinity SulfideAgainstAlkalinity(const float* values);
// A stored water (`stored`, as its calculation left it) with its H2S and pH2S
// as typed (`typed`, its row as entered; nullptr or an empty row: the stored
// ones): the calculation finds a pH2S for a typed H2S, or the reverse, which
// would otherwise stand for the figure it was found from.
[[nodiscard]] SulfideAlkalinity SulfideAgainstAlkalinity(const float* stored, const float* typed);

// The message that tells the user, naming both figures; empty when the
// sulfide does not outweigh the alkalinity. `water` names the water (may be
// empty), as "Water 3" or "the source water".
[[nodiscard]] std::string SulfideAlkalinityText(const SulfideAlkalinity& s,
                                                const std::string& water = "");
