// Damaged work files are refused before anything of them reaches memory: the
// version word and the length, reals that are not finite or beyond any stored,
// analysis values of an entered water outside the water form's ranges, unit
// choices, flags and texts out of range, each refusal naming the first record
// that failed.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "scenarios/multimix/multimix_records.h"
#include "shell/settings/display_config_file.h"
#include "shell/startup/workspace_defaults.h"
#include "shell/workfile/legacy/legacy_layout.h"
#include "shell/workfile/legacy/legacy_work_file.h"
#include "tests/shell/workfile/legacy_fixture.h"
#include "tests/shell/workfile/work_file_fixture.h"
#include "treatment/records.h"

namespace {

using namespace worktest;

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr uint32_t kValues = 12;  // the analysis values follow a 12-byte head

std::string Thousands(size_t n) {
    std::string s = std::to_string(n);
    for (int at = static_cast<int>(s.size()) - 3; at > 0; at -= 3) s.insert(at, ",");
    return s;
}

class Validation : public WorkFileTest {
  protected:
    void SetUp() override {
        WorkFileTest::SetUp();
        ClearLayoutRecords();
        // A workspace with the injection water entered, as a user leaves it.
        injectionWater.values[AnalysisElement::kPh] = 8.1f;
        injectionWater.values[AnalysisElement::kCalcium] = 412.0f;
        injectionWater.values[AnalysisElement::kTemperature] = 77.0f;
        resultStatus.injectionEntered = 1;
        good = workfile::EncodeWorkFile();
        ClearLayoutRecords();
        empty = TakeSnapshot();
    }
    // The reason the image is refused for ("" when it loads), and that a
    // refusal changed nothing.
    std::string Refusal(const std::vector<uint8_t>& image) {
        std::string why;
        const Snapshot before = TakeSnapshot();
        if (LoadWorkFileImage(image, &why) == 0) return "";
        EXPECT_TRUE(TakeSnapshot() == before) << why;
        return why;
    }
    std::vector<uint8_t> With(int record, uint32_t within, float v) const {
        std::vector<uint8_t> image = good;
        bytes::PutF32(At(image, record, within), v);
        return image;
    }
    std::vector<uint8_t> good;
    Snapshot empty;
};

TEST_F(Validation, OnlyTheVersionsOfTheCurrentLayoutAtTheirLengthsAreRead) {
    ASSERT_EQ(Refusal(good), "");
    ClearLayoutRecords();
    struct Case {
        int16_t version;
        size_t size;
        const char* reason;
    };
    const Case cases[] = {
        {559, kFileBytes, "not a work file of a known version (559)"},
        {32767, kFileBytes, "not a work file of a known version (32767)"},
        {0, kFileBytes, "not a work file of a known version (0)"},
        {-1, kFileBytes, "not a work file of a known version (-1)"},
        {556, kFileBytes,
         "not a work file of a known version (556): a file of that version is 200,163 bytes, "
         "this one is 203,243"},
        {558, 200171, "truncated: 200,171 of 203,243 bytes"},
        {557, 200170, "truncated: 200,170 of 200,171 bytes"},
        {557, 1000, "truncated: 1,000 of 200,171 bytes"},
        {556, 200162, "truncated: 200,162 of 200,163 bytes"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = good;
        image.resize(c.size);
        bytes::PutI16(image.data(), c.version);
        EXPECT_EQ(Refusal(image), c.reason);
    }
    std::vector<uint8_t> image = good;
    image.resize(workfile::kVersion556Bytes);
    bytes::PutI16(image.data(), 557);
    EXPECT_EQ(Refusal(image), "");  // a 557 file may end after record 402
}

TEST_F(Validation, ARealThatIsNotFiniteOrBeyondAnyStoredNamesItsRecordAndValue) {
    struct Case {
        int record;
        uint32_t within;
        float value;
        const char* reason;
    };
    const Case cases[] = {
        {19, kValues + 4 * 7, kNaN,
         "record 19 (injection water analysis): Calcium is not a number"},
        {18, kValues + 4 * 7, kNaN, "record 18 (surface water analysis): Calcium is not a number"},
        {17, kValues, kInf, "record 17 (working analysis): pH is infinite"},
        {22, 0, kNaN,
         "record 22 (WaterResults.surface.saturation): Calcite (CaCO3) saturation is not a number"},
        {22, 4 * 5, -kInf,
         "record 22 (WaterResults.surface.saturation): Gypsum (CaSO4*2H2O) saturation is "
         "infinite"},
        {25, 0, kNaN, ""},  // a row kept byte for byte, which nothing reads
        {32, 8, 3.0e38f,
         "record 32 (what-if settings): Evaluation pH (3e+38) is beyond any the program "
         "stores"},
        {176, 268 + kValues + 4 * 7, kNaN,
         "record 176 (multi-mix source water analyses): water 2, Calcium is not a number"},
        {391, 4 * 100, kNaN,
         "record 391 (wellProfiles.flash48.results): Hydroxylapatite saturation at station 2 is "
         "not a number"},
        // The mixing profile's and the blend's tables name the value and its
        // point, as the other profiles' do (seen failing: "at point 577").
        {27, 4 * 576, kNaN,
         "record 27 (mixProfileTables.mixChemistry): pH at point 10 is not a number"},
        {28, 4 * 128, kNaN,
         "record 28 (mixProfileTables.mixResults): Calcite (CaCO3) saturation at point 3 is not "
         "a number"},
        {297, 4 * 12, kInf,
         "record 297 (mixProfileTables.mixCorrosion): corrosion rate 3 at point 2 is infinite"},
        {125, 4 * 13, kNaN,
         "record 125 (mixProfileTables.mixOrganicAcids): C3 acid at point 4 is not a number"},
        {174, 0, kNaN,
         "record 174 (multiMixBlend.blendResults): Calcite (CaCO3) saturation is not a number"},
    };
    for (const Case& c : cases) EXPECT_EQ(Refusal(With(c.record, c.within, c.value)), c.reason);
    // A result of 1e37, the engine's own bound for what it cannot compute, is kept.
    EXPECT_EQ(Refusal(With(22, 0, 1.0e37f)), "");
}

TEST_F(Validation, AnEnteredWaterHoldsOnlyWhatTheWaterFormTakes) {
    const std::string water = "record 19 (injection water analysis): ";
    struct Case {
        int element;
        float value;
        const char* reason;  // after the record's name; "" when taken
    };
    const Case cases[] = {
        {AnalysisElement::kPh, 180000.0f, "pH (180000) is above 14"},
        {AnalysisElement::kPh, -1.0f, ""},  // the pH is to be predicted
        {AnalysisElement::kCalcium, -5.0f, "Calcium (-5) is negative"},
        // A temperature is one the form takes in the file's unit, its ends
        // included (a change of units that would carry it past is refused,
        // so 578 K never becomes 580.7 F); a pressure typed in another unit
        // and converted is taken: 14,700 psia is 1,000.3 atm.
        {AnalysisElement::kTemperature, 180000.0f, "Temperature (180000) is above 572"},
        {AnalysisElement::kTemperature, -500.0f, "Temperature (-500) is below 30"},
        {AnalysisElement::kTemperature, 572.0f, ""},
        {AnalysisElement::kTemperature, 30.0f, ""},
        {AnalysisElement::kTemperature, 572.572f, "Temperature (572.572) is above 572"},
        {AnalysisElement::kTemperature, 29.9f, "Temperature (29.9) is below 30"},
        {AnalysisElement::kTemperature, 580.7f, "Temperature (580.7) is above 572"},
        {AnalysisElement::kPressure, 1.0e6f, "Pressure (1e+06) is above 1,000"},
        {AnalysisElement::kPressure, 1000.25f, ""},
        {AnalysisElement::kMAlkalinity, -5.0f, ""},  // a water with more acid than base
        {AnalysisElement::kDensity, -1.0f, "Density (-1) is negative"},
    };
    for (const Case& c : cases) {
        const std::string got = Refusal(With(19, kValues + 4 * c.element, c.value));
        EXPECT_EQ(got, *c.reason ? water + c.reason : "") << c.element;
    }
    // The surface water's entered flag is stored twice and the second copy is
    // the one read: a water entered only by that copy is held to the ranges.
    std::vector<uint8_t> second = good;
    bytes::PutF32(At(second, 18, kValues), 180000.0f);
    bytes::PutU16(At(second, 1), 0);
    bytes::PutU16(At(second, 7), 1);
    EXPECT_EQ(Refusal(second), "record 18 (surface water analysis): pH (180000) is above 14");
    // The same values in a water that is not entered are taken (any finite value).
    EXPECT_EQ(Refusal(With(20, kValues, 180000.0f)), "");
    // An entered water's residence time, which its form shows and takes back,
    // is one the form takes: a year at most (seen failing: 365.37 days opened
    // without a word, and the unchanged form was refused).
    EXPECT_EQ(Refusal(With(259, 0, 365.0f * 86400.0f)), "");
    const std::string residence = Refusal(With(259, 0, 365.37f * 86400.0f));
    EXPECT_EQ(residence.rfind("record 259 (residence time of the injection water): ", 0), 0u)
        << residence;
    EXPECT_NE(residence.find("(31567968) is outside 0 to 31,536,000"), std::string::npos)
        << residence;
    EXPECT_EQ(Refusal(With(258, 0, 365.37f * 86400.0f)), "");  // the surface water is not entered
    // The temperature range follows the file's own temperature unit.
    std::vector<uint8_t> celsius = With(19, kValues + 4 * AnalysisElement::kTemperature, 77.0f);
    bytes::PutU16(At(celsius, 50, 2 * UnitItem::kTemperature), TemperatureUnit::kCelsius);
    EXPECT_EQ(Refusal(celsius), "");
    for (const float kept : {-2.0f, -0.5f, 300.0f}) {
        bytes::PutF32(At(celsius, 19, kValues + 4 * AnalysisElement::kTemperature), kept);
        EXPECT_EQ(Refusal(celsius), "") << kept;
    }
    bytes::PutF32(At(celsius, 19, kValues + 4 * AnalysisElement::kTemperature), 300.5f);
    EXPECT_EQ(Refusal(celsius), water + "Temperature (300.5) is above 300");
    bytes::PutF32(At(celsius, 19, kValues + 4 * AnalysisElement::kTemperature), -2.5f);
    EXPECT_EQ(Refusal(celsius), water + "Temperature (-2.5) is below -2");
}

// Oil and gas flows come with a brine flow, as the form asks: an entered water
// with either and no brine flow is refused, with the fields named; with a
// brine flow, or in a water not entered, the same flows are taken.
TEST_F(Validation, OilOrGasFlowsWithoutABrineFlowAreRefused) {
    const uint32_t brine = kValues + 4 * AnalysisElement::kBrineFlow;
    const uint32_t oil = kValues + 4 * AnalysisElement::kOilFlow;
    const uint32_t gas = kValues + 4 * AnalysisElement::kGasFlow;
    std::vector<uint8_t> image = With(19, oil, 500.0f);
    bytes::PutF32(At(image, 19, gas), 1.0f);
    EXPECT_EQ(Refusal(image),
              "record 19 (injection water analysis): Oil Flow and Gas Flow are "
              "given without a Brine Flow");
    EXPECT_EQ(Refusal(With(19, gas, 1.0f)),
              "record 19 (injection water analysis): Gas Flow is given without a Brine Flow");
    bytes::PutF32(At(image, 19, brine), 200.0f);
    EXPECT_EQ(Refusal(image), "");
    EXPECT_EQ(Refusal(With(20, oil, 500.0f)), "");  // the formation water is not entered
}

TEST_F(Validation, UnitChoicesFlagsIndexesAndTextsOutOfRangeAreRefused) {
    struct Case {
        int record;
        uint32_t within;
        uint32_t value;
        int bytes;
        const char* reason;
    };
    const Case cases[] = {
        {50, 2 * 18, 0xFFFF, 2,
         "record 50 (unit choices): unit choice 18 (65535) is outside 0 to 2"},
        {50, 0, 4, 2, "record 50 (unit choices): unit choice 0 (4) is outside 0 to 3"},
        {50, 2 * 6, 1, 2, ""},  // the pH's one unit as a preset stored it
        {50, 2 * 6, 2, 2, "record 50 (unit choices): unit choice 6 (2) is outside 0 to 1"},
        {5, 0, 7, 2, "record 5 (resultStatus.injectionEntered): the value (7) is outside 0 to 1"},
        {36, 0, 9, 2, "record 36 (reportingMode): the value (9) is outside 0 to 3"},
        {404, 0, 3, 4, "record 404 (precipitationQuantity): the value (3) is outside 0 to 2"},
        {190, 0, 12, 4,
         "record 190 (multiMixState.lastWaterIndex): the value (12) is outside 0 to 11"},
        {89, 2, 29, 2,
         "record 89 (treatment product): its component count (29) is outside 0 to 28"},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> image = good;
        if (c.bytes == 2)
            bytes::PutU16(At(image, c.record, c.within), static_cast<uint16_t>(c.value));
        else
            bytes::PutU32(At(image, c.record, c.within), c.value);
        EXPECT_EQ(Refusal(image), c.reason);
    }
    std::vector<uint8_t> text = good;
    std::fill(At(text, 113), At(text, 113) + 80, uint8_t{'A'});
    EXPECT_EQ(Refusal(text),
              "record 113 (mixDoseProduct): text 0 does not end within its 80 bytes");
    std::vector<uint8_t> name = good;
    *At(name, 89, 1359 + 12) = 0x01;  // the product's name
    EXPECT_EQ(Refusal(name),
              "record 89 (treatment product): component 1: its name is not printable text");
}

TEST_F(Validation, ARefusalThroughTheOpenCommandSaysWhyAndKeepsTheWorkspace) {
    std::vector<uint8_t> image = With(19, kValues + 4 * 7, kNaN);
    WriteFile("bad.KRV", image);
    SetPath("bad.KRV");
    win::ClearMessageBoxLog();
    EXPECT_EQ(LoadWorkFile(nullptr, win::HFILE_ERROR, "bad.KRV"), -1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, kWarningCaption);
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              std::string(kLoadFailedText) +
                  "\n\nbad.KRV\nThe file was not read: record 19 (injection water analysis): "
                  "Calcium is "
                  "not a number.\nThe workspace is as it was.");
    // The version word of a current file changed to an older one's.
    bytes::PutI16(good.data(), 200);
    WriteFile("old.KRV", good);
    SetPath("old.KRV");
    win::ClearMessageBoxLog();
    EXPECT_EQ(LoadWorkFile(nullptr, win::HFILE_ERROR, "old.KRV"), -1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_NE(win::MessageBoxLog()[0].text.find("not a work file of a known version (200): a file "
                                                "of that version is "),
              std::string::npos);
    // A file longer than its version's layout, read no further than the
    // longest layout, is named by its own length (seen failing: "this one is
    // 203,243" for a version-556 file of 210,243 bytes, and the length read
    // for an older file longer than any).
    struct Long {
        int16_t version;
        size_t size;
        const char* told;
    };
    for (const Long& l : {Long{556, 210243,
                               "a file of that version is 200,163 bytes, this one is "
                               "210,243"},
                          Long{529, 300000, "bytes, this one is 300,000"}}) {
        std::vector<uint8_t> longer = good;
        longer.resize(l.size);
        bytes::PutI16(longer.data(), l.version);
        WriteFile("long.KRV", longer);
        SetPath("long.KRV");
        win::ClearMessageBoxLog();
        EXPECT_EQ(LoadWorkFile(nullptr, win::HFILE_ERROR, "long.KRV"), -1);
        ASSERT_EQ(win::MessageBoxLog().size(), 1u);
        EXPECT_NE(win::MessageBoxLog()[0].text.find(l.told), std::string::npos)
            << win::MessageBoxLog()[0].text;
    }
    SetPath(empty.workFilePath.c_str());
    EXPECT_TRUE(TakeSnapshot() == empty);
}

TEST_F(Validation, AnOlderFileIsCheckedAsItsReaderRepairsIt) {
    oldfile::Steady steady;
    steady.noFlags = true;
    const std::vector<uint8_t> before = workfile::EncodeWorkFile();
    oldfile::Fixture f = oldfile::Make(529, before, steady);
    auto load = [&](const std::vector<uint8_t>& file) {
        win::ClearMessageBoxLog();
        return LoadLegacyWorkFileImage(file, nullptr, "old");
    };
    ASSERT_EQ(load(f.file), 0);
    ClearLayoutRecords();
    // One byte more or less than the version's records take.
    std::vector<uint8_t> longer = f.file;
    longer.push_back(0);
    EXPECT_EQ(load(longer), -1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_NE(win::MessageBoxLog()[0].text.find(
                  "not a work file of a known version (529): a file of that version is " +
                  Thousands(f.file.size()) + " bytes, this one is " + Thousands(f.file.size() + 1)),
              std::string::npos);
    // Version words no older file carries.
    for (int16_t v : {int16_t{0}, int16_t{-5}}) {
        std::vector<uint8_t> file = f.file;
        bytes::PutI16(file.data(), v);
        EXPECT_EQ(load(file), -1);
        EXPECT_NE(win::MessageBoxLog()[0].text.find("not a work file of a known version (" +
                                                    std::to_string(v) + ")"),
                  std::string::npos);
    }
    // The surface water of a version-529 file: 204-byte analyses after the
    // working one, at the analyses' place in the file.
    const uint32_t surface = legacy::HeaderPlaceOf(529).analysisOffset + 204 + kValues;
    std::vector<uint8_t> entered = f.file;
    bytes::PutU16(entered.data() + 2, 1);  // surfaceEntered
    bytes::PutU16(entered.data() + 14, 1);
    bytes::PutF32(entered.data() + surface, 7.5f);  // pH
    bytes::PutF32(entered.data() + surface + 4 * 15, 77.0f);
    ASSERT_EQ(load(entered), 0);
    ClearLayoutRecords();
    // pH 180000 is refused; a NaN and a negative calcium are repaired to 0, as
    // the older reader always did.
    std::vector<uint8_t> damaged = entered;
    bytes::PutF32(damaged.data() + surface, 180000.0f);
    EXPECT_EQ(load(damaged), -1);
    EXPECT_NE(win::MessageBoxLog()[0].text.find(
                  "record 18 (surface water analysis): pH (180000) is above 14"),
              std::string::npos);
    // Nor does a residence time the form refuses open: the file would be
    // saved as one the program refuses.
    damaged = entered;
    bytes::PutF32(damaged.data() + f.recordAt[258], 365.37f * 86400.0f);
    EXPECT_EQ(load(damaged), -1);
    EXPECT_NE(
        win::MessageBoxLog()[0].text.find("record 258 (residence time of the surface water): "),
        std::string::npos)
        << win::MessageBoxLog()[0].text;
    damaged = entered;
    bytes::PutF32(damaged.data() + surface + 4 * 7, kNaN);
    bytes::PutF32(damaged.data() + surface + 4 * 8, -5.0f);
    ASSERT_EQ(load(damaged), 0);
    EXPECT_EQ(surfaceWater.values[AnalysisElement::kCalcium], 0.0f);
    EXPECT_EQ(surfaceWater.values[AnalysisElement::kMagnesium], 0.0f);
}

// The settings the program itself sets, in every unit it offers (its start
// values and the ranges a change of units puts in), read back from a file; the
// values the dialogs and the settings loader refuse are refused with the record
// named.
TEST_F(Validation, SettingsReadBackInEveryUnitAndOutOfRangeOnesAreRefused) {
    for (uint16_t t = 0; t < 3; ++t)
        for (uint16_t p = 0; p < 4; ++p)
            for (uint16_t c = 0; c < 6; ++c) {
                ClearLayoutRecords();
                unitCodes.code[UnitItem::kTemperature] = t;
                unitCodes.code[UnitItem::kPressure] = p;
                unitCodes.code[UnitItem::kGasCo2] = c;
                SetStartRanges(unitCodes, whatIfSettings, graphRangeSettings);
                SetWellTemperatureDefaults(wellLogSpecs, t);
                SetWellPressureDefaults(wellLogSpecs, p);
                EXPECT_EQ(Refusal(workfile::EncodeWorkFile()), "") << t << " " << p << " " << c;
            }
    ClearLayoutRecords();
    struct Case {
        int record;
        uint32_t within;
        float value;
        const char* reason;
    };
    const Case cases[] = {
        {364, 60, 1.0e31f,
         "record 364 (well-log settings): Depth (1e+31) is outside 100 to 20,000"},
        {26, 0, -50.0f,
         "record 26 (mixing and pH control settings): Low Mixing Percent (-50) is outside 0 to "
         "100"},
        {49, 60, 101.0f,
         "record 49 (3D graph ranges): Low Mixing Percent (101) is outside 0 to 100"},
        // The span of any pressure unit's range in atm (100 kPa is 0.986918
        // atm, 14,700 psia 1,000.27): a change of units converts them exactly.
        {32, 16, 1001.0f,
         "record 32 (what-if settings): High Pressure (1001) is outside 0.986918 to 1000.27"},
    };
    for (const Case& c : cases) EXPECT_EQ(Refusal(With(c.record, c.within, c.value)), c.reason);
    std::vector<uint8_t> graphs = good;
    for (uint32_t k = 0; k < 3; ++k)
        bytes::PutU16(At(graphs, 318, 2 * k), std::array<uint16_t, 3>{0x7777, 200, 300}[k]);
    EXPECT_EQ(Refusal(graphs),
              "record 318 (one-page graph choices): Graph 1 (30583) is no graph: below 128 or "
              "65535 (none)");
}

// An older file's settings are checked as its reader's repairs leave them: a
// well depth of 0 becomes 500 and a low percent above the high one is swapped,
// while a depth of 1e31 is refused.
TEST_F(Validation, AnOlderFilesSettingsAreCheckedAsItsReaderRepairsThem) {
    oldfile::Steady steady;
    steady.noFlags = true;
    const oldfile::Fixture f = oldfile::Make(549, workfile::EncodeWorkFile(), steady);
    // The stored well log and mixing record as the fixture writes them.
    std::vector<uint8_t> well(64), mixing(20);
    oldfile::PutCurrentRecord(well.data(), 364, 0, steady);
    oldfile::PutCurrentRecord(mixing.data(), 26, 0, steady);
    auto place = [&f](const std::vector<uint8_t>& record) {
        return static_cast<size_t>(
            std::search(f.file.begin(), f.file.end(), record.begin(), record.end()) -
            f.file.begin());
    };
    const size_t wellAt = place(well), mixingAt = place(mixing);
    ASSERT_LT(wellAt, f.file.size());
    ASSERT_LT(mixingAt, f.file.size());
    auto load = [](const std::vector<uint8_t>& file) {
        win::ClearMessageBoxLog();
        return LoadLegacyWorkFileImage(file, nullptr, "old");
    };
    std::vector<uint8_t> file = f.file;
    bytes::PutF32(file.data() + wellAt + 60, 0.0f);
    bytes::PutF32(file.data() + mixingAt, 80.0f);  // low above the high 90 - 0
    bytes::PutF32(file.data() + mixingAt + 4, 20.0f);
    ASSERT_EQ(load(file), 0);
    EXPECT_EQ(wellLogSpecs.value[15], 500.0f);
    EXPECT_EQ(mixingZoneSettings.mixLowPercent, 20.0f);
    EXPECT_EQ(mixingZoneSettings.mixHighPercent, 80.0f);
    ClearLayoutRecords();
    const Snapshot cleared = TakeSnapshot();
    bytes::PutF32(file.data() + wellAt + 60, 1.0e31f);
    EXPECT_EQ(load(file), -1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_NE(win::MessageBoxLog()[0].text.find(
                  "record 364 (well-log settings): Depth (1e+31) is outside 100 to 20,000"),
              std::string::npos);
    EXPECT_TRUE(TakeSnapshot() == cleared);
}

}  // namespace
