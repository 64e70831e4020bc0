// UpdateMenuTexts over combinations of the result flags, on menu 9 as the
// resources give it.
#include "shell/menu/menu_texts.h"

#include <gtest/gtest.h>

#include "platform/win.h"
#include "resources/program_resources.h"
#include "resources/resource_ids.h"

namespace {

using namespace MenuCommand;

class MenuTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        RegisterProgramResources();
        menu = win::LoadMenu(nullptr, kMainMenuId);
        ASSERT_NE(menu, nullptr);
    }
    void TearDown() override {
        win::DestroyMenu(menu);
        win::ResetPlatform();
    }
    win::MenuItemState Item(unsigned id) const { return win::FindMenuItemState(menu, id); }
    bool Enabled(unsigned id) const { return Item(id).enabled; }
    bool Ticked(unsigned id) const { return Item(id).checked; }
    win::HMENU menu = nullptr;
};

TEST_F(MenuTextsTest, WithNoWaterTheWaterCommandsAreGrey) {
    ApplyMenuRules(menu, MenuFlags{});
    for (unsigned id : {kSaveFileAs,
                        kPrintAllAvailable,
                        kVaryTemperature,
                        kGraphVsTemperature,
                        kVaryPh,
                        kGraphVsPh,
                        kThreeDProfile,
                        kVaryPressure,
                        kGraphVsPressure,
                        kThreeDPressureTemperature,
                        kOnePageSummary,
                        kWellLogTable,
                        kWellLogGraph,
                        kMix,
                        kTwoDGraphVsPercent,
                        kThreeDTemperaturePh,
                        kThreeDTemperaturePercent,
                        kThreeDPhPercent,
                        kPrintSurface,
                        kPrintInjection,
                        kPrintFormation,
                        kPrintProduced,
                        kPrintSurfaceTemperatureProfile,
                        kPrintSurfacePhProfile,
                        kMultiMixMix})
        EXPECT_FALSE(Enabled(id)) << id;
    EXPECT_EQ(Item(kMix).text, " &Mix");
    EXPECT_EQ(Item(kVaryPh).text, " Vary &pH");
    EXPECT_TRUE(Enabled(kSelectProduct));
    EXPECT_TRUE(Enabled(kSaveFile));  // the rules leave Save File alone
}

TEST_F(MenuTextsTest, TheSourceWaterAndItsProfiles) {
    MenuFlags f;
    f.surface = true;
    f.tempProfile = true;
    f.pressureProfile = true;
    f.grid = true;
    f.onePage = true;
    f.alkCurve = true;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Ticked(kSourceWaterAnalysis));
    for (unsigned id : {kVaryTemperature, kGraphVsTemperature, kVaryPh, kGraphVsPh, kThreeDProfile,
                        kPrintSurface, kVaryPressure, kSaveFileAs, kPrintAllAvailable,
                        kPrintSurfaceTemperatureProfile, kWellLogTable, kOnePageSummary})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_TRUE(Ticked(kVaryTemperature));
    EXPECT_TRUE(Ticked(kGraphVsTemperature));
    EXPECT_FALSE(Ticked(kVaryPh));
    EXPECT_FALSE(Enabled(kPrintSurfacePhProfile));
    EXPECT_TRUE(Ticked(kVaryPressure));
    EXPECT_FALSE(Ticked(kThreeDPressureTemperature));
    EXPECT_TRUE(Ticked(kThreeDProfile));
    EXPECT_TRUE(Ticked(kOnePageSummary));
    EXPECT_FALSE(Ticked(kWellLogTable));
    EXPECT_TRUE(Ticked(kInputPhCurve));
    // The surface water gone again: everything back.
    ApplyMenuRules(menu, MenuFlags{});
    EXPECT_FALSE(Ticked(kSourceWaterAnalysis));
    EXPECT_FALSE(Ticked(kVaryTemperature));
    EXPECT_FALSE(Enabled(kVaryTemperature));
}

// With three multi-mix waters Mix is enabled even when water 1 was never
// computed; with two it needs both computed.
TEST_F(MenuTextsTest, MultiMixMixFollowsTheWaters) {
    MenuFlags f;
    f.lastWaterIndex = 2;
    f.multiMixWater0 = true;
    f.multiMixWaters = true;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Enabled(kMultiMixMix));
    EXPECT_TRUE(Ticked(kMultiMixWaterAnalysis));
    EXPECT_FALSE(Ticked(kMultiMixMix));
    EXPECT_TRUE(Enabled(kSaveFileAs));  // waters not yet mixed are work too
    f.lastWaterIndex = 1;
    ApplyMenuRules(menu, f);
    EXPECT_FALSE(Enabled(kMultiMixMix));
    f.multiMixWater1 = true;
    f.multiMixDone = 1;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Enabled(kMultiMixMix));
    EXPECT_TRUE(Ticked(kMultiMixMix));
    EXPECT_TRUE(Enabled(kSaveFileAs));  // a blend counts as work
}

