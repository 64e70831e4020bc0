// The four list choosers, driven headless through their templates: what each
// returns for a pick, how headings and disallowed transforms move the
// selection, what Cancel leaves, and the state each keeps between openings.
#include <string>

#include "resources/resource_ids.h"
#include "shell/choosers/chooser_texts.h"
#include "shell/choosers/choosers.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

using win::HWND;

int Selected(HWND dialog, int listId) {
    return static_cast<int>(win::SendDlgItemMessage(dialog, listId, win::LB_GETCURSEL, 0, 0));
}
std::string RowText(HWND dialog, int listId, int row) {
    char text[128] = {};
    win::SendDlgItemMessage(dialog, listId, win::LB_GETTEXT, static_cast<win::WPARAM>(row),
                            reinterpret_cast<win::LPARAM>(text));
    return text;
}
void SetSelection(HWND dialog, int listId, int row) {  // as the program would: no notice
    win::SendDlgItemMessage(dialog, listId, win::LB_SETCURSEL, static_cast<win::WPARAM>(row), 0);
}
// The character set of the list's font.
int ListCharSet(HWND dialog, int listId) {
    const auto font = reinterpret_cast<win::HGDIOBJ>(
        win::SendDlgItemMessage(dialog, listId, win::WM_GETFONT, 0, 0));
    win::LOGFONTA lf{};
    if (font == nullptr || win::GetObjectA(font, sizeof lf, &lf) == 0) return -1;
    return lf.lfCharSet;
}

class ChooserDialogsTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        FillSaturationLevelCodes();
    }
    char text[kChooserTextChars] = {};
};

// ---- Saturation level --------------------------------------------------------------

class ChooserDialogsSatLevel : public ChooserDialogsTest {};

TEST_F(ChooserDialogsSatLevel, StartUpFillsTheLevelCodes) {
    ResetChooserRecords();
    ASSERT_NE(Start(), 0);
    EXPECT_EQ(satLevelCodes[0], 0);
    EXPECT_EQ(satLevelCodes[21], 44);   // amorphous FeS
    EXPECT_EQ(satLevelCodes[27], 18);   // Larson-Skold
    EXPECT_EQ(satLevelCodes[49], 517);  // amorphous FeS ppt.
    EXPECT_EQ(satLevelCodes[77], 401);  // treatment dosage
}

struct PickCase {
    int row;
    int level;
    int16_t code;
    const char* name;
    bool doubleClick;
};

class ChooserDialogsSatLevelPick : public ChooserDialogsTest,
                                   public ::testing::WithParamInterface<PickCase> {};

TEST_P(ChooserDialogsSatLevelPick, ReturnsTheLevelsCodeAndShortName) {
    const PickCase& c = GetParam();
    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        win::ChooseListItem(d, ChooserList::kSatLevel, c.row, c.doubleClick);
        if (!c.doubleClick) win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(PickSaturationLevel(nullptr, text), c.code);
    EXPECT_EQ(satLevelChooser.chosenLevel, c.level);
    EXPECT_STREQ(text, c.name);
    EXPECT_TRUE(failures.empty());
}

INSTANTIATE_TEST_SUITE_P(ChooserDialogs, ChooserDialogsSatLevelPick,
                         ::testing::Values(PickCase{29, 27, 18, "Larson-Skold Index", false},
                                           PickCase{52, 49, 517, "Amorphous FeS ppt.", false},
                                           PickCase{1, 0, 0, "Calcite x Sat.", true},
                                           PickCase{31, 28, 500, "Calcite ppt.", false},
                                           PickCase{24, 22, 10, "Langelier Index", false},
                                           PickCase{81, 77, 401, "Treatment Dosage", true}));

