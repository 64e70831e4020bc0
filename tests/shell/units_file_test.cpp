// The units file in each length the reader knows, a short one, and its rewrite.
#include "shell/settings/units_file.h"

#include <algorithm>

#include "engine/balancing/balancing_records.h"
#include "engine/inputs/inputs_records.h"
#include "input/units/unit_choices.h"
#include "shell/settings/display_config_file.h"
#include "shell_fixture.h"

namespace shelltest {
namespace {

class UnitsFileTest : public ShellTest {
  protected:
    // A file of `length` bytes laid out as the 104-byte form (the 82- and
    // 84-byte forms with the 62-byte unit table): every unit item i holds
    // i % 3 (or the item's largest choice, when that is smaller), then acid 1, 3D style 1, vary
    // pCO2 1, balancing 1 0 2 0 1, precipitation 2, mineral titles 1, alkalinity mode 5, alkali 4.
    static std::vector<uint8_t> UnitsImage(size_t length) {
        const size_t table = (length == 82 || length == 84) ? 62 : 80;
        std::vector<uint8_t> b(length, 0);
        for (size_t i = 0; i < table / 2; ++i) {
            const int largest = i < 39 ? MaxUnitChoice(static_cast<int>(i)) : 2;
            PutWord(b, 2 * i, static_cast<uint16_t>(std::min(static_cast<int>(i % 3), largest)));
        }
        const uint16_t tail[] = {1, 1, 1, 1, 0, 2, 0, 1, 2, 1, 5, 4};
        for (size_t k = 0; k < 12 && table + 2 * k + 2 <= length; ++k)
            PutWord(b, table + 2 * k, tail[k]);
        return b;
    }
    void Load() {
        unitCodes.code[35] = 9;  // memory holds something beyond the old table
        LoadUnitsFile();
    }
};

TEST_F(UnitsFileTest, FullFileIsReadAndLeftAsItIs) {
    WriteFile("plunit.cnf", UnitsImage(104));
    Load();
    EXPECT_EQ(unitCodes.code[18], 0);
    EXPECT_EQ(unitCodes.code[37], 37 % 3);
    EXPECT_EQ(unitCodes.code[38], 0);  // the item's only choice
    EXPECT_EQ(phControlSettings.acidChemical, 1);
    EXPECT_EQ(displaySettings.threeDPlotStyle, 1);
    EXPECT_EQ(whatIfOptions.varyPco2, 1);
    EXPECT_EQ(balancingSettings.cationBalanceIon, 1);
    EXPECT_EQ(balancingSettings.anionBalanceIon, 0);
    EXPECT_EQ(calcPassMode, 2);
    EXPECT_EQ(anionAdded, 1);
    EXPECT_EQ(displaySettings.precipitationUnit, 2);
    EXPECT_EQ(displaySettings.mineralTitles, 1);
    EXPECT_EQ(alkalinityMode, 5);
    EXPECT_EQ(phControlSettings.alkaliChemical, 4);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(ReadFile("plunit.cnf"), UnitsImage(104));
    // Each 3D plot style the toggle writes (bars 0, contours 2, and 1) is a
    // sound file: read as it is, no warning, no rewrite.
    for (const uint16_t style : {0, 1, 2}) {
        Restart();
        std::vector<uint8_t> b = UnitsImage(104);
        PutWord(b, 82, style);
        WriteFile("plunit.cnf", b);
        Load();
        EXPECT_EQ(displaySettings.threeDPlotStyle, style);
        EXPECT_TRUE(win::MessageBoxLog().empty()) << "style " << style;
        EXPECT_EQ(ReadFile("plunit.cnf"), b) << "style " << style;
    }
}

TEST_F(UnitsFileTest, OlderFormsAreReadWithoutWarningOrRewrite) {
    struct Case {
        size_t length;
        uint16_t item31to39;  // what the unit items past the table hold afterwards
        uint16_t alkalinityMode;
    };
    // 102: no alkali chemical. 84: items 31..39 come from nowhere and are 0.
    // 82: neither the alkalinity mode, which keeps its start value 2.
    for (const Case c : {Case{102, 1, 5}, Case{84, 0, 5}, Case{82, 0, 2}}) {
        Restart();
        alkalinityMode = 2;  // the start value the loader sets before the file
        WriteFile("plunit.cnf", UnitsImage(c.length));
        Load();
        EXPECT_EQ(unitCodes.code[35], c.length == 102 ? 35 % 3 : 0) << c.length;
        EXPECT_EQ(unitCodes.code[31], c.length == 102 ? 31 % 3 : c.item31to39) << c.length;
        EXPECT_EQ(unitCodes.code[30], 0) << c.length;  // 30 % 3
        EXPECT_EQ(unitCodes.code[29], 1) << c.length;  // oil flow's largest choice
        EXPECT_EQ(displaySettings.mineralTitles, 1) << c.length;
        EXPECT_EQ(alkalinityMode, c.alkalinityMode) << c.length;
        EXPECT_EQ(phControlSettings.alkaliChemical, 3) << c.length;  // caustic soda
        EXPECT_TRUE(win::MessageBoxLog().empty()) << c.length;
        EXPECT_EQ(ReadFile("plunit.cnf").size(), c.length);
    }
}

TEST_F(UnitsFileTest, ShortFileWarnsAndIsRewrittenWithDefaults) {
    std::vector<uint8_t> shortFile = UnitsImage(104);
    shortFile.resize(50);
    WriteFile("plunit.cnf", shortFile);
    Load();
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(win::MessageBoxLog()[0].text, kUnitsFileWarning);
    for (uint16_t c : unitCodes.code) EXPECT_EQ(c, 0);

    // Units all 0, acid 0, 3D 0, vary 0, balancing sodium and chloride, the
    // engine words as they were (0), precipitation 0, titles 0, alkalinity mode
    // 2, alkali 3.
    std::vector<uint8_t> expected(104, 0);
    PutWord(expected, 88, 1);
    PutWord(expected, 100, 2);
    PutWord(expected, 102, 3);
    const std::vector<uint8_t> written = ReadFile("plunit.cnf");
    ASSERT_EQ(written.size(), expected.size());
    for (size_t i = 0; i < expected.size(); i += 2)
        EXPECT_EQ(GetWord(written, i), GetWord(expected, i)) << "offset " << i;
}

// A file of the full length whose fields lie outside their ranges (all 0xFF, as
// a damaged file may be) is corrupt too: each such field takes its default,
// the user is told, and the file is rewritten.
TEST_F(UnitsFileTest, FieldsOutsideTheirRangesAreRepairedWithTheWarning) {
    std::vector<uint8_t> b = UnitsImage(104);
    PutWord(b, 2 * UnitItem::kTemperature, 0xFFFF);
    PutWord(b, 2 * UnitItem::kPressure, 4);
    PutWord(b, 82, 7);   // 3D style
    PutWord(b, 96, 3);   // precipitation unit
    PutWord(b, 100, 9);  // alkalinity mode
    WriteFile("plunit.cnf", b);
    Load();
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].text, kUnitsFileWarning);
    EXPECT_EQ(unitCodes.code[UnitItem::kTemperature], 0);
    EXPECT_EQ(unitCodes.code[UnitItem::kPressure], 0);
    EXPECT_EQ(unitCodes.code[2], 2);  // a choice in range stays
    EXPECT_EQ(displaySettings.threeDPlotStyle, 0);
    EXPECT_EQ(displaySettings.precipitationUnit, 0);
    EXPECT_EQ(alkalinityMode, 2);
    EXPECT_EQ(displaySettings.mineralTitles, 1);  // in range, kept
    const std::vector<uint8_t> written = ReadFile("plunit.cnf");
    ASSERT_EQ(written.size(), 104u);
    EXPECT_EQ(GetWord(written, 2 * UnitItem::kTemperature), 0);
    EXPECT_EQ(GetWord(written, 100), 2);
    // Read again: nothing left to repair, no warning.
    Restart();
    Load();
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(ReadFile("plunit.cnf"), written);
}

