// CHOOSE GRAPHS: the graphs offered and their names, the order and the limit of
// four, and what OK, an empty OK and Cancel leave.
#include "treatment/graphs/choose_graphs.h"

#include "platform/win.h"
#include "tests/treatment/dialog_fixture.h"
#include "tests/treatment/product_fixture.h"
#include "treatment/graphs/graph_code_names.h"
#include "treatment/treatment_dialog_ids.h"
#include "treatment/treatment_limits.h"

namespace {

class ChooseGraphsTest : public producttest::DialogTest {
  protected:
    void SetUp() override {
        DialogTest::SetUp();
        const uint16_t list[] = {0, 21, 5, 100, 60, 10, 89, 0xFFFF, 4};
        std::copy(std::begin(list), std::end(list), graphCodeList);
        graphChoice = GraphChoice{0, 1, {0, -1, -1, -1}};
        for (uint16_t& c : graphIndexCodes) c = 0xFFFF;
        gridOrientationSet = logRangeUndefined = 1;
    }
    int Open(std::function<void(win::HWND)> steps) {
        win::OnDialog(TreatmentDialog::kChooseGraphs, std::move(steps), 1);
        return ShowChooseGraphsDialog(nullptr);
    }
    static void Add(win::HWND d, const std::string& row) {
        ASSERT_TRUE(Pick(d, ChooseGraphsControl::kOffered, row)) << row;
        win::PressButton(d, ChooseGraphsControl::kAdd);
    }
};

TEST_F(ChooseGraphsTest, OfferedGraphsFollowTheCodeListThenTheProfiles) {
    const std::vector<int16_t> offered = OfferedGraphCodes();
    EXPECT_EQ(offered,
              (std::vector<int16_t>{0, 21, 5, 100, 60, 10, 89, 40, 41, 90, 91, 94, 95, 96}));
    std::vector<std::string> rows, chosen;
    Open([&](win::HWND d) {
        rows = Rows(d, ChooseGraphsControl::kOffered);
        chosen = Rows(d, ChooseGraphsControl::kChosen);
        win::PressButton(d, win::IDCANCEL);
    });
    ASSERT_EQ(rows.size(), offered.size());
    EXPECT_EQ(rows[0], "Calcite saturation");
    EXPECT_EQ(rows[3], "Calcite momentary excess");
    EXPECT_EQ(rows[4], "Calcite precipitation potential");
    EXPECT_EQ(rows[5], "Langelier Saturation Index");
    EXPECT_EQ(rows[6], "None Dosage Profile");  // offered with no product
    EXPECT_EQ(rows[7], "Temperature Profile");
    EXPECT_EQ(rows[11], "CO2 - H2S Corrosion rate");
    EXPECT_EQ(chosen, std::vector<std::string>{"Calcite saturation"});  // the current choice
}

TEST_F(ChooseGraphsTest, NamesOfTheProductAndChemicalGraphs) {
    producttest::Put(productTable.records[0].name, "FILMER");
    productTable.records[0].productMode = 2;
    phControlSettings.acidChemical = 1;
    phControlSettings.alkaliChemical = 0xFFFF;
    EXPECT_EQ(GraphCodeName(89), "FILMER Corrosion Profile");
    EXPECT_EQ(GraphCodeName(90), "Hydrochloric Acid Dosage Profile");
    EXPECT_EQ(GraphCodeName(91), "Alkali Dosage Profile");
    EXPECT_EQ(GraphCodeName(121), "Magnesium silicate momentary excess");
    EXPECT_EQ(LimitCodeName(107), "Calcium");
    EXPECT_EQ(LimitCodeName(200), "Residence time");
    EXPECT_EQ(LimitCodeName(507), "Barite momentary excess");
    EXPECT_EQ(LimitCodeName(537), "Momentary excess 37");
}

// Four at most, in the order added; Add turns grey at four, a graph chosen
// already is not chosen twice, Remove takes one out.
TEST_F(ChooseGraphsTest, OrderAndLimitOfFour) {
    bool addGreyAtFour = false;
    std::vector<std::string> chosen;
    EXPECT_EQ(
        Open([&](win::HWND d) {
            win::PressButton(d, ChooseGraphsControl::kClear);
            Add(d, "Barite saturation");
            Add(d, "Barite saturation");
            Add(d, "Gypsum saturation");
            Add(d, "Calcite saturation");
            Add(d, "Langelier");
            addGreyAtFour = !win::IsWindowEnabled(win::GetDlgItem(d, ChooseGraphsControl::kAdd));
            ASSERT_TRUE(Pick(d, ChooseGraphsControl::kChosen, "Calcite"));
            win::PressButton(d, ChooseGraphsControl::kRemove);
            Add(d, "Temperature Profile");
            win::SendDlgItemMessage(d, ChooseGraphsControl::kOffered, win::LB_SETCURSEL, 0, 0);
            win::SendMessage(d, win::WM_COMMAND, ChooseGraphsControl::kAdd, 0);  // a fifth
            chosen = Rows(d, ChooseGraphsControl::kChosen);
            win::PressButton(d, win::IDOK);
        }),
        4);
    EXPECT_TRUE(addGreyAtFour);
    EXPECT_EQ(chosen.size(), 4u);
    EXPECT_EQ(graphChoice.leadingWord, 0);
    EXPECT_EQ(graphChoice.count, 4);
    EXPECT_EQ(graphChoice.codes[0], 21);
    EXPECT_EQ(graphChoice.codes[1], 5);
    EXPECT_EQ(graphChoice.codes[2], 10);
    EXPECT_EQ(graphChoice.codes[3], 40);
    EXPECT_EQ(graphIndexCodes[0], 21);
    EXPECT_EQ(graphIndexCodes[3], 40);
    EXPECT_EQ(gridOrientationSet, 0);
    EXPECT_EQ(logRangeUndefined, 0);
}

TEST_F(ChooseGraphsTest, FewerThanFourLeaveTheRestEmpty) {
    EXPECT_EQ(Open([](win::HWND d) {
                  Add(d, "Barite saturation");
                  win::PressButton(d, win::IDOK);
              }),
              2);
    EXPECT_EQ(graphChoice.count, 2);
    EXPECT_EQ(graphChoice.codes[1], 21);
    EXPECT_EQ(graphChoice.codes[2], -1);
    EXPECT_EQ(graphIndexCodes[0], 0);
    EXPECT_EQ(graphIndexCodes[1], 21);
    EXPECT_EQ(graphIndexCodes[2], 0xFFFF);
    EXPECT_EQ(graphIndexCodes[3], 0xFFFF);
}

TEST_F(ChooseGraphsTest, CancelAndAnEmptyChoiceChangeNothing) {
    const GraphChoice before = graphChoice;
    auto unchanged = [&] {
        EXPECT_EQ(std::memcmp(&graphChoice, &before, sizeof before), 0);
        EXPECT_EQ(graphIndexCodes[0], 0xFFFF);
        EXPECT_EQ(gridOrientationSet, 1);
        EXPECT_EQ(logRangeUndefined, 1);
    };
    EXPECT_EQ(Open([](win::HWND d) {
                  Add(d, "Barite saturation");
                  win::PressButton(d, win::IDCANCEL);
              }),
              0);
    unchanged();
    EXPECT_EQ(Open([](win::HWND d) {
                  win::PressButton(d, ChooseGraphsControl::kClear);
                  win::PressButton(d, win::IDOK);
              }),
              0);
    unchanged();
}

// The mixing grids reach the dialog through the engine's hook once the
// treatment hooks are installed.
TEST_F(ChooseGraphsTest, TheEnginesHookRunsTheDialog) {
    EXPECT_EQ(ShowChooseGraphs(nullptr), 0);  // the default does nothing
    InstallTreatmentHooks();
    win::OnDialog(
        TreatmentDialog::kChooseGraphs,
        [](win::HWND d) {
            Add(d, "Gypsum saturation");
            win::PressButton(d, win::IDOK);
        },
        1);
    EXPECT_EQ(ShowChooseGraphs(nullptr), 2);
    EXPECT_EQ(graphChoice.codes[1], 5);
    EXPECT_TRUE(failures.empty());
}

}  // namespace
