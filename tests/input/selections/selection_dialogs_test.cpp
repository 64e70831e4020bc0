// The windows-to-display and print-selection dialogs: clicks flip words and
// the checks follow, the "Select All" buttons set their words and no others,
// Cancel restores the whole list, OK writes zorin.cnf (or says it cannot),
// the version gate of Dosage and "Corrosion Rate", and the template chosen by
// the desktop's height.
#include "input/selections/selection_dialogs.h"

#include <algorithm>
#include <functional>
#include <span>

#include "input/selections/selection_records.h"
#include "resources/selection_boxes.h"
#include "resources/selection_dialog_ids.h"
#include "shell/settings/display_config_file.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

namespace D = SelectionDialogId;

struct Case {
    const char* name;
    int templateId;
    int (*show)(win::HWND owner);
    uint32_t* list;
    int words;
    std::span<const SelectionBox> boxes;
    size_t fileOffset;  // where the list starts in zorin.cnf
};

std::vector<Case> Cases() {
    return {
        {"surface", D::kSurfaceWindows, ShowSurfaceWindows, displaySettings.surfaceWindowsShown,
         kWindowSwitchCount, kSurfaceBoxes, 26},
        {"mixed", D::kMixedWindows, ShowMixedWindows, displaySettings.mixedWindowsShown,
         kWindowSwitchCount, kMixedBoxes, 146},
        {"chemistry", D::kChemItemsCompact, ShowChemItemsToPrint,
         displaySettings.chemistryItemsHidden, kReportItemSwitchCount, kChemistryBoxes, 266},
        {"indicators", D::kIndicatorsCompact, ShowIndicatorsToPrint,
         displaySettings.indicatorItemsHidden, kReportItemSwitchCount, kIndicatorBoxes, 522},
    };
}

class SelectionDialogTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_EQ(Start(), 1);
        RunLoop();
        ResetSelectionRecords();
        win::ClearMessageBoxLog();
    }
    // Opens the case's dialog through its opener; `steps` runs inside and
    // ends it.
    void Open(const Case& c, const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            c.templateId,
            [&](win::HWND d) {
                ++opened;
                steps(d);
            },
            1);
        EXPECT_EQ(c.show(mainWindowState.mainWindow), 0);
        EXPECT_EQ(opened, 1) << c.name;
    }
    static bool Checked(win::HWND d, int id) {
        return win::IsDlgButtonChecked(d, id) == win::BST_CHECKED;
    }
};

TEST_F(SelectionDialogTest, AClickFlipsItsWordAndTheCheckFollowsAndCancelPutsAllBack) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        // Every word of the list set to a pattern, words no box shows included.
        for (int w = 0; w < c.words; ++w) c.list[w] = w % 3 == 0 ? 1u : 0u;
        const std::vector<uint32_t> before(c.list, c.list + c.words);
        const std::vector<uint8_t> file = ReadFile("zorin.cnf");
        Open(c, [&](win::HWND d) {
            for (const SelectionBox& box : c.boxes) {
                EXPECT_EQ(Checked(d, box.id), before[box.word] == 0) << box.id;
                win::PressButton(d, box.id);
                EXPECT_EQ(c.list[box.word], before[box.word] == 0 ? 1u : 0u) << box.id;
                EXPECT_EQ(Checked(d, box.id), c.list[box.word] == 0) << box.id;
            }
            if (c.words == kReportItemSwitchCount) {
                win::PressButton(d, c.boxes[0].id == 322 ? SelectionControl::kSelectAllSaturation
                                                         : SelectionControl::kSelectAllChemistry);
            }
            win::PressButton(d, win::IDCANCEL);
        });
        EXPECT_EQ(std::vector<uint32_t>(c.list, c.list + c.words), before);
        EXPECT_EQ(ReadFile("zorin.cnf"), file) << "Cancel wrote the configuration file";
    }
}

TEST_F(SelectionDialogTest, SelectAllSetsItsOwnWordsAndNoOthers) {
    const Case indicators = Cases()[3];
    struct Expect {
        int button;
        std::vector<int> words;
    };
    std::vector<int> saturation, excess, indices;
    for (int w = 0; w <= 20; ++w) saturation.push_back(w);
    saturation.push_back(53);
    for (int w = 21; w <= 41; ++w) excess.push_back(w);
    excess.push_back(54);
    for (int w = 42; w <= 52; ++w) indices.push_back(w);
    for (const Expect& e : {Expect{SelectionControl::kSelectAllSaturation, saturation},
                            Expect{SelectionControl::kSelectAllExcess, excess},
                            Expect{SelectionControl::kSelectAllIndices, indices}}) {
        SCOPED_TRACE(e.button);
        std::fill_n(displaySettings.indicatorItemsHidden, kReportItemSwitchCount, 1u);
        Open(indicators, [&](win::HWND d) {
            win::PressButton(d, e.button);
            for (const SelectionBox& box : kIndicatorBoxes)
                EXPECT_EQ(Checked(d, box.id), displaySettings.indicatorItemsHidden[box.word] == 0);
            win::PressButton(d, win::IDOK);
        });
        for (int w = 0; w < kReportItemSwitchCount; ++w) {
            const bool set = std::find(e.words.begin(), e.words.end(), w) != e.words.end();
            EXPECT_EQ(displaySettings.indicatorItemsHidden[w], set ? 0u : 1u) << w;
        }
    }

    std::fill_n(displaySettings.chemistryItemsHidden, kReportItemSwitchCount, 1u);
    Open(Cases()[2], [&](win::HWND d) {
        win::PressButton(d, SelectionControl::kSelectAllChemistry);
        EXPECT_TRUE(Checked(d, 260));
        win::PressButton(d, win::IDOK);
    });
    for (int w = 0; w < kReportItemSwitchCount; ++w)
        EXPECT_EQ(displaySettings.chemistryItemsHidden[w], 0u) << w;
}

