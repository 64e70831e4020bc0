// Waters no list names: a seeded generator draws them over the space the
// forms take (40 to 350 F, 1 to 1,000 atm, fresh to 350 g/L, sour with and
// without a pH2S, iron, barium, strontium, carbonate, pH 4 to 10), some typed
// in other units and bases. Each goes through every driver as the first
// calculation of a run and after another water; every driver's point at the
// water's own conditions is its page, and no row shows a number that is not
// one, is negative where nothing can be, or is beyond what a file stores.
// Under pH control each cell of the grids of pH rows is the water its dose
// makes: Vary pH's, with the same chemicals, at the cell's pH.
//
// TARVEX_GENERATED_WATERS=N runs N waters (a few dozen by default), and
// TARVEX_GENERATED_SEED=S draws them from seed S. A water that disagrees is
// printed as the headless script that shows it.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/app/driver_point_checks.h"
#include "tests/app/graph_run_fixture.h"

namespace {

constexpr uint64_t kDefaultSeed = 20261209;
constexpr size_t kDefaultWaters = 24;

uint64_t Seed() {
    const char* s = std::getenv("TARVEX_GENERATED_SEED");
    return s != nullptr ? std::strtoull(s, nullptr, 10) : kDefaultSeed;
}
size_t WaterCount() {
    const char* s = std::getenv("TARVEX_GENERATED_WATERS");
    return s != nullptr ? static_cast<size_t>(std::strtoull(s, nullptr, 10)) : kDefaultWaters;
}

// The same numbers on every machine and library: SplitMix64.
class Draw {
  public:
    explicit Draw(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double Uniform(double low, double high) {
        return low + (high - low) * static_cast<double>(Next() >> 11) * 0x1.0p-53;
    }
    double LogUniform(double low, double high) {
        return low * std::pow(high / low, Uniform(0.0, 1.0));
    }
    bool Chance(double p) { return Uniform(0.0, 1.0) < p; }
    int Pick(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

  private:
    uint64_t state_;
};

// Fields of the water forms (the multi-mix form's are the same).
constexpr int kCa = 400, kMg = 401, kBa = 402, kSr = 403, kNa = 404, kK = 405, kPh = 407, kFe = 410,
              kCl = 414, kSo4 = 415, kMAlk = 419, kPAlk = 420, kH2s = 421, kTemperature = 427,
              kGravity = 428, kPressure = 429, kPh2s = 821;

// Milligrams a milliequivalent of each field's ion, as the units dialog's epm
// takes it.
double MgPerMeq(int field) {
    switch (field) {
        case kCa:
            return 20.04;
        case kMg:
            return 12.156;
        case kBa:
            return 68.67;
        case kSr:
            return 43.81;
        case kNa:
            return 22.9898;
        case kK:
            return 39.102;
        case kFe:
            return 27.92;
        case kCl:
            return 35.453;
        case kSo4:
            return 48.03;
        case kH2s:
            return 17.04;
        case kMAlk:
            return 61.0171;  // bicarbonate
        default:
            return 30.0045;  // carbonate
    }
}

const char* const kTemperatureUnits[] = {"F", "C", "K"};
const char* const kPressureUnits[] = {"atm", "bar", "psia", "kPa"};
const char* const kBases[] = {"mg/L", "ppm", "epm"};
constexpr double kAtmPer[] = {1.0, 0.986923, 1.0 / 14.6959, 1.0 / 101.325};
// The highest pressure the forms and the what-if take, by unit.
constexpr double kHighestPressure[] = {1000.0, 1000.0, 14700.0, 100000.0};

struct GeneratedWater {
    uint64_t seed;
    size_t index;
    std::map<int, double> mgL;  // the ions, as drawn (mg/L)
    double ph;
    double temperatureF;
    double pressureAtm;
    double gravity;
    double ph2sAtm;       // 0: none typed
    int temperatureUnit;  // 0 F, 1 C, 2 K
    int pressureUnit;     // 0 atm, 1 bar, 2 psia, 3 kPa
    int basis;            // 0 mg/L, 1 ppm, 2 epm

    // What is typed, in the units in force.
    double Temperature() const {
        const double c = (temperatureF - 32.0) / 1.8;
        const double t = temperatureUnit == 0   ? temperatureF
                         : temperatureUnit == 1 ? c
                                                : c + 273.15;
        return std::round(t * 10.0) / 10.0;
    }
    double TemperatureSpan() const { return temperatureUnit == 0 ? 60.0 : 33.3; }
    double Pressure() const {
        const double p = pressureAtm / kAtmPer[pressureUnit];
        const double digits = std::pow(10.0, std::floor(std::log10(p)) - 3.0);
        return std::min(std::round(p / digits) * digits, kHighestPressure[pressureUnit]);
    }
    // ppm and epm are per kilogram; the alkalinity fields keep their ions'
    // milligrams in epm.
    double Typed(int field) const {
        const double v = mgL.at(field) / (basis == 0 ? 1.0 : gravity);
        const bool equivalents = basis == 2 && field != kMAlk && field != kPAlk;
        return std::round((equivalents ? v / MgPerMeq(field) : v) * 1e4) / 1e4;
    }
    bool AtTwentyFiveC() const { return temperatureF == 77.0; }
    std::string Describe() const {
        std::ostringstream s;
        s.precision(6);
        s << "generated water " << index << " of seed " << seed << ": ";
        for (const auto& [field, v] : mgL) s << "field " << field << " " << v << " mg/L, ";
        s << "pH " << ph << ", " << temperatureF << " F, " << pressureAtm << " atm, Sp.Gr. "
          << gravity << ", pH2S " << ph2sAtm << " atm; typed in "
          << kTemperatureUnits[temperatureUnit] << ", " << kPressureUnits[pressureUnit] << ", "
          << kBases[basis];
        return s.str();
    }
};

// Water `index` of seed `seed`: the same water whatever else is drawn.
GeneratedWater Generate(uint64_t seed, size_t index) {
    Draw d(seed * 0x100000001B3ull + index);
    GeneratedWater w{};
    w.seed = seed;
    w.index = index;
    const double tds = d.LogUniform(200.0, 350000.0);  // mg/L
    std::map<int, double>& m = w.mgL;
    m[kCa] = tds * d.Uniform(0.0, 0.12);
    m[kMg] = tds * d.Uniform(0.0, 0.03);
    m[kK] = tds * d.Uniform(0.0, 0.01);
    if (d.Chance(0.5)) m[kSr] = std::min(tds * d.Uniform(0.0, 0.005), 3000.0);
    if (d.Chance(0.4)) m[kBa] = d.LogUniform(0.1, 500.0);
    if (d.Chance(0.5)) m[kFe] = d.LogUniform(0.1, 200.0);
    if (d.Chance(0.7)) m[kSo4] = d.LogUniform(1.0, std::max(2.0, std::min(5000.0, 0.1 * tds)));
    m[kMAlk] = d.LogUniform(10.0, std::min(2500.0, std::max(20.0, 0.2 * tds)));
    w.ph = std::round(d.Uniform(4.0, 10.0) * 100.0) / 100.0;
    if (w.ph > 8.3 && d.Chance(0.6)) m[kPAlk] = std::round(d.Uniform(0.0, 0.4) * m[kMAlk]);
    if (d.Chance(0.4)) {
        m[kH2s] = d.LogUniform(0.5, 500.0);
        if (d.Chance(0.5)) w.ph2sAtm = d.LogUniform(0.001, 0.5);
    }
    // Sodium and chloride make up the rest, balanced as far as they can.
    double others = 0.0, cations = 0.0, anions = 0.0;
    for (const auto& [field, v] : m) {
        others += v;
        const double meq = v / MgPerMeq(field);
        if (field == kSo4 || field == kMAlk || field == kPAlk)
            anions += meq;
        else if (field != kH2s)
            cations += meq;
    }
    const double rest = std::max(0.0, tds - others);
    const double na = std::max(0.0, (rest - 35.453 * (cations - anions)) / 58.443);
    m[kNa] = na * 22.9898;
    m[kCl] = std::max(0.0, na + cations - anions) * 35.453;
    for (auto& [field, v] : m) v = std::round(v * 100.0) / 100.0;
    w.gravity = std::round(std::min(1.0 + 0.00069 * tds / 1000.0, 1.25) * 1000.0) / 1000.0;
    w.temperatureF = d.Chance(0.2) ? 77.0 : std::round(d.Uniform(40.0, 350.0) * 10.0) / 10.0;
    w.pressureAtm = d.Chance(0.3) ? 1.0 : d.LogUniform(1.0, 1000.0);
    w.temperatureUnit = d.Chance(0.5) ? 0 : 1 + d.Pick(2);
    w.pressureUnit = d.Chance(0.4) ? 0 : 1 + d.Pick(3);
    w.basis = d.Chance(0.6) ? 0 : 1 + d.Pick(2);
    if (w.AtTwentyFiveC() && w.temperatureUnit == 2) w.temperatureUnit = 1;  // 298.1 K is not 25 C
    return w;
}

// The units dialog from the program's start: the water's units and basis.
std::string Units(const GeneratedWater& w) {
    std::string s;
    if (w.basis == 1) s += "dialog 29 click 631\n";
    if (w.basis == 2) s += "dialog 29 click 633\n";
    if (w.temperatureUnit > 0)
        s += "dialog 29 scroll 645 down " + std::to_string(w.temperatureUnit) + "\n";
    if (w.pressureUnit > 0)
        s += "dialog 29 scroll 920 down " + std::to_string(w.pressureUnit) + "\n";
    return s.empty() ? s : s + "dialog 29 press 1\nmenu 1065\n";
}

// The water's fields on form `dialog`.
std::string Fields(const GeneratedWater& w, int dialog) {
    std::ostringstream s;
    s.precision(10);
    const std::string d = "dialog " + std::to_string(dialog) + " set ";
    s << d << kPh << " " << w.ph << "\n";
    // Every field a water may hold, so that none keeps another water's value.
    for (int field : {kCa, kMg, kBa, kSr, kNa, kK, kFe, kCl, kSo4, kMAlk, kPAlk, kH2s})
        s << d << field << " " << (w.mgL.count(field) ? w.Typed(field) : 0.0) << "\n";
    s << d << kPh2s << " " << w.ph2sAtm << "\n";
    s << d << kTemperature << " " << w.Temperature() << "\n"
      << d << kPressure << " " << w.Pressure() << "\n"
      << d << kGravity << " " << w.gravity << "\n";
    return s.str();
}

// The water as formation, injection and surface water, the surface page last
// (the mixing profile mixes it with itself), its pages saved.
std::string AsEveryWater(const GeneratedWater& w, const std::string& tag) {
    const std::string form = Fields(w, 80) + "dialog 80 press 1\n";
    return form + "menu 1032\n" + form + "menu 1031\n" + form +
           "menu 1030\ntext DisplayMUWater surface" + tag + ".txt\ntext DisplayMUValues values" +
           tag + ".txt\n";
}

// The water typed twice into the multi-mix form, half and half, mixed; the
// blend's pages saved. `again`: the form holds two waters already and opens
// on the second.
std::string MultiMixWithItself(const GeneratedWater& w, const std::string& tag, bool again) {
    const std::string half = "dialog 115 set 492 50\n";
    const std::string second = again ? Fields(w, 115) + half + "dialog 115 press 521\n"
                                     : "answer yes Last Analysis\n" + Fields(w, 115) + half +
                                           "dialog 115 press 1\ndialog 115 next\n"
                                           "dialog 115 press 520\n";
    return second + Fields(w, 115) + half + "dialog 115 press 527\nmenu 113\n" +
           "text DisplayMixedWaterOut blend" + tag + ".txt\ntext DisplayMixedValuesOut blendv" +
           tag + ".txt\n";
}

// The pH-control chemicals of the what-if, an acid and an alkali a time, and
// the rows their doses show on Vary pH.
struct ChemicalPair {
    int acid;
    int alkali;
    const char* acidRow;
    const char* alkaliRow;
};
const ChemicalPair kChemicals[] = {
    {542, 549, "Sulfuric Acid", "Lime"},
    {543, 547, "Hydrochloric Acid", "Soda Ash"},
    {544, 548, "Carbon Dioxide", "Sodium Bicarbonate"},
    {542, 545, "Sulfuric Acid", "Caustic Soda"},
    {543, 546, "Hydrochloric Acid", "Caustic Potash"},
};
// Vary pH under each pair, then no pH control again.
std::string VaryPhWithEachChemical(const std::string& tag) {
    std::string s;
    for (size_t k = 0; k < std::size(kChemicals); ++k) {
        const std::string n = std::to_string(k);
        // Carbon dioxide warns of a pH below 6.8, sodium bicarbonate of one above
        // 8.3; the run goes on.
        if (kChemicals[k].acid == 544) {
            for (int box = 0; box < 30; ++box) s += "answer no WARNING: CO2 is not recommended\n";
            for (int box = 0; box < 30; ++box)
                s += "answer no WARNING: NaHCO3 is not recommended\n";
        }
        s += "dialog 84 click " + std::to_string(kChemicals[k].acid) + "\ndialog 84 click " +
             std::to_string(kChemicals[k].alkali) +
             "\ndialog 84 press 1\nmenu 1041\nmenu 1038\ntext DisplaypHWater dose" + n + tag +
             ".txt\ntext DisplaypHValues dosev" + n + tag + ".txt\n";
    }
    return s + "dialog 84 click 587\ndialog 84 click 588\ndialog 84 press 1\nmenu 1041\n";
}

// The grids of pH rows under pH control, each written as four graphs (the
// most a user may choose) in files NAME0 to NAME3: two saturation ratios, the
// acid's dose and the alkali's. With four chosen the window opens on the third
// and pages on, so the doses are chosen first.
const char* const kControlledRatios[] = {"Calcite", "Gypsum"};
constexpr size_t kControlledGraphs = 4;
struct ControlledGrid {
    const char* menu;
    const char* file;
    const char* name;
};
const ControlledGrid kControlledGrids[] = {{"1040", "CG", "pH grid"},
                                           {"1044", "CMT", "mixing grid, pH by temperature"},
                                           {"1045", "CMR", "mixing grid, ratio by temperature"},
                                           {"1046", "CMP", "mixing grid, pH by ratio"}};

// pH control by the pair `c` to `target`: Vary pH, the mixing profile, the pH
// grid and the three mixing grids of the water with itself by pH, temperature
// and percent; then the pCO2 profile and the pCO2 grid.
std::string GridsUnderControl(const ChemicalPair& c, double target) {
    std::ostringstream s;
    s.precision(8);
    if (c.acid == 544) {
        for (int box = 0; box < 60; ++box) s << "answer no WARNING: CO2 is not recommended\n";
        for (int box = 0; box < 60; ++box) s << "answer no WARNING: NaHCO3 is not recommended\n";
    }
    s << "dialog 84 click " << c.acid << "\ndialog 84 click " << c.alkali
      << "\ndialog 84 set 550 " << target << "\ndialog 84 press 1\nmenu 1041\n"
      << "menu 1038\ntext DisplaypHWater cph.txt\ntext DisplaypHValues cphv.txt\n"
      << "menu 1042\ntext DisplayCycledWater cmix.txt\ntext DisplayCycledValues cmixv.txt\n"
      << "dialog 25 press 2505\n";
    const std::string acid = std::string(c.acidRow) + " Dosage Profile";
    const std::string alkali = std::string(c.alkaliRow) + " Dosage Profile";
    for (const char* graph :
         {acid.c_str(), alkali.c_str(), kControlledRatios[0], kControlledRatios[1]})
        s << "dialog 25 select 2501 " << graph << "\ndialog 25 press 2503\n";
    s << "dialog 25 press 1\nmenu 1064\n";
    for (const ControlledGrid& g : kControlledGrids) {
        s << "menu " << g.menu << "\n";
        for (size_t k = 0; k < kControlledGraphs; ++k)
            s << (k > 0 ? "key wcGraphWindow PgDn\n" : "") << "file \\" << g.file << k
              << ".DAT\nmenu 996 wcGraphWindow\n";
        s << "menu 1028 wcGraphWindow\n";
    }
    // Under the pCO2 plot variable: the pCO2 profile and the pCO2 grid.
    s << "answer yes pH will be the plot variable\nmenu 1076\n"
      << "menu 1038\ntext DisplaypHWater cco2.txt\ntext DisplaypHValues cco2v.txt\nmenu 1040\n";
    for (size_t k = 0; k < kControlledGraphs; ++k)
        s << (k > 0 ? "key wcGraphWindow PgDn\n" : "") << "file \\CC" << k
          << ".DAT\nmenu 996 wcGraphWindow\n";
    s << "menu 1028 wcGraphWindow\n";
    return s.str();
}

// Sour waters whose sulfide outweighs their alkalinity, generated on
// purpose: one water in eight takes, at a pH of at least 7.5 (where most of
// its H2S is bisulfide), twice the sulfide that its bicarbonate's alkalinity
// would balance, no pH2S and no carbonate alkalinity beside it.
constexpr size_t kOutweighingEvery = 8;
bool OutweighsOnPurpose(size_t index) {
    return index % kOutweighingEvery == kOutweighingEvery - 1;
}
GeneratedWater WithSulfideOutweighingItsAlkalinity(GeneratedWater w) {
    w.ph = std::max(w.ph, 7.5);
    w.mgL.erase(kPAlk);
    w.ph2sAtm = 0.0;
    w.mgL[kH2s] = std::round(2.0 * w.mgL.at(kMAlk) / MgPerMeq(kMAlk) * 34.08 * 100.0) / 100.0;
    return w;
}

// One water in three has its pCO2 axes carried to the form's 1,000.
bool Pco2AxesToAThousand(size_t index) {
    return index % 3 == 2;
}

// The form's word on a water whose sulfide outweighs its alkalinity, in the
// log `log`: the two figures it names (meq/kg), or NaN when it said nothing.
std::pair<double, double> SulfideAndAlkalinityTold(const std::string& log) {
    const size_t at = log.find("The H2S of this water carries ");
    if (at == std::string::npos) return {NAN, NAN};
    const double sulfide = std::strtod(log.c_str() + at + 30, nullptr);
    const size_t than = log.find("more than the ", at);
    if (than == std::string::npos) return {sulfide, NAN};
    return {sulfide, std::strtod(log.c_str() + than + 14, nullptr)};
}

// What a water's run shows and what it is held to, stage by stage: each
// stage's disagreements are reported once, with the water and the script that
// shows them.
class GeneratedWatersRun : public ThreeDRunFixture, public ::testing::WithParamInterface<size_t> {
  protected:
    // Runs `script` in a fresh folder, then `checks`; what they find is one
    // failure naming the water, the stage and the script.
    template <typename Checks>
    void Stage(const GeneratedWater& w, const std::string& stage, const std::string& script,
               Checks checks) {
        const std::string whole = script + "answer no Data has been modified\n";
        ::testing::TestPartResultArray found;
        {
            ::testing::ScopedFakeTestPartResultReporter collect(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &found);
            for (const auto& e : std::filesystem::directory_iterator(folder))
                std::filesystem::remove_all(e.path());
            const int code = RunProgramFile(whole);
            const std::string log = Log();
            EXPECT_EQ(code, 0) << "the script stopped: "
                               << log.substr(log.size() - std::min<size_t>(log.size(), 600));
            ExpectOnlyTheRunsOwnQuestions(Log(), marksTold_);
            checks();
        }
        if (found.size() == 0) return;
        // Each disagreement fails the run unless it is one of the open faults
        // below; those are printed, and fail too with TARVEX_GENERATED_STRICT.
        const bool strict = std::getenv("TARVEX_GENERATED_STRICT") != nullptr;
        std::ostringstream report, open;
        int failing = 0;
        for (int k = 0; k < found.size(); ++k) {
            const std::string message = found.GetTestPartResult(k).message();
            const char* reason = OpenFault(w, message);
            if (reason != nullptr && !strict) {
                open << "  open (" << reason << "): " << Where(message) << "\n";
                continue;
            }
            ++failing;
            report << Shortened(message);
        }
        if (failing == 0) {
            std::printf("%s\n%s: %d disagreements of open faults\n%s", w.Describe().c_str(),
                        stage.c_str(), found.size(), open.str().c_str());
            return;
        }
        if (const char* keep = std::getenv("TARVEX_GENERATED_SCRIPTS")) {
            std::filesystem::create_directories(keep);
            std::string file = "water-" + std::to_string(w.seed) + "-" + std::to_string(w.index) +
                               "-" + stage + ".tvs";
            std::replace(file.begin(), file.end(), ' ', '-');
            std::ofstream(std::filesystem::path(keep) / file) << "# " << w.Describe() << "\n"
                                                              << whole;
        }
        ADD_FAILURE() << w.Describe() << "\n"
                      << stage << ": " << failing << " disagreements\n"
                      << report.str() << open.str()
                      << "\nThe script that shows it (tarvex --headless --desktop 1280x1024 "
                         "--script FILE):\n# "
                      << w.Describe() << "\n"
                      << whole;
    }
    // The trace of a check's message: where it was, innermost first.
    static std::string Where(const std::string& message) {
        std::string where;
        const size_t trace = message.find("Google Test trace:");
        if (trace == std::string::npos) return where;
        std::istringstream lines(message.substr(trace));
        for (std::string line; std::getline(lines, line);) {
            if (line.find("generated water") != std::string::npos ||
                line.find("Google Test trace") != std::string::npos ||
                line.find(": ") == std::string::npos)
                continue;
            where += (where.empty() ? "" : " / ") + line.substr(line.find(": ") + 2);
        }
        return where;
    }
    // The faults this run finds that are the model's: what makes a
    // disagreement one of them, or null.
    static const char* OpenFault(const GeneratedWater& w, const std::string& message) {
        auto says = [&message](const char* text) {
            return message.find(text) != std::string::npos;
        };
        // The gas solve of the saltiest brines on a pCO2 axis to 1,000 atm:
        // past 150 atm their dissolved CO2 falls as the pCO2 rises (seed
        // 9105's water 8, 350 g/L at 152 F: 677 mg/L at 167 atm, 95 at 667,
        // 72 at 1,000), the pCO2 grid's cells repeat one another, and the
        // profile, the grid and the mixes mark different points.
        double solids = 0.0;
        for (const auto& [field, v] : w.mgL) solids += v;
        if (Pco2AxesToAThousand(w.index) && solids > 250000.0 && says("pCO2"))
            return "the gas solve of a brine past 250 g/L above 150 atm of CO2";
        return nullptr;
    }
    // The program run on the script as a process of its own, in the run's
    // folder: a script it cannot finish ends that process, not the test's.
    int RunProgramFile(const std::string& script) {
        std::ofstream(folder / "script.tvs") << script;
        const std::string command = "cd '" + folder.string() +
                                    "' && '" TARVEX_BINARY_DIR
                                    "/tarvex' --headless --desktop 1280x1024 --script script.tvs "
                                    "--log run.log >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    // A message of a check: its first lines and the trace of where it was.
    static std::string Shortened(const std::string& message) {
        const size_t trace = message.find("Google Test trace:");
        std::string head = message.substr(0, std::min<size_t>(trace, 600));
        if (head.size() < trace && trace != std::string::npos) head += " ...\n";
        std::string where;
        if (trace != std::string::npos) {
            std::istringstream lines(message.substr(trace));
            for (std::string line; std::getline(lines, line);)
                if (line.find("generated water") == std::string::npos &&
                    line.find("Google Test trace") == std::string::npos)
                    where += "  at " + line.substr(line.find(": ") + 2) + "\n";
        }
        return "- " + head + "\n" + where;
    }
    // No message box but those the run answers: a value the form refused, or a
    // work file the program would not open again, is a disagreement. So is
    // a run's word that points could not be calculated, but where `marks`
    // (points past what any water holds, on a pCO2 axis past 50 atm, where a
    // cold water dissolves 150,000 mg/L).
    static void ExpectOnlyTheRunsOwnQuestions(const std::string& log, bool marks) {
        for (const std::string& box : LinesAfter(log, "message box ")) {
            const bool expected = box.find("No Input Units configuration") != std::string::npos ||
                                  (marks && box.find("points could not be calculated") !=
                                                std::string::npos) ||
                                  box.find("Last Analysis") != std::string::npos ||
                                  box.find("Data has been modified") != std::string::npos ||
                                  box.find("CO2 is not recommended") != std::string::npos ||
                                  box.find("\"EXPORT SUCCESSFUL\"") == 0 ||
                                  box.find("plot variable") != std::string::npos ||
                                  box.find("plot and profile variable") != std::string::npos ||
                                  box.find("NaHCO3 is not recommended") != std::string::npos ||
                                  box.find("open the CSV file now") != std::string::npos ||
                                  box.find("FILE SUCCESSFULLY RESTORED") != std::string::npos;
            EXPECT_TRUE(expected) << "message box " << box;
        }
    }
    std::string ReadFile(const std::string& name) const { return Read(name); }
    // The stages to come may tell of points not calculated.
    bool marksTold_ = false;

    // True when the form tells that the water's sulfide outweighs its
    // alkalinity (only a sour water can be so).
    bool FormRefusesSulfide(const GeneratedWater& w) {
        if (w.mgL.count(kH2s) == 0 && !(w.ph2sAtm > 0.0)) return false;
        (void)RunForm(w);
        return !std::isnan(SulfideAndAlkalinityTold(Log()).first);
    }
    // The water typed into the source form, OK pressed, in a fresh folder:
    // the program's exit code.
    int RunForm(const GeneratedWater& w) {
        return RunFresh(Units(w) + Fields(w, 80) +
                        "dialog 80 press 1\ndialog 80 press 2\nmenu 1030\n"
                        "answer no Data has been modified\n");
    }
    // `script` run in an emptied folder: the program's exit code.
    int RunFresh(const std::string& script) {
        for (const auto& e : std::filesystem::directory_iterator(folder))
            std::filesystem::remove_all(e.path());
        return RunProgramFile(script);
    }

    // The water typed into the source form and OK pressed: true when the form
    // told that its sulfide outweighs its alkalinity, which only a sour water
    // may be told and each water made so on purpose must be, naming a sulfide
    // larger than the alkalinity; the form then stays open and shows no page.
    bool FormTellsSulfideOutweighs(const GeneratedWater& w) {
        SCOPED_TRACE(w.Describe());
        EXPECT_EQ(RunForm(w), 0) << Log();
        const auto [sulfide, alkalinity] = SulfideAndAlkalinityTold(Log());
        const bool sour = w.mgL.count(kH2s) != 0 || w.ph2sAtm > 0.0;
        if (OutweighsOnPurpose(w.index)) {
            EXPECT_FALSE(std::isnan(sulfide)) << "not told\n" << Log();
        }
        if (std::isnan(sulfide)) return false;
        EXPECT_TRUE(sour) << Log();
        EXPECT_GT(sulfide, alkalinity) << Log();
        EXPECT_EQ(Log().find("WATER ANALYSIS"), std::string::npos) << Log();
        return true;
    }
};

// Where the numbers of a profile page's row may be below 0: the indices,
// precipitation potentials and momentary excesses, the hydroxide alkalinity
// (hydroxide less hydrogen ion) and the acidity of a water beyond its
// carbonate's end point.
bool RowMayBeNegative(const std::string& label) {
    for (const char* row : {"OH Alkalinity", "Langelier", "Ryznar", "Oddo-Tomson", "Stiff-Davis",
                            "Puckorius", "Larson"})
        if (label.find(row) != std::string::npos) return true;
    return false;
}

// No number a page shows is not a number or beyond the 1e37 the engine bounds
// every stored value with; on a page of seven points none is negative but on
// the rows whose numbers can be.
void ExpectNumbersOfAWater(const std::string& page, const std::string& name) {
    SCOPED_TRACE(name);
    bool signedBlock = false;
    const std::vector<double> ph = PageRow(page, "pH ");
    const std::vector<double> hydroxide = PageRow(page, "OH Alkalinity");
    for (const std::string& line : TextLines(page)) {
        if (line.find("INDICES") != std::string::npos ||
            line.find("PRECIPITATION POTENTIAL") != std::string::npos ||
            line.find("MOMENTARY EXCESS") != std::string::npos)
            signedBlock = true;
        std::istringstream words(line);
        std::vector<std::string> w;
        for (std::string x; words >> x;) w.push_back(x);
        for (const std::string& word : w) {
            std::string lower;
            for (char c : word)
                lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            for (const char* bad : {"nan", "inf", "***", "#"})
                EXPECT_TRUE(lower.find(bad) == std::string::npos || lower.find("info") == 0)
                    << line;
            char* end = nullptr;
            const double v = std::strtod(word.c_str(), &end);
            if (end == word.c_str() || *end != '\0') continue;
            EXPECT_LT(std::fabs(v), 1e37) << line;
        }
        // The rows of seven points: the label, then the numbers after column 24.
        const std::string label = line.substr(0, std::min<size_t>(line.size(), 24));
        const size_t start = label.find_first_not_of(' ');
        if (signedBlock || line.size() <= 24 || start == std::string::npos ||
            RowMayBeNegative(label))
            continue;
        const std::vector<double> values = PageRow(line, label.substr(start));
        if (values.size() != 7) continue;
        // The "M" alkalinity is the water's proton balance: below the end point
        // of its titration (pH 4.5) the hydrogen ion outweighs it.
        // So is the acidity beyond its end point (pH 8.3 at 25 C; a hot water's
        // hydroxide reaches it sooner), where the hydroxide outweighs it.
        const bool alkalinity = label.find("\"M\" Alkalinity") != std::string::npos;
        const bool acidity = label.find("Acidity") != std::string::npos;
        for (size_t k = 0; k < 7; ++k) {
            // A point not calculated shows no number ("N/A").
            if (std::isnan(values[k])) continue;
            if (alkalinity && ph.size() == 7 && ph[k] < 4.5) continue;
            if (acidity &&
                ((ph.size() == 7 && ph[k] > 8.3) || (hydroxide.size() == 7 && hydroxide[k] > 0.0)))
                continue;
            EXPECT_GE(values[k], 0.0) << line;
        }
    }
}

// The cells of a 3D graph's data file: finite saturation ratios of a size a
// file stores, or "N/A" where a cell was not calculated.
void ExpectCellsOfAWater(const std::string& file, const std::string& name) {
    SCOPED_TRACE(name);
    const std::vector<std::vector<double>> cells = DataFileCells(file);
    EXPECT_EQ(cells.size(), 7u) << file;
    for (const std::vector<double>& row : cells)
        for (double v : row)
            EXPECT_TRUE(std::isnan(v) || (std::isfinite(v) && v >= 0.0 && v < 1e37))
                << v << "\n" << file;
}

// The blend of the water with itself is the water: its pH, its sulfide and
// every saturation ratio of its page.
void ExpectBlendIsThePage(const OwnPage& own, double h2s, const std::string& blend,
                          const std::string& values, const std::string& what) {
    SCOPED_TRACE(what);
    EXPECT_NEAR(SurfaceValue(blend, "pH   "), own.ph, 0.05) << blend;
    EXPECT_NEAR(H2sRow(blend), h2s, 0.02 * h2s + 0.006) << blend;
    const std::map<std::string, double> ratios = PageRatios(values);
    for (const auto& [mineral, ratio] : own.ratios)
        ExpectSame(ratio, ratios.count(mineral) ? ratios.at(mineral) : NAN, own.ratioShare,
                   "the blend's " + mineral);
}

// Vary pH under each pair of pH-control chemicals: the point at the water's
// own pH takes no dose and is its page; below it only acid, above it only
// alkali, each dose finite, not negative, and larger the farther its point.
void ExpectDosesOfEachChemical(const OwnPage& own,
                               const std::function<std::string(const std::string&)>& read) {
    for (size_t k = 0; k < std::size(kChemicals); ++k) {
        const ChemicalPair& c = kChemicals[k];
        SCOPED_TRACE(std::string("Vary pH dosed with ") + c.acidRow + " and " + c.alkaliRow);
        const std::string page = read("dose" + std::to_string(k) + ".txt");
        ExpectPointIsThePage(own, page, read("dosev" + std::to_string(k) + ".txt"), 3,
                             "the point at the water's own pH");
        const std::vector<double> acid = PageRow(page, c.acidRow);
        const std::vector<double> alkali = PageRow(page, c.alkaliRow);
        ASSERT_EQ(acid.size(), 7u) << page;
        ASSERT_EQ(alkali.size(), 7u) << page;
        for (size_t i = 0; i < 7; ++i) {
            EXPECT_TRUE(std::isfinite(acid[i]) && acid[i] >= 0.0) << page;
            EXPECT_TRUE(std::isfinite(alkali[i]) && alkali[i] >= 0.0) << page;
            if (i >= 3) {
                EXPECT_EQ(acid[i], 0.0) << "point " << i << "\n" << page;
            }
            if (i <= 3) {
                EXPECT_EQ(alkali[i], 0.0) << "point " << i << "\n" << page;
            }
            if (i < 3) {
                EXPECT_GE(acid[i], acid[i + 1]) << "point " << i << "\n" << page;
            }
            if (i > 3) {
                EXPECT_GE(alkali[i], alkali[i - 1]) << "point " << i << "\n" << page;
            }
        }
    }
}

// The water at each of a profile's seven points under pH control: its ratios
// (kControlledRatios), then the acid's and the alkali's doses.
void PointWaters(const ChemicalPair& c, const std::string& page, const std::string& values,
                 std::vector<std::vector<double>>& points) {
    const std::vector<double> acid = PageRow(page, c.acidRow);
    const std::vector<double> alkali = PageRow(page, c.alkaliRow);
    ASSERT_EQ(acid.size(), 7u) << page;
    ASSERT_EQ(alkali.size(), 7u) << page;
    points.assign(7, {});
    for (size_t k = 0; k < 7; ++k) {
        const std::map<std::string, double> ratios = ProfileRatios(values, static_cast<int>(k));
        for (const char* mineral : kControlledRatios) {
            ASSERT_EQ(ratios.count(MineralKey(mineral)), 1u) << mineral << "\n" << values;
            points[k].push_back(ratios.at(MineralKey(mineral)));
        }
        points[k].push_back(acid[k]);
        points[k].push_back(alkali[k]);
    }
}

// Under pH control a cell is the water its dose makes: Vary pH's water, dosed
// by the same chemicals, at the cell's pH. The cells at the water's own
// temperature `t` of the pH grid and of the mixing grid by pH and temperature,
// and every cell of the mixing grid by pH and percent (the water mixed with
// itself in any share), take Vary pH's doses to their row's pH and have its
// saturation ratios there; the cells at `t` of the mixing grid of percent
// rows, and each point of the mixing profile, are Vary pH's water at the
// target pH. Under the pCO2 plot variable the pCO2 grid's cells at `t` are the
// pCO2 profile's water at their pCO2.
void ExpectGridsUnderControlAreVaryPh(const ChemicalPair& c, double t, double target,
                                      const std::function<std::string(const std::string&)>& read) {
    SCOPED_TRACE(std::string("under pH control by ") + c.acidRow + " and " + c.alkaliRow);
    const std::string page = read("cph.txt");
    const std::vector<double> ph = PageRow(page, "pH ");
    ASSERT_EQ(ph.size(), 7u) << page;
    // Vary pH's water at each point: the ratios, then the two doses; and the
    // pCO2 profile's.
    std::vector<std::vector<double>> water, underGas;
    PointWaters(c, page, read("cphv.txt"), water);
    PointWaters(c, read("cco2.txt"), read("cco2v.txt"), underGas);
    ASSERT_EQ(water.size(), 7u);
    ASSERT_EQ(underGas.size(), 7u);
    const int atTarget = AxisIndex(ph, target);
    ASSERT_GE(atTarget, 0) << "target " << target << "\n" << page;
    const auto graphName = [&c](size_t graph) {
        return graph < 2 ? kControlledRatios[graph] : graph == 2 ? c.acidRow : c.alkaliRow;
    };
    // The ratios within 2 % and the page's 0.01; the doses within 0.5 %, a
    // mix's acid or alkali within 1.25 %: a mix dosed by them settles its dose
    // on the water the dose makes, as Vary pH does, but its carbonate is the
    // blend's, which takes the dissolved CO2 that its waters' reference passes
    // left, not their own calculations' (1.01 % in the CI seed's water 20, a
    // 77 F brine near pH 4 at 296 atm). A mix that carbon dioxide doses takes
    // the CO2 of its own pass before the dose, as Vary pH does. One failure
    // for each grid and graph: its count of cells and the farthest, with how
    // far apart it is.
    struct Differing {
        int cells = 0;
        double apart = -1.0;
        std::string farthest;
    };
    std::map<std::string, Differing> differing;
    const auto expectOf = [&](const std::vector<std::vector<double>>& points,
                              const std::string& profile, const std::vector<double>& axis,
                              const std::string& grid, const std::string& where, size_t graph,
                              double cell, int k) {
        const double v = points[static_cast<size_t>(k)][graph];
        const bool blendCo2 =
            grid != "pH grid" && grid != "pCO2 grid" && !(c.acid == 544 && graph == 2);
        const double share = graph < 2 ? 0.02 : blendCo2 ? 0.0125 : 0.005;
        // A number of eight figures or more the page shows to two ("1.5e+08",
        // a dose of carbon dioxide to a pH of 1.2): one step of the second.
        const double shown =
            std::fabs(v) >= 1e7 ? std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 1.0) : 0.0;
        if (std::fabs(cell - v) <= share * std::fabs(v) + 0.0101 + shown) return;
        if (std::isnan(cell) && std::isnan(v)) return;  // not calculated on both
        Differing& d = differing[grid + ", " + graphName(graph)];
        ++d.cells;
        const double apart = std::isfinite(cell) ? 100.0 * std::fabs(cell - v) / std::fabs(v) : 1e9;
        if (!(apart > d.apart)) return;
        std::ostringstream s;
        s << where << ": " << cell << " for " << v << " (" << profile << " at "
          << axis[static_cast<size_t>(k)] << "), " << std::round(apart * 10.0) / 10.0
          << " % apart";
        d.apart = apart;
        d.farthest = s.str();
    };
    const auto expect = [&](const std::string& grid, const std::string& where, size_t graph,
                            double cell, int k) {
        expectOf(water, "Vary pH", ph, grid, where, graph, cell, k);
    };
    for (const ControlledGrid& g : kControlledGrids) {
        const std::string name = g.file;
        const bool percentRows = name == "CMR";
        const bool percentColumns = name == "CMP";
        for (size_t graph = 0; graph < kControlledGraphs; ++graph) {
            const std::string file = read(name + std::to_string(graph) + ".DAT");
            ASSERT_NE(file.substr(0, file.find('\n')).find(graphName(graph)), std::string::npos)
                << file;
            const std::vector<double> columns = DataFileColumns(file);
            const std::vector<std::vector<double>> rows = DataFileRows(file);
            ASSERT_EQ(rows.size(), 7u) << file;
            const int own = percentColumns ? -1 : AxisIndex(columns, t);
            if (!percentColumns) {
                ASSERT_GE(own, 0) << file;
            }
            for (const std::vector<double>& row : rows) {
                ASSERT_EQ(row.size(), columns.size() + 1) << file;
                const int k = percentRows ? atTarget : AxisIndex(ph, row[0]);
                ASSERT_GE(k, 0) << "pH " << row[0] << "\n" << page << file;
                for (size_t j = 0; j < columns.size(); ++j) {
                    if (!percentColumns && static_cast<int>(j) != own) continue;
                    std::ostringstream where;
                    where << "row " << row[0] << ", column " << columns[j];
                    expect(g.name, where.str(), graph, row[j + 1], k);
                }
            }
        }
    }
    // The pCO2 grid's cells at `t`: the pCO2 profile's water at their pCO2.
    // The page rounds its pCO2 (two points may read alike); the grid's rows
    // are the profile's seven axis values, so the n-th smallest row is the
    // profile's n-th point.
    const std::vector<double> pco2 = PageRow(read("cco2.txt"), "pCO2(");
    ASSERT_EQ(pco2.size(), 7u) << read("cco2.txt");
    const auto rank = [](const std::vector<double>& values, double v) {
        return std::count_if(values.begin(), values.end(), [v](double x) { return x < v; });
    };
    for (size_t graph = 0; graph < kControlledGraphs; ++graph) {
        const std::string file = read("CC" + std::to_string(graph) + ".DAT");
        ASSERT_NE(file.substr(0, file.find('\n')).find(graphName(graph)), std::string::npos)
            << file;
        const std::vector<double> columns = DataFileColumns(file);
        const int own = AxisIndex(columns, t);
        ASSERT_GE(own, 0) << file;
        std::vector<double> rows;
        for (const std::vector<double>& row : DataFileRows(file)) rows.push_back(row[0]);
        ASSERT_EQ(rows.size(), 7u) << file;
        for (const std::vector<double>& row : DataFileRows(file)) {
            ASSERT_EQ(row.size(), columns.size() + 1) << file;
            const int k = static_cast<int>(rank(rows, row[0]));
            std::ostringstream where;
            where << "row " << row[0] << ", column " << columns[static_cast<size_t>(own)];
            expectOf(underGas, "the pCO2 profile", pco2, "pCO2 grid", where.str(), graph,
                     row[static_cast<size_t>(own) + 1], k);
        }
    }
    const std::string mix = read("cmix.txt");
    const std::string mixValues = read("cmixv.txt");
    const std::vector<double> mixAcid = PageRow(mix, c.acidRow);
    const std::vector<double> mixAlkali = PageRow(mix, c.alkaliRow);
    ASSERT_EQ(mixAcid.size(), 7u) << mix;
    ASSERT_EQ(mixAlkali.size(), 7u) << mix;
    for (size_t k = 0; k < 7; ++k) {
        const std::string where = "point " + std::to_string(k);
        const std::map<std::string, double> ratios = ProfileRatios(mixValues, static_cast<int>(k));
        for (size_t m = 0; m < std::size(kControlledRatios); ++m) {
            const std::string key = MineralKey(kControlledRatios[m]);
            expect("mixing profile", where, m, ratios.count(key) != 0 ? ratios.at(key) : NAN,
                   atTarget);
        }
        expect("mixing profile", where, 2, mixAcid[k], atTarget);
        expect("mixing profile", where, 3, mixAlkali[k], atTarget);
    }
    for (const auto& [what, d] : differing)
        ADD_FAILURE() << what << ": " << d.cells
                      << " cells are not their profile's water, the farthest " << d.farthest;
}

// Under pH control every point of the mixing profile (the water mixed with
// itself) is the water the dose made, as Vary pH shows it at the target: its
// pCO2 and its corrosion rate, within 1 % and the page's last figure. A sour
// water's points above the boiling point keep their H2S in the mix and drop
// it on Vary pH, so their rate is another water's there.
void ExpectMixesAreTheDosedWater(const ChemicalPair& c, double target, bool sourAboveBoiling,
                                 const std::function<std::string(const std::string&)>& read) {
    SCOPED_TRACE(std::string("the dosed mix under ") + c.acidRow + " and " + c.alkaliRow);
    const std::string page = read("cph.txt");
    const std::string mix = read("cmix.txt");
    const int atTarget = AxisIndex(PageRow(page, "pH "), target);
    ASSERT_GE(atTarget, 0) << "target " << target << "\n" << page;
    const auto rate = [](const std::string& text) {
        const std::vector<double> row = PageRow(text, "CO2-H2S Rate(");
        return row.empty() ? PageRow(text, "CO2 - H2S Rate(") : row;
    };
    std::vector<std::pair<const char*, std::pair<std::vector<double>, std::vector<double>>>> rows =
        {{"pCO2", {PageRow(page, "pCO2("), PageRow(mix, "pCO2(")}}};
    if (!sourAboveBoiling) rows.push_back({"CO2-H2S rate", {rate(page), rate(mix)}});
    for (const auto& [what, pair] : rows) {
        const auto& [varyPh, mixed] = pair;
        ASSERT_EQ(varyPh.size(), 7u) << what << "\n" << page;
        ASSERT_EQ(mixed.size(), 7u) << what << "\n" << mix;
        const double v = varyPh[static_cast<size_t>(atTarget)];
        for (size_t k = 0; k < 7; ++k)
            EXPECT_NEAR(mixed[k], v, 0.01 * std::fabs(v) + 0.0101)
                << what << " at the mix's point " << k << "\n"
                << page << mix;
    }
}

// What any water can hold, whatever the page and driver: a pH from 0 to 14,
// dissolved solids no more than the water's own mass (its specific gravity,
// in mg a litre; 2.5 g/mL, the densest the forms take, where the page shows
// none), and dissolved CO2 no farther past its gas's solubility at the
// point's pressure, or its CO2's own partial pressure where that is higher,
// than twice 3,400 mg/L an atmosphere (CO2 near freezing), nor past 150,000
// mg/L at any pressure (a water saturated under liquid CO2 holds about half of
// that). A point the program could not calculate shows no number ("N/A"),
// so it is not read.
constexpr double kCo2PerAtm = 2.0 * 3400.0;
constexpr double kMostCo2 = 150000.0;
constexpr double kDensest = 2.5;
double AtmospheresOf(const std::string& label, double v) {
    if (label.find("(KPa)") != std::string::npos) return v / 101.325;
    if (label.find("(bar)") != std::string::npos) return v * 0.986923;
    if (label.find("(psia)") != std::string::npos) return v / 14.6959;
    return v;
}
void ExpectWhatWaterCanHold(const std::string& page, const std::string& name) {
    SCOPED_TRACE(name + ", what a water can hold");
    std::vector<double> ph = PageRow(page, "pH ");
    std::vector<double> tds = PageRow(page, "Calculated T.D.S.");
    std::vector<double> co2 = PageRow(page, "Dissolved CO2");
    std::vector<double> gravity = PageRow(page, "Sp.Gr.");
    // A row of pressures by its label ("Pressure(", "pCO2("): its values in
    // atm, one a point or the page's one.
    const auto atmospheres = [&page](const char* name) {
        std::vector<double> atm;
        for (const std::string& line : TextLines(page)) {
            const size_t at = line.find(name);
            if (at == std::string::npos || at > 24) continue;
            const std::string label = line.substr(at, line.find(')', at) - at + 1);
            for (double v : PageRow(line, label)) atm.push_back(AtmospheresOf(label, v));
            break;
        }
        return atm;
    };
    const std::vector<double> pressure = atmospheres("Pressure(");
    const std::vector<double> gas = atmospheres("pCO2(");
    const auto at = [](const std::vector<double>& row, size_t k) {
        const double v = k < row.size() ? row[k] : row.size() == 1 ? row[0] : 0.0;
        return std::isfinite(v) ? v : 0.0;
    };
    for (size_t k = 0; k < ph.size(); ++k)
        EXPECT_TRUE(std::isnan(ph[k]) || (ph[k] >= 0.0 && ph[k] <= 14.0))
            << "pH " << ph[k] << "\n" << page;
    for (size_t k = 0; k < tds.size(); ++k) {
        const double sg = k < gravity.size() && gravity[k] > 0.0 ? gravity[k]
                          : gravity.size() == 1 && gravity[0] > 0.0 ? gravity[0]
                                                                    : kDensest;
        EXPECT_FALSE(tds[k] > sg * 1e6) << "T.D.S. past the water's mass\n" << page;
    }
    for (size_t k = 0; k < co2.size(); ++k) {
        const double p = pressure.empty() ? 1000.0 : at(pressure, k);
        const double most = std::min(kCo2PerAtm * std::max({1.0, p, at(gas, k)}), kMostCo2);
        EXPECT_FALSE(co2[k] > most) << "dissolved CO2 past its gas's solubility at " << p
                                    << " atm, pCO2 " << at(gas, k) << " atm\n" << page;
    }
}

// The number after a label's unit on the surface page ("pCO2(atm)   8.94"),
// and the significant figures it is shown to.
struct ShownValue {
    double value = NAN;
    int figures = 0;
};
ShownValue SurfaceValueAfterUnit(const std::string& page, const std::string& label) {
    for (const std::string& line : TextLines(page)) {
        const size_t at = line.find(label);
        if (at == std::string::npos) continue;
        const size_t unit = line.find(')', at);
        if (unit == std::string::npos) return {};
        std::istringstream words(line.substr(unit + 1));
        std::string word;
        words >> word;
        ShownValue shown{std::strtod(word.c_str(), nullptr), 0};
        bool leading = true;
        for (char c : word.substr(0, word.find_first_of("eE"))) {
            if (c == '0' && leading) continue;
            if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
                leading = false;
                ++shown.figures;
            }
        }
        return shown;
    }
    return {};
}

// A point is marked by its own water: the pCO2 profile's point (`profile`)
// shows "N/A" where the pCO2 grid's cell at its pCO2 and the profile's
// temperature `t` (`grid`) does, and no other. The grid's rows are the
// profile's seven axis values, the n-th smallest row the profile's n-th point.
void ExpectMarksOfTheGasAgree(const std::string& profile, const std::string& grid, double t) {
    SCOPED_TRACE("the marks of the pCO2 profile and grid");
    const std::vector<double> ph = PageRow(profile, "pH ");
    const std::vector<std::vector<double>> rows = DataFileRows(grid);
    ASSERT_EQ(ph.size(), 7u) << profile;
    ASSERT_EQ(rows.size(), 7u) << grid;
    const int column = AxisIndex(DataFileColumns(grid), t);
    ASSERT_GE(column, 0) << grid;
    const auto rank = [](const std::vector<double>& values, double v) {
        return std::count_if(values.begin(), values.end(), [v](double x) { return x < v; });
    };
    std::vector<double> rowValues;
    for (const std::vector<double>& row : rows) rowValues.push_back(row[0]);
    for (const std::vector<double>& row : rows) {
        ASSERT_EQ(row.size(), 8u) << grid;
        const size_t k = static_cast<size_t>(rank(rowValues, row[0]));
        EXPECT_EQ(std::isnan(ph[k]), std::isnan(row[static_cast<size_t>(column) + 1]))
            << "pCO2 " << row[0] << ": the profile's point "
            << (std::isnan(ph[k]) ? "N/A" : "calculated") << ", the grid's cell not\n"
            << profile << grid;
    }
}

// A water's run: the numbers of every page, file and grid it wrote.
void ExpectEveryNumberOfAWater(const std::filesystem::path& folder,
                               const std::function<std::string(const std::string&)>& read) {
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        const std::string ext = e.path().extension().string();
        if (ext == ".txt" && name != "script.txt") {
            ExpectNumbersOfAWater(read(name), name);
            ExpectWhatWaterCanHold(read(name), name);
        }
        if (ext == ".DAT") ExpectCellsOfAWater(read(name), name);
        if (ext == ".csv") ExpectNumbersOfAWater(read(name), name);
    }
}

}  // namespace

