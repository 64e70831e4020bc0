// What the runs that take a water through every driver share: reading the
// pages, graph data files and CSV files the drivers write, the script lines
// that run every driver with a point at the water's own conditions, and the
// checks that such a point is the water's own page.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_run_fixture.h"

// The number after a label on the surface page.
inline double SurfaceValue(const std::string& page, const std::string& label) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find(label);
        if (at != std::string::npos) return std::strtod(line.c_str() + at + label.size(), nullptr);
    }
    return NAN;
}

// The H2S and dissolved CO2 rows: in epm they name their unit ("(meq)",
// "(mmol)"), in the other bases the ion they are given as.
inline double H2sRow(const std::string& page) {
    const double v = SurfaceValue(page, "H2S (as H2S)");
    return std::isnan(v) ? SurfaceValue(page, "H2S (meq)") : v;
}
inline double DissolvedCo2Row(const std::string& page) {
    const double v = SurfaceValue(page, "Dissolved CO2(as CO2)");
    return std::isnan(v) ? SurfaceValue(page, "Dissolved CO2(mmol)") : v;
}

// The sea water on the form at pH `ph`, up to its OK; the menu item that

// The column values of a 3D graph's data file: its first line of numbers.
inline std::vector<double> DataFileColumns(const std::string& text) {
    std::vector<double> columns;
    for (const std::string& line : TextLines(text)) {
        if (line.empty() || line[0] == '"') continue;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            if (!cell.empty()) columns.push_back(std::strtod(cell.c_str(), nullptr));
        break;
    }
    return columns;
}

// A cell of a 3D graph's data file or a CSV file: its number, or NaN where it shows
// "N/A" (a point not calculated, which is not a 0).
inline double DataFileCell(const std::string& cell) {
    if (cell.find("N/A") != std::string::npos) return NAN;
    return std::strtod(cell.c_str(), nullptr);
}

// The rows of a 3D graph's data file after the line of the column values:
// each a row value and seven cell values.
inline std::vector<std::vector<double>> DataFileRows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    bool columns = false;
    for (const std::string& line : TextLines(text)) {
        if (line.empty() || line[0] == '"') continue;
        if (!columns) {
            columns = true;
            continue;
        }
        std::vector<double> row;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, ',');)
            if (!cell.empty()) row.push_back(DataFileCell(cell));
        if (!row.empty()) rows.push_back(row);
    }
    return rows;
}

// The cells of a 3D graph's data file: its rows without their row values.
inline std::vector<std::vector<double>> DataFileCells(const std::string& text) {
    std::vector<std::vector<double>> cells;
    for (const std::vector<double>& row : DataFileRows(text))
        cells.push_back(std::vector<double>(row.begin() + 1, row.end()));
    return cells;
}

// A page without the clock time of its "Sampled ... at HHMM" line, which the
// form fills with the time of the run: two runs a minute apart show the same
// water.
inline std::string WithoutSampleTime(std::string page) {
    for (size_t at = page.find("Sampled:"); at != std::string::npos;
         at = page.find("Sampled:", at + 1)) {
        const size_t time = page.find(" at ", at);
        const size_t end = page.find('\n', at);
        if (time == std::string::npos || time > end) continue;
        for (size_t k = time + 4; k < end && std::isdigit(static_cast<unsigned char>(page[k])); ++k)
            page[k] = '#';
    }
    return page;
}

// A mineral's key on both kinds of values page: its name up to the colon or
// the formula, lower case, the first four letters of its first word and three
// of its second ("Calcium oxalate:" and "Calcium oxalate (CaC2O4)" are both
// "calcoxa").
inline std::string MineralKey(const std::string& name) {
    std::istringstream words(name.substr(0, name.find_first_of(":(")));
    std::string key;
    size_t take = 4;
    for (std::string w; words >> w && take > 0; take = take == 4 ? 3 : 0)
        for (size_t k = 0; k < std::min(take, w.size()); ++k)
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(w[k])));
    return key;
}