TEST_F(MenuTextsTest, TheWaterfloodAndItsThreeDTicks) {
    MenuFlags f;
    f.injection = true;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Ticked(kInjectionWaterAnalysis));
    EXPECT_TRUE(Enabled(kPrintInjection));
    EXPECT_FALSE(Enabled(kMix));  // the formation water is missing
    f.formation = true;
    f.mixProfile = true;
    f.mixGrid[0] = f.mixGrid[1] = f.mixGrid[2] = true;
    ApplyMenuRules(menu, f);
    EXPECT_EQ(Item(kMix).text, " &Display Mix");
    EXPECT_TRUE(Ticked(kMix));
    EXPECT_TRUE(Enabled(kPrintProduced));
    EXPECT_TRUE(Ticked(kTwoDGraphVsPercent));
    EXPECT_TRUE(Ticked(kThreeDTemperaturePh));  // grid 2 ticks 1044 alone
    EXPECT_FALSE(Ticked(kThreeDTemperaturePercent));
    EXPECT_FALSE(Ticked(kThreeDPhPercent));
    f.mixGrid[2] = false;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Ticked(kThreeDTemperaturePercent));
    EXPECT_FALSE(Ticked(kThreeDTemperaturePh));
    f.mixGrid[1] = false;
    ApplyMenuRules(menu, f);
    EXPECT_TRUE(Ticked(kThreeDPhPercent));
    f.injection = false;  // one water less: no 3D mixing tick at all
    ApplyMenuRules(menu, f);
    EXPECT_FALSE(Ticked(kThreeDPhPercent));
    EXPECT_FALSE(Enabled(kMix));
}

TEST_F(MenuTextsTest, ThePlotVariableNamesFourItems) {
    MenuFlags f;
    f.varyPco2 = true;
    f.surface = true;
    ApplyMenuRules(menu, f);
    EXPECT_EQ(Item(kVaryPh).text, " Vary &pCO2");
    EXPECT_EQ(Item(kGraphVsPh).text, " Gr&aph vs pCO2");
    EXPECT_EQ(Item(kThreeDTemperaturePh).text, " 3D T&emperature-pCO2");
    EXPECT_EQ(Item(kThreeDPhPercent).text, " 3D p&CO2-%");
    f.varyPco2 = false;
    ApplyMenuRules(menu, f);
    EXPECT_EQ(Item(kThreeDPhPercent).text, " 3D p&H-%");
}

// Every command of the main menu is reached by a letter it underlines, under
// either plot variable (headings, which do nothing, need none); so is every
// title of the menu bars of the main window, the pages and the graphs.
TEST_F(MenuTextsTest, EveryCommandAndTitleUnderlinesALetter) {
    for (const bool pco2 : {false, true}) {
        MenuFlags f;
        f.surface = f.injection = f.formation = true;
        f.varyPco2 = pco2;
        ApplyMenuRules(menu, f);
        for (int p = 0; p < win::GetMenuItemCount(menu); ++p) {
            win::HMENU popup = win::GetSubMenu(menu, p);
            ASSERT_NE(popup, nullptr);
            for (int i = 0; i < win::GetMenuItemCount(popup); ++i) {
                const unsigned id = win::GetMenuItemID(popup, i);
                if (id == 0 || id == 0xFFFFFFFFu || id == kHeading || id == kHeadingGroup) continue;
                char text[128] = {};
                win::GetMenuString(popup, static_cast<win::UINT>(i), text, sizeof text,
                                   win::MF_BYPOSITION);
                EXPECT_NE(std::string(text).find('&'), std::string::npos)
                    << "[" << id << "] \"" << text << "\"" << (pco2 ? " (pCO2)" : "");
            }
        }
    }
    for (const int bar : {kMainMenuId, kPageMenuOneWater, kPageMenuProfileChemistry,
                          kPageMenuProfileIndicators, kPageMenuOneSummary, kGraphMenuTwoD,
                          kGraphMenuThreeD, kGraphMenuAlk}) {
        win::HMENU m = win::LoadMenu(nullptr, bar);
        ASSERT_NE(m, nullptr) << bar;
        for (int i = 0; i < win::GetMenuItemCount(m); ++i) {
            char text[128] = {};
            win::GetMenuString(m, static_cast<win::UINT>(i), text, sizeof text,
                               win::MF_BYPOSITION);
            // The summary's four graphs are commands of the bar itself.
            if (win::GetSubMenu(m, i) == nullptr) continue;
            EXPECT_NE(std::string(text).find('&'), std::string::npos) << bar << ": " << text;
        }
        win::DestroyMenu(m);
    }
}

}  // namespace