TEST_F(SelectionDialogTest, OkWritesTheConfigurationFileOrSaysItCannot) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        fs::remove(folder / "zorin.cnf");
        const SelectionBox& box = c.boxes[1];
        Open(c, [&](win::HWND d) {
            win::PressButton(d, box.id);
            win::PressButton(d, win::IDOK);
        });
        const std::vector<uint8_t> file = ReadFile("zorin.cnf");
        ASSERT_EQ(file.size(), static_cast<size_t>(kDisplayConfigBytes));
        const size_t at = c.fileOffset + 4 * static_cast<size_t>(box.word);
        EXPECT_EQ(file[at], 1);
        EXPECT_EQ(c.list[box.word], 1u);
    }
    EXPECT_TRUE(win::MessageBoxLog().empty());

    // A folder where the file should be: it can be neither opened nor
    // created. The user is told; the choice stays in memory.
    fs::remove(folder / "zorin.cnf");
    fs::create_directory(folder / "zorin.cnf");
    const Case surface = Cases()[0];
    displaySettings.surfaceWindowsShown[0] = 0;
    Open(surface, [&](win::HWND d) {
        win::PressButton(d, 216);
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(displaySettings.surfaceWindowsShown[0], 1u);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(
        win::MessageBoxLog()[0].text.rfind("Error: Cannot save the display settings\n\nSaving ", 0),
        0u)
        << win::MessageBoxLog()[0].text;
    EXPECT_NE(win::MessageBoxLog()[0].text.find("zorin.cnf failed: Is a directory."),
              std::string::npos)
        << win::MessageBoxLog()[0].text;
    EXPECT_EQ(win::MessageBoxLog()[0].type & win::MB_ICONINFORMATION, win::MB_ICONINFORMATION);
}

TEST_F(SelectionDialogTest, BeforeVersion201DosageAndCorrosionRateAreUncheckedAndGreyed) {
    const Case chemistry = Cases()[2];
    for (int16_t version : {int16_t{200}, int16_t{201}}) {
        SCOPED_TRACE(version);
        configVersion = version;
        std::fill_n(displaySettings.chemistryItemsHidden, kReportItemSwitchCount, 0u);
        Open(chemistry, [&](win::HWND d) {
            for (int id : {kDosageBox, kCorrosionRateBox}) {
                EXPECT_EQ(Checked(d, id), version >= 201) << id;
                EXPECT_EQ(win::IsWindowEnabled(win::GetDlgItem(d, id)) != 0, version >= 201) << id;
            }
            EXPECT_TRUE(Checked(d, 260));
            win::PressButton(d, win::IDCANCEL);
        });
    }
}

TEST_F(SelectionDialogTest, ThePrintSelectionsTakeTheirTemplateByTheDesktopHeight) {
    const int heights[] = {480, 900, 901, 1279, 1280, 1599, 1600, 2160};
    const int chemistry[] = {185, 185, 183, 183, 184, 184, 183, 183};
    const int indicators[] = {189, 189, 187, 187, 188, 188, 187, 187};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ChemItemsTemplate(heights[i]), chemistry[i]) << heights[i];
        EXPECT_EQ(IndicatorsTemplate(heights[i]), indicators[i]) << heights[i];
    }
    // The opener asks the desktop; every variant carries every box.
    for (int i = 0; i < 8; ++i) {
        win::SetDesktopSize(heights[i] * 4 / 3, heights[i]);
        for (Case c : {Cases()[2], Cases()[3]}) {
            c.templateId = c.show == ShowChemItemsToPrint ? chemistry[i] : indicators[i];
            Open(c, [&](win::HWND d) {
                for (const SelectionBox& box : c.boxes)
                    EXPECT_NE(win::GetDlgItem(d, box.id), nullptr) << box.id;
                win::PressButton(d, win::IDCANCEL);
            });
        }
    }
    EXPECT_EQ(NoOpMenuHandler(mainWindowState.mainWindow), 0);
}

}  // namespace
}  // namespace shelltest