// The saturation ratios of a water's values page (its SATURATION LEVEL block)
// or of a profile's values page (its SATURATION RATIO block up to its blank
// line, column `column`), by mineral.
inline constexpr size_t kMinerals = 22;
inline std::map<std::string, double> PageRatios(const std::string& page) {
    std::map<std::string, double> ratios;
    bool block = false;
    for (const std::string& line : TextLines(page)) {
        if (line.find("SATURATION LEVEL") != std::string::npos) {
            block = true;
            continue;
        }
        const size_t colon = line.find(':');
        if (!block || ratios.size() == kMinerals || colon == std::string::npos || colon > 30)
            continue;
        // "   Calcite:                 CaCO3   10.72   Calcium: ..."
        std::istringstream words(line.substr(colon + 1, 41 - colon));
        std::vector<std::string> w;
        for (std::string x; words >> x;) w.push_back(x);
        if (!w.empty()) ratios[MineralKey(line)] = DataFileCell(w.back());
    }
    return ratios;
}
inline std::map<std::string, double> ProfileRatios(const std::string& page, int column) {
    std::map<std::string, double> ratios;
    bool block = false;
    for (const std::string& line : TextLines(page)) {
        if (line.find("SATURATION RATIO") != std::string::npos) {
            block = true;
            continue;
        }
        if (!block || line.find("as IAP/Ksp") != std::string::npos) continue;
        if (line.find_first_not_of(" \r") == std::string::npos) break;
        std::istringstream words(line.size() > 24 ? line.substr(24) : "");
        std::vector<double> values;
        for (std::string w; words >> w;) values.push_back(DataFileCell(w));
        if (values.size() == 7)
            ratios[MineralKey(line.substr(0, 24))] = values[static_cast<size_t>(column)];
    }
    return ratios;
}

// The seven waters of the field set, typed into the surface form as the field
// sends them (mg/L; pH; F; Sp.Gr.; 1 atm): sea water, a formation water sampled
// hot, sodium chloride brines of 100, 250 and 350 g/L, a calcium chloride brine

// Two values the same within `share` of the first and the rounding of a page.
inline void ExpectSame(double page, double point, double share, const std::string& what) {
    EXPECT_NEAR(point, page, share * std::fabs(page) + 0.0101) << what;
}

// Every driver of the water, written to files named with `tag`: the profiles
// and their values pages, the two grids, the mixing profile and the three
// mixing grids of the water mixed with itself; under the pCO2 plot variable the
// mixing grids of pCO2 rows (first, as a user opens them), the pH and
// temperature profiles and the pCO2 grid; the pressure profile and the well
// stations with the input pH used, and the temperature profile and the mixing
// grid of pCO2 rows by temperature with the pH following the temperature. The
// mixing grid of ratios by temperature is run once more after "Correct pH for
// Temperature" is turned on (its graph closed in between), and the option is
// turned off again.
inline std::string EveryDriver(const std::string& tag) {
    auto page = [&tag](const char* cls, const char* name) {
        return std::string("text ") + cls + " " + name + tag + ".txt\n";
    };
    // The page, then the same page in the species form (its name with "s"),
    // then the alkalinity form again.
    auto both = [&page](const char* cls, const char* name) {
        return page(cls, name) + "menu 1073 " + cls + "\n" +
               page(cls, (name + std::string("s")).c_str()) + "menu 1072 " + cls + "\n";
    };
    auto data = [&tag](const char* menu, const char* name) {
        return std::string("menu ") + menu + "\nfile \\" + name + tag +
               ".DAT\nmenu 996 wcGraphWindow\nmenu 1028 wcGraphWindow\n";
    };
    auto whatIf = [](const char* toggle) {
        return std::string("dialog 84 click ") + toggle + "\ndialog 84 press 1\nmenu 1041\n";
    };
    // The mixing grids of pCO2 rows by ratio, and with the pH following the
    // temperature, run once, before the save.
    const bool once = tag.empty();
    const std::string pco2ByRatio = once ? data("1046", "MPC") : "";
    const std::string pco2WithPhFollowing =
        once ? "answer yes pH will be the plot variable\nmenu 1076\n" + data("1044", "MCF") +
                   "answer yes\nmenu 1076\n"
             : "";
    return "menu 228\n" + both("DisplayPressWater", "press") + page("DisplayPressValues", "pv") +
           "menu 1036\n" + both("DisplayTempWater", "temp") + page("DisplayTempValues", "tv") +
           "menu 1038\n" + both("DisplaypHWater", "ph") + page("DisplaypHValues", "phv") +
           data("230", "P") + data("1040", "G") + "menu 1042\n" +
           page("DisplayCycledWater", "mix") + page("DisplayCycledValues", "mixv") +
           data("1044", "MT") + data("1045", "MR") +
           (once ? whatIf("1510") + data("1045", "MRF") + whatIf("1510") : "") +
           data("1046", "MP") +
           "answer yes pH will be the plot variable\nmenu 1076\n" + data("1044", "MC") +
           pco2ByRatio + "menu 1038\n" + both("DisplaypHWater", "co2") +
           page("DisplaypHValues", "co2v") + "menu 1036\n" + both("DisplayTempWater", "tco2") +
           page("DisplayTempValues", "tco2v") + data("1040", "C") + "answer yes\nmenu 1076\n" +
           whatIf("1500") + "menu 228\n" + page("DisplayPressWater", "pin") +
           page("DisplayPressValues", "pinv") + "menu 1248\nfile well" + tag +
           ".csv\nanswer no\nmenu 1655 DisOnePage\n" + whatIf("1500") + whatIf("1510") +
           "menu 1036\n" + page("DisplayTempWater", "tf") + page("DisplayTempValues", "tfv") +
           "menu 1248\nfile wellf" + tag + ".csv\nanswer no\nmenu 1655 DisOnePage\n" +
           pco2WithPhFollowing + whatIf("1510");
}

