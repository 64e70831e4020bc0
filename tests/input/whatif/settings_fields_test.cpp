// The pH control of the what-if and the mixing-zone settings, filled and read
// on each dialog's own template: which acid, alkali and method buttons a
// setting checks, the pH target's default, and what the checked buttons read
// back as, with the order in which each dialog looks for a method.
#include "input/whatif/settings_fields.h"

#include <functional>
#include <vector>

#include "tests/input/waterform/form_fixture.h"

namespace formtest {
namespace {

win::INT_PTR BareProc(win::HWND, win::UINT msg, win::WPARAM, win::LPARAM) {
    return msg == win::WM_INITDIALOG ? win::TRUE : win::FALSE;
}

struct Dialog {
    int templateId;
    const PhControlIds& ids;
};
const Dialog kDialogs[] = {{DialogId::kWhatIf1200, WhatIfControl::kPhControls},
                           {DialogId::kMixZone1200, MixZoneControl::kPhControls}};

class PhControlFieldsTest : public FormTest {
  protected:
    // The ids among `ids` whose buttons are checked.
    static std::vector<int> CheckedOf(win::HWND d, std::span<const int> ids) {
        std::vector<int> on;
        for (int id : ids)
            if (Checked(d, id)) on.push_back(id);
        return on;
    }
};

TEST_F(PhControlFieldsTest, FillChecksTheDosedChemicalsAndTheMethod) {
    struct Case {
        uint16_t controlMethod, acid, alkali, prediction;
        float target;
        int acidButton, alkaliButton;  // index in the group; the last is NONE
        double shownTarget;
    };
    const Case cases[] = {
        {3, 2, 4, 5, 8.5f, 2, 4, 8.5},    // both dosed
        {1, 0, 1, 1, 14.0f, 0, 5, 14.0},  // acid only: the alkali shows NONE
        {2, 1, 0, 2, 0.0f, 3, 0, 7.0},    // alkali only; no target: 7.00
        {3, 3, 5, 0, 14.5f, 3, 5, 7.0},   // chemicals past the lists: NONE
        {0, 0, 0, 4, -1.0f, 3, 5, 7.0},   // no control: NONE for both
    };
    for (const Dialog& dialog : kDialogs) {
        for (const Case& c : cases) {
            PhControlSettings settings{};
            settings.targetPh = c.target;
            settings.phControlMethod = c.controlMethod;
            settings.phPredictionMethod = c.prediction;
            settings.acidChemical = c.acid;
            settings.alkaliChemical = c.alkali;
            OnForm(
                [&](win::HWND d) {
                    FillPhControl(d, dialog.ids, settings);
                    const PhControlIds& ids = dialog.ids;
                    EXPECT_EQ(CheckedOf(d, ids.acids), std::vector<int>{ids.acids[c.acidButton]});
                    EXPECT_EQ(CheckedOf(d, ids.alkalies),
                              std::vector<int>{ids.alkalies[c.alkaliButton]});
                    EXPECT_EQ(CheckedOf(d, ids.predictions),
                              std::vector<int>{ids.predictions[c.prediction]});
                    EXPECT_DOUBLE_EQ(Number(d, ids.phTarget), c.shownTarget);
                },
                dialog.templateId, BareProc);
        }
    }
}

TEST_F(PhControlFieldsTest, ReadTakesTheCheckedChemicalsAndTheFirstMethodInOrder) {
    constexpr int kWhatIfOrder[] = {5, 1, 2, 3, 4, 0};
    win::ClearMessageBoxLog();
    for (const Dialog& dialog : kDialogs) {
        const PhControlIds& ids = dialog.ids;
        OnForm(
            [&](win::HWND d) {
                PhControlSettings c{};
                Check(d, ids.acids[1], true);
                Check(d, ids.alkalies[3], true);
                Check(d, ids.predictions[2], true);
                Check(d, ids.predictions[5], true);
                ReadPhControl(d, ids, kWhatIfOrder, "none", c);
                EXPECT_EQ(c.acidChemical, 1);
                EXPECT_EQ(c.alkaliChemical, 3);
                EXPECT_EQ(c.phControlMethod, 3);
                EXPECT_EQ(c.phPredictionMethod, 5);  // 5 comes first in this order

                Check(d, ids.acids[1], false);
                Check(d, ids.acids[3], true);  // NONE
                ReadPhControl(d, ids, std::span(kWhatIfOrder).subspan(1), "none", c);
                EXPECT_EQ(c.acidChemical, 0xFFFF);
                EXPECT_EQ(c.phControlMethod, 2);
                EXPECT_EQ(c.phPredictionMethod, 2);

                Check(d, ids.alkalies[3], false);
                Check(d, ids.predictions[2], false);
                Check(d, ids.predictions[5], false);
                win::AnswerMessageBox("WARNING", "no method", win::IDOK);
                ReadPhControl(d, ids, kWhatIfOrder, "no method", c);
                EXPECT_EQ(c.alkaliChemical, 0xFFFF);
                EXPECT_EQ(c.phControlMethod, 0);
                EXPECT_EQ(c.phPredictionMethod, 0);  // none checked: method 0, after the message
            },
            dialog.templateId, BareProc);
        ASSERT_EQ(win::MessageBoxLog().size(), 1u);  // only when no method was checked
        win::ClearMessageBoxLog();
    }
}

}  // namespace
}  // namespace formtest
