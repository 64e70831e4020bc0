// The acid, alkali and pH prediction groups of the what-if and mixing-zone
// settings.
#include "resources/dialogs/ph_control_groups.h"

#include <array>
#include <cstddef>
#include <utility>

namespace {

constexpr const char* kAcids[] = {"98% H2SO4", "35% HCl", "CO2", "NONE"};
constexpr const char* kAlkalies[] = {
    "Lime (Ca(OH)2)",      "Soda ash (Na2CO3)",    "Sodium bicarbonate (NaHCO3)",
    "Caustic soda (NaOH)", "Caustic potash (KOH)", "NONE"};
constexpr const char* kPredictions[] = {"Theor. pH-pCO2",    "User Defined",        "Oddo-Tomson",
                                        "Lawrence-Caldwell", "Extrapolated pH-Alk", "Default"};

// One radio group of the dialog's ids with their texts.
template <std::size_t N>
short Group(TemplateBuilder& b, const char* title, const int (&ids)[N],
            const char* const (&texts)[N], short x, short y, short cx) {
    std::array<std::pair<int, const char*>, N> entries;
    for (std::size_t i = 0; i < N; ++i) entries[i] = {ids[i], texts[i]};
    return b.Radios(title, entries, x, y, cx);
}

}  // namespace

short AddAcidsAndAlkalies(TemplateBuilder& b, const PhControlIds& ids, short x, short y, short cx) {
    y = Group(b, "Acids", ids.acids, kAcids, x, y, cx);
    y = Group(b, "Alkalies", ids.alkalies, kAlkalies, x, y, cx);
    constexpr short kRow = 13;
    b.Label("pH Target", x, y, 50);
    b.Edit(ids.phTarget, static_cast<short>(x + 52), y, 40);
    return static_cast<short>(y + kRow);
}

short AddPhPrediction(TemplateBuilder& b, const PhControlIds& ids, short x, short y, short cx) {
    return Group(b, "pH Prediction", ids.predictions, kPredictions, x, y, cx);
}
