// Numbers that mean what their captions say, read where the user reads them:
// waters typed into the source water form, their pages' texts, the page's copy
// and spreadsheet copy, and the printed report. Expected values come from molar
// masses, the engine harness, or the entered numbers themselves.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/print_run_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr double kMplPerMm = 39.37;  // mils per year in 1 mm/yr
constexpr double kBarPerAtm = 1.01325;
constexpr double kH2sMolarMass = 34.08;
constexpr double kNaMolarMass = 22.98977;
constexpr double kClMolarMass = 35.453;

// The sweet produced water: about 15 g/L of salt and bicarbonate, 60 C (140 F),
// 20 bar, pH 6, pCO2 0.6 bar, no H2S; the form takes atm and degrees F.
struct FormWater {
    double sodium = 5900.0;
    double chloride = 8600.0;
    double calcium = 0.0;
    double bicarbonate = 800.0;
    double h2s = 0.0;
    double ph = 6.0;
    double fahrenheit = 140.0;
    double atm = 20.0 / kBarPerAtm;
    double pco2Atm = 0.6 / kBarPerAtm;
    double ph2s = 0.0;        // in the pH2S unit, atm unless psia
    double density = 0.0;     // 0: none entered
    int alkalinitySteps = 0;  // arrow clicks from the bicarbonate unit (negative: up)
    bool ph2sInPsia = false;  // pH2S in psia, for its digits
};

std::string Entry(const FormWater& w) {
    std::ostringstream s;
    s.precision(10);
    if (w.alkalinitySteps != 0)
        s << "dialog 29 scroll 419 " << (w.alkalinitySteps < 0 ? "up " : "down ")
          << std::abs(w.alkalinitySteps) << "\n";
    if (w.ph2sInPsia) s << "dialog 29 scroll 821 down 2\n";
    if (w.alkalinitySteps != 0 || w.ph2sInPsia) s << "dialog 29 press 1\nmenu 1065\n";
    s << "dialog 80 set 407 " << w.ph << "\n";
    if (w.calcium > 0.0) s << "dialog 80 set 400 " << w.calcium << "\n";
    s << "dialog 80 set 404 " << w.sodium << "\n"
      << "dialog 80 set 414 " << w.chloride << "\n"
      << "dialog 80 set 419 " << w.bicarbonate << "\n";
    if (w.h2s > 0.0) s << "dialog 80 set 421 " << w.h2s << "\n";
    s << "dialog 80 set 427 " << w.fahrenheit << "\n"
      << "dialog 80 set 429 " << w.atm << "\n";
    if (w.pco2Atm > 0.0) s << "dialog 80 set 822 " << w.pco2Atm << "\n";
    if (w.ph2s > 0.0) s << "dialog 80 set 821 " << w.ph2s << "\n";
    if (w.density > 0.0) s << "dialog 80 set 428 " << w.density << "\n";
    s << "dialog 80 press 1\nmenu 1030\n";
    return s.str();
}

constexpr const char* kPages = "text DisplayMUWater chem.txt\ntext DisplayMUValues values.txt\n";
constexpr const char* kLeave = "answer no Data has been modified\n";

// The number that follows `label` on the first line holding it, read from
// `column` (or right after the label when column is negative).
double NumberAfter(const std::string& text, const std::string& label, int column = -1) {
    for (const std::string& line : TextLines(text)) {
        const size_t at = line.find(label);
        if (at == std::string::npos) continue;
        const size_t from = column >= 0 ? static_cast<size_t>(column) : at + label.size();
        if (from >= line.size()) return NAN;
        const std::string rest = line.substr(from);
        const size_t digit = rest.find_first_of("0123456789.-");
        return digit == std::string::npos ? NAN : std::atof(rest.c_str() + digit);
    }
    return NAN;
}

// log10 of the engine's Henry constant of H2S (atm per mol/kg) at T kelvin.
double H2sHenryLog(double kelvin) {
    return 634.2702616 + 0.2709284796 * kelvin - 0.0001113202904 * kelvin * kelvin -
           16719.0766 / kelvin - 261.9219571 * std::log10(kelvin);
}

class WaterNumbersRun : public PrintRunFixture {
  protected:
    fs::path OnlyPdf() const {
        const std::vector<fs::path> pdfs = Pdfs();
        return pdfs.size() == 1 ? pdfs[0] : fs::path();
    }
    // Runs the water's entry, then `more`, in a folder emptied first.
    void RunWater(const FormWater& w, const std::string& more) {
        for (const auto& e : fs::directory_iterator(folder))
            if (e.path().filename() != "printers.cfg" && e.path().filename() != "out")
                fs::remove_all(e.path());
        Fresh();
        FreshPrinting();
        ASSERT_EQ(Run(Entry(w) + more + kLeave), 0) << Log();
    }
};

