// Definitions of the records that the last stage of the equilibrium calculation fills.
#include "engine/saturation/results_records.h"

#include "engine/records.h"

ZincPhosphateResults zincPhosphateResults;
float calciumSilicateRatio;
float calciumSilicateRatioCopy;
OxalateResults oxalateResults;
ResultsCarbonate resultsCarbonate;
float& balanceAmount = SaturationResults[31];
double referenceAlkalinity;
ReferenceCarbonate referenceCarbonate;
ReferenceOutputs referenceOutputs;

void ResetResultsRecords() {
    zincPhosphateResults = ZincPhosphateResults{};
    calciumSilicateRatio = 0.0f;
    calciumSilicateRatioCopy = 0.0f;
    oxalateResults = OxalateResults{};
    resultsCarbonate = ResultsCarbonate{};
    balanceAmount = 0.0f;
    referenceAlkalinity = 0.0;
    referenceCarbonate = ReferenceCarbonate{};
    referenceOutputs = ReferenceOutputs{};
}
