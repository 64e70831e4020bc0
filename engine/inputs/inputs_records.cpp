// Definitions of the engine's switches and input-stage state.
#include "engine/inputs/inputs_records.h"

uint16_t calcPassMode;
uint16_t profileStepFlag;
uint16_t givenSpeciesPerKilogram;
uint16_t balanceHold;
double heldAlkalinity;
float blendDissolvedCo2;
const float* calculatedWaterValues;

double referencePh;
float referenceH2CO3;
float referenceHCO3;
float referenceCO3;
float referenceDissolvedCo2;

double enginePh;

EngineInputs engineInputs;
float waterActivityResult;
GasFlowTotals gasFlowTotals;

void ResetInputsRecords() {
    calcPassMode = 0;
    profileStepFlag = 0;
    givenSpeciesPerKilogram = 0;
    balanceHold = 0;
    heldAlkalinity = 0.0;
    blendDissolvedCo2 = 0.0f;
    calculatedWaterValues = nullptr;
    referencePh = 0.0;
    referenceH2CO3 = referenceHCO3 = referenceCO3 = referenceDissolvedCo2 = 0.0f;
    enginePh = 0.0;
    engineInputs = EngineInputs{};
    waterActivityResult = 0.0f;
    gasFlowTotals = GasFlowTotals{};
}
