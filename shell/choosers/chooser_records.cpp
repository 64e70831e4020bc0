// Definitions of the choosers' state and the saturation-level code table.
#include "shell/choosers/chooser_records.h"

SatLevelChooserState satLevelChooser;
DosageGraphChooserState dosageGraphChooser;
MineralGraphChooserState mineralGraphChooser;
AxisTransformChooserState axisTransformChooser;
int16_t satLevelCodes[kSatLevelCount];

void ResetChooserRecords() {
    satLevelChooser = SatLevelChooserState{};
    dosageGraphChooser = DosageGraphChooserState{};
    mineralGraphChooser = MineralGraphChooserState{};
    axisTransformChooser = AxisTransformChooserState{};
    for (int16_t& c : satLevelCodes) c = 0;
}