// A row of a CSV file by its label: its numbers.
inline std::vector<double> CsvRow(const std::string& text, const std::string& label) {
    for (const std::string& line : TextLines(text)) {
        if (line.rfind("\"" + label + "\",", 0) != 0) continue;
        std::vector<double> numbers;
        std::istringstream cells(line.substr(label.size() + 3));
        for (std::string cell; std::getline(cells, cell, ',');)
            if (!cell.empty() && cell != "\r") numbers.push_back(DataFileCell(cell));
        return numbers;
    }
    return {};
}

// The index of `value` in `axis` (within 0.01), or -1.
inline int AxisIndex(const std::vector<double>& axis, double value) {
    for (size_t k = 0; k < axis.size(); ++k)
        if (std::fabs(axis[k] - value) < 0.01) return static_cast<int>(k);
    return -1;
}

// The step of the last decimal a page's row shows (its first number's).
inline double RowStep(const std::string& page, const std::string& label) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find_first_not_of(' ');
        if (at == std::string::npos || line.compare(at, label.size(), label) != 0) continue;
        std::istringstream words(line.size() > 24 ? line.substr(24) : "");
        std::string first;
        words >> first;
        const size_t point = first.find('.');
        return point == std::string::npos
                   ? 1.0
                   : std::pow(10.0, -static_cast<double>(first.size() - point - 1));
    }
    return 0.0;
}

// What the page of the water shows at its own conditions.
struct OwnPage {
    double ph;
    double alkalinity;  // the typed, as the basis shows it; 0: not compared
    std::map<std::string, double> ratios;
    // The page's dissolved CO2 as a profile's rows show it (as CO2, in
    // milliequivalents in epm) and the rounding of those rows; NaN: not
    // compared.
    double co2 = NAN;
    double co2Rounding = 0.06;
    // How far a point's saturation ratio may be from the page's (a share):
    // the field-water runs keep 5 %, the generated run holds 1 %.
    double ratioShare = 0.05;
    // The same for its dissolved CO2.
    double co2Share = 0.05;
    // The share of its pCO2 that the page's rounding may leave out, which a
    // point at the pCO2 the page shows holds in its CO2 besides.
    double pco2Share = 0.0;
};

// A profile's point `column` is the page: its pH, its alkalinity and every
// saturation ratio.
inline void ExpectPointIsThePage(const OwnPage& own, const std::string& page,
                                 const std::string& values, int column, const std::string& what) {
    SCOPED_TRACE(what);
    const size_t k = static_cast<size_t>(column);
    const std::vector<double> ph = PageRow(page, "pH ");
    const std::vector<double> alkalinity = PageRow(page, "\"M\" Alkalinity");
    ASSERT_EQ(ph.size(), 7u) << page;
    EXPECT_NEAR(ph[k], own.ph, 0.05) << page;
    // Both are read to the page's last decimal, 0.1 as CaCO3 and 0.01 in epm:
    // a water of 0.41 meq/L may read 0.42 on one page and 0.41 on the other,
    // one of 2.75 mg/L as CaCO3 2.8 and 2.7.
    if (alkalinity.size() == 7u && own.alkalinity > 0.0) {
        const double step = RowStep(page, "\"M\" Alkalinity");
        EXPECT_NEAR(alkalinity[k], own.alkalinity, 0.02 * own.alkalinity + 1.01 * step) << page;
    }
    const std::map<std::string, double> ratios = ProfileRatios(values, column);
    ASSERT_GE(ratios.size(), kMinerals) << values;
    for (const auto& [mineral, ratio] : own.ratios) {
        ASSERT_EQ(ratios.count(mineral), 1u) << mineral << "\n" << values;
        ExpectSame(ratio, ratios.at(mineral), own.ratioShare, mineral);
    }
}

