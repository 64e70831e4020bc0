// State of the four list choosers, kept for the whole run so that each opens
// on what it last chose, and the code table of the saturation levels.
#pragma once

#include <cstdint>

constexpr int kChooserTextChars = 64;  // the longest list text with its terminator

// The saturation-level chooser: levels 0 to 77, -99 after Cancel.
struct SatLevelChooserState {
    int32_t chosenLevel;
    int32_t previousRow;  // the list row selected before the last change
    char chosenName[kChooserTextChars];
};

// The dosage and corrosion result chooser: rows 0 to 3, -1 after Cancel.
struct DosageGraphChooserState {
    int32_t chosenRow;
    char chosenText[kChooserTextChars];
};

// The mineral chooser of the graphs: the code it was asked for (kept, not
// used) and the row it opens on.
struct MineralGraphChooserState {
    int32_t requestedCode;
    int32_t chosenRow;
    char chosenText[kChooserTextChars];
};

// The axis transform chooser: the transform as a list row while it runs, the
// caller's value (row - 1) after OK, -99 after Cancel; the kind of axis
// decides which rows are allowed.
struct AxisTransformChooserState {
    int32_t transform;
    int32_t kind;
    char chosenText[kChooserTextChars];
};

extern SatLevelChooserState satLevelChooser;
extern DosageGraphChooserState dosageGraphChooser;
extern MineralGraphChooserState mineralGraphChooser;
extern AxisTransformChooserState axisTransformChooser;

// The code that a saturation level stands for: a mineral's IndexCode (levels
// 0 to 21), a scaling index (22 to 27), a precipitation code 500 and up (28 to
// 49), or 100 + an analysis element, 200 time, 301 and 302 the corrosion rates
// and 401 the dosage (50 to 77). Filled at start-up.
constexpr int kSatLevelCount = 78;
extern int16_t satLevelCodes[kSatLevelCount];

void ResetChooserRecords();
