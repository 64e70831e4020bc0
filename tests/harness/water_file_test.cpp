// The water-file reader: good files, every kind of bad line, and the bundled samples.
#include "tools/engine_harness/water_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

namespace E = AnalysisElement;
namespace U = UnitItem;

WaterFileData Parse(const std::string& text) {
    WaterFileData data{};
    const WaterFileStatus status = ParseWaterText(text, data);
    EXPECT_TRUE(status.ok) << status.message;
    return data;
}

TEST(WaterFile, ReadsValuesUnitsCommentsAndBlankLines) {
    const WaterFileData d = Parse(
        "\xEF\xBB\xBF# a comment line after a byte-order mark\r\n"
        "\n"
        "   ph = 7.25   # trailing comment\r\n"
        "calcium=400\n"
        "sodium = 1.5e3 mg/L as NaCl\n"
        "magnesium = 12 (as °Fr)\n"
        "phosphate = 0.5 as P\n"
        "oxalate = 2 epm\n"
        "temperature = 60 C\n"
        "pressure = 250 kPa\n"
        "pco2 = 300 ppm in gas\n"
        "ph2s = 1.5 mole %\n"
        "density = 8.6 lbs/gal\n"
        "gas_flow = 3 Mm^3/Hr\n"
        "brine_flow = +100 L/Day");
    EXPECT_FLOAT_EQ(d.analysis.values[E::kPh], 7.25f);
    EXPECT_FLOAT_EQ(d.analysis.values[E::kCalcium], 400.0f);
    EXPECT_FLOAT_EQ(d.analysis.values[E::kSodium], 1500.0f);
    EXPECT_FLOAT_EQ(d.analysis.values[E::kBrineFlow], 100.0f);
    struct Expect {
        int item;
        uint16_t code;
    } codes[] = {
        {U::kCalcium, 0}, {U::kSodium, 2},      {U::kMagnesium, 2}, {U::kPhosphate, 3},
        {U::kOxalate, 2}, {U::kTemperature, 1}, {U::kPressure, 3},  {U::kGasCo2, 4},
        {U::kGasH2S, 5},  {U::kDensity, 1},     {U::kGasFlow, 2},   {U::kBrineFlow, 1},
    };
    for (const Expect& e : codes) EXPECT_EQ(d.units.code[e.item], e.code) << "item " << e.item;
    EXPECT_TRUE(d.given[E::kOxalate]);
    EXPECT_FALSE(d.given[E::kChloride]);
    // Nothing fixed them: mg/L reporting (the mass units used allow it) and mode 2,
    // which the two alkalinity unit items carry.
    EXPECT_EQ(d.reportingMode, ReportingMode::kMgPerL);
    EXPECT_EQ(d.alkalinityMode, 2);
    EXPECT_EQ(d.units.code[U::kMAlkalinity], 2);
    EXPECT_EQ(d.units.code[U::kPAlkalinity], 2);
}

TEST(WaterFile, SharedChoicesFollowTheUnitsGiven) {
    // Acidity "as CO2" allows modes 2 and 3; the corrected bicarbonate settles 3.
    WaterFileData d = Parse("acidity = 10 as CO2\nbicarbonate = 100 cor. HCO3\ncarbonate = 2");
    EXPECT_EQ(d.alkalinityMode, 3);
    EXPECT_EQ(d.units.code[U::kMAlkalinity], 3);
    // epm on the ions sets epm reporting and leaves their unit codes alone.
    d = Parse("calcium = 20 epm\nmagnesium = 5\nbicarbonate = 3 epm");
    EXPECT_EQ(d.reportingMode, ReportingMode::kEpm);
    EXPECT_EQ(d.alkalinityMode, 5);
    EXPECT_EQ(d.units.code[U::kCalcium], 0);
    // ppm on any concentration makes the file a ppm file.
    d = Parse("calcium = 20\nchloride = 35 ppm as CaCO3");
    EXPECT_EQ(d.reportingMode, ReportingMode::kPpm);
    EXPECT_EQ(d.units.code[U::kChloride], 1);
    d = Parse("alkalinity_mode = 6\nreporting = epm\nbicarbonate = 4");
    EXPECT_EQ(d.alkalinityMode, 6);
    EXPECT_EQ(d.reportingMode, ReportingMode::kEpm);
    d = Parse("ph = -1\npco2 = 0.5 bar");
    EXPECT_FLOAT_EQ(d.analysis.values[E::kPh], -1.0f);
    EXPECT_EQ(d.units.code[U::kGasCo2], 1);
}

