// The pieces of the drivers' frame that stand on their own: axis points, the
// questions and refusals with their exact texts, who answers them, and the dose
// driver values against the sizes of their tables.
#include "scenarios/frame/driver_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/unit_codes.h"
#include "platform/drivers/script.h"
#include "scenarios/frame/driver_services.h"
#include "scenarios/profiles/profile_axis.h"

namespace {

struct ShownBox {
    std::string text;
    std::string caption;
    win::UINT style;
};
std::vector<ShownBox> shown;
int answer = win::IDNO;

int ScriptedBox(win::HWND, const char* text, const char* caption, win::UINT style) {
    shown.push_back({text, caption, style});
    return (style & win::MB_TYPEMASK) == win::MB_YESNO ? answer : win::IDOK;
}

class DriverFrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        shown.clear();
        answer = win::IDNO;
        InstallDriverServices({ScriptedBox, nullptr, nullptr});
    }
    void TearDown() override { ResetDriverServices(); }
};

TEST(ProfileAxis, StepsBySixthsOfTheRange) {
    float axis[kProfilePoints];
    BuildProfileAxis(40.0f, 160.0f, axis);
    const float expected[kProfilePoints] = {40, 60, 80, 100, 120, 140, 160};
    for (int k = 0; k < kProfilePoints; ++k) EXPECT_FLOAT_EQ(axis[k], expected[k]) << k;

    BuildProfileAxis(9.0f, 6.0f, axis);  // a falling axis
    EXPECT_FLOAT_EQ(axis[1], 8.5f);
    EXPECT_FLOAT_EQ(axis[6], 6.0f);
}

// With a step that single precision cannot hold exactly, the profile's last
// point is the sum of the steps and misses the stored high value; the grid's
// temperature and pH axes end on the stored value.
TEST(ProfileAxis, LastPointIsTheSumOnProfilesAndTheHighOnGrids) {
    const float low = 60.0f, high = 200.0f;  // step 23.333334: six of them make 199.999985
    float profile[kProfilePoints], grid[kGridAxisPoints];
    BuildProfileAxis(low, high, profile);
    BuildGridAxis(low, high, grid);

    const float step = (high - low) / 6.0f;
    float sum = low;
    for (int k = 1; k < kProfilePoints; ++k) {
        sum += step;
        EXPECT_EQ(profile[k], sum) << k;  // the running sum, bit for bit
    }
    EXPECT_NE(profile[6], high);
    EXPECT_NEAR(profile[6], high, 1e-4f);
    for (int k = 0; k < 6; ++k) EXPECT_EQ(grid[k], profile[k]) << k;
    EXPECT_EQ(grid[6], high);
}

TEST(ProfileAxis, EqualEndsGiveSevenEqualPoints) {
    float axis[kProfilePoints];
    BuildProfileAxis(25.0f, 25.0f, axis);
    for (float p : axis) EXPECT_EQ(p, 25.0f);
}

TEST_F(DriverFrameTest, AsksTheCo2QuestionOnlyForCo2BelowItsRange) {
    PhControlSettings control{};
    control.phControlMethod = PhControlMethod::kAcid;
    control.acidChemical = AcidChemical::kCarbonDioxide;
    control.alkaliChemical = AlkaliChemical::kSodiumBicarbonate;

    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 6.8f));  // not below 6.8
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 6.5f));  // answered No
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "WARNING: CO2 is not recommended for pH control to a pH below 6.8!  Erroneous "
              "results may occur! Abort?(Y/N)");
    EXPECT_EQ(shown[0].caption, "WARNING");
    EXPECT_EQ(shown[0].style & win::MB_TYPEMASK, win::MB_YESNO);

    answer = win::IDYES;
    EXPECT_TRUE(AbortForPhControlChemical(nullptr, control, 6.5f));

    shown.clear();
    control.acidChemical = AcidChemical::kHydrochloric;
    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 4.0f));
    control.acidChemical = AcidChemical::kCarbonDioxide;
    control.phControlMethod = PhControlMethod::kAlkali;  // no acid dosed
    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 4.0f));
    EXPECT_TRUE(shown.empty());
}

TEST_F(DriverFrameTest, AsksTheBicarbonateQuestionOnlyAboveItsRange) {
    PhControlSettings control{};
    control.phControlMethod = PhControlMethod::kBoth;
    control.acidChemical = AcidChemical::kSulfuric;
    control.alkaliChemical = AlkaliChemical::kSodiumBicarbonate;

    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 8.3f));
    EXPECT_TRUE(shown.empty());
    answer = win::IDYES;
    EXPECT_TRUE(AbortForPhControlChemical(nullptr, control, 8.5f));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "WARNING: NaHCO3 is not recommended for pH control to a pH above 8.3!   Erroneous "
              "results may occur! Abort?(Y/N)");
}

