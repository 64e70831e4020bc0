// The display configuration file's creation, acceptance and repair, and the
// heading file's lines and marker.
#include <cstring>
#include <random>

#include "engine/speciation/speciation_records.h"
#include "shell/settings/display_config_file.h"
#include "shell/settings/heading_file.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

// Offsets of the records in the 1,082-byte file.
constexpr size_t kPrintMode = 14;
constexpr size_t kLines = 18;
constexpr size_t kSurfaceSwitches = 26;
constexpr size_t kGraphParams = 930;
constexpr size_t kUseInputPh = 946;
constexpr size_t kWellLog = 954;
constexpr size_t kIndexFormat = 1018;
constexpr size_t kWhatIf = 1022;

void PutU32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void PutFloat(std::vector<uint8_t>& b, size_t at, float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    PutU32(b, at, u);
}
float GetFloat(const std::vector<uint8_t>& b, size_t at) {
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | b[at + i];
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}
void PutDouble(std::vector<uint8_t>& b, size_t at, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    for (int i = 0; i < 8; ++i) b[at + i] = static_cast<uint8_t>(u >> (8 * i));
}
double GetDouble(const std::vector<uint8_t>& b, size_t at) {
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | b[at + i];
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

class DisplayConfigTest : public ShellTest {
  protected:
    // A plausible full file: version 550, 45 lines, window switch 3 set, the
    // one-page graphs barite and none, well depth 800, what-if pH 6 to 8.
    static std::vector<uint8_t> ConfigImage() {
        std::vector<uint8_t> b(1082, 0);
        PutWord(b, 0, 550);
        PutDouble(b, kLines, 45.0);
        PutU32(b, kSurfaceSwitches + 4 * 3, 1);
        PutWord(b, kGraphParams, 21);
        PutWord(b, kGraphParams + 2, 0xFFFF);
        for (int k = 0; k < 3; ++k) PutFloat(b, kWellLog + 4 * k, 200.0f);
        for (int k = 3; k < 6; ++k) PutFloat(b, kWellLog + 4 * k, 100.0f);
        PutFloat(b, kWellLog + 4 * 15, 800.0f);
        const float whatIf[15] = {6, 8, 7, 2, 500, 10, 2, 50, 3, 0, 0, 0, 40, 200, 100};
        for (int k = 0; k < 15; ++k) PutFloat(b, kWhatIf + 4 * k, whatIf[k]);
        return b;
    }
};

TEST_F(DisplayConfigTest, FullFileIsTakenAsItIs) {
    // 1,030 bytes end inside the last record, which still gets bytes: accepted.
    for (size_t length : {size_t{1082}, size_t{1030}}) {
        Restart();
        std::vector<uint8_t> b = ConfigImage();
        b.resize(length);
        WriteFile("zorin.cnf", b);
        LoadDisplayConfigFile();
        EXPECT_EQ(ReadFile("zorin.cnf"), b) << length;
        EXPECT_EQ(configVersion, 550);
        EXPECT_EQ(mainWindowState.loadedVersion, 550);
        EXPECT_DOUBLE_EQ(displaySettings.linesPerScreen, 45.0);
        EXPECT_EQ(displaySettings.surfaceWindowsShown[3], 1u);
        EXPECT_EQ(displaySettings.graphParams[0], 21);
        EXPECT_FLOAT_EQ(wellLogSpecs.value[15], 800.0f);
        EXPECT_FLOAT_EQ(whatIfSettings.phLow, 6.0f);
    }
}

TEST_F(DisplayConfigTest, ShortFileIsCheckedAndRewrittenWhole) {
    std::vector<uint8_t> b = ConfigImage();
    PutDouble(b, kLines, 30.0);          // below 40 lines
    PutU32(b, kPrintMode, 101);          // above 100
    PutU32(b, kSurfaceSwitches + 8, 2);  // a switch that is neither 0 nor 1
    PutWord(b, kGraphParams + 4, 300);   // no such mineral
    PutU32(b, kUseInputPh, 7);
    PutFloat(b, kWellLog, -5.0f);              // bottom-hole temperature
    PutFloat(b, kWellLog + 4 * 4, 150000.0f);  // separator pressure, beyond 20,000 psia
    PutFloat(b, kWellLog + 4 * 15, 50.0f);     // depth
    b.resize(1000);  // ends inside the well-log record; depth and what-if ranges missing
    WriteFile("zorin.cnf", b);
    unitCodes.code[18] = 1;  // degrees C for the well-log defaults
    unitCodes.code[22] = 3;  // kPa
    // The records the file lacks are checked as memory holds them.
    whatIfSettings.phLow = 6.0f;
    whatIfSettings.pco2Low = 2.0f;
    whatIfSettings.temperatureLow = 20.0f;  // at most 30 is out of range
    whatIfSettings.temperatureHigh = 200.0f;
    LoadDisplayConfigFile();

    const std::vector<uint8_t> after = ReadFile("zorin.cnf");
    ASSERT_EQ(after.size(), 1082u);
    EXPECT_EQ(GetWord(after, 0), 557);
    EXPECT_DOUBLE_EQ(GetDouble(after, kLines), 55.0);
    EXPECT_EQ(after[kPrintMode], 0);
    EXPECT_EQ(after[kSurfaceSwitches + 8], 0);
    EXPECT_EQ(after[kSurfaceSwitches + 12], 1);  // a valid switch stays
    EXPECT_EQ(GetWord(after, kGraphParams), 21);
    EXPECT_EQ(GetWord(after, kGraphParams + 2), 0xFFFF);  // "none" stays
    EXPECT_EQ(GetWord(after, kGraphParams + 4), 0);
    EXPECT_EQ(after[kUseInputPh], 1);
    // The start stations, 280 F and 150 psia, in degrees C and kPa.
    EXPECT_NEAR(GetFloat(after, kWellLog), (280.0 - 32.0) / 1.8, 1e-4);  // bottom hole
    EXPECT_NEAR(GetFloat(after, kWellLog + 4 * 4), 150.0 * 6.894757, 0.01);  // separator
    EXPECT_FLOAT_EQ(GetFloat(after, kWellLog + 4 * 15), 100.0f);  // depth 0 in memory
    EXPECT_EQ(after[kIndexFormat], 0);
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf + 4 * 12), 30.0f);
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf + 4 * 13), 200.0f);
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf + 4 * 6), 2.0f);
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf), 6.0f);
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf + 4 * 1), 7.6f);   // pH high 0 is out of range
    EXPECT_FLOAT_EQ(GetFloat(after, kWhatIf + 4 * 7), 10.0f);  // pCO2 high likewise
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

