// Taking and putting back the engine's state around runs on trial waters.
#include "engine/pipeline/engine_state_copy.h"

#include <cstring>

#include "engine/carbonate/carbonate_records.h"
#include "engine/balancing/balancing_records.h"

namespace {

template <typename T>
void CopyArray(T* to, const T* from, std::size_t count) {
    std::memcpy(to, from, count * sizeof(T));
}

}  // namespace

void SaveEngineState(EngineStateCopy& copy) {
    copy.analysis = currentAnalysis;
    CopyArray(copy.saturation, SaturationResults, kSaturationResultCount);
    CopyArray(copy.excess, MomentaryExcess, kMomentaryExcessCount);
    copy.carbonate = carbonateState;
    CopyArray(copy.species, SpeciesState, kSpeciesCount);
    CopyArray(copy.logK, reactionLogK, kReactionCount);
    CopyArray(copy.k, reactionK, kReactionCount);
    copy.inputs = engineInputs;
    copy.flows = gasFlowTotals;
    copy.water = waterConstants;
    copy.speciation = speciation;
    copy.zinc = zincPhosphateResults;
    copy.oxalate = oxalateResults;
    copy.resultsCarbonate = resultsCarbonate;
    copy.referenceCarbonate = referenceCarbonate;
    copy.referenceOutputs = referenceOutputs;
    copy.referenceAlkalinity = referenceAlkalinity;
    copy.referencePh = referencePh;
    copy.enginePh = enginePh;
    copy.kw = kwResult;
    copy.waterActivity = waterActivityResult;
    copy.calciumSilicate = calciumSilicateRatio;
    copy.calciumSilicateCopy = calciumSilicateRatioCopy;
    copy.dissolvedCO2Copy = dissolvedCO2Copy;
    copy.phBoundUsed = phBoundUsed;
    copy.calcPassMode = calcPassMode;
    copy.cationAdded = cationAdded;
    copy.anionAdded = anionAdded;
}

void RestoreEngineState(const EngineStateCopy& copy) {
    currentAnalysis = copy.analysis;
    CopyArray(SaturationResults, copy.saturation, kSaturationResultCount);
    CopyArray(MomentaryExcess, copy.excess, kMomentaryExcessCount);
    carbonateState = copy.carbonate;
    CopyArray(SpeciesState, copy.species, kSpeciesCount);
    CopyArray(reactionLogK, copy.logK, kReactionCount);
    CopyArray(reactionK, copy.k, kReactionCount);
    engineInputs = copy.inputs;
    gasFlowTotals = copy.flows;
    waterConstants = copy.water;
    speciation = copy.speciation;
    zincPhosphateResults = copy.zinc;
    oxalateResults = copy.oxalate;
    resultsCarbonate = copy.resultsCarbonate;
    referenceCarbonate = copy.referenceCarbonate;
    referenceOutputs = copy.referenceOutputs;
    referenceAlkalinity = copy.referenceAlkalinity;
    referencePh = copy.referencePh;
    enginePh = copy.enginePh;
    kwResult = copy.kw;
    waterActivityResult = copy.waterActivity;
    calciumSilicateRatio = copy.calciumSilicate;
    calciumSilicateRatioCopy = copy.calciumSilicateCopy;
    dissolvedCO2Copy = copy.dissolvedCO2Copy;
    phBoundUsed = copy.phBoundUsed;
    calcPassMode = copy.calcPassMode;
    cationAdded = copy.cationAdded;
    anionAdded = copy.anionAdded;
}
