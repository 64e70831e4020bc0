// The names that the bar graphs' titles and the summary-graph choices share:
// the graph codes that name no mineral (the plain indices, the temperature and
// pH profiles and the corrosion rates) and the acid and alkali of the pH
// control. Raised characters are marked with '^' as labels draw them
// ("CO^2 - H^2S Corrosion rate"); lists of plain text drop the marks.
#pragma once

#include <cstdint>
#include <string>

// The title of graph code 10, 11, 18, 31, 40 to 43, 46 or 94 to 96; nullptr
// for any other code.
[[nodiscard]] const char* GraphIndexTitle(int code);

// A title of GraphIndexTitle without its '^' marks ("CO2 - H2S Corrosion rate").
[[nodiscard]] std::string UnmarkedTitle(const char* title);

// The acid (0 to 2) or alkali (0 to 4) of phControlSettings by its number; ""
// for a number past the list, which is what an unchosen chemical holds.
[[nodiscard]] const char* AcidName(uint16_t chemical);
[[nodiscard]] const char* AlkaliName(uint16_t chemical);
