// The pH-control groups that the what-if and the mixing-zone settings share:
// the acids, the alkalies and the pH target in one column, and the pH
// prediction methods. Each dialog passes its own control ids.
#pragma once

#include "resources/dialog_ids.h"
#include "resources/template_builder.h"

// The "Acids" and "Alkalies" radio groups and the pH Target row under them,
// from (x, y), `cx` wide; returns the y under the pH Target row.
short AddAcidsAndAlkalies(TemplateBuilder& b, const PhControlIds& ids, short x, short y, short cx);

// The "pH Prediction" radio group from (x, y), `cx` wide; returns the y under it.
short AddPhPrediction(TemplateBuilder& b, const PhControlIds& ids, short x, short y, short cx);