// Each water as the first calculation of a run (its multi-mix with itself,
// then its page), through every driver, Vary pH with each chemical, and saved
// and opened; then after another water (that water's page and multi-mix),
// its page, every driver and its multi-mix. Every point at the water's own
// conditions is its page (pH within 0.05, each saturation ratio within 1 %,
// the "M" alkalinity within 2 % of Vary pH's at its own pH), the page is the
// same whatever ran before it, and every number shown is one a water can have;
// under pH control the grids' cells are Vary pH's water at their pH.
TEST_P(GeneratedWatersRun, EveryDriverAtTheWatersOwnConditionsIsItsPage) {
    const GeneratedWater drawn = Generate(Seed(), GetParam());
    const GeneratedWater water =
        OutweighsOnPurpose(GetParam()) ? WithSulfideOutweighingItsAlkalinity(drawn) : drawn;
    // A water whose sulfide outweighs its alkalinity is told on the form,
    // with both figures, and goes no further: no page, no driver.
    if (FormTellsSulfideOutweighs(water)) return;
    // Another water, typed in the units the water is: one the form takes (a
    // sour water whose sulfide outweighs its alkalinity it tells and takes no
    // further, and the run would show the first water's pages in its place).
    GeneratedWater other{};
    for (size_t draw = 0; draw < 8; ++draw) {
        other = Generate(Seed() ^ 0x5DEECE66Dull, GetParam() + 1000 * draw);
        other.temperatureUnit = water.temperatureUnit;
        other.pressureUnit = water.pressureUnit;
        other.basis = water.basis;
        if (!FormRefusesSulfide(other)) break;
    }
    const auto read = [this](const std::string& name) { return ReadFile(name); };
    const double t = water.Temperature();
    const double p = water.Pressure();
    const double pHighest = kHighestPressure[water.pressureUnit];
    const bool pressureFirst = p * 1.01 < pHighest;

    // The page, after the water's multi-mix with itself as the first
    // calculation of the run.
    std::string page, values;
    OwnPage own{};
    double h2s = 0.0, pco2 = 0.0;
    Stage(water, "the multi-mix as the first calculation",
          Units(water) + MultiMixWithItself(water, "", false) + AsEveryWater(water, ""), [&] {
              page = Read("surface.txt");
              values = Read("values.txt");
              own = {SurfaceValue(page, "pH   "), 0.0, PageRatios(values)};
              own.ratioShare = 0.01;
              // In epm the page and the profiles alike show the dissolved CO2
              // in milliequivalents.
              const bool epm = water.basis == 2;
              own.co2 = DissolvedCo2Row(page);
              own.co2Rounding = epm ? 0.006 : 0.06;
              // 1 % but for a brine near pH 4, whose CO2 takes a share of a
              // litre's mass (1.04 % in the CI seed's water 20, 77 F, pH 4.35,
              // 296 atm).
              own.co2Share = 0.0125;
              h2s = H2sRow(page);
              // The pCO2 axes start from the page's pCO2 only where it is
              // shown to three figures: "0.01" for 0.014 is another water.
              const ShownValue shown = SurfaceValueAfterUnit(page, "pCO2(");
              pco2 = shown.figures >= 3 ? shown.value : 0.0;
              if (pco2 > 0.0)
                  own.pco2Share = 0.5 * std::pow(10.0, std::floor(std::log10(pco2)) -
                                                           shown.figures + 1) / pco2;
              EXPECT_EQ(own.ratios.size(), kMinerals) << values;
              ExpectBlendIsThePage(own, h2s, Read("blend.txt"), Read("blendv.txt"),
                                   "the multi-mix");
              ExpectEveryNumberOfAWater(folder, read);
          });
    if (own.ratios.size() != kMinerals) return;
    // The pCO2 axes start from the page's pCO2 where they can, and end at 20
    // times it or at the form's 1,000.
    const double pco2High = Pco2AxesToAThousand(GetParam()) ? 1000.0 : 0.0;
    const bool fromPage =
        pco2 > 0.0 && (pco2High > 0.0 ? 1.01 * pco2 < pco2High : 20.0 * pco2 <= 1000.0);
    const bool pco2Axes = water.AtTwentyFiveC() && fromPage;
    // Points may be marked where the axis passes 50 atm, or where its top holds
    // (by Henry's law, from the page's own CO2 at the page's pCO2) near the
    // 150,000 mg/L of carbonic acid no water holds: 106,000 mg/L as CO2, less a
    // fifth for the change of the model's activities along the axis.
    const double axisTop = pco2High > 0.0 ? pco2High : 20.0 * (fromPage ? pco2 : 0.0034);
    const double pageCo2 = water.basis == 2 ? own.co2 * 44.01 : own.co2;
    const double topCo2 = fromPage && std::isfinite(pageCo2) ? pageCo2 * axisTop / pco2 : 0.0;
    marksTold_ = axisTop > 50.0 || topCo2 > 0.8 * 150000.0 * 44.01 / 62.03;
    const std::string conditions =
        OwnConditionsAt({t, t + water.TemperatureSpan(), pressureFirst ? p : p / 3.0,
                         pressureFirst ? std::min(3.0 * p, pHighest) : p, water.ph,
                         fromPage ? pco2 : 0.0034, p, pco2High});
    const bool sour = water.mgL.count(kH2s) != 0 || water.ph2sAtm > 0.0;
    const double boiling = water.temperatureUnit == 0   ? 212.0
                           : water.temperatureUnit == 1 ? 100.0
                                                        : 373.16;
    const OwnPlace place{t, pressureFirst ? 0 : 6, pco2Axes, sour ? boiling : INFINITY};
    const std::string saveAndOpen = "file \\W.KRV\nmenu 1022\nmenu 1019\nfile \\W.KRV\nmenu 1020\n";

    // As the first calculation of a run.
    Stage(water, "every driver as the first calculation",
          Units(water) + AsEveryWater(water, "") + conditions + EveryDriver("") +
              VaryPhWithEachChemical("") + saveAndOpen,
          [&] {
              EXPECT_EQ(WithoutSampleTime(Read("surface.txt")), WithoutSampleTime(page))
                  << "the page after the multi-mix";
              const std::vector<double> alkalinity = PageRow(Read("ph.txt"), "\"M\" Alkalinity");
              ASSERT_EQ(alkalinity.size(), 7u) << Read("ph.txt");
              own.alkalinity = alkalinity[3];
              ExpectEveryDriverAtItsOwnPoint(own, place, "", true, read);
              ExpectMarksOfTheGasAgree(read("co2.txt"), read("C.DAT"), t);
              ExpectDosesOfEachChemical(own, read);
              ExpectEveryNumberOfAWater(folder, read);
          });

    // Under pH control, by one pair of chemicals a water (the five in turn),
    // to a target below the water's pH for one water and above it for the next.
    const ChemicalPair& pair = kChemicals[GetParam() % std::size(kChemicals)];
    const double target = water.ph + (GetParam() % 2 == 0 ? -0.4 : 0.4);
    Stage(water, "the grids under pH control",
          Units(water) + AsEveryWater(water, "") + conditions + GridsUnderControl(pair, target),
          [&] {
              ExpectGridsUnderControlAreVaryPh(pair, t, target, read);
              ExpectMixesAreTheDosedWater(pair, target, sour && t > boiling, read);
              ExpectEveryNumberOfAWater(folder, read);
          });

    // After another water.
    Stage(water, "every driver after another water",
          Units(water) + AsEveryWater(other, "0") + MultiMixWithItself(other, "0", false) +
              AsEveryWater(water, "") + conditions + EveryDriver("2") +
              MultiMixWithItself(water, "", true),
          [&] {
              EXPECT_EQ(WithoutSampleTime(Read("surface.txt")), WithoutSampleTime(page))
                  << "the page after another water";
              ExpectEveryDriverAtItsOwnPoint(own, place, "2", false, read);
              ExpectMarksOfTheGasAgree(read("co22.txt"), read("C2.DAT"), t);
              ExpectBlendIsThePage(own, h2s, Read("blend.txt"), Read("blendv.txt"),
                                   "the multi-mix after the page");
              ExpectEveryNumberOfAWater(folder, read);
          });
}

