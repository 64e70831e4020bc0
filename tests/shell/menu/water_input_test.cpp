// The water input commands on a started program: the form's template by the
// desktop's height, the water calculated only when the form stored it, the
// engine's mode word before an injection or formation water, and the menu and
// main window brought up to date.
#include "engine/saturation/water_results_records.h"
#include "pages/frame/page_classes.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/commands/water_input_commands.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

namespace C = WaterFormControl;

class WaterInputTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::ClearMessageBoxLog();
    }
    // Runs menu command `id` with `steps` in the form of template `form`;
    // returns how often that template opened.
    int Input(unsigned id, int form, const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            form,
            [&](win::HWND dialog) {
                ++opened;
                steps(dialog);
            },
            1);
        EXPECT_TRUE(win::ChooseMenuCommand(mainWindowState.mainWindow, id)) << id;
        win::RunUntilIdle();
        return opened;
    }
    // A sea water, typed and stored with OK.
    static void TypeSeaWater(win::HWND form) {
        win::SetField(form, C::kPh, "8.1");
        win::SetField(form, C::kCalcium, "412");
        win::SetField(form, C::kMagnesium, "1290");
        win::SetField(form, C::kSodium, "10760");
        win::SetField(form, C::kChloride, "19350");
        win::SetField(form, C::kSulfate, "2710");
        win::SetField(form, C::kMAlkalinity, "140");
        win::PressButton(form, C::kOk);
    }
    win::MenuItemState Item(unsigned id) const {
        return win::FindMenuItemState(mainWindowState.mainMenu, id);
    }
};

TEST(WaterFormTemplateTest, TheFormationFormGrowsAtSmallerDesktops) {
    struct Case {
        int height, source, formation;
    };
    const Case cases[] = {
        {480, 81, 81},  {600, 81, 81},  {601, 81, 82},  {900, 81, 82},  {901, 82, 80},
        {1000, 82, 80}, {1001, 80, 80}, {1100, 80, 80}, {1101, 83, 83}, {1600, 83, 83},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WaterFormTemplate(WaterSelector::kSurface, c.height), c.source) << c.height;
        EXPECT_EQ(WaterFormTemplate(WaterSelector::kInjection, c.height), c.source) << c.height;
        EXPECT_EQ(WaterFormTemplate(WaterSelector::kFormation, c.height), c.formation) << c.height;
    }
}

// A new source water typed on a 1280 x 1024 desktop: template 80, stored and
// calculated, the menu ticks it and offers the what-if commands, and the main
// window is maximised.
TEST_F(WaterInputTest, ANewSourceWaterIsStoredCalculatedAndTicked) {
    win::SetDesktopSize(1280, 1024);
    ASSERT_EQ(Input(MenuCommand::kSourceWaterAnalysis, DialogId::kWaterForm1200, TypeSeaWater), 1);
    // The form stored the water (dialogResult 1); the water's two pages opened,
    // and the indicators page took that outcome when it gained the focus.
    EXPECT_TRUE(IsPageOpen(PageClass::kMuWater));
    EXPECT_TRUE(IsPageOpen(PageClass::kMuValues));
    EXPECT_EQ(dialogResult, 0);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    EXPECT_EQ(mainWindowState.dataChanged, 1u);
    EXPECT_GT(SaturationResults[27], 100.0f);  // bicarbonate: the water was calculated
    EXPECT_GT(currentAnalysis.values[AnalysisElement::kAlkalinity], 0.0f);
    EXPECT_TRUE(Item(MenuCommand::kSourceWaterAnalysis).checked);
    EXPECT_TRUE(Item(MenuCommand::kVaryTemperature).enabled);
    EXPECT_TRUE(Item(MenuCommand::kPrintSurface).enabled);
    EXPECT_TRUE(win::IsZoomed(mainWindowState.mainWindow));
    EXPECT_TRUE(failures.empty()) << failures.front();
}

// OK on the entered water with nothing changed stores nothing and calculates
// nothing (its open pages paint again what the water holds); Cancel stores
// nothing either: the indicators page in front takes the keyboard back and
// computes the stored water again, not the one typed.
TEST_F(WaterInputTest, AnUnchangedOrCancelledFormCalculatesNothing) {
    win::SetDesktopSize(1280, 1024);
    ASSERT_EQ(Input(MenuCommand::kSourceWaterAnalysis, DialogId::kWaterForm1200, TypeSeaWater), 1);
    mainWindowState.dataChanged = 0;
    const float stored = SaturationResults[0];
    WaterResults.surface.saturation[0] = 1234.0f;  // no calculation may overwrite it

    ASSERT_EQ(Input(MenuCommand::kSourceWaterAnalysis, DialogId::kWaterForm1200,
                    [](win::HWND form) { win::PressButton(form, C::kOk); }),
              1);
    EXPECT_EQ(dialogResult, 0);
    EXPECT_EQ(WaterResults.surface.saturation[0], 1234.0f);
    EXPECT_EQ(SaturationResults[0], 1234.0f);  // the pages show the water held
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
    WaterResults.surface.saturation[0] = stored;

    ASSERT_EQ(Input(MenuCommand::kSourceWaterAnalysis, DialogId::kWaterForm1200,
                    [](win::HWND form) {
                        win::SetField(form, C::kCalcium, "500");
                        win::PressButton(form, C::kCancel);
                    }),
              1);
    EXPECT_EQ(dialogResult, 0);  // taken by the page's focus
    EXPECT_EQ(SaturationResults[0], stored);
    EXPECT_EQ(surfaceWater.values[AnalysisElement::kCalcium], 412.0f);
    EXPECT_EQ(mainWindowState.dataChanged, 0u);
}

// Injection and formation waters start with the engine's mode word cleared;
// the surface water leaves it as it is. The formation form at 900 pixels is
// template 82, the injection form 81.
TEST_F(WaterInputTest, TheModeWordIsClearedForTheWaterfloodWaters) {
    win::SetDesktopSize(1200, 900);
    balanceHold = 1;
    ASSERT_EQ(Input(MenuCommand::kSourceWaterAnalysis, DialogId::kWaterForm640,
                    [](win::HWND form) { win::PressButton(form, C::kCancel); }),
              1);
    EXPECT_EQ(balanceHold, 1);

    ASSERT_EQ(Input(MenuCommand::kInjectionWaterAnalysis, DialogId::kWaterForm640, TypeSeaWater),
              1);
    EXPECT_EQ(balanceHold, 0);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kInjection);
    EXPECT_EQ(resultStatus.injectionEntered, 1);
    EXPECT_EQ(resultStatus.surfaceEntered, 0);
    EXPECT_TRUE(Item(MenuCommand::kInjectionWaterAnalysis).checked);

    balanceHold = 1;
    ASSERT_EQ(Input(MenuCommand::kFormationWaterAnalysis, DialogId::kWaterForm800, TypeSeaWater),
              1);
    EXPECT_EQ(balanceHold, 0);
    EXPECT_EQ(resultStatus.formationEntered, 1);
    EXPECT_TRUE(Item(MenuCommand::kMix).enabled);  // both waterflood waters are in
    EXPECT_TRUE(failures.empty()) << failures.front();
}

}  // namespace
}  // namespace shelltest