// A profile's dissolved CO2 at point `column` is the page's (seen failing: a
// water typed at 45 F, pH 6.5, whose page kept the CO2 of its 25 C reference
// pass, 71.67 mg/L, where every profile's point at 45 F held 94.3).
// `atShownPco2`: the point is at the pCO2 the page shows.
inline void ExpectDissolvedCo2IsThePage(const OwnPage& own, const std::string& page, int column,
                                        const std::string& what, bool atShownPco2 = false) {
    if (std::isnan(own.co2)) return;
    SCOPED_TRACE(what);
    const std::vector<double> co2 = PageRow(page, "Dissolved CO2");
    ASSERT_EQ(co2.size(), 7u) << page;
    const double share = own.co2Share + (atShownPco2 ? own.pco2Share : 0.0);
    EXPECT_NEAR(co2[static_cast<size_t>(column)], own.co2, share * own.co2 + own.co2Rounding)
        << "the dissolved CO2\n" << page;
}

// The calcite cells of a grid's data file at the water's own conditions: the
// row `row` (-1: every row) of the column at temperature `t` (-1 row value and
// every column when the columns are percents). `row` counts the grid's rows
// from its axis's start, the lowest value; the file holds them as the graph
// shows them, the larger saturation toward the viewer, so that its first row
// is the axis's last where the values rise along it.
inline void ExpectCellsAreThePage(const OwnPage& own, const std::string& file, int row, double t,
                                  const std::string& what) {
    SCOPED_TRACE(what);
    const std::vector<std::vector<double>> rows = DataFileRows(file);
    const std::vector<std::vector<double>> cells = DataFileCells(file);
    ASSERT_EQ(cells.size(), 7u) << file;
    if (row >= 0 && rows.front().front() > rows.back().front()) row = 6 - row;
    const int column = t < 0.0 ? -1 : AxisIndex(DataFileColumns(file), t);
    if (t >= 0.0) {
        ASSERT_GE(column, 0) << file;
    }
    for (int i = 0; i < 7; ++i) {
        if (row >= 0 && i != row) continue;
        for (int j = 0; j < 7; ++j) {
            if (column >= 0 && j != column) continue;
            ExpectSame(own.ratios.at("calc"), cells[static_cast<size_t>(i)][static_cast<size_t>(j)],
                       own.ratioShare, "cell " + std::to_string(i) + "," + std::to_string(j));
        }
    }
}

// The mixing grid of ratios by temperature computed again after "Correct pH for
// Temperature" was turned on with its graph closed (`after`) is not the grid
// computed before (`before`) wherever the option moves the water's temperature
// profile (its values pages without and with the option, `without` and
// `with`): the same axes, and cells that the pH following their temperature
// moves.
inline void ExpectTheCorrectionMovesTheRatioGrid(const std::string& before,
                                                 const std::string& after,
                                                 const std::string& without,
                                                 const std::string& with) {
    SCOPED_TRACE("mixing grid, ratio by temperature, pH corrected for temperature");
    const std::vector<std::vector<double>> was = DataFileCells(before);
    const std::vector<std::vector<double>> is = DataFileCells(after);
    ASSERT_EQ(was.size(), 7u) << before;
    ASSERT_EQ(is.size(), 7u) << after;
    double moved = 0.0;
    for (size_t i = 0; i < 7; ++i) {
        ASSERT_EQ(is[i].size(), was[i].size()) << before << after;
        for (size_t j = 0; j < was[i].size(); ++j)
            moved = std::max(moved, std::fabs(is[i][j] - was[i][j]) /
                                        std::max(std::fabs(was[i][j]), 1e-6));
    }
    // A water the option hardly moves (a range of a few degrees, or no
    // calcite anywhere, its alkalinity all sulfide) has nothing to show.
    double profileMoved = 0.0;
    for (int k = 0; k < 7; ++k) {
        const std::map<std::string, double> a = ProfileRatios(without, k);
        const std::map<std::string, double> b = ProfileRatios(with, k);
        if (a.count("calc") == 0 || b.count("calc") == 0) continue;
        profileMoved = std::max(profileMoved, std::fabs(b.at("calc") - a.at("calc")) /
                                                  std::max(std::fabs(a.at("calc")), 1e-6));
    }
    if (profileMoved <= 0.02) return;
    EXPECT_GT(moved, 0.01) << "the grid before the option shown again\n" << before << after;
}