INSTANTIATE_TEST_SUITE_P(Seeded, GeneratedWatersRun, ::testing::Range<size_t>(0, WaterCount()));

namespace {

// The weak acids and bases of the form beside the carbonate: ammonia (as NH3),
// boron (as B) and silica (as SiO2).
constexpr int kAmmonia = 411, kBoron = 413, kSilica = 422;

// NH4+'s pKa at `fahrenheit`: 9.252 at 25 C moved by its enthalpy 12.48
// kcal/mol (van 't Hoff).
double AmmoniumPka(double fahrenheit) {
    const double kelvin = (fahrenheit - 32.0) / 1.8 + 273.15;
    return 9.252 + 12.48 / (0.0019872 * std::log(10.0)) * (1.0 / kelvin - 1.0 / 298.15);
}

// A drawn brine's form lines at pH `ph` and `fahrenheit` (mg/L, 1 atm), with
// `more` fields after it, up to its pages saved under `name`.
std::string WeakBaseWater(const std::map<int, double>& mgL, double ph, double fahrenheit,
                          const std::map<int, double>& more, const std::string& name) {
    std::ostringstream s;
    s.precision(10);
    s << "dialog 80 set " << kPh << " " << ph << "\n";
    for (int field : {kAmmonia, kBoron, kSilica}) s << "dialog 80 set " << field << " 0\n";
    for (const auto& [field, v] : mgL) s << "dialog 80 set " << field << " " << v << "\n";
    for (const auto& [field, v] : more) s << "dialog 80 set " << field << " " << v << "\n";
    s << "dialog 80 set " << kTemperature << " " << fahrenheit << "\ndialog 80 set " << kPressure
      << " 1\ndialog 80 press 1\nmenu 1030\ntext DisplayMUWater " << name
      << ".txt\ntext DisplayMUValues " << name << "v.txt\n";
    return s.str();
}

// A brine drawn by `d`: 1 to 150 g/L of sodium chloride with up to 5 % of its
// weight in calcium, `hco3` mg/L of bicarbonate and the chloride that balances them.
std::map<int, double> DrawnBrine(Draw& d, double hco3) {
    const double salt = d.LogUniform(1000.0, 150000.0);
    std::map<int, double> m;
    m[kCa] = std::round(salt * d.Uniform(0.0, 0.05));
    m[kMAlk] = hco3;
    m[kNa] = std::round(salt * 22.9898 / 58.443);
    m[kCl] = std::round((m[kNa] / 22.9898 + m[kCa] / 20.04 - hco3 / 61.0171) * 35.453);
    return m;
}

}  // namespace

