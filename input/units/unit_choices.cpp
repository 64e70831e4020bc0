// Unit choices: the maxima, the wrap-round step and the presets.
#include "input/units/unit_choices.h"

#include <initializer_list>

#include "engine/records.h"

namespace {

constexpr int kShownItems = 39;               // items 0 to 38
constexpr uint16_t kAlkalinityAsTheIons = 2;  // "(as HCO3)", "(as CO3)"

// kMaxChoice[item]; 11 and 12 hold the alkalinity modes' 7 for reference.
constexpr int8_t kMaxChoice[kShownItems] = {
    3, 3, 4, 3, 4, 4, 0, 4, 4, 4,  // 0 Ca .. 9 Cl
    3, 7, 7, 4, 4, 5, 3, 3, 2, 3,  // 10 SO4 .. 19 Sr
    3, 3, 3, 5, 1, 1, 3, 2, 1, 1,  // 20 Ba .. 29 oil flow
    2, 5, 3, 3, 3, 3, 5, 3, 0,     // 30 gas flow .. 38
};

bool IsAlkalinityItem(int item) {
    return item == UnitItem::kMAlkalinity || item == UnitItem::kPAlkalinity;
}

}  // namespace

bool IsConcentrationItem(int item) {
    return (item >= 0 && item < UnitItem::kTemperature) ||
           (item >= UnitItem::kStrontium && item <= UnitItem::kLithium) ||
           (item >= UnitItem::kManganese && item <= UnitItem::kOxalate);
}

namespace {

// The clamp rule on a signed choice.
uint16_t Clamped(int choice, int max) {
    if (choice > max) return 0;
    if (choice < 0) return static_cast<uint16_t>(max);
    return static_cast<uint16_t>(choice);
}

struct ControlItem {
    int16_t id;
    int8_t item;
};

// Scroll bars (the water form's field ids) and labels (its caption ids).
constexpr ControlItem kControls[] = {
    {400, 0},
    {401, 1},
    {402, 20},
    {403, 19},
    {404, 2},
    {405, 3},
    {406, 21},
    {407, 6},
    {408, 26},
    {410, 4},
    {411, 5},
    {412, 7},
    {413, 8},
    {414, 9},
    {415, 10},
    {419, 11},
    {819, 11},
    {420, 12},
    {421, 13},
    {422, 14},
    {423, 15},
    {425, 16},
    {426, 17},
    {645, 18},
    {428, 24},
    {481, 25},
    {644, 27},
    {920, 22},
    {822, 23},
    {821, 31},
    {947, 28},
    {657, 29},
    {658, 30},
    {470, 32},
    {471, 33},
    {472, 34},
    {473, 35},
    {506, 36},
    {497, 37},
    // labels
    {589, 0},
    {590, 1},
    {595, 2},
    {596, 3},
    {602, 4},
    {603, 5},
    {599, 6},
    {605, 7},
    {604, 8},
    {606, 9},
    {607, 10},
    {608, 11},
    {609, 11},
    {610, 12},
    {612, 13},
    {613, 14},
    {618, 15},
    {620, 16},
    {622, 17},
    {623, 18},
    {594, 19},
    {592, 20},
    {598, 21},
    {624, 22},
    {625, 23},
    {627, 24},
    {628, 25},
    {601, 26},
    {611, 27},
    {652, 28},
    {655, 29},
    {656, 30},
    {626, 31},
    {653, 32},
    {654, 33},
    {650, 34},
    {651, 35},
    {503, 36},
    {495, 37},
};

// A preset's choice for an item, held to the item's own choices: the pH has one
// unit only, and the presets' ranges reach it; a choice past its last would be
// saved in a work file that its reader then refuses.
void SetItem(int item, uint16_t value) {
    const bool shown = item < kShownItems && !IsAlkalinityItem(item);
    unitCodes.code[item] = shown && value > kMaxChoice[item] ? 0 : value;
}
void SetItems(std::initializer_list<int> items, uint16_t value) {
    for (int item : items) SetItem(item, value);
}
void SetRange(int first, int last, uint16_t value) {
    for (int item = first; item <= last; ++item) SetItem(item, value);
}

}  // namespace

void ClampUnitCodes(UnitCodes& units) {
    for (int item = 0; item < kShownItems; ++item) {
        if (IsAlkalinityItem(item)) continue;
        units.code[item] = Clamped(units.code[item], kMaxChoice[item]);
    }
}

int MaxUnitChoice(int item) {
    return item >= 0 && item < kShownItems ? kMaxChoice[item] : 0;
}

void ClampUnitChoices() {
    ClampUnitCodes(unitCodes);
}

void StepUnitChoice(int item, int direction) {
    if (item < 0 || item >= kShownItems) return;
    const int step = direction < 1 ? -1 : 1;
    if (IsAlkalinityItem(item)) {
        int mode = alkalinityMode + step;
        if (mode < 1) mode = 7;
        if (mode > 7) mode = 1;
        alkalinityMode = static_cast<uint16_t>(mode);
        unitCodes.code[UnitItem::kMAlkalinity] = alkalinityMode;
        unitCodes.code[UnitItem::kPAlkalinity] = alkalinityMode;
        ClampUnitChoices();
        return;
    }
    // Signed, so that a step back from 0 is below 0 and wraps to the maximum.
    unitCodes.code[item] = Clamped(unitCodes.code[item] + step, kMaxChoice[item]);
}

int UnitItemForControl(int controlId) {
    for (const ControlItem& c : kControls)
        if (c.id == controlId) return c.item;
    return 0;
}

void ApplyUnitPreset(UnitPreset preset) {
    switch (preset) {
        case UnitPreset::kAsTheIon:
            // The alkalinity as its ions too: bicarbonate and carbonate.
            SetItems({11, 12}, kAlkalinityAsTheIons);
            SetRange(0, 10, 0);
            SetRange(13, 21, 0);
            SetItems({25, 39}, 0);
            SetRange(32, 37, 0);
            alkalinityMode = kAlkalinityAsTheIons;
            return;
        case UnitPreset::kAsCaCO3:
            SetRange(0, 13, 1);
            SetItems({16, 17, 19, 20, 21}, 1);
            SetRange(32, 35, 1);
            SetItems({14, 15, 18, 25, 36, 37, 39}, 0);
            break;
        case UnitPreset::kCombination:
            SetItems({0, 1, 6, 11, 12, 20}, 1);
            SetRange(2, 5, 0);
            SetRange(7, 10, 0);
            SetRange(13, 19, 0);
            SetItems({21, 25, 39}, 0);
            SetRange(32, 37, 0);
            break;
    }
    alkalinityMode = 1;
}