TEST_F(ChooserDialogsSatLevel, ListsEveryRowAndShowsTheArrowInTheOemFont) {
    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        const int list = ChooserList::kSatLevel;
        EXPECT_EQ(win::SendDlgItemMessage(d, list, win::LB_GETCOUNT, 0, 0), kSatLevelRows);
        EXPECT_EQ(RowText(d, list, 0), "SATURATION LEVEL");
        EXPECT_EQ(RowText(d, list, 1), "  Calcite             [CaCO3]         x Sat.");
        EXPECT_EQ(RowText(d, list, 1).size(), 44u);  // 42 characters behind two blanks
        EXPECT_EQ(RowText(d, list, 23), "COMMON INDICES");
        EXPECT_EQ(RowText(d, list, 30), "\x19 TO EQUILIBRIUM");
        EXPECT_EQ(RowText(d, list, 31), "  Calcite             [CaCO3]         ppt.");
        EXPECT_EQ(RowText(d, list, 53), "BASIC PARAMETERS");
        EXPECT_EQ(RowText(d, list, 54), "  pH");
        EXPECT_EQ(ListCharSet(d, list), win::OEM_CHARSET);
        EXPECT_EQ(Selected(d, list), 1);  // level 0 at the first opening
        win::PressButton(d, win::IDCANCEL);
    });
    (void)PickSaturationLevel(nullptr, text);
    for (int row = 1; row < kSatLevelRows; ++row) {
        if (IsSatLevelHeading(row)) continue;
        EXPECT_EQ(SatLevelRowText(row).substr(0, 2), "  ") << row;
        EXPECT_EQ(SatLevelToRow(SatLevelRowToLevel(row)), row);
    }
}

TEST_F(ChooserDialogsSatLevel, OkOnAHeadingSelectsTheRowBelowAndStaysOpen) {
    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        SetSelection(d, ChooserList::kSatLevel, 23);  // "COMMON INDICES"
        win::PressButton(d, win::IDOK);
        EXPECT_TRUE(win::IsWindow(d));
        EXPECT_EQ(Selected(d, ChooserList::kSatLevel), 24);
        EXPECT_EQ(RowText(d, ChooserList::kSatLevel, 24), "  Langelier Index");
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(PickSaturationLevel(nullptr, text), 10);
    EXPECT_STREQ(text, "Langelier Index");
    EXPECT_TRUE(failures.empty());
}

struct HeadingCase {
    int from;
    int to;
    int landsOn;
};

TEST_F(ChooserDialogsSatLevel, AHeadingReachedBySelectionGivesWayInTheDirectionOfTravel) {
    const HeadingCase cases[] = {
        {22, 23, 24},                                         // from above: the row below
        {24, 23, 22},                                         // from below: the row above
        {29, 30, 31}, {52, 53, 54}, {54, 53, 52}, {5, 0, 1},  // the first row has nothing above
    };
    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        for (const HeadingCase& c : cases) {
            win::ChooseListItem(d, ChooserList::kSatLevel, c.from);
            ASSERT_EQ(Selected(d, ChooserList::kSatLevel), c.from);
            win::ChooseListItem(d, ChooserList::kSatLevel, c.to);
            EXPECT_EQ(Selected(d, ChooserList::kSatLevel), c.landsOn) << c.from << " to " << c.to;
        }
        // The keyboard goes the same way: down from 22 passes over the heading.
        win::ChooseListItem(d, ChooserList::kSatLevel, 22);
        win::PressKey(win::VK_DOWN);
        EXPECT_EQ(Selected(d, ChooserList::kSatLevel), 24);
        win::PressButton(d, win::IDCANCEL);
    });
    (void)PickSaturationLevel(nullptr, text);
}