// Drawn brines away from 25 C (40 to 200 F) with ammonia, boron and silica at
// a pH where their pKa leaves them no alkalinity (at least 2 below ammonium's
// pKa at the temperature, 5.5 to 7.0): each is the same water without them,
// its pH, dissolved CO2 within 2 % and calcite within 3 %. And drawn sour
// brines (H2S up to 0.8 of the bicarbonate's moles) on the pCO2 profile at a
// drawn temperature: the dissolved CO2 is the gas's, in proportion to the
// pCO2 within 4 % at every point and rising with each step.
TEST_F(GeneratedWatersRun, DrawnWeakBasesAndSourGasHoldTheirWater) {
    const uint64_t seed = Seed();
    for (size_t i = 0; i < 4; ++i) {
        Draw d(seed * 0x9E3779B9ull + 7100 + i);
        const std::map<int, double> brine = DrawnBrine(d, std::round(d.LogUniform(100.0, 1500.0)));
        double fahrenheit = std::round(d.Uniform(40.0, 200.0));
        if (fahrenheit == 77.0) fahrenheit = 78.0;
        const double ph =
            std::round(d.Uniform(5.5, std::min(7.0, AmmoniumPka(fahrenheit) - 2.0)) * 100.0) /
            100.0;
        const std::map<int, double> bases[] = {
            {{kAmmonia, std::round(d.LogUniform(5.0, 100.0))}},
            {{kBoron, std::round(d.LogUniform(1.0, 30.0))}},
            {{kSilica, std::round(d.LogUniform(5.0, 80.0))}},
        };
        std::string script = WeakBaseWater(brine, ph, fahrenheit, {}, "plain");
        for (size_t b = 0; b < 3; ++b)
            script += WeakBaseWater(brine, ph, fahrenheit, bases[b], "base" + std::to_string(b));
        RunIn(script);
        const std::string plain = Read("plain.txt");
        SCOPED_TRACE("drawn brine " + std::to_string(i) + " at " + std::to_string(fahrenheit) +
                     " F, pH " + std::to_string(ph) + "\n" + plain);
        const double co2 = DissolvedCo2Row(plain);
        const double calcite = PageRatios(Read("plainv.txt")).at("calc");
        ASSERT_GT(co2, 0.0);
        for (size_t b = 0; b < 3; ++b) {
            const std::string page = Read("base" + std::to_string(b) + ".txt");
            SCOPED_TRACE(page);
            EXPECT_NEAR(SurfaceValue(page, "pH   "), ph, 0.005);
            EXPECT_NEAR(DissolvedCo2Row(page), co2, 0.02 * co2);
            const double with = PageRatios(Read("base" + std::to_string(b) + "v.txt")).at("calc");
            EXPECT_NEAR(with, calcite, 0.03 * calcite);
        }
    }
    for (size_t i = 0; i < 3; ++i) {
        Draw d(seed * 0x9E3779B9ull + 7200 + i);
        const double hco3 = std::round(d.LogUniform(150.0, 800.0));
        std::map<int, double> brine = DrawnBrine(d, hco3);
        brine[kH2s] = std::round(hco3 / 61.0171 * d.Uniform(0.2, 0.8) * 34.08);
        const double low = d.LogUniform(0.001, 0.05), high = low * d.LogUniform(5.0, 30.0);
        const double fahrenheit = std::round(d.Uniform(50.0, 180.0));
        std::ostringstream whatIf;
        whatIf.precision(8);
        whatIf << "dialog 84 set 535 " << fahrenheit << "\ndialog 84 set 540 " << low
               << "\ndialog 84 set 541 " << high
               << "\ndialog 84 press 1\nmenu 1041\nanswer yes pH will be the plot variable\n"
                  "menu 1076\nmenu 1038\ntext DisplaypHWater pco2.txt\n"
                  "menu 1073 DisplaypHWater\ntext DisplaypHWater species.txt\n"
                  "answer yes\nmenu 1076\n";
        RunIn(WeakBaseWater(brine, 7.0, 77.0, {}, "sour") + whatIf.str());
        const std::string species = Read("species.txt");
        SCOPED_TRACE("drawn sour brine " + std::to_string(i) + ", pCO2 " + std::to_string(low) +
                     " to " + std::to_string(high) + " atm at " + std::to_string(fahrenheit) +
                     " F\n" + Read("sour.txt") + species);
        const std::vector<double> co2 = PageRow(species, "Dissolved CO2");
        ASSERT_EQ(co2.size(), 7u);
        const double henry = co2[6] / high;
        for (size_t k = 0; k < 7; ++k) {
            const double pco2 = low + (high - low) * static_cast<double>(k) / 6.0;
            EXPECT_NEAR(co2[k], henry * pco2, 0.04 * henry * pco2 + 0.06) << "point " << k;
            if (k > 0) {
                EXPECT_GT(co2[k], co2[k - 1]) << "point " << k;
            }
        }
    }
}

