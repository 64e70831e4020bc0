// The printed reports of one water: its chemistry and its deposition
// potential indicators, one page each, as a job of their own or as a report of
// a multi-report job (singlePageJob). Kinds: 0 surface, 1 injection,
// 2 formation, 3 the surface water without titles (indicators), 4 the
// multi-mix blend, 5 the multi-mix source water being edited. Neither report
// changes the working analysis or the current description set.
#pragma once

void PrintChemistryReport(int kind);
void PrintIndicatorsReport(int kind);