// The same grid with the option on (`after`) is, column by column, the water's
// temperature profile with its pH following the temperature (`page` and its
// values page `values`): every row of the water mixed with itself is that
// water at the column's temperature, whatever water the engine worked last.
// Seen failing: sea water at 114 F read calcite 2.54 in every row for the
// profile's 3.18, and 1.03 for 4.18 at its own 77 F in epm, the results pass
// balancing to the alkalinity of the last water that had a reference pass.
// The profiles drop a sour water's H2S above 100 C, the mixes keep it: columns
// above `h2sKeptUpTo` (in the unit in force) are not the profile's water.
inline void ExpectCorrectedRatioGridIsTheProfile(const std::string& after,
                                                 const std::string& page,
                                                 const std::string& values,
                                                 double h2sKeptUpTo, double share = 0.05) {
    SCOPED_TRACE("mixing grid, ratio by temperature, pH corrected for temperature");
    const std::vector<std::vector<double>> cells = DataFileCells(after);
    const std::vector<double> columns = DataFileColumns(after);
    const std::vector<double> temperatures = PageRow(page, "Temperature(");
    ASSERT_EQ(cells.size(), 7u) << after;
    ASSERT_EQ(columns.size(), 7u) << after;
    ASSERT_EQ(temperatures.size(), 7u) << page;
    for (size_t j = 0; j < 7; ++j) {
        if (columns[j] > h2sKeptUpTo + 1e-3) continue;
        const int k = AxisIndex(temperatures, columns[j]);
        ASSERT_GE(k, 0) << "column " << columns[j] << "\n" << after << page;
        const std::map<std::string, double> ratios = ProfileRatios(values, k);
        ASSERT_EQ(ratios.count("calc"), 1u) << values;
        for (size_t i = 0; i < 7; ++i)
            ExpectSame(ratios.at("calc"), cells[i][j], share,
                       "cell " + std::to_string(i) + "," + std::to_string(j) + " at " +
                           std::to_string(columns[j]));
    }
}

// The index of `value` in `axis` (within a millionth of it), or -1: the same
// axis value written by two grids.
inline int SameAxisIndex(const std::vector<double>& axis, double value) {
    for (size_t k = 0; k < axis.size(); ++k)
        if (std::fabs(axis[k] - value) <= 1e-6 * std::fabs(value) + 1e-9)
            return static_cast<int>(k);
    return -1;
}

// A mixing grid of pCO2 rows of the water mixed with itself (`mix`) is, cell
// by cell, the water's own pCO2 grid (`own`) at the cell's pCO2 and
// temperature: each calcite ratio within `share` (5 % unless given). The
// mix's columns are temperatures, or mixing ratios at the water's temperature
// `t`. A sour water's grid drops its H2S above `h2sKeptUpTo` (the unit in
// force), where the mix keeps it and the gas hands its bisulfide's share of
// the alkalinity to the carbonate: those columns are not the grid's water.
inline void ExpectMixIsTheWatersGrid(const std::string& own, const std::string& mix, double t,
                                     const std::string& what, double h2sKeptUpTo = INFINITY,
                                     double share = 0.05) {
    SCOPED_TRACE(what);
    const std::vector<std::vector<double>> ownRows = DataFileRows(own);
    const std::vector<std::vector<double>> mixRows = DataFileRows(mix);
    const std::vector<double> ownColumns = DataFileColumns(own);
    const std::vector<double> mixColumns = DataFileColumns(mix);
    ASSERT_EQ(ownRows.size(), 7u) << own;
    ASSERT_EQ(mixRows.size(), 7u) << mix;
    ASSERT_EQ(mixColumns.size(), 7u) << mix;
    std::vector<double> pco2;
    for (const std::vector<double>& row : ownRows) {
        ASSERT_EQ(row.size(), 8u) << own;
        pco2.push_back(row[0]);
    }
    std::ostringstream differing;
    for (const std::vector<double>& row : mixRows) {
        ASSERT_EQ(row.size(), 8u) << mix;
        const int i = SameAxisIndex(pco2, row[0]);
        ASSERT_GE(i, 0) << "pCO2 " << row[0] << "\n" << own << mix;
        for (size_t j = 0; j < 7; ++j) {
            if ((t < 0.0 ? mixColumns[j] : t) > h2sKeptUpTo + 1e-3) continue;
            const int k = AxisIndex(ownColumns, t < 0.0 ? mixColumns[j] : t);
            ASSERT_GE(k, 0) << own << mix;
            const double expected = ownRows[static_cast<size_t>(i)][static_cast<size_t>(k) + 1];
            // A cell not calculated is one the grid did not calculate either.
            if (std::isnan(row[j + 1]) && std::isnan(expected)) continue;
            if (!(std::fabs(row[j + 1] - expected) <= share * std::fabs(expected) + 0.006))
                differing << "pCO2 " << row[0] << ", column " << mixColumns[j] << ": " << row[j + 1]
                          << " for " << expected << "\n";
        }
    }
    EXPECT_EQ(differing.str(), "") << own << mix;
}