// The highest well pressure follows the pressure unit: in kPa it is the
// 137,896 kPa of 20,000 psia, in the other units 20,000. Wells of 30,000 kPa
// are ordinary and stay as the file holds them; 30,000 psia is beyond any well
// and takes the start value, 480 psia written in the unit.
TEST_F(DisplayConfigTest, WellPressureLimitFollowsThePressureUnit) {
    struct Case {
        uint16_t unit;
        float stored;
        double kept;
    };
    const double kPaPerPsia = 6.894757, atmPerPsia = kPaPerPsia / 101.325;
    for (const Case c : {Case{3, 30000.0f, 30000.0}, Case{3, 137896.0f, 137896.0},
                         Case{3, 140000.0f, 480 * kPaPerPsia}, Case{2, 30000.0f, 480.0},
                         Case{0, 1361.0f, 1361.0}, Case{0, 20000.0f, 480 * atmPerPsia}}) {
        Restart();
        std::vector<uint8_t> b = ConfigImage();
        PutFloat(b, kWellLog + 4 * 3, c.stored);  // bottom-hole pressure
        WriteFile("zorin.cnf", b);
        unitCodes.code[UnitItem::kPressure] = c.unit;
        LoadDisplayConfigFile();
        EXPECT_NEAR(wellLogSpecs.value[3], c.kept, 1e-4 * c.kept) << c.unit << " " << c.stored;
        EXPECT_NEAR(GetFloat(ReadFile("zorin.cnf"), kWellLog + 4 * 3), c.kept, 1e-4 * c.kept)
            << c.unit;
    }
}

