// Definitions of the waterflood mixing drivers' records.
#include "scenarios/mixing/mixing_records.h"

MixProfileTables mixProfileTables;
WaterAnalysis waterfloodMix;
char mixDoseProduct[kMixProductNameChars];
uint16_t mixDosesDone;
uint16_t mixPhosphateProduct;
MixGridTables mixGridTables;
uint16_t gridPhosphateProduct;
uint16_t mixGridDosesDone;

void ResetMixingRecords() {
    mixProfileTables = MixProfileTables{};
    waterfloodMix = WaterAnalysis{};
    for (char& c : mixDoseProduct) c = 0;
    mixDosesDone = 0;
    mixPhosphateProduct = 0;
    mixGridTables = MixGridTables{};
    gridPhosphateProduct = 0;
    mixGridDosesDone = 0;
}
