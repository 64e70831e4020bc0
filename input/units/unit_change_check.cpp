// Whether a change of units keeps every water the forms show within the
// ranges the forms type with (unit_change_check.h). The units' ranges are
// each unit's own (578 K is 580.71 F, past the 572 F of degrees F; the top of
// a concentration in meq/L is read per kilogram, so a heavy brine holds more
// mg/L than the top in mg/L), so a change may carry a value the form would
// then refuse; such a change is refused before anything is converted.
#include "input/units/unit_change_check.h"

#include <string>

#include "common/water_analysis.h"
#include "input/typed_values.h"
#include "input/units/unit_change.h"
#include "input/waterform/form_checks.h"
#include "input/waterform/form_fields.h"
#include "input/waterform/form_water.h"
#include "input/waterform/water_form_records.h"
#include "scenarios/multimix/multimix_records.h"

namespace {

namespace E = AnalysisElement;

// The first value of a row as entered that the form takes in the units
// before and refuses once converted into the units after: the form's
// sentence, or empty.
std::string RowRefusal(const float* row, const UnitBasis& before, const UnitBasis& after) {
    double values[E::kCount];
    for (int e = 0; e < E::kCount; ++e) values[e] = row[e];
    ConvertValuesOnce(values, before, after);
    const FieldUnits was{before.units, before.reportingMode, before.alkalinityMode};
    const FieldUnits now{after.units, after.reportingMode, after.alkalinityMode};
    auto refused = [&](int e) {
        return StoredValueRefusal(e, row[e], was).empty() ? StoredValueRefusal(e, values[e], now)
                                                          : std::string();
    };
    std::string why = refused(E::kPh);
    for (const ElementField& f : ElementFields())
        if (why.empty()) why = refused(f.element);
    return why;
}

}  // namespace

std::string UnitChangeRefusal(const UnitBasis& before, const UnitBasis& after,
                              const float* formWater) {
    static const char* const kWaters[kFormWaterCount] = {"surface water", "injection water",
                                                         "formation water"};
    std::string why;
    std::string water = "water on the form";
    if (formWater != nullptr) why = RowRefusal(formWater, before, after);
    for (int32_t w = 0; w < kFormWaterCount && why.empty(); ++w)
        if (IsFormWaterEntered(w) && HoldsEnteredValues(enteredValues[w])) {
            why = RowRefusal(enteredValues[w], before, after);
            water = kWaters[w];
        }
    for (int k = 0; k < kMultiMixWaterCount && why.empty(); ++k)
        if (multiMixState.multiMixEntered[k] != 0 && HoldsEnteredValues(sourceValuesAsEntered[k])) {
            why = RowRefusal(sourceValuesAsEntered[k], before, after);
            water = "multi-mix water " + std::to_string(k + 1);
        }
    if (why.empty()) return why;
    return "In the units chosen, a value of the " + water + " leaves the form's range: " + why +
           " The units were not changed.";
}