TEST_F(ChooserDialogsSatLevel, AfterCancelTheNextOpeningSelectsNoRow) {
    win::OnDialog(
        DialogId::kSatLevelChooser, [](HWND d) { win::PressButton(d, win::IDCANCEL); }, 1);
    std::strcpy(text, "stale");
    EXPECT_EQ(PickSaturationLevel(nullptr, text), -1);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(satLevelChooser.chosenLevel, kSatLevelCancelled);

    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kSatLevel), win::LB_ERR);
        win::PressButton(d, win::IDOK);  // nothing chosen: stays open
        EXPECT_TRUE(win::IsWindow(d));
        win::ChooseListItem(d, ChooserList::kSatLevel, 58);  // "Magnesium", level 54
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(PickSaturationLevel(nullptr, text), 108);
    EXPECT_STREQ(text, "Magnesium");

    // The next opening is on that row.
    win::OnDialog(DialogId::kSatLevelChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kSatLevel), 58);
        win::PressButton(d, win::IDCANCEL);
    });
    EXPECT_EQ(PickSaturationLevel(nullptr, text), -1);
    EXPECT_TRUE(failures.empty());
}

// ---- Dosage graph ----------------------------------------------------------------

class ChooserDialogsDosage : public ChooserDialogsTest {};

TEST_F(ChooserDialogsDosage, OpensOnTheStoredRowOrTheFirstAndCancelGivesMinusOne) {
    dosageGraphChooser.chosenRow = 7;
    win::OnDialog(DialogId::kDosageGraphChooser, [&](HWND d) {
        EXPECT_EQ(win::SendDlgItemMessage(d, ChooserList::kDosageGraph, win::LB_GETCOUNT, 0, 0), 4);
        EXPECT_EQ(RowText(d, ChooserList::kDosageGraph, Selected(d, ChooserList::kDosageGraph)),
                  "Scale Inhibitor Dosage");
        win::ChooseListItem(d, ChooserList::kDosageGraph, 2, true);
    });
    EXPECT_EQ(ChooseDosageGraph(nullptr, 0, text), 2);
    EXPECT_STREQ(text, "General Corrosion Rate");

    win::OnDialog(DialogId::kDosageGraphChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kDosageGraph), 2);
        win::ChooseListItem(d, ChooserList::kDosageGraph, 3);
        win::PressButton(d, win::IDCANCEL);
    });
    EXPECT_EQ(ChooseDosageGraph(nullptr, 0, text), -1);
    EXPECT_STREQ(text, "General Corrosion Rate");  // the last text chosen

    win::OnDialog(DialogId::kDosageGraphChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kDosageGraph), 0);  // -1 opens on the first row
        win::ChooseListItem(d, ChooserList::kDosageGraph, 1);
        win::PressButton(d, win::IDOK);
    });
    char small[8];
    EXPECT_EQ(ChooseDosageGraph(nullptr, 0, small), 1);
    EXPECT_STREQ(small, "Corrosi");  // cut to the caller's buffer
    EXPECT_TRUE(failures.empty());
}

// ---- Mineral graph -----------------------------------------------------------------

class ChooserDialogsMineral : public ChooserDialogsTest {};

TEST_F(ChooserDialogsMineral, OkWritesTheMineralPositionAndStartsOverAtTheFirstRow) {
    mineralGraphChooser.chosenRow = 5;
    graphChoice.mineralPosition = -7;
    win::OnDialog(DialogId::kMineralGraphChooser, [&](HWND d) {
        const int list = ChooserList::kMineralGraph;
        EXPECT_EQ(win::SendDlgItemMessage(d, list, win::LB_GETCOUNT, 0, 0), 21);
        EXPECT_EQ(ListCharSet(d, list), win::OEM_CHARSET);
        EXPECT_EQ(Selected(d, list), 5);  // the stored row, not the requested code
        EXPECT_EQ(RowText(d, list, 0), "Calcite                CaCO3");
        EXPECT_EQ(RowText(d, list, 12), "Hydroxyapatite Ca5(PO4)3(OH)");
        for (int row = 0; row < 21; ++row) EXPECT_EQ(RowText(d, list, row).size(), 28u) << row;
        win::ChooseListItem(d, list, 9);
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(ChooseMineralGraph(nullptr, 21, text), 0);
    EXPECT_EQ(mineralGraphChooser.requestedCode, 21);
    EXPECT_EQ(graphChoice.mineralPosition, 9);
    EXPECT_EQ(mineralGraphChooser.chosenRow, 0);
    EXPECT_STREQ(text, "Barite                 BaSO4");

    // Cancel changes nothing; the list opened on the first row again.
    win::OnDialog(DialogId::kMineralGraphChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kMineralGraph), 0);
        win::PressButton(d, win::IDCANCEL);
    });
    EXPECT_EQ(ChooseMineralGraph(nullptr, 37, text), 0);
    EXPECT_EQ(graphChoice.mineralPosition, 9);
    EXPECT_STREQ(text, "Barite                 BaSO4");
    EXPECT_TRUE(failures.empty());
}

