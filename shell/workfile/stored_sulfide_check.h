// The stored waters of an opened work file whose H2S carries more alkalinity
// at their pH than their bicarbonate and carbonate: the file keeps them, for
// correction on their forms, and the user is told which and by how much.
#pragma once

#include <string>

// The sentences that tell of each such entered water (the three form waters
// and the multi-mix source waters), one a line; empty when there is none.
[[nodiscard]] std::string StoredSulfideNotice();

// The drivers' refusal of the surface water when its sulfide outweighs its
// alkalinity, or an empty text.
[[nodiscard]] std::string SurfaceSulfideRefusal();
