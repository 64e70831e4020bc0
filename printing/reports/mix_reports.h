// The printed reports of the multi-mix: the blend's indicator summary and the
// two tables of its source waters. Each prints as a job of its own or as a
// report of a multi-report job (singlePageJob) and leaves the shared point
// count of the profiles as it found it.
#pragma once

void PrintMixIndicatorsReport();
void PrintMixChemistryTable();
void PrintMixIndicatorsTable();