// Without scripted services the question goes to the user through the
// platform's message box, and the user's answer decides; nothing is answered
// on their behalf.
TEST(DriverServices, QuestionsGoToTheUserByDefault) {
    ResetDriverServices();
    win::ResetPlatform();
    std::vector<std::string> failures;
    win::SetScriptFailureHandler(
        [&failures](const std::string& what) { failures.push_back(what); });
    PhControlSettings control{};
    control.phControlMethod = PhControlMethod::kAcid;
    control.acidChemical = AcidChemical::kCarbonDioxide;

    win::AnswerMessageBox("WARNING", "CO2 is not recommended", win::IDYES);
    EXPECT_TRUE(AbortForPhControlChemical(nullptr, control, 6.5f));
    win::AnswerMessageBox("WARNING", "CO2 is not recommended", win::IDNO);
    EXPECT_FALSE(AbortForPhControlChemical(nullptr, control, 6.5f));
    ASSERT_EQ(win::MessageBoxLog().size(), 2u);
    EXPECT_EQ(win::MessageBoxLog()[0].text, DriverText::kCo2BelowQuestion);
    EXPECT_EQ(win::MessageBoxLog()[0].type & win::MB_TYPEMASK, win::MB_YESNO);
    EXPECT_TRUE(failures.empty());

    // A question no one answers is a failure of the run, not a silent No.
    (void)AbortForPhControlChemical(nullptr, control, 6.5f);
    EXPECT_EQ(failures.size(), 1u);

    win::SetScriptFailureHandler(nullptr);
    win::ResetPlatform();
}

TEST_F(DriverFrameTest, RefusesAWaterWithNothingButAPh) {
    WaterAnalysis water{};
    water.values[AnalysisElement::kPh] = 7.0f;  // element 0 does not count
    EXPECT_TRUE(RefuseEmptyWater(nullptr, water));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "You must input a make-up water analysis before performing calculations!");
    EXPECT_EQ(shown[0].caption, "WARNING");
    EXPECT_EQ(shown[0].style & win::MB_ICONINFORMATION, win::MB_ICONINFORMATION);

    water.values[AnalysisElement::kChloride] = 10.0f;
    EXPECT_FALSE(RefuseEmptyWater(nullptr, water));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(DriverFrameTest, RefusesDoseGraphsWithoutTheirPhControl) {
    PhControlSettings control{};
    struct Case {
        uint16_t method;
        uint16_t code;
        const char* refusal;  // null: accepted
    };
    const Case cases[] = {
        {PhControlMethod::kNone, GraphCode::kAcidDose, DriverText::kNoAcidControl},
        {PhControlMethod::kAlkali, GraphCode::kAcidDose, DriverText::kNoAcidControl},
        {PhControlMethod::kAcid, GraphCode::kAcidDose, nullptr},
        {PhControlMethod::kBoth, GraphCode::kAcidDose, nullptr},
        {PhControlMethod::kNone, GraphCode::kAlkaliDose, DriverText::kNoAlkaliControl},
        {PhControlMethod::kAcid, GraphCode::kAlkaliDose, DriverText::kNoAlkaliControl},
        {PhControlMethod::kAlkali, GraphCode::kAlkaliDose, nullptr},
        {PhControlMethod::kNone, GraphCode::kDose, nullptr},
        {PhControlMethod::kNone, 0, nullptr},
    };
    for (const Case& c : cases) {
        shown.clear();
        control.phControlMethod = c.method;
        EXPECT_EQ(RefuseDoseGraph(nullptr, c.code, control), c.refusal != nullptr)
            << c.method << " " << c.code;
        if (c.refusal != nullptr) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, c.refusal);
        } else {
            EXPECT_TRUE(shown.empty());
        }
    }
    EXPECT_STREQ(DriverText::kNoAcidControl,
                 "I'm sorry, No Acid pH control is selected.  Activate  pH control in the SELECT "
                 "PARAMETERS module and try again!");
    EXPECT_STREQ(DriverText::kNoAlkaliControl,
                 "I'm sorry, No Alkali pH control is selected.  Activate  pH control in the "
                 "SELECT PARAMETERS module and try again!");
}

// A product of 28 components has only seven driver values; a treated index past
// the result row reads nothing.
TEST(DoseDriverValues, StayWithinTheSevenValuesAndTheResultRow) {
    static ProductTable product{};
    product.componentCount = 28;
    float results[kResultRowValues];
    for (int i = 0; i < kResultRowValues; ++i) results[i] = 100.0f + i;
    for (int i = 0; i < kProductRecordCount; ++i) product.records[i].treatedIndex = i;
    product.records[2].treatedIndex = 39;
    product.records[3].treatedIndex = 400;
    product.records[4].modelKind = DoseModelKind::kTermList;

    struct {
        float values[kDosedComponentCount];
        float sentinel = -1.0f;  // just past the seven
    } drivers;
    DoseDriverValues(product, results, false, drivers.values);
    const float expected[] = {100, 101, 139, 0, 104, 105, 106};
    for (int i = 0; i < kDosedComponentCount; ++i) EXPECT_EQ(drivers.values[i], expected[i]) << i;
    EXPECT_EQ(drivers.sentinel, -1.0f);

    DoseDriverValues(product, results, true, drivers.values);
    EXPECT_EQ(drivers.values[4], 0.0f);  // the term-list component gives no driver value

    product.componentCount = 2;
    DoseDriverValues(product, results, false, drivers.values);
    EXPECT_EQ(drivers.values[1], 101.0f);
    EXPECT_EQ(drivers.values[2], 0.0f);
    product.componentCount = -3;
    DoseDriverValues(product, results, false, drivers.values);
    EXPECT_EQ(drivers.values[0], 0.0f);
}

}  // namespace