namespace {

// The fresh water whose temperature profile under the pCO2 plot variable
// showed, at its own 77 F, pH 26.03, T.D.S. 1.0e+16 and a conductivity of
// 1.0e+30: pH 5.78, 35.23 mg/L of bicarbonate, pH2S 0.106 atm, 83.9 atm.
GeneratedWater FreshWaterThatDidNotSettle() {
    GeneratedWater w{};
    w.seed = 0;
    w.index = 0;
    w.mgL[kMAlk] = 35.23;
    w.ph = 5.78;
    w.temperatureF = 77.0;
    w.pressureAtm = 83.9;
    w.gravity = 1.0;
    w.ph2sAtm = 0.106;
    return w;
}

}  // namespace

// The waters whose calculation did not settle: the fresh water above and seed
// 9001's water 2 (pH 33.3 and T.D.S. 1e+26 at every point, which the run once
// passed). Both carry more alkalinity in their H2S at their pH than in their
// bicarbonate: the form tells each with both figures and takes it no further,
// so no driver shows a point of either. (A point of a water taken that comes
// to figures no water holds is marked not calculated by its driver: the
// driver tests hold that, and every page of this run is held to what a water
// can hold.)
TEST_F(GeneratedWatersRun, WatersThatDidNotSettleAreToldOnTheForm) {
    for (const GeneratedWater& water : {FreshWaterThatDidNotSettle(), Generate(9001, 2)}) {
        SCOPED_TRACE(water.Describe());
        EXPECT_TRUE(FormTellsSulfideOutweighs(water));
    }
}