TEST_F(UnitsFileTest, AlkalinityModeZeroTakesTheMAlkalinityUnit) {
    for (const auto& [mUnit, mode] : std::vector<std::pair<uint16_t, uint16_t>>{{4, 4}, {9, 2}}) {
        Restart();
        std::vector<uint8_t> b = UnitsImage(104);
        PutWord(b, 2 * 11, mUnit);
        PutWord(b, 100, 0);
        WriteFile("plunit.cnf", b);
        Load();
        EXPECT_EQ(alkalinityMode, mode) << "M alkalinity unit " << mUnit;
    }
}

TEST_F(UnitsFileTest, SaveWritesTheFullLayoutOverAnOlderFile) {
    WriteFile("plunit.cnf", UnitsImage(84));
    Load();
    phControlSettings.alkaliChemical = 1;
    SaveUnitsFile();
    const std::vector<uint8_t> saved = ReadFile("plunit.cnf");
    ASSERT_EQ(saved.size(), 104u);
    EXPECT_EQ(GetWord(saved, 2 * 30), 0);  // item 30
    EXPECT_EQ(GetWord(saved, 2 * 29), 1);  // item 29
    EXPECT_EQ(GetWord(saved, 80), 1);      // acid
    EXPECT_EQ(GetWord(saved, 100), 5);     // alkalinity mode
    EXPECT_EQ(GetWord(saved, 102), 1);     // alkali
}

// The units and display settings saved on a full disk: each old file keeps
// its bytes and the user is told which file failed and why.
TEST_F(UnitsFileTest, SettingsSavesOnAFullDiskKeepTheOldFilesAndSaySo) {
    WriteFile("plunit.cnf", UnitsImage(104));
    Load();
    WriteFile("zorin.cnf", std::vector<uint8_t>(1082, 0x11));
    win::ClearMessageBoxLog();
    win::FailNextFileWrites(1);
    SaveUnitsFile();
    win::FailNextFileWrites(0);
    EXPECT_EQ(ReadFile("plunit.cnf"), UnitsImage(104));
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    const std::string& text = win::MessageBoxLog()[0].text;
    EXPECT_EQ(text.rfind("Error: Cannot open units file to update - call tech support\n\n"
                         "Saving ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("plunit.cnf failed: No space left on device. The file that was "
                        "there is unchanged."),
              std::string::npos)
        << text;
    win::FailNextFileWrites(1);
    EXPECT_FALSE(WriteDisplayConfigFile());
    win::FailNextFileWrites(0);
    EXPECT_EQ(ReadFile("zorin.cnf"), std::vector<uint8_t>(1082, 0x11));
    EXPECT_NE(DisplayConfigWriteFailedText().find("zorin.cnf failed: No space left on device"),
              std::string::npos);
    EXPECT_EQ(LeftOverFiles(), 0u);
}

}  // namespace
}  // namespace shelltest
