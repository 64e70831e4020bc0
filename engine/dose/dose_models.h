// The dose of one product component by its model kind, with the limit status of
// its driver value or terms. Internal to the inhibitor dose.
#pragma once

#include "engine/dose/inhibitor_dose.h"

namespace dose {

struct ComponentInputs {
    const ProductRecord& record;
    double temperatureK;
    double driver;             // the component's driver value
    double firstDriver;        // the first depletion driver (iron, mg/L)
    double secondDriver;       // the second depletion driver
    const DoseContext& entry;  // the dose inputs as the caller gave them
    const VariableSource& variables;
    uint16_t doseMode;  // of the product (its first component)
};

struct ComponentDose {
    double dose;          // raw dose, before the acting fraction
    int16_t limitStatus;  // 0, 1 or 2
};

ComponentDose EvaluateComponent(const ComponentInputs& in);

// e^x with the models' limits: 9999999.0 from x = 32 on, 0 from x = -32 down.
double LimitedExp(double x);

}  // namespace dose
