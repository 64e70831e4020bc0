// Values that must agree with the page beside them, read from the page texts of
// whole script runs: a carbonate's precipitation potential has the sign of its
// saturation (positive only where the water is supersaturated), the "P"
// alkalinity is 0 below pH 8.3 (it is the alkalinity to that pH), and oil and
// gas flows are refused at the form while no brine flow carries them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "tests/app/program_run_fixture.h"

namespace {

// The formation brine typed into the source water form: Ca 4,200, Mg 420,
// Ba 250, Sr 380, Na 28,000, K 650, Fe 12, Cl 52,000, SO4 15, Br 180, HCO3 520,
// pH 6.8, 180 F, Sp.Gr. 1.07.
const char* const kFormationBrine =
    "dialog 80 set 407 6.8\n"
    "dialog 80 set 400 4200\n"
    "dialog 80 set 401 420\n"
    "dialog 80 set 402 250\n"
    "dialog 80 set 403 380\n"
    "dialog 80 set 404 28000\n"
    "dialog 80 set 405 650\n"
    "dialog 80 set 410 12\n"
    "dialog 80 set 414 52000\n"
    "dialog 80 set 415 15\n"
    "dialog 80 set 472 180\n"
    "dialog 80 set 419 520\n"
    "dialog 80 set 427 180\n"
    "dialog 80 set 428 1.07\n"
    "dialog 80 press 1\n"
    "menu 1030\n";

constexpr const char* kLeave = "answer no Data has been modified\n";

// The numbers of a text line after its first `skip` characters.
std::vector<double> Numbers(const std::string& line, size_t skip) {
    std::vector<double> v;
    std::istringstream in(skip < line.size() ? line.substr(skip) : std::string());
    for (std::string word; in >> word;) {
        char* end = nullptr;
        const double d = std::strtod(word.c_str(), &end);
        if (end != word.c_str() && *end == '\0') v.push_back(d);
    }
    return v;
}

// The values of the first line after the line holding `heading` that starts
// (blanks aside) with `label`.
std::vector<double> RowAfter(const std::string& text, const std::string& heading,
                             const std::string& label) {
    bool inBlock = heading.empty();
    for (const std::string& line : TextLines(text)) {
        if (!inBlock) {
            inBlock = line.find(heading) != std::string::npos;
            continue;
        }
        const size_t at = line.find_first_not_of(' ');
        if (at != std::string::npos && line.compare(at, label.size(), label) == 0)
            return Numbers(line, at + label.size());
    }
    return {};
}

struct Carbonate {
    const char* profileLabel;  // profile pages
    const char* surfaceLabel;  // the surface indicators page
};
const Carbonate kCarbonates[] = {
    {"Calcite (CaCO3)", "Calcite:"},     {"Aragonite (CaCO3)", "Aragonite:"},
    {"Witherite (BaCO3)", "Witherite:"}, {"Strontianite (SrCO3)", "Strontianite:"},
    {"Magnesite (MgCO3)", "Magnesite:"}, {"Siderite (FeCO3)", "Siderite:"},
};

// A ratio that shows below 0.98 is undersaturated, above 1.02 supersaturated:
// the water must gain alkalinity (a negative potential, or 0.00) or may lose it.
void ExpectSignOfSaturation(double ratio, double potential, const std::string& what) {
    if (ratio <= 0.98) {
        EXPECT_LE(potential, 0.0) << what << ": ratio " << ratio;
    }
    if (ratio >= 1.02) {
        EXPECT_GE(potential, 0.0) << what << ": ratio " << ratio;
    }
}

class PageAgreementRun : public ProgramRunFixture {};

// The formation brine holds 12 mg/L of iron, most of it bound; its siderite is
// undersaturated at 180 F, and over the temperature and pH profiles several of
// its carbonates are undersaturated at some points and supersaturated at others.
// Every precipitation potential has the sign its saturation ratio gives, on
// the pages of a single water and on the multi-mix page of its sources.
TEST_F(PageAgreementRun, PrecipitationPotentialHasTheSignOfTheSaturation) {
    ASSERT_EQ(Run(std::string(kFormationBrine) +
                  "text DisplayMUValues surface.txt\n"
                  "menu 1036\ntext DisplayTempValues temperature.txt\n"
                  "menu 1038\ntext DisplaypHValues ph.txt\n" +
                  kLeave),
              0)
        << Log();
    const std::string surface = Read("surface.txt");
    int checked = 0;
    for (const Carbonate& c : kCarbonates) {
        // "Siderite:                FeCO3    0.28": the ratio follows the formula
        // (the bound ions stand further on, on some lines).
        const std::vector<double> ratio = RowAfter(surface, "SATURATION LEVEL", c.surfaceLabel);
        const std::vector<double> potential =
            RowAfter(surface, "PRECIPITATION POTENTIAL", c.surfaceLabel);
        ASSERT_GE(ratio.size(), 1u) << c.surfaceLabel << "\n" << surface;
        ASSERT_EQ(potential.size(), 1u) << c.surfaceLabel << "\n" << surface;
        ExpectSignOfSaturation(ratio[0], potential[0], std::string("surface ") + c.surfaceLabel);
        ++checked;
    }
    for (const char* name : {"temperature.txt", "ph.txt"}) {
        const std::string page = Read(name);
        for (const Carbonate& c : kCarbonates) {
            const std::vector<double> ratio = RowAfter(page, "SATURATION", c.profileLabel);
            const std::vector<double> potential =
                RowAfter(page, "PRECIPITATION POTENTIAL", c.profileLabel);
            ASSERT_EQ(ratio.size(), 7u) << name << " " << c.profileLabel << "\n" << page;
            ASSERT_EQ(potential.size(), 7u) << name << " " << c.profileLabel << "\n" << page;
            for (int k = 0; k < 7; ++k) {
                ExpectSignOfSaturation(
                    ratio[k], potential[k],
                    std::string(name) + " " + c.profileLabel + " point " + std::to_string(k));
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 6 + 2 * 6 * 7);

    // Two multi-mix source waters, one plain and one hard at pH 8.3, mixed half
    // and half: each source's column of the source page (the blend's page shows
    // no potential).
    Fresh();
    ASSERT_EQ(Run(std::string(kTwoWaterMultiMix) +
                  "text DisplayMixedValues sources.txt\n"
                  "answer no Data has been modified\nanswer no Did you wish to leave data\n"),
              0)
        << Log();
    const std::string sources = Read("sources.txt");
    checked = 0;
    for (const Carbonate& c : kCarbonates) {
        const std::vector<double> ratio = RowAfter(sources, "SATURATION", c.profileLabel);
        const std::vector<double> potential =
            RowAfter(sources, "PRECIPITATION POTENTIAL", c.profileLabel);
        ASSERT_EQ(ratio.size(), 2u) << c.profileLabel << "\n" << sources;
        ASSERT_EQ(potential.size(), 2u) << c.profileLabel << "\n" << sources;
        for (int k = 0; k < 2; ++k) {
            ExpectSignOfSaturation(
                ratio[k], potential[k],
                std::string("source ") + c.profileLabel + " " + std::to_string(k));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 6 * 2);
}

// Sea water as typed: Ca 412, Mg 1,290, Sr 8, Ba 0.01, Na 10,770, K 399,
// Cl 19,350, SO4 2,710, HCO3 142 mg/L, 1 atm, Sp.Gr. 1.025, at the pH and
// temperature given, up to its OK.
std::string SeaWater(const std::string& ph, const std::string& temperature) {
    return "dialog 80 set 407 " + ph +
           "\ndialog 80 set 400 412\ndialog 80 set 401 1290\ndialog 80 set 403 8\n"
           "dialog 80 set 402 0.01\ndialog 80 set 404 10770\ndialog 80 set 405 399\n"
           "dialog 80 set 414 19350\ndialog 80 set 415 2710\ndialog 80 set 419 142\n"
           "dialog 80 set 427 " +
           temperature + "\ndialog 80 set 429 1\ndialog 80 set 428 1.025\ndialog 80 press 1\n";
}

// What a carbonate of the sea water can form at most: its cation or its
// carbonate, whichever runs out first (mmol/L, from the typed mg/L and molar
// masses), times the mineral's molar mass. The carbonate is held at every
// point of a temperature profile.
struct SeaCarbonate {
    const char* label;
    double cationMmol;
    double molarMass;
};
constexpr double kSeaCarbonateMmol = 142.0 / 61.0171;
const SeaCarbonate kSeaCarbonates[] = {
    {"Calcite (CaCO3)", 412.0 / 40.078, 100.0869},
    {"Aragonite (CaCO3)", 412.0 / 40.078, 100.0869},
    {"Witherite (BaCO3)", 0.01 / 137.327, 197.336},
    {"Strontianite (SrCO3)", 8.0 / 87.62, 147.629},
    {"Magnesite (MgCO3)", 1290.0 / 24.305, 84.3139},
    {"Siderite (FeCO3)", 0.0, 115.854},
};

// The sea water's temperature profile with its pH held, in F and again after
// the temperature unit is changed to C: at pH 9 from 77 to 257 F and at pH 8.1
// from 77 to 299 F. Each carbonate's potential has its own ratio's sign, never
// forms more than its cation or the carbonate allow (without iron, no siderite),
// is a number at every point (each such water has a saturated state), and is
// the same in both units. Calcite and aragonite share their ions, so the more
// saturated of the two can form more.
TEST_F(PageAgreementRun, PrecipitationPotentialStaysInsideTheWater) {
    struct Case {
        const char* ph;
        const char* highF;
        const char* highC;
    };
    const std::string toCelsius = "dialog 29 scroll 645 down 1\ndialog 29 press 1\nmenu 1065\n";
    for (const Case& c : {Case{"9", "257", "125"}, Case{"8.1", "299", "148.333333"}}) {
        SCOPED_TRACE(std::string("pH ") + c.ph);
        // Each case starts on the units of a fresh folder (F).
        for (const auto& e : std::filesystem::directory_iterator(folder))
            std::filesystem::remove_all(e.path());
        Fresh();
        ASSERT_EQ(
            Run(SeaWater(c.ph, "77") + "menu 1030\n" + "dialog 84 set 534 77\ndialog 84 set 532 " +
                c.highF + "\ndialog 84 press 1\nmenu 1041\nmenu 1036\n" +
                "text DisplayTempValues f.txt\n" + toCelsius + "dialog 84 set 534 25\n" +
                "dialog 84 set 532 " + c.highC + "\ndialog 84 press 1\nmenu 1041\n" +
                "menu 1036\ntext DisplayTempValues c.txt\n" + kLeave),
            0)
            << Log();
        const std::string f = Read("f.txt");
        const std::string celsius = Read("c.txt");
        std::vector<std::vector<double>> ratios;
        std::vector<std::vector<double>> potentials;
        for (const SeaCarbonate& m : kSeaCarbonates) {
            SCOPED_TRACE(m.label);
            ratios.push_back(RowAfter(f, "SATURATION", m.label));
            potentials.push_back(RowAfter(f, "PRECIPITATION POTENTIAL", m.label));
            const std::vector<double>& ratio = ratios.back();
            const std::vector<double>& potential = potentials.back();
            ASSERT_EQ(ratio.size(), 7u) << f;
            ASSERT_EQ(potential.size(), 7u) << f;
            const std::vector<double> inCelsius =
                RowAfter(celsius, "PRECIPITATION POTENTIAL", m.label);
            ASSERT_EQ(inCelsius.size(), 7u) << celsius;
            const double most = std::min(m.cationMmol, kSeaCarbonateMmol) * m.molarMass;
            for (int k = 0; k < 7; ++k) {
                ExpectSignOfSaturation(ratio[k], potential[k], "point " + std::to_string(k));
                EXPECT_LE(potential[k], most + 0.005) << "point " << k << "\n" << f;
                EXPECT_NEAR(inCelsius[k], potential[k], 0.015) << "point " << k << "\n" << celsius;
            }
        }
        for (int k = 0; k < 7; ++k) {
            const double calcite = ratios[0][k], aragonite = ratios[1][k];
            if (calcite > aragonite + 0.05) {
                EXPECT_GT(potentials[0][k], potentials[1][k]) << "point " << k << "\n" << f;
            }
            if (aragonite > calcite + 0.05) {
                EXPECT_GT(potentials[1][k], potentials[0][k]) << "point " << k << "\n" << f;
            }
        }
    }
}

// A hard water with 2,000 mg/L of bicarbonate at pH 6.8 and 110 F, over a pH
// profile from 6 to 9.6 and the temperature profile at its own pH: the "P"
// alkalinity is 0.0 at every point below pH 8.3, positive above it and never
// more than the "M" alkalinity.
TEST_F(PageAgreementRun, PAlkalinityIsZeroBelowPh83) {
    ASSERT_EQ(Run("dialog 80 set 407 6.8\n"
                  "dialog 80 set 400 300\n"
                  "dialog 80 set 401 50\n"
                  "dialog 80 set 403 20\n"
                  "dialog 80 set 402 1\n"
                  "dialog 80 set 404 2500\n"
                  "dialog 80 set 405 50\n"
                  "dialog 80 set 414 3500\n"
                  "dialog 80 set 415 100\n"
                  "dialog 80 set 419 2000\n"
                  "dialog 80 set 427 110\n"
                  "dialog 80 set 429 1\n"
                  "dialog 80 press 1\n"
                  "menu 1030\n"
                  "dialog 84 set 533 6\n"
                  "dialog 84 set 530 9.6\n"
                  "dialog 84 press 1\n"
                  "menu 1041\n"
                  "menu 1038\ntext DisplaypHWater ph.txt\n"
                  "menu 1036\ntext DisplayTempWater temperature.txt\n" +
                  std::string(kLeave)),
              0)
        << Log();
    int below = 0, above = 0;
    for (const char* name : {"ph.txt", "temperature.txt"}) {
        const std::string page = Read(name);
        const std::vector<double> ph = RowAfter(page, "PARAMETERS", "pH");
        const std::vector<double> m = RowAfter(page, "ANIONS", "\"M\" Alkalinity");
        const std::vector<double> p = RowAfter(page, "ANIONS", "\"P\" Alkalinity");
        ASSERT_EQ(ph.size(), 7u) << name << "\n" << page;
        ASSERT_EQ(m.size(), 7u) << name << "\n" << page;
        ASSERT_EQ(p.size(), 7u) << name << "\n" << page;
        for (int k = 0; k < 7; ++k) {
            if (ph[k] < 8.3) {
                EXPECT_EQ(p[k], 0.0) << name << " at pH " << ph[k] << "\n" << page;
                ++below;
            } else if (ph[k] >= 8.5) {
                EXPECT_GT(p[k], 0.0) << name << " at pH " << ph[k] << "\n" << page;
                EXPECT_LE(p[k], m[k]) << name << " at pH " << ph[k] << "\n" << page;
                ++above;
            }
        }
    }
    EXPECT_EQ(below, 4 + 7);  // 6.0, 6.6, 7.2 and 7.8; every temperature
    EXPECT_EQ(above, 2);      // 9.0 and 9.6
}

// The sweep water with an oil flow of 500 and a gas flow of 1 but no brine
// flow: OK is refused naming both fields, the field keeps its text and no
// water is stored; with a brine flow the same flows are taken, and without
// the oil and gas flows the water is taken as it stands. The multi-mix input
// refuses the same.
TEST_F(PageAgreementRun, OilAndGasFlowsWithoutABrineFlowAreRefusedAtTheForm) {
    const std::string sweep =
        "dialog 80 set 407 7.4\n"
        "dialog 80 set 400 120\n"
        "dialog 80 set 404 90\n"
        "dialog 80 set 414 160\n"
        "dialog 80 set 415 210\n"
        "dialog 80 set 419 310\n"
        "dialog 80 set 427 140\n"
        "dialog 80 set 429 5\n";
    const std::string refusal = "Oil Flow and Gas Flow are given without a Brine Flow";
    ASSERT_EQ(Run(sweep + "dialog 80 set 479 500\n"
                          "dialog 80 set 480 1\n"
                          "dialog 80 press 1\n"
                          "dialog 80 read 479\n"
                          "dialog 80 press 2\n"
                          "menu 1030\n"),
              0)
        << Log();
    EXPECT_NE(Log().find(refusal), std::string::npos) << Log();
    EXPECT_NE(Log().find("read 479 \"500\""), std::string::npos) << Log();
    EXPECT_EQ(Log().find("DisplayMUWater"), std::string::npos) << Log();

    // The gas flow alone is named alone.
    Fresh();
    ASSERT_EQ(Run(sweep + "dialog 80 set 480 1\n"
                          "dialog 80 press 1\n"
                          "dialog 80 press 2\n"
                          "menu 1030\n"),
              0)
        << Log();
    EXPECT_NE(Log().find("Gas Flow is given without a Brine Flow"), std::string::npos) << Log();
    EXPECT_EQ(Log().find("DisplayMUWater"), std::string::npos) << Log();

    // Refused, then the brine flow typed: the water is stored and shown.
    Fresh();
    ASSERT_EQ(Run(sweep +
                  "dialog 80 set 479 500\n"
                  "dialog 80 set 480 1\n"
                  "dialog 80 press 1\n"
                  "dialog 80 set 460 200\n"
                  "dialog 80 press 1\n"
                  "menu 1030\n"
                  "text DisplayMUWater chem.txt\n" +
                  kLeave),
              0)
        << Log();
    EXPECT_NE(Log().find(refusal), std::string::npos) << Log();
    EXPECT_FALSE(Read("chem.txt").empty()) << Log();

    // The multi-mix input holds the same flows and refuses them alike.
    Fresh();
    ASSERT_EQ(Run("dialog 115 set 400 100\n"
                  "dialog 115 set 404 1000\n"
                  "dialog 115 set 414 1700\n"
                  "dialog 115 set 419 200\n"
                  "dialog 115 set 480 1\n"
                  "dialog 115 press 527\n"
                  "dialog 115 read 480\n"
                  "dialog 115 press 2\n"
                  "menu 113\n"),
              0)
        << Log();
    EXPECT_NE(Log().find("Gas Flow is given without a Brine Flow"), std::string::npos) << Log();
    EXPECT_NE(Log().find("read 480 \"1\""), std::string::npos) << Log();

    // No flows at all: taken, and the page shows the sodium typed with the sodium
    // that balances the anions beside it, a few hundred mg/L.
    Fresh();
    ASSERT_EQ(Run(sweep + "dialog 80 press 1\nmenu 1030\ntext DisplayMUWater chem.txt\n" + kLeave),
              0)
        << Log();
    EXPECT_EQ(Log().find("without a Brine Flow"), std::string::npos) << Log();
    const std::vector<double> sodium = RowAfter(Read("chem.txt"), "", "Sodium");
    ASSERT_FALSE(sodium.empty()) << Read("chem.txt");
    const double anionMeq = 160.0 / 35.453 + 2.0 * 210.0 / 96.0626 + 310.0 / 61.0168;
    const double cationMeq = 2.0 * 120.0 / 40.078 + 90.0 / 22.98977;
    EXPECT_NEAR(sodium[0], 90.0 + (anionMeq - cationMeq) * 22.98977, 5.0) << Read("chem.txt");
}

}  // namespace