// ---- Axis transform ----------------------------------------------------------------

struct TransformMove {
    int kind;
    int picked;
    int landsOn;  // -1: nothing selected
};

class ChooserDialogsAxis : public ChooserDialogsTest {};

TEST_F(ChooserDialogsAxis, RowsTheAxisKindRulesOutMoveOn) {
    const TransformMove moves[] = {
        {2, 1, 2}, {2, 3, 4}, {2, 5, -1}, {2, 0, 0}, {2, 4, 4},  // DEACTIVATE, LOG(X-1), 1/RT
        {0, 5, 0}, {0, 1, 1}, {0, 3, 3},                         // 1/RT
        {1, 3, 4}, {1, 5, 5},                                    // LOG(X-1)
        {7, 5, 5}, {7, 1, 1},                                    // any other kind: all rows
    };
    for (const TransformMove& m : moves) {
        win::OnDialog(
            DialogId::kAxisTransformChooser,
            [&](HWND d) {
                win::ChooseListItem(d, ChooserList::kAxisTransform, m.picked);
                EXPECT_EQ(Selected(d, ChooserList::kAxisTransform),
                          m.landsOn < 0 ? win::LB_ERR : m.landsOn)
                    << "kind " << m.kind << " row " << m.picked;
                win::PressButton(d, win::IDOK);
                if (m.landsOn < 0) {  // nothing selected: OK chooses nothing
                    EXPECT_TRUE(win::IsWindow(d));
                    win::PressButton(d, win::IDCANCEL);
                }
            },
            1);
        const int result = ChooseAxisTransform(nullptr, 1, m.kind, text);
        EXPECT_EQ(result, m.landsOn < 0 ? 1 : m.landsOn - 1) << m.kind << " " << m.picked;
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(ChooserDialogsAxis, OpensOnTheCurrentTransformAndCancelKeepsIt) {
    win::OnDialog(DialogId::kAxisTransformChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kAxisTransform), 4);  // current 3: "1/X"
        win::ChooseListItem(d, ChooserList::kAxisTransform, 2, true);
    });
    EXPECT_EQ(ChooseAxisTransform(nullptr, 3, 0, text), 1);
    EXPECT_STREQ(text, "LOG(X)");
    EXPECT_EQ(axisTransformChooser.transform, 1);

    win::OnDialog(DialogId::kAxisTransformChooser, [&](HWND d) {
        win::ChooseListItem(d, ChooserList::kAxisTransform, 5);
        win::PressButton(d, win::IDCANCEL);
    });
    EXPECT_EQ(ChooseAxisTransform(nullptr, -1, 7, text), -1);
    EXPECT_STREQ(text, "AS IS");
    EXPECT_EQ(axisTransformChooser.transform, kTransformCancelled);

    // A current value that is no transform opens on no row; Cancel gives it
    // back with no text.
    win::OnDialog(DialogId::kAxisTransformChooser, [&](HWND d) {
        EXPECT_EQ(Selected(d, ChooserList::kAxisTransform), win::LB_ERR);
        win::PressButton(d, win::IDCANCEL);
    });
    EXPECT_EQ(ChooseAxisTransform(nullptr, 40, 0, text), 40);
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(failures.empty());
}

}  // namespace
}  // namespace shelltest
