// The numbers of a row of points that must read apart, as exact strings.
#include "reporttext/format/distinct_digits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The what-if pCO2 range from 0.0034 to 1 atm in six steps, and rows whose
// small or close points need more digits than the large ones.
TEST(DistinctDigits, EachPointReadsApartFromZeroAndItsNeighbours) {
    struct Case {
        std::vector<double> values;
        int width;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {{0.0034, 0.17, 0.34, 0.5, 0.67, 0.83, 1.0},
         7,
         {" 0.0034", "   0.17", "   0.34", "   0.50", "   0.67", "   0.83", "   1.00"}},
        // Five characters hold no "0.0034": the fewest decimals that do.
        {{0.0034, 0.17, 1.0}, 5, {"0.003", " 0.17", " 1.00"}},
        // Neighbours that two decimals join.
        {{1.001, 1.004, 1.2}, 7, {"  1.001", "  1.004", "   1.20"}},
        // Too small for any fixed form of the width.
        {{0.0000034, 0.5}, 7, {"3.4e-06", "   0.50"}},
        {{0.0, 0.5}, 7, {"   0.00", "   0.50"}},
        {{12.5, 150.0}, 7, {"  12.50", " 150.00"}},
    };
    for (const Case& c : cases) {
        for (size_t k = 0; k < c.values.size(); ++k) {
            EXPECT_EQ(DistinctPointText(c.values, k, 2, c.width), c.texts[k])
                << c.values[k] << " in " << c.width;
        }
    }
}

}  // namespace