// The corrosion rate of the sweet water is one number wherever it shows: the
// page, its copy, its spreadsheet copy and the printed report, all the first
// of the four rates the engine harness gives for the same water, a rate bare
// steel shows in such a water.
TEST_F(WaterNumbersRun, SweetWaterCorrosionRateIsOneBelievableNumberEverywhere) {
    RunWater(FormWater{}, std::string(kPages) +
                              "menu 985 DisplayMUWater\nclipboard save text copy.txt\n"
                              "menu 755 DisplayMUWater\nclipboard save Csv copy.csv\n"
                              "printer PDF\nmenu 1048\n");
    const std::string label = "H2S Rate(mpy)";
    const double page = NumberAfter(Read("chem.txt"), label);
    const fs::path pdf = OnlyPdf();
    ASSERT_FALSE(pdf.empty()) << Log();
    const std::string printed = Text(pdf);
    const double inPdf = NumberAfter(printed, "H2S Rate(mpy)");
    const double copied = NumberAfter(Read("copy.txt"), label);
    std::string csv = Read("copy.csv");
    const size_t row = csv.find(label);
    ASSERT_NE(row, std::string::npos) << csv;
    const double inCsv = NumberAfter(csv.substr(row), label + ",");

    std::ofstream(folder / "sweet.wat") << "reporting = mg/L\nalkalinity_mode = 2\n"
                                           "ph = 6\ntemperature = 60 C\npressure = 20 bar\n"
                                           "pco2 = 0.6 bar\nsodium = 5900 mg/L\n"
                                           "chloride = 8600 mg/L\n"
                                           "bicarbonate = 800 mg/L as HCO3\n";
    const std::string harness = Tool(std::string(TARVEX_BINARY_DIR) + "/tarvex-engine corrosion '" +
                                     (folder / "sweet.wat").string() + "'");
    const double mpy = NumberAfter(harness, "mm/yr");
    ASSERT_FALSE(std::isnan(mpy)) << harness;
    EXPECT_NEAR(page, mpy, 0.005 * mpy) << Read("chem.txt") << harness;
    EXPECT_EQ(copied, page);
    EXPECT_EQ(inCsv, page) << csv;
    EXPECT_EQ(inPdf, page) << printed;
    EXPECT_GT(page / kMplPerMm, 0.1);
    EXPECT_LT(page / kMplPerMm, 10.0);
}

// Hydrogen sulfide turns into its partial pressure and back with its own molar
// mass: 300 mg/L give the pH2S of 300 / 34.08 mmol per kg of water at the
// engine's Henry constant, and 0.05 bar of H2S give the mg/L of that molality.
// The pH2S is read in psia, whose two decimals give it to 0.2 %.
TEST_F(WaterNumbersRun, HydrogenSulfideAndItsPartialPressureUseTheMassOfH2S) {
    const double kelvin = 60.0 + 273.16;
    const double henry = std::pow(10.0, H2sHenryLog(kelvin));  // atm per mol/kg

    constexpr double kPsiaPerAtm = 14.696;

    FormWater given;
    given.h2s = 300.0;
    given.ph2sInPsia = true;
    RunWater(given, kPages);
    // mg per kg of water: the entered mg/L over the water fraction of the solution.
    const double solids = (given.sodium + given.chloride + given.bicarbonate + given.h2s) * 1e-6;
    const double expected = given.h2s / (1.0 - solids) / kH2sMolarMass / 1000.0 * henry;
    EXPECT_NEAR(NumberAfter(Read("chem.txt"), "pH2S(psia)") / kPsiaPerAtm, expected,
                0.01 * expected)
        << Read("chem.txt");

    FormWater sour;
    sour.pco2Atm = 2.0 / kBarPerAtm;
    sour.ph2sInPsia = true;
    sour.ph2s = 0.05 / kBarPerAtm * kPsiaPerAtm;
    RunWater(sour, kPages);
    const double h2s = NumberAfter(Read("chem.txt"), "H2S (as H2S)");
    const double sourSolids = (sour.sodium + sour.chloride + sour.bicarbonate + h2s) * 1e-6;
    EXPECT_NEAR(h2s, sour.ph2s / kPsiaPerAtm / henry * kH2sMolarMass * 1000.0 * (1.0 - sourSolids),
                0.01 * h2s)
        << Read("chem.txt");
}

