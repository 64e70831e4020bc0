// Points that no water can be. A calculation that does not settle can leave a
// point with a pH outside 0 to 14, dissolved solids past the water's own mass,
// dissolved CO2 far past what its gas dissolves at the point's pressure, or
// figures that are no numbers. Such a point is never shown as a result: its
// calculated figures become the engine's mark of a value it could not compute
// (1e37, which the pages show as "    N/A" and the graphs leave out), and the
// driver tells the user once a run.
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/win_types.h"
#include "scenarios/frame/whatif_records.h"

// The engine's mark of a value it could not compute (engine/pipeline/numbers/clamp_to_float.h).
inline constexpr float kNotCalculated = 1.0e37f;
[[nodiscard]] bool IsNotCalculated(float value);

// What a point came to, in the figures that bound any water.
struct PointFigures {
    double ph;
    double tds;           // result slot 35 (mg/L or mg/kg)
    double gravity;       // Sp.Gr.; 0 or below: not known
    double dissolvedCo2;  // mg/L (mg/kg), as the driver keeps it
    double pressureAtm;
    double gasAtm;  // the CO2 partial pressure where it is held as a pressure, else 0
    double conductivity;
};
// True when no water holds the figures: a pH outside 0 to 14, dissolved
// solids above the water's own mass (Sp.Gr. x 1e6 mg/L; 2.5 where the gravity
// is not known), dissolved CO2 past twice 3,400 mg/L an atmosphere of the
// water's pressure or of its CO2's own partial pressure, whichever is higher
// (CO2 near freezing), or past 150,000 mg/L at any pressure, a conductivity
// past ten million, or a figure that is no number or the engine's mark of one.
[[nodiscard]] bool BeyondAnyWater(const PointFigures& p);

// The unit codes of the point's pressure and of its gas-phase CO2.
struct PointUnits {
    uint16_t pressure;
    uint16_t gasCo2;
};
// The figures of a point from its analysis row (user units), its results row
// and its dissolved CO2.
[[nodiscard]] PointFigures FiguresOfPoint(const float* analysis, const float* results,
                                          float dissolvedCo2, PointUnits units);

// Which of a point's conditions were given rather than calculated, and stay
// shown: its temperature and pressure always, its pH and pCO2 when given.
struct GivenConditions {
    bool ph;
    bool pco2;
};

// Marks the calculated figures of an analysis row (pH and pCO2 unless given,
// the alkalinity and carbonate elements, the ionic strength, the
// conductivity, the dissolved CO2 or acidity) and every value of `values`
// (`count` of them) as not calculated.
void MarkAnalysisNotCalculated(float* analysis, GivenConditions given);
void MarkNotCalculated(float* values, int count);

// Marks the rows of a point beyond any water: its analysis row as
// MarkAnalysisNotCalculated, its results, excesses and corrosion rates all.
void MarkRowsNotCalculated(float (&analysis)[kResultRowValues], float (&results)[kResultRowValues],
                           float (&excess)[kIndicatorRowValues],
                           float (&corrosion)[kCorrosionRowValues], GivenConditions given);

// Checks point `k` of a table of points (a profile, a well's stations) and,
// when it is beyond any water, marks its rows and its carbonate and dose
// figures. True when it was marked.
template <typename Table>
bool MarkPointIfBeyond(Table& t, int k, PointUnits units, GivenConditions given) {
    if (!BeyondAnyWater(FiguresOfPoint(t.analysis[k], t.results[k], t.dissolvedCO2[k], units)))
        return false;
    MarkRowsNotCalculated(t.analysis[k], t.results[k], t.excess[k], t.corrosion[k], given);
    for (float* v : {&t.bicarbonate[k], &t.carbonate[k], &t.dissolvedCO2[k],
                     &t.carbonateFigure[k], &t.dose[k]})
        *v = kNotCalculated;
    return true;
}
bool MarkProfilePointIfBeyond(ProfileTable& t, int k, PointUnits units, GivenConditions given);
// The same for cell `n` of the 7 x 7 grid.
// `dissolvedCo2`: the cell's dissolved CO2 as its driver keeps it.
bool MarkGridCellIfBeyond(GridTable& g, int n, float dissolvedCo2, PointUnits units,
                          GivenConditions given);
// True when point `k` (cell `n`) was marked: its results are no numbers.
[[nodiscard]] bool ProfilePointNotCalculated(const ProfileTable& t, int k);
template <typename Table>
[[nodiscard]] bool PointNotCalculated(const Table& t, int k) {
    return IsNotCalculated(t.results[k][35]);
}
[[nodiscard]] bool GridCellNotCalculated(const GridTable& g, int n);

// A calculated water (a water's page, the multi-mix blend): its analysis row
// as its calculation left it and its results. Its dissolved CO2 is the
// carbonic acid its calculation left in the row, whatever the alkalinity's
// entry mode (a water typed by its pCO2 holds what that gas dissolves);
// pressures in the units in force. True when no water holds its figures.
[[nodiscard]] bool WaterBeyondAnyWater(const float* analysis, const float* results);
// The water's analysis row as its page shows it when it is beyond any water:
// the calculated figures marked as MarkAnalysisNotCalculated, its pH and pCO2
// kept where they are figures a water can have (typed ones).
void MarkWaterAnalysisNotCalculated(float* analysis);

// The message of a run that marked `marked` of its `points` points.
[[nodiscard]] std::string PointsNotCalculatedText(int marked, int points);
// Tells the user, owned by `owner`, that a run marked `marked` of its points
// (nothing when it marked none).
void TellPointsNotCalculated(win::HWND owner, int marked, int points);
// The message of a water (named by `water`, as "The surface water") whose
// calculation came to figures no water holds.
[[nodiscard]] std::string WaterNotCalculatedText(const std::string& water);
// Tells the user, owned by `owner`, when the water's figures are beyond any
// water; true when it did.
bool TellWaterIfNotCalculated(win::HWND owner, const std::string& water, const float* analysis,
                              const float* results);