TEST(WaterFile, BadLinesStopWithAMessageNamingTheLine) {
    struct Case {
        const char* text;
        int line;
        const char* says;
    } cases[] = {
        {"ph = 7\ncalcum = 4", 2, "unknown name \"calcum\""},
        {"Calcium = 4", 1, "unknown name \"Calcium\""},
        {"\n\ncalcium 4", 3, "expected \"name = value [unit]\""},
        {"calcium =", 1, "no value for \"calcium\""},
        {"= 4", 1, "no name"},
        {"calcium = 12,5", 1, "\"12,5\" is not a number"},
        {"calcium = abc", 1, "\"abc\" is not a number"},
        {"calcium = 25mg/L", 1, "\"25mg/L\" is not a number"},
        {"calcium = nan", 1, "not a number"},
        {"calcium = inf", 1, "not a number"},
        {"calcium = ++4", 1, "not a number"},
        {"calcium = 1e39", 1, "too large"},
        {"calcium = 4 psia", 1, "unit \"psia\" is not offered for calcium"},
        {"calcium = 4 as NaCl", 1, "not offered for calcium"},
        {"sulfate = 4 as Na2SO4", 1, "not offered for sulfate"},
        {"calcium = 4 mg/L as °Fr", 1, "not offered"},
        {"temperature = 25 R", 1, "not offered for temperature"},
        {"gas_flow = 2 BPD", 1, "not offered for gas_flow"},
        {"bicarbonate = 2 mg/L as °Fr", 1, "not offered for bicarbonate"},
        {"ph = 7 mg/L", 1, "not offered for ph"},
        {"ph = 7\ncalcium = 4\nph = 8", 3, "ph given twice (first on line 1)"},
        {"reporting = ppm\nreporting = ppm", 2, "reporting given twice"},
        {"calcium = 4 mg/L\nmagnesium = 3 ppm", 2,
         "\"ppm\" for magnesium conflicts with \"mg/L\" for calcium on line 1"},
        {"reporting = epm\ncalcium = 4 as CaCO3", 2, "share one reporting unit"},
        {"calcium = 4 ppm\nreporting = mg/L", 2, "conflicts with \"ppm\" for calcium on line 1"},
        {"bicarbonate = 100 as HCO3\ncarbonate = 5 as CaCO3", 2, "share one alkalinity mode"},
        {"bicarbonate = 100 as HCO3\nalkalinity_mode = 1", 2, "share one alkalinity mode"},
        {"alkalinity_mode = 8", 1, "from 1 to 7"},
        {"alkalinity_mode = 2.5", 1, "from 1 to 7"},
        {"reporting = mol", 1, "ppm, mg/L or epm"},
        {"chloride = -3", 1, "chloride cannot be negative"},
        {"ph = 15", 1, "from 0 to 14"},
        {"ph = -2", 1, "from 0 to 14"},
        {"temperature = -280 C", 1, "absolute zero"},
        {"temperature = -460", 1, "absolute zero"},
        {"temperature = 0 K", 1, "absolute zero"},
    };
    for (const Case& c : cases) {
        WaterFileData d{};
        const WaterFileStatus s = ParseWaterText(c.text, d);
        EXPECT_FALSE(s.ok) << c.text;
        EXPECT_EQ(s.line, c.line) << c.text;
        EXPECT_NE(s.message.find(c.says), std::string::npos) << c.text << " -> " << s.message;
        EXPECT_EQ(s.message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u) << s.message;
    }
}

TEST(WaterFile, ARefusedFileLeavesTheCallersRecordAlone) {
    WaterFileData d{};
    d.analysis.values[E::kCalcium] = 99.0f;
    d.units.code[U::kCalcium] = 3;
    d.reportingMode = ReportingMode::kEpm;
    EXPECT_FALSE(ParseWaterText("calcium = 4 as CaCO3\nbogus = 1", d).ok);
    EXPECT_EQ(d.analysis.values[E::kCalcium], 99.0f);
    EXPECT_EQ(d.units.code[U::kCalcium], 3);
    EXPECT_EQ(d.reportingMode, ReportingMode::kEpm);
    const WaterFileStatus s = ReadWaterFile("/nonexistent/water.wat", d);
    EXPECT_FALSE(s.ok);
    EXPECT_NE(s.message.find("/nonexistent/water.wat"), std::string::npos);
    EXPECT_EQ(d.analysis.values[E::kCalcium], 99.0f);
}

TEST(WaterFile, BundledSamplesRead) {
    const std::string dir = std::string(TARVEX_SOURCE_DIR) + "/data/samples/";
    for (const char* name : {"seawater.wat", "formation.wat", "fresh.wat"}) {
        WaterFileData d{};
        const WaterFileStatus s = ReadWaterFile(dir + name, d);
        EXPECT_TRUE(s.ok) << name << ": " << s.message;
    }
    // The standard sea water: the stated major ions, pH 8.1 at 25 C.
    WaterFileData sea{};
    ASSERT_TRUE(ReadWaterFile(dir + "seawater.wat", sea).ok);
    struct Value {
        int element;
        float value;
    } values[] = {
        {E::kSodium, 10760},    {E::kPotassium, 399}, {E::kCalcium, 412},    {E::kMagnesium, 1290},
        {E::kStrontium, 7.9f},  {E::kBarium, 0.01f},  {E::kChloride, 19350}, {E::kSulfate, 2710},
        {E::kMAlkalinity, 140}, {E::kPh, 8.1f},       {E::kTemperature, 25},
    };
    for (const Value& v : values) EXPECT_FLOAT_EQ(sea.analysis.values[v.element], v.value);
    EXPECT_EQ(sea.units.code[U::kTemperature], 1);  // degrees C
    EXPECT_EQ(sea.alkalinityMode, 2);
    EXPECT_EQ(sea.reportingMode, ReportingMode::kMgPerL);
}

}  // namespace