// A file of the full length is checked as well: filled with 0xFF, or with
// random bytes, every record outside its range takes its default and the file
// is rewritten, so the result pages open again after a calculation. The
// what-if ranges are not checked, as the start values replace them.
TEST_F(DisplayConfigTest, FullFileOutsideItsRangesIsRepairedAndRewritten) {
    std::vector<uint8_t> b(1082, 0xFF);
    PutWord(b, 0, 557);
    WriteFile("zorin.cnf", b);
    LoadDisplayConfigFile();
    for (uint32_t shown : displaySettings.surfaceWindowsShown) EXPECT_EQ(shown, 0u);
    for (uint32_t shown : displaySettings.mixedWindowsShown) EXPECT_EQ(shown, 0u);
    EXPECT_DOUBLE_EQ(displaySettings.linesPerScreen, 55.0);
    EXPECT_EQ(displaySettings.graphParams[0], 0xFFFF);  // "none" is a choice
    EXPECT_EQ(displaySettings.indexFormat, 0u);
    EXPECT_EQ(whatIfOptions.useInputPh, 1u);
    EXPECT_FLOAT_EQ(wellLogSpecs.value[15], 100.0f);
    const std::vector<uint8_t> after = ReadFile("zorin.cnf");
    ASSERT_EQ(after.size(), 1082u);
    EXPECT_DOUBLE_EQ(GetDouble(after, kLines), 55.0);
    EXPECT_EQ(after[kSurfaceSwitches], 0);
    // A second start finds nothing to repair and leaves the file alone.
    Restart();
    LoadDisplayConfigFile();
    EXPECT_EQ(ReadFile("zorin.cnf"), after);

    std::mt19937 random(103);
    for (uint8_t& byte : b) byte = static_cast<uint8_t>(random());
    PutWord(b, 0, 557);
    Restart();
    WriteFile("zorin.cnf", b);
    LoadDisplayConfigFile();
    for (uint32_t shown : displaySettings.surfaceWindowsShown) EXPECT_LE(shown, 1u);
    EXPECT_GE(displaySettings.linesPerScreen, 40.0);
    EXPECT_LE(displaySettings.linesPerScreen, 100.0);
    EXPECT_TRUE(win::MessageBoxLog().empty());
}

TEST_F(DisplayConfigTest, VersionZeroOrEmptyFileIsCreatedWithDefaults) {
    for (bool empty : {true, false}) {
        Restart();
        std::vector<uint8_t> b = ConfigImage();
        if (empty)
            b.clear();
        else
            PutWord(b, 0, 0);
        WriteFile("zorin.cnf", b);
        phBalanceSwitch = 0;
        LoadDisplayConfigFile();
        const std::vector<uint8_t> after = ReadFile("zorin.cnf");
        ASSERT_EQ(after.size(), 1082u);
        EXPECT_EQ(GetWord(after, 0), 557);
        EXPECT_DOUBLE_EQ(GetDouble(after, kLines), 50.0);
        const uint16_t graphs[6] = {4, 5, 0, 21, 0xFFFF, 0xFFFF};
        for (int k = 0; k < 6; ++k) EXPECT_EQ(GetWord(after, kGraphParams + 2 * k), graphs[k]);
        EXPECT_EQ(after[kSurfaceSwitches + 12], 0);  // the old file's switch is gone
        EXPECT_EQ(displaySettings.graphParams[0], 4);
    }
}