// Where the drivers put a point at the water's own conditions, in the units in
// force: its temperature `t` (the first of the temperature axes, a column of
// the grids) up to `tHigh`, its pressure `p` (the first of the pressure axes)
// up to `pHigh`, its pH (the middle of the pH axes), the pCO2 of its page (the
// first of the pCO2 axes); the evaluation pressure, when `evaluationPressure`
// is above 0 (the water's pressure, then, wherever its pressure axes start),
// and the well stations at its temperature and pressure; the mixing percents
// 0 to 100. The pCO2 axes end at `pco2High`, or at 20 times their start.
struct OwnPoint {
    double t;
    double tHigh;
    double p;
    double pHigh;
    double ph;
    double pco2;
    double evaluationPressure = 0.0;
    double pco2High = 0.0;
};
inline std::string OwnConditionsAt(const OwnPoint& o) {
    const double pco2High = o.pco2High > 0.0 ? o.pco2High : 20.0 * o.pco2;
    std::ostringstream s;
    s.precision(8);
    s << "dialog 84 click 1505\ndialog 84 set 534 " << o.t << "\ndialog 84 set 532 " << o.tHigh
      << "\ndialog 84 set 536 " << o.p << "\ndialog 84 set 537 " << o.pHigh
      << "\ndialog 84 set 533 " << o.ph - 0.6 << "\ndialog 84 set 530 " << o.ph + 0.6
      << "\ndialog 84 set 540 " << o.pco2 << "\ndialog 84 set 541 " << pco2High << "\n";
    if (o.evaluationPressure > 0.0) s << "dialog 84 set 538 " << o.evaluationPressure << "\n";
    for (int field : {4310, 4315, 4320}) s << "dialog 84 set " << field << " " << o.t << "\n";
    const double wellPressure = o.evaluationPressure > 0.0 ? o.evaluationPressure : o.p;
    for (int field : {4325, 4330, 4335})
        s << "dialog 84 set " << field << " " << wellPressure << "\n";
    s << "dialog 84 press 1\nmenu 1041\n";
    s << "dialog 88 set 575 " << o.t << "\ndialog 88 set 576 " << o.tHigh << "\ndialog 88 set 578 "
      << o.ph - 0.6 << "\ndialog 88 set 579 " << o.ph + 0.6 << "\ndialog 88 set 580 " << o.pco2
      << "\ndialog 88 set 581 " << pco2High
      << "\ndialog 88 set 582 0\ndialog 88 set 583 100\ndialog 88 set 584 50\n"
         "dialog 88 press 1\nmenu 1047\n";
    return s.str();
}

// Where the water's own point lies on the drivers' axes.
struct OwnPlace {
    double t;           // its temperature in the unit in force: a column of every grid
    int pressurePoint;  // the point of the pressure profiles and the row of the pressure grid
    bool pco2Axes;      // the pCO2 axes start from the page's pCO2 (a water at 25 C)
    // Above this temperature (the unit in force) the profiles drop a sour
    // water's H2S, which the mixes keep.
    double h2sKeptUpTo = INFINITY;
};