namespace {

// A water typed in mg/L at the temperature `f` (F) and pressure `atm`.
GeneratedWater TypedWater(std::map<int, double> mgL, double ph, double f, double atm,
                          double gravity) {
    GeneratedWater w{};
    w.mgL = std::move(mgL);
    w.ph = ph;
    w.temperatureF = f;
    w.pressureAtm = atm;
    w.gravity = gravity;
    return w;
}

// Under the pCO2 plot variable, from `low` to `high` atm: the pCO2 profile
// (its page, species page and values), the pCO2 grid, the mixing grids of
// pCO2 rows by temperature and by ratio, and the well stations.
std::string UnderTheGas(const GeneratedWater& w, double low, double high) {
    const double t = w.Temperature();
    return AsEveryWater(w, "") +
           OwnConditionsAt({t, t + 60.0, w.Pressure(), 3.0 * w.Pressure(), w.ph, low, 0.0, high}) +
           "answer yes pH will be the plot variable\nmenu 1076\n"
           "menu 1038\ntext DisplaypHWater co2.txt\nmenu 1073 DisplaypHWater\n"
           "text DisplaypHWater co2s.txt\nmenu 1072 DisplaypHWater\n"
           "text DisplaypHValues co2v.txt\n"
           "menu 1040\nfile \\C.DAT\nmenu 996 wcGraphWindow\nmenu 1028 wcGraphWindow\n"
           "menu 1044\nfile \\MC.DAT\nmenu 996 wcGraphWindow\nmenu 1028 wcGraphWindow\n"
           "menu 1046\nfile \\MPC.DAT\nmenu 996 wcGraphWindow\nmenu 1028 wcGraphWindow\n"
           "menu 1248\nfile well.csv\nanswer no\nmenu 1655 DisOnePage\n"
           "answer no Data has been modified\n";
}

// The messages of a run that say how many of its points were not calculated.
std::vector<std::string> MarksTold(const std::string& log) {
    std::vector<std::string> told;
    for (const std::string& box : LinesAfter(log, "message box "))
        if (box.find("could not be calculated") != std::string::npos) told.push_back(box);
    return told;
}

}  // namespace