TEST_F(DisplayConfigTest, EncodingPutsEachRecordAtItsOffset) {
    DisplayConfigRecord r{};
    r.version = 557;
    r.printMode = 1;
    r.linesPerScreen = 42.5;
    r.extraItemsHidden[37] = 1;
    r.graphParams[5] = 0x1234;
    r.profileOption = 1;
    r.useInputTemperature = 1;
    r.wellLog.value[0] = 1.5f;
    r.indexFormat = 1;
    r.whatIf.temperatureEval = 99.0f;
    uint8_t image[kDisplayConfigBytes];
    EncodeDisplayConfig(r, image);
    const std::vector<uint8_t> b(image, image + sizeof image);
    EXPECT_EQ(b[kPrintMode], 1);
    EXPECT_DOUBLE_EQ(GetDouble(b, kLines), 42.5);
    EXPECT_EQ(b[778 + 4 * 37], 1);  // the last switch of the extra list
    EXPECT_EQ(GetWord(b, kGraphParams + 10), 0x1234);
    EXPECT_EQ(b[942], 1);  // profile option
    EXPECT_EQ(b[950], 1);  // use input temperature
    EXPECT_FLOAT_EQ(GetFloat(b, kWellLog), 1.5f);
    EXPECT_EQ(b[kIndexFormat], 1);
    EXPECT_FLOAT_EQ(GetFloat(b, 1078), 99.0f);
    DisplayConfigRecord back{};
    DecodeDisplayConfig(image, back);
    uint8_t again[kDisplayConfigBytes];
    EncodeDisplayConfig(back, again);
    EXPECT_EQ(std::vector<uint8_t>(again, again + sizeof again), b);
}

// Heading file: three 81-byte lines and the "@@" marker, or two other
// closing bytes (a file saved by an editor often ends in a line break).
std::vector<uint8_t> HeadingImage(const char* l1, const char* l2, const char* l3, bool marker,
                                  const char* tail = nullptr) {
    std::vector<uint8_t> b(marker || tail != nullptr ? 245 : 243, 0);
    const char* lines[3] = {l1, l2, l3};
    for (int k = 0; k < 3; ++k) std::memcpy(&b[81 * k], lines[k], std::strlen(lines[k]));
    if (marker) b[243] = b[244] = '@';
    if (tail != nullptr) std::memcpy(&b[243], tail, 2);
    return b;
}

using HeadingFileTest = ShellTest;

TEST_F(HeadingFileTest, LinesAndMarkerDecideTitleAndSubtitle) {
    struct Case {
        std::vector<uint8_t> file;
        uint16_t title, subtitle, marker;
    };
    std::string full(81, 'A');  // a line that fills its 81 bytes
    const Case cases[] = {
        {HeadingImage("ACME OIL", "", "", false), 1, 0, 0},
        {HeadingImage("", "", "Field 7", false), 0, 1, 0},
        {HeadingImage("ACME OIL", "", "Field 7", true), 0, 1, 1},
        {HeadingImage("", "", "", true), 0, 0, 1},
        {HeadingImage(full.c_str(), "   ", "", false), 1, 0, 0},
        // Two closing bytes that are not the marker: the subtitle lines stay
        // at the page foot.
        {HeadingImage("ACME OIL", "Well 4", "Field 7", false, "\r\n"), 1, 1, 0},
        {HeadingImage("ACME OIL", "", "", false, "@ "), 1, 0, 0},
        {{}, 0, 0, 0},
    };
    for (const Case& c : cases) {
        Restart();
        WriteFile("heads.cnf", c.file);
        LoadHeadingFile();
        EXPECT_EQ(printSubheadings, c.title) << c.file.size();
        EXPECT_EQ(printHeadings, c.subtitle) << c.file.size();
        EXPECT_EQ(headingMarker, c.marker) << c.file.size();
    }
    EXPECT_EQ(std::string(headingLine1), "");
    Restart();
    WriteFile("heads.cnf", HeadingImage(full.c_str(), "B", "C", false));
    LoadHeadingFile();
    EXPECT_EQ(std::string(headingLine1), full);  // terminated after its 81 bytes
    EXPECT_EQ(std::string(headingLine2), "B");
    EXPECT_EQ(std::string(headingLine3), "C");
    EXPECT_EQ(ReadFile("heads.cnf").size(), 243u);  // never written
}

}  // namespace
}  // namespace shelltest
