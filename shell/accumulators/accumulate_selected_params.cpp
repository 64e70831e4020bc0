// Accumulation: for each listed IndexCode, running sums over the twelve
// stations of a well profile of the code's saturation value (sumResult) and
// of its station quantity (sumStation), and a weighted sum that adds the
// product of the two running sums at each station where the station quantity
// is 0 or more and subtracts it where the quantity is negative.
#include <algorithm>

#include "scenarios/wells/well_records.h"
#include "shell/accumulators/selected_params.h"

namespace {

// IndexCode and the column of its momentary excess in a station row; the
// station quantity code of a mineral is 100 plus that column.
struct CodeColumn {
    uint16_t code;
    uint16_t column;
};
constexpr CodeColumn kStationColumns[] = {
    {0, 0},   {1, 1},   {3, 9},  {4, 5},   {5, 6},   {12, 12}, {19, 16},
    {20, 15}, {21, 7},  {22, 2}, {23, 13}, {24, 3},  {25, 4},  {26, 11},
    {32, 19}, {36, 10}, {37, 8}, {43, 43}, {44, 17}, {45, 18}, {47, 21},
};

// The list holds six entries; a larger n reads no further.
int ListCount(int n) {
    return std::clamp(n, 0, kGraphParamCount);
}

}  // namespace

int StationColumnOf(uint16_t code) {
    for (const CodeColumn& c : kStationColumns)
        if (c.code == code) return c.column;
    return -1;
}

void AccumulateParams(ParamList list, int n, const StationTables& tables, bool sumStations,
                      SelectedParamAccumulators& acc) {
    for (int k = 0; k < ListCount(n); ++k) {
        const uint16_t c = list[static_cast<size_t>(k)];
        const int j = StationColumnOf(c);
        if (j < 0) continue;  // not a code of the table: the entry keeps what it held
        acc.code[k] = acc.codeCopy[k] = c;
        acc.stationColumn[k] = static_cast<uint32_t>(j);
        acc.sumResult[k] = acc.sumStation[k] = acc.weightedSum[k] = 0.0f;
        if (!sumStations) continue;
        // Code 43 (Stiff-Davis) has no column inside a station row: its
        // station sum stays 0 and so does its weighted sum.
        const bool hasStation = j < kIndicatorRowValues;
        for (int r = 0; r < kTableStations; ++r) {
            const float station = hasStation ? tables.stations[r][j] : 0.0f;
            acc.sumResult[k] += tables.results[r][c];
            acc.sumStation[k] += station;
            const float product = acc.sumResult[k] * acc.sumStation[k];
            if (station >= 0.0f)
                acc.weightedSum[k] += product;
            else
                acc.weightedSum[k] -= product;
        }
    }
}

int AccumulateSelectedParams(int n) {
    const WellLogTable& t = wellProfiles.wellLog;
    AccumulateParams(displaySettings.graphParams, n, StationTables{t.results, t.excess},
                     onePageDataFlag != 0, selectedParams);
    return 0;
}

int AccumulateSelectedParams2(int n) {
    const Flash11Table& t = wellProfiles.flash11;
    AccumulateParams(displaySettings.graphParams, n, StationTables{t.results, t.excess},
                     onePageDataFlag != 0, selectedParams);
    return 0;
}
