// IsIndexTreated: the product coverage groups.
#include "graphs/bands/index_treated.h"

#include <algorithm>

#include "engine/records.h"
#include "treatment/records.h"

namespace {

constexpr int kCoveringRecords = 7;
constexpr int kMaxGroup = 7;

struct CodeGroup {
    int16_t codes[kMaxGroup];
    int count;
};

constexpr CodeGroup kGroups[] = {
    {{0, 1, 10, 11, 31, 100, 101}, 7},
    {{2, 114}, 2},
    {{3, 36, 109, 110}, 4},
    {{4, 5, 105, 106}, 4},
    {{12, 112}, 2},
    {{19, 116}, 2},
    {{20, 115}, 2},
    {{21, 107}, 2},
    {{22, 102}, 2},
    {{23, 113}, 2},
    {{24, 103}, 2},
    {{25, 104}, 2},
    {{26, 111}, 2},
    {{32, 119}, 2},
    {{37, 108}, 2},
    {{44, 117}, 2},
    {{45, 118}, 2},
    {{47, 121}, 2},
};

bool InGroup(const CodeGroup& g, int code) {
    return std::find(g.codes, g.codes + g.count, code) != g.codes + g.count;
}

const CodeGroup* GroupOf(int code) {
    for (const CodeGroup& g : kGroups)
        if (InGroup(g, code)) return &g;
    return nullptr;
}

}  // namespace

int16_t IsIndexTreated(int16_t code) {
    if (resultStatus.productSelected == 0) return 0;
    const bool corrosionGroup = code == 18 || code == 301 || code == 302;
    const CodeGroup* group = GroupOf(code);
    if (!corrosionGroup && group == nullptr) return 0;
    // Only records that hold a component count: an empty record reads as
    // treating calcite (code 0) and would mark every calcite chart treated.
    const int records = std::clamp<int>(productTable.componentCount, 0, kCoveringRecords);
    for (int k = 0; k < records; ++k) {
        const ProductRecord& r = productTable.records[k];
        if (corrosionGroup) {
            if (r.modelKind == 3 || r.doseMode == 1) return 1;
        } else if (InGroup(*group, r.treatedIndex)) {
            return 1;
        }
    }
    return 0;
}