// A point is marked by what it holds. A 36 g/L brine typed at pH 5.0, 150 F
// and 1 atm holds 9,282 mg/L of CO2 on its page (at its own pCO2 of 8.94
// atm): every point and cell of a pCO2 axis of 0.0034 to 0.068 atm holds
// 2 to 45 and is calculated, the grid's column at 150 F the profile's water
// (seen failing: the pCO2 grid and both pCO2 mixing grids said "49 of the 49
// points could not be calculated" and wrote N/A only, read against the page's
// CO2). No point is shown past what any water holds: a brine at 100 F and 10
// atm on a pCO2 axis of 50 to 1,000 atm holds 55,000 mg/L at 50 atm and
// more than 150,000 from 208 atm on, where every driver marks the point and
// tells it once a run (seen failing: pH 2.72 and an acidity of 2,526,857 at
// 1,000 atm shown, no mark, no word; the mixing grids calculated every cell);
// and so is the water typed by a pCO2 of 1,000 atm.
TEST_F(GeneratedWatersRun, PointsAreMarkedByWhatTheirOwnWaterHolds) {
    const GeneratedWater brine =
        TypedWater({{kCa, 400.0}, {kMg, 1290.0}, {kNa, 11000.0}, {kCl, 19400.0}, {kSo4, 2710.0},
                    {kMAlk, 1500.0}},
                   5.0, 150.0, 1.0, 1.025);
    {
        SCOPED_TRACE("the 36 g/L brine at 150 F and 1 atm");
        ASSERT_EQ(RunFresh(UnderTheGas(brine, 0.0034, 0.068)), 0) << Log();
        EXPECT_EQ(MarksTold(Log()).size(), 0u) << Log();
        const std::string values = Read("co2v.txt");
        for (const char* grid : {"C.DAT", "MC.DAT", "MPC.DAT"}) {
            const std::string file = Read(grid);
            const std::vector<std::vector<double>> rows = DataFileRows(file);
            ASSERT_EQ(rows.size(), 7u) << file;
            for (const std::vector<double>& row : rows)
                for (double v : row) EXPECT_FALSE(std::isnan(v)) << grid << "\n" << file;
        }
        const std::string file = Read("C.DAT");
        const int column = AxisIndex(DataFileColumns(file), 150.0);
        ASSERT_EQ(column, 0) << file;
        const std::vector<std::vector<double>> rows = DataFileRows(file);
        for (size_t i = 0; i < rows.size(); ++i) {
            // The rows rise with the pCO2, the file's first the axis's last
            // where the ratio falls along it.
            const int k = rows.front()[0] < rows.back()[0] ? static_cast<int>(i)
                                                             : 6 - static_cast<int>(i);
            const std::map<std::string, double> ratios = ProfileRatios(values, k);
            ASSERT_EQ(ratios.count("calc"), 1u) << values;
            ExpectSame(ratios.at("calc"), rows[i][1], 0.01, "pCO2 " + std::to_string(rows[i][0]));
        }
        // The water mixed with itself is, cell for cell, its own pCO2 grid.
        const std::string mixed = Read("MC.DAT");
        const int mixedColumn = AxisIndex(DataFileColumns(mixed), 150.0);
        ASSERT_GE(mixedColumn, 0) << mixed;
        const std::vector<std::vector<double>> mixedRows = DataFileRows(mixed);
        ASSERT_EQ(mixedRows.size(), rows.size()) << mixed;
        for (size_t i = 0; i < rows.size(); ++i)
            ExpectSame(mixedRows[i][static_cast<size_t>(mixedColumn) + 1], rows[i][1], 0.01,
                       "mixed, pCO2 " + std::to_string(rows[i][0]));
        // Each point's solids are the typed ions and the CO2 its own gas
        // dissolves (as carbonic acid), less at most half the bicarbonate's
        // mass (each two bicarbonates a carbonate, its alkalinity held), within
        // 0.5 % of the typed sum; the grid's cells are these points (above).
        // (Seen failing: 48,955 mg/L at 0.0034 atm for these 36,300, the
        // page's 9,282 mg/L of CO2, as carbonic acid, carried to points that
        // hold 2 to 45.)
        const std::string page = Read("co2.txt");
        const std::vector<double> solids = PageRow(page, "Calculated T.D.S.");
        const std::vector<double> co2 = PageRow(Read("co2s.txt"), "Dissolved CO2");
        ASSERT_EQ(solids.size(), 7u) << page;
        ASSERT_EQ(co2.size(), 7u) << Read("co2s.txt");
        double typed = 0.0;
        for (const auto& [field, mg] : brine.mgL) typed += mg;
        for (size_t k = 0; k < 7; ++k) {
            const double carbonicAcid = co2[k] * 62.0253 / 44.0098;
            EXPECT_GT(solids[k], 0.995 * typed - 0.5 * brine.mgL.at(kMAlk))
                << "point " << k << "\n" << page;
            EXPECT_LT(solids[k], 1.005 * typed + carbonicAcid)
                << "point " << k << ", dissolved CO2 " << co2[k] << "\n" << page;
        }
    }
    const GeneratedWater gas = TypedWater({{kCa, 400.0}, {kNa, 10000.0}, {kCl, 16000.0}, {kMAlk, 500.0}},
                                    7.0, 100.0, 10.0, 1.02);
    {
        SCOPED_TRACE("the brine at 100 F and 10 atm, pCO2 50 to 1,000 atm");
        ASSERT_EQ(RunFresh(UnderTheGas(gas, 50.0, 1000.0)), 0) << Log();
        const std::string page = Read("co2s.txt");
        const std::vector<double> ph = PageRow(page, "pH ");
        const std::vector<double> co2 = PageRow(page, "Dissolved CO2");
        const std::vector<double> acidity = PageRow(Read("co2.txt"), "Acidity");
        ASSERT_EQ(ph.size(), 7u) << page;
        ASSERT_EQ(co2.size(), 7u) << page;
        ASSERT_EQ(acidity.size(), 7u) << Read("co2.txt");
        EXPECT_GT(co2[0], 30000.0) << page;
        EXPECT_LT(co2[0], 150000.0) << page;
        for (size_t k = 1; k < 7; ++k) {
            EXPECT_TRUE(std::isnan(ph[k])) << "point " << k << "\n" << page;
            EXPECT_TRUE(std::isnan(co2[k])) << "point " << k << "\n" << page;
            EXPECT_TRUE(std::isnan(acidity[k])) << "point " << k << "\n" << Read("co2.txt");
        }
        for (const char* grid : {"C.DAT", "MC.DAT", "MPC.DAT"}) {
            const std::string file = Read(grid);
            for (const std::vector<double>& row : DataFileRows(file)) {
                ASSERT_EQ(row.size(), 8u) << file;
                for (size_t j = 1; j < 8; ++j)
                    EXPECT_EQ(std::isnan(row[j]), row[0] > 100.0)
                        << grid << ", pCO2 " << row[0] << "\n" << file;
            }
        }
        const std::vector<std::string> told = MarksTold(Log());
        EXPECT_GE(told.size(), 4u) << Log();
        for (size_t k = 0; k < std::min<size_t>(told.size(), 4); ++k)
            EXPECT_NE(told[k].find(k == 0 ? "6 of the 7 points" : "42 of the 49 points"),
                      std::string::npos)
                << told[k];
    }
    {
        SCOPED_TRACE("the brine typed by a pCO2 of 1,000 atm at 10 atm");
        ASSERT_EQ(RunFresh(Fields(gas, 80) +
                                 "dialog 80 set 407 0\ndialog 80 set 822 1000\ndialog 80 press 1\n"
                                 "menu 1030\ntext DisplayMUWater surface.txt\n"
                                 "answer no Data has been modified\n"),
                  0)
            << Log();
        const std::string page = Read("surface.txt");
        const size_t at = page.find("Dissolved CO2(as CO2)");
        ASSERT_NE(at, std::string::npos) << page;
        EXPECT_NE(page.substr(at, page.find('\n', at) - at).find("N/A"), std::string::npos)
            << page;
        const std::vector<std::string> told = MarksTold(Log());
        ASSERT_EQ(told.size(), 1u) << Log();
        EXPECT_NE(told[0].find("The water could not be calculated"), std::string::npos)
            << told[0];
    }
}