// Every driver's point at the water's own conditions is its page: the outputs
// of EveryDriver(tag), read by `read` (a file name of the run's folder),
// `once` when the run made the grids that EveryDriver makes only once.
inline void ExpectEveryDriverAtItsOwnPoint(
    const OwnPage& own, const OwnPlace& at, const std::string& tag, bool once,
    const std::function<std::string(const std::string&)>& read) {
    auto text = [&](const char* name) { return read(name + tag + ".txt"); };
    auto data = [&](const char* name) { return read(name + tag + ".DAT"); };
    const double t = at.t;
    ExpectPointIsThePage(own, text("press"), text("pv"), at.pressurePoint, "pressure profile");
    ExpectPointIsThePage(own, text("temp"), text("tv"), 0, "temperature profile");
    ExpectPointIsThePage(own, text("pin"), text("pinv"), at.pressurePoint,
                         "pressure profile at the input pH");
    ExpectPointIsThePage(own, text("tf"), text("tfv"), 0, "temperature profile, pH following it");
    ExpectPointIsThePage(own, text("ph"), text("phv"), 3, "pH profile");
    ExpectDissolvedCo2IsThePage(own, text("presss"), at.pressurePoint, "pressure profile");
    ExpectDissolvedCo2IsThePage(own, text("temps"), 0, "temperature profile");
    ExpectDissolvedCo2IsThePage(own, text("phs"), 3, "pH profile");
    for (int k = 0; k < 7; ++k) {
        ExpectPointIsThePage(own, text("mix"), text("mixv"), k, "mixing profile");
        ExpectDissolvedCo2IsThePage(own, text("mix"), k, "mixing profile");
    }
    ExpectCellsAreThePage(own, data("P"), at.pressurePoint, t, "pressure grid");
    ExpectCellsAreThePage(own, data("G"), 3, t, "pH grid");
    ExpectCellsAreThePage(own, data("MT"), 3, t, "mixing grid, pH by temperature");
    ExpectCellsAreThePage(own, data("MR"), -1, t, "mixing grid, ratio by temperature");
    ExpectCellsAreThePage(own, data("MP"), 3, -1.0, "mixing grid, pH by ratio");
    // The well stations at the water's temperature and pressure, at its input
    // pH and with the pH following the temperature.
    for (const char* file : {"well", "wellf"}) {
        SCOPED_TRACE(std::string(file) == "well" ? "well stations at the water's pH"
                                                 : "well stations, pH following it");
        const std::string well = read(file + tag + ".csv");
        for (const char* mineral : {"Calcite", "Gypsum", "Barite"}) {
            const std::vector<double> stations = CsvRow(well, mineral);
            EXPECT_FALSE(stations.empty()) << well;
            for (double v : stations)
                ExpectSame(own.ratios.at(MineralKey(mineral)), v, own.ratioShare,
                           std::string("well station ") + mineral);
        }
    }
    ExpectMixIsTheWatersGrid(data("C"), data("MC"), -1.0, "mixing grid, pCO2 by temperature",
                             at.h2sKeptUpTo, own.ratioShare);
    if (once) {
        ExpectTheCorrectionMovesTheRatioGrid(data("MR"), data("MRF"), text("tv"), text("tfv"));
        ExpectCorrectedRatioGridIsTheProfile(data("MRF"), text("tf"), text("tfv"),
                                             at.h2sKeptUpTo, own.ratioShare);
        ExpectMixIsTheWatersGrid(data("C"), data("MPC"), t, "mixing grid, pCO2 by ratio",
                                 at.h2sKeptUpTo, own.ratioShare);
        ExpectMixIsTheWatersGrid(data("C"), data("MCF"), -1.0,
                                 "mixing grid, pCO2 by temperature, pH following it",
                                 at.h2sKeptUpTo, own.ratioShare);
    }
    if (!at.pco2Axes) return;
    ExpectPointIsThePage(own, text("co2"), text("co2v"), 0, "pCO2 profile");
    ExpectDissolvedCo2IsThePage(own, text("co2s"), 0, "pCO2 profile", true);
    ExpectPointIsThePage(own, text("tco2"), text("tco2v"), 0,
                         "temperature profile under the page's pCO2");
    ExpectDissolvedCo2IsThePage(own, text("tco2s"), 0, "temperature profile under the page's pCO2",
                                true);
    ExpectCellsAreThePage(own, data("C"), 0, t, "pCO2 grid");
    ExpectCellsAreThePage(own, data("MC"), 0, t, "mixing grid, pCO2 by temperature");
}