// Totals show what was entered: the sodium and chloride a 172 g/L brine binds
// as NaCl stay in its dissolved solids, and a brine entered in mg/L with its
// specific gravity shows its calcium and solids in the mg/L it was entered in.
TEST_F(WaterNumbersRun, BrineTotalsShowWhatWasEntered) {
    // No CO2 partial pressure and pH 7: next to the salt, the dissolved CO2
    // the solids count stays within the tolerance.
    FormWater salt;
    salt.ph = 7.0;
    salt.pco2Atm = 0.0;
    salt.sodium = 172000.0 * kNaMolarMass / (kNaMolarMass + kClMolarMass);
    salt.chloride = 172000.0 - salt.sodium;
    salt.bicarbonate = 100.0;
    RunWater(salt, kPages);
    const double tds = NumberAfter(Read("chem.txt"), "Calculated T.D.S.");
    EXPECT_NEAR(tds, 172100.0, 0.005 * 172100.0) << Read("chem.txt");

    FormWater heavy;
    heavy.ph = 7.0;
    heavy.pco2Atm = 0.0;
    heavy.calcium = 12000.0;
    heavy.sodium = 50000.0;
    heavy.chloride = 98000.0;
    heavy.bicarbonate = 100.0;
    heavy.density = 1.12;
    RunWater(heavy, kPages);
    EXPECT_NEAR(NumberAfter(Read("values.txt"), "Calcium:"), 12000.0, 0.05) << Read("values.txt");
    const double entered = heavy.calcium + heavy.sodium + heavy.chloride + heavy.bicarbonate;
    EXPECT_NEAR(NumberAfter(Read("chem.txt"), "Calculated T.D.S."), entered, 0.005 * entered)
        << Read("chem.txt");
}

// One water's dissolved carbon dioxide under three captions: as CO2 where the
// bicarbonate is given, as acidity in mg/L of CaCO3 and in French degrees where
// the alkalinity is. One mole of CO2 (44.01 g) is one equivalent of acidity to
// bicarbonate (50.0445 g of CaCO3, 5.00445 French degrees).
TEST_F(WaterNumbersRun, DissolvedCo2AndAcidityNameOneAmountInTheirUnits) {
    FormWater species;
    RunWater(species, kPages);
    const double co2 = NumberAfter(Read("chem.txt"), "Dissolved CO2(as CO2)");
    ASSERT_GT(co2, 0.0) << Read("chem.txt");
    const double equivalents = co2 / 44.01;  // meq/L

    FormWater asCaCO3;
    asCaCO3.alkalinitySteps = -1;
    asCaCO3.bicarbonate = 800.0 * 50.0445 / 61.0173;
    RunWater(asCaCO3, kPages);
    EXPECT_NEAR(NumberAfter(Read("chem.txt"), "Acidity(as CaCO3)"), equivalents * 50.0445,
                0.005 * equivalents * 50.0445)
        << Read("chem.txt");

    FormWater french;
    french.alkalinitySteps = 4;
    french.bicarbonate = 800.0 * 5.005 / 61.0173;
    RunWater(french, kPages);
    EXPECT_NEAR(NumberAfter(Read("chem.txt"),
                            "Acidity(\xB0"
                            "Fr)"),
                equivalents * 5.00445, 0.005 * equivalents * 5.00445)
        << Read("chem.txt");
}

// The Oddo-Tomson index takes the pressure in psia (3.03e-5 per psia): the same
// water at 10,000 psia stands 9,000 x 3.03e-5 = 0.27 lower, against the
// Stiff-Davis index beside it (which takes no pressure), than at 1,000 psia.
TEST_F(WaterNumbersRun, OddoTomsonFallsWithThePressureInPsia) {
    constexpr double kAtmPerPsia = 0.068046;
    double spread[2] = {0.0, 0.0};
    const double psia[2] = {1000.0, 10000.0};
    for (int k = 0; k < 2; ++k) {
        FormWater water;
        water.ph = 7.0;
        water.pco2Atm = 0.0;
        water.calcium = 400.0;
        water.atm = psia[k] * kAtmPerPsia;
        RunWater(water, kPages);
        const std::string values = Read("values.txt");
        spread[k] = NumberAfter(values, "Oddo-Tomson:") - NumberAfter(values, "Stiff-Davis:");
        ASSERT_FALSE(std::isnan(spread[k])) << values;
    }
    EXPECT_NEAR(spread[1] - spread[0], -3.03e-5 * (psia[1] - psia[0]), 0.025);
}

}  // namespace
