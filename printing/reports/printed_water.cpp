// Each report kind's water and description set.
#include "printing/reports/printed_water.h"

#include <cstring>
#include <string>

#include "input/description_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/records.h"

bool PrintedWaterOfKind(int kind, PrintedWater& w) {
    w = PrintedWater{};
    w.kind = kind;
    switch (kind) {
        case 0:
        case 3:
            w.texts = &waterDescriptions[0];
            return ViewOfWater(WaterSelector::kSurface, w.view);
        case 1:
        case 2:
            w.texts = &waterDescriptions[kind];
            return ViewOfWater(kind, w.view);
        case 4:
            w.texts = &multiMixBlend.mixedDescription;
            return ViewOfWater(WaterSelector::kMixed, w.view);
        case 5: {
            // The source water's own texts: its ID and comments, not the
            // last water form's.
            const int k = multiMixState.editIndex;
            w.texts = k >= 0 && k < kMultiMixWaterCount ? &multiMixState.descriptions[k]
                                                        : &currentDescription;
            return ViewOfWater(WaterSelector::kMultiMixSource, w.view);
        }
        default:
            return false;
    }
}

std::string DescriptionText(const SampleDescription& texts, int field) {
    const char* text = texts.text[field];
    return std::string(text, strnlen(text, sizeof texts.text[field]));
}
