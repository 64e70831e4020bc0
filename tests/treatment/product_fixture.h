// Products made for the tests: a table of N components whose every field
// holds a value of its own, so a lost or moved field shows.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "treatment/product_table_codec.h"
#include "treatment/records.h"

namespace producttest {

template <size_t N>
inline void Put(char (&field)[N], const std::string& text) {
    std::memset(field, 0, N);
    std::strncpy(field, text.c_str(), N - 1);
}

// Every field the older layout can hold, distinct per component.
inline std::unique_ptr<ProductTable> MakeProduct(int components,
                                                 const std::string& name = "SAMPLE") {
    auto t = std::make_unique<ProductTable>();
    t->baseRecordCode = 7;
    t->componentCount = static_cast<int16_t>(components);
    t->selection = 3;
    t->headerValue = 1.5f;
    t->headerLimit = kUnsetLimit;
    t->limitsWord = 0x01020304;
    for (int s = 0; s < 30; s += 3)
        t->limits[s] = LimitSlot{static_cast<int16_t>(s), 1, kUnsetLimit, 10.0f + s};
    for (int k = 0; k < components; ++k) {
        ProductRecord& r = t->records[k];
        const float f = static_cast<float>(k + 1);
        Put(r.name, k == 0 ? name : "PART " + std::to_string(k));
        Put(r.fileName, k == 0 ? name + ".PRD" : "FILE" + std::to_string(k));
        Put(r.functionText, "function of component " + std::to_string(k));
        r.limitCode = static_cast<int16_t>(20 + k);
        r.productMode = static_cast<int16_t>(k % 2);
        r.activesPercent = 3.0f * f;
        r.blendShare = 0.5f * f;
        r.treatedIndex = static_cast<uint16_t>(k);
        r.modelKind = DoseModelKind::kLogDriverPlain;
        r.activeConc = 0.25f * f;
        for (int i = 0; i < 12; ++i) r.c[i] = f + 0.01f * static_cast<float>(i);
        r.driverLimit = 100.0f * f;
        r.c14 = 14.0f + f;
        r.c17 = 17.0f + f;
        r.depletion1Rate = 0.1f * f;
        r.depletion1Threshold = 0.2f * f;
        r.ingredient1 = 0.01f * f;
        r.ingredient3 = 0.03f * f;
        r.energyForm = -1;
        r.doseScale = 1.0f + f;
        r.doseMode = k == 0 ? 1 : 0;
        for (int t2 = 0; t2 < kDoseTermCount; ++t2) r.termLower[t2] = r.termUpper[t2] = kUnsetLimit;
        r.componentLimits[0] = ComponentLimit{static_cast<int16_t>(k), 1, kUnsetLimit, 5.0f * f};
        r.componentLimits[6] = ComponentLimit{-3, 0, -2.0f, 2.0f};
    }
    return t;
}

inline std::vector<uint8_t> Bytes(const ProductTable& t) {
    std::vector<uint8_t> b(kProductTableBytes);
    (void)ProductTableToBytes(t, b.data(), b.size());
    return b;
}

}  // namespace producttest
