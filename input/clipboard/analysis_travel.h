// Turning a working analysis into the "tkIntermediate" record and back. The
// sender writes each value in base units (its unit factor applied); the receiver
// converts from base units into its own units. Pressures travel in atm, as the
// chemistry engine reads each pressure unit.
#pragma once

#include <cstdint>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "input/clipboard/analysis_transfer.h"
#include "input/unit_factor_records.h"

// The records one analysis travels with.
struct TravelAnalysis {
    WaterAnalysis* analysis;
    SampleDescription* description;
    float* organicAcids;      // C2..C5
    float* residenceSeconds;  // the residence time in seconds
    float* corrosionTarget;   // in the corrosion-rate unit
    float* saturation;        // SaturationResults, 64 values
    float* dissolvedCO2Copy;  // the calculation's copy of element 43
};

// The user's units at one end.
struct TravelUnits {
    const UnitCodes* units;
    uint16_t alkalinityMode;
    const float (*factors)[kUnitFactorColumns];  // UnitFactorTable, 6 rows
    uint16_t reportingMode = ReportingMode::kMgPerL;
};

// What a slot of the record fills at the receiver: an AnalysisElement, a
// StoredField (input/units/analysis_ranges.h), or kUnreadSlot for a slot the
// receiver does not read. The results of the sender's last calculation that
// travel along are named by the elements they stand for.
inline constexpr int kUnreadSlot = -100;
[[nodiscard]] int TransferSlotField(int slot);
// Whether the receiver takes element `element` of the sender's values.
[[nodiscard]] bool SentElement(int element);
// Whether TransferToAnalysis takes the record's values from its sender's units.
[[nodiscard]] bool PastesSenderUnits(const AnalysisTransfer& in);

// The record of `from`, its values in base units, with the sender's units and
// its values as they are beside them.
void AnalysisToTransfer(const TravelAnalysis& from, const TravelUnits& units,
                        AnalysisTransfer& out);
// A water sent as the user typed it: its M and P alkalinity (or the species)
// in the slots a receiver of the sender's alkalinity mode reads them from, in
// place of the last calculation's figures.
void SendAlkalinityAsTyped(const float* typed, const TravelUnits& units, AnalysisTransfer& out);
// Clears the analysis values and all 64 saturation results first, then fills
// what the record carries. A record with its sender's units gives the
// sender's values converted into the receiver's units exactly as a change of
// units would convert them (input/units/unit_change.h); one without (an older
// sender's, or units no unit choice has) gives the values in base units
// converted by the receiver's factors. A value too large for its float after
// the conversion arrives as the largest float of its sign, which no range holds.
void TransferToAnalysis(const AnalysisTransfer& in, const TravelUnits& units,
                        const TravelAnalysis& to);
