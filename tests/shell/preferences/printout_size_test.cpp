// The printout size dialog and Output Size on Screen: what the edit and the
// scroll bar show, the wrapping arrows and the thumb, typed values in and out
// of range, OK (with or without leaving the edit) saving the file and making
// the page font anew, Cancel, and the open pages made again with that font.
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "pages/frame/page_classes.h"
#include "pages/frame/page_descriptor.h"
#include "resources/selection_dialog_ids.h"
#include "shell/mainwindow/main_window_records.h"
#include "shell/preferences/output_size_command.h"
#include "shell/preferences/preferences_records.h"
#include "shell/preferences/printout_size_dialog.h"
#include "shell/resultpages/page_routine.h"
#include "shell/settings/display_config_file.h"
#include "tests/shell/shell_fixture.h"

namespace shelltest {
namespace {

namespace C = PrintoutSizeControl;

class PrintoutSizeTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        win::SetDesktopSize(1280, 1024);
        ASSERT_EQ(Start(), 1);
        RunLoop();
        ResetPreferencesRecords();
        win::ClearMessageBoxLog();
    }
    // Runs the dialog through `steps`; what it returns (1 after OK, 0 after
    // Cancel, which the caller takes as nothing changed).
    int Open(const std::function<void(win::HWND)>& steps) {
        int opened = 0;
        win::OnDialog(
            SelectionDialogId::kPrintoutSize,
            [&](win::HWND d) {
                ++opened;
                steps(d);
            },
            1);
        const int result = ShowPrintoutSizeDlg(mainWindowState.mainWindow);
        EXPECT_EQ(opened, 1);
        return result;
    }
    static std::string Edit(win::HWND d) {
        char text[32] = {};
        win::GetDlgItemText(d, C::kLines, text, sizeof text);
        return text;
    }
    static int Bar(win::HWND d) {
        return win::GetScrollPos(win::GetDlgItem(d, C::kLinesBar), win::SB_CTL);
    }
    static void Arrow(win::HWND d, bool right) {
        win::ClickScrollArrow(win::GetDlgItem(d, C::kLinesBar), win::SB_CTL, right);
    }
    double StoredLines() const {
        const std::vector<uint8_t> file = ReadFile("zorin.cnf");
        double v = 0;
        if (file.size() >= 26) std::memcpy(&v, file.data() + 18, sizeof v);
        return v;
    }
};

TEST_F(PrintoutSizeTest, OpeningClampsAndTheArrowsWrapAndTheThumbSets) {
    for (double stored : {60.0, 20.0}) {
        displaySettings.linesPerScreen = stored;
        Open([&](win::HWND d) {
            const int shown = stored > 55 ? 55 : 25;
            EXPECT_EQ(Edit(d), std::to_string(shown));
            EXPECT_EQ(Bar(d), shown);
            Arrow(d, stored > 55);  // past the end it wraps to the other end
            const int wrapped = stored > 55 ? 25 : 55;
            EXPECT_EQ(Edit(d), std::to_string(wrapped));
            EXPECT_EQ(Bar(d), wrapped);
            EXPECT_EQ(displaySettings.linesPerScreen, wrapped);
            Arrow(d, stored > 55);
            EXPECT_EQ(displaySettings.linesPerScreen, stored > 55 ? 26 : 54);
            win::DragScrollThumb(win::GetDlgItem(d, C::kLinesBar), win::SB_CTL, 40);
            EXPECT_EQ(displaySettings.linesPerScreen, 40.0);
            EXPECT_EQ(Edit(d), "40");
            EXPECT_EQ(Bar(d), 40);
            win::PressButton(d, win::IDCANCEL);
        });
        EXPECT_EQ(displaySettings.linesPerScreen, stored > 55 ? 55.0 : 25.0)
            << "Cancel restores the value of the opening";
    }
}

// A value from 20 to 55 is stored when the edit is left; any other text stays
// as typed, leaves the stored value alone and is refused by OK, naming the
// field, the text and the range, with the dialog left open on it.
TEST_F(PrintoutSizeTest, TypedValuesInRangeAreStoredAndOthersRefusedByOk) {
    displaySettings.linesPerScreen = 50;
    Open([&](win::HWND d) {
        win::SetField(d, C::kLines, "22");  // typed and left
        EXPECT_EQ(displaySettings.linesPerScreen, 22.0);
        EXPECT_EQ(Edit(d), "22");
        for (const char* typed : {"70", "lots", "19.9", "30 lines"}) {
            win::ClearMessageBoxLog();
            win::SetField(d, C::kLines, typed);
            EXPECT_EQ(displaySettings.linesPerScreen, 22.0) << typed;
            EXPECT_EQ(Edit(d), typed);
            win::PressButton(d, win::IDOK);
            ASSERT_EQ(win::MessageBoxLog().size(), 1u) << typed;
            const std::string& told = win::MessageBoxLog()[0].text;
            EXPECT_EQ(told.find("\"" + std::string(typed) + "\""), 0u) << told;
            EXPECT_NE(told.find("Lines per screen"), std::string::npos) << told;
            EXPECT_TRUE(win::IsWindow(d)) << typed;
        }
        EXPECT_NE(win::MessageBoxLog()[0].text.find("is not a number"), std::string::npos);
        win::SetField(d, C::kLines, "70");
        win::ClearMessageBoxLog();
        win::PressButton(d, win::IDOK);
        EXPECT_EQ(win::MessageBoxLog()[0].text,
                  "\"70\" is outside the range of Lines per screen (20 to 55). Please enter a "
                  "value in that range.");
        win::SetField(d, C::kLines, "22");
        win::PressButton(d, win::IDOK);
    });
    EXPECT_EQ(StoredLines(), 22.0);
    Open([&](win::HWND d) {
        EXPECT_EQ(Edit(d), "25");
        win::PressButton(d, win::IDCANCEL);
    });
}

TEST_F(PrintoutSizeTest, OkReadsTheEditWithoutItsLosingTheFocusAndMakesThePageFont) {
    displaySettings.linesPerScreen = 50;
    win::LOGFONTA font{};
    ASSERT_GT(win::GetObjectA(screenFonts.pageFont, sizeof font, &font), 0);
    ASSERT_NE(font.lfHeight, static_cast<int>(std::trunc(1024 / 47.5)));
    const int objects = win::LiveGdiObjectCount();
    Open([&](win::HWND d) {
        // Typed and confirmed with Enter: the edit keeps the focus to the end.
        win::SetFocus(win::GetDlgItem(d, C::kLines));
        win::SetDlgItemText(d, C::kLines, "47.5");
        EXPECT_EQ(displaySettings.linesPerScreen, 50.0);
        win::SendMessage(d, win::WM_COMMAND, win::IDOK, 0);
    });
    EXPECT_EQ(displaySettings.linesPerScreen, 47.5);
    EXPECT_EQ(StoredLines(), 47.5);
    EXPECT_EQ(screenFonts.fontsMade, 1);
    // The page font drawn with now is the new size; the old one is gone (a
    // new handle may take the old one's value, so the count tells).
    ASSERT_GT(win::GetObjectA(screenFonts.pageFont, sizeof font, &font), 0);
    EXPECT_EQ(font.lfHeight, static_cast<int>(std::trunc(1024 / 47.5)));
    EXPECT_EQ(win::LiveGdiObjectCount(), objects) << "the old page font is deleted";
}

TEST_F(PrintoutSizeTest, CancelRestoresAndWritesNothingAndAFileThatCannotBeMadeIsSaid) {
    displaySettings.linesPerScreen = 50;
    const std::vector<uint8_t> file = ReadFile("zorin.cnf");
    const win::HFONT font = screenFonts.pageFont;
    EXPECT_EQ(Open([&](win::HWND d) {
                  Arrow(d, true);
                  win::SetField(d, C::kLines, "30");
                  win::PressButton(d, win::IDCANCEL);
              }),
              0);
    EXPECT_EQ(displaySettings.linesPerScreen, 50.0);
    EXPECT_EQ(ReadFile("zorin.cnf"), file);
    EXPECT_EQ(screenFonts.pageFont, font);

    fs::remove(folder / "zorin.cnf");
    fs::create_directory(folder / "zorin.cnf");
    EXPECT_EQ(Open([&](win::HWND d) {
                  win::SetField(d, C::kLines, "30");
                  win::PressButton(d, win::IDOK);
              }),
              1);
    EXPECT_EQ(displaySettings.linesPerScreen, 30.0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(
        win::MessageBoxLog()[0].text.rfind("Error: Cannot save the display settings\n\nSaving ", 0),
        0u)
        << win::MessageBoxLog()[0].text;
    EXPECT_NE(win::MessageBoxLog()[0].text.find("zorin.cnf failed: Is a directory."),
              std::string::npos)
        << win::MessageBoxLog()[0].text;
}

// Open pages are made again at their homes with the new font; the one-water
// pages once per entered water (the last one's titles stay); pages that were
// not open stay closed, the pressure pages are left alone.
TEST_F(PrintoutSizeTest, OutputSizeOnScreenMakesTheOpenPagesAgain) {
    win::HWND main = mainWindowState.mainWindow;
    resultStatus.surfaceEntered = 1;
    resultStatus.injectionEntered = 1;
    ASSERT_TRUE(ShowResultPages(main,
                                {{PageClass::kMuWater, 0},
                                 {PageClass::kMuValues, 0},
                                 {PageClass::kTempWater, 0},
                                 {PageClass::kPressWater, 0}},
                                PageCascade::kStandard, WaterSelector::kSurface));
    const win::HWND oldMu = PageWindowSlot(PageClass::kMuWater);
    const win::HWND oldTemp = PageWindowSlot(PageClass::kTempWater);
    const win::HWND pressure = PageWindowSlot(PageClass::kPressWater);
    win::RECT tempBefore{};
    win::GetWindowRect(oldTemp, &tempBefore);
    mainWindowState.currentWater = WaterSelector::kSurface;

    displaySettings.linesPerScreen = 50;
    win::OnDialog(
        SelectionDialogId::kPrintoutSize,
        [](win::HWND d) {
            win::SetField(d, C::kLines, "30");
            win::PressButton(d, win::IDOK);
        },
        1);
    win::SendMessage(main, win::WM_COMMAND, 1008, 0);

    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kSurface);
    EXPECT_FALSE(win::IsWindow(oldMu));
    EXPECT_FALSE(win::IsWindow(oldTemp));
    EXPECT_EQ(PageWindowSlot(PageClass::kPressWater), pressure);
    EXPECT_TRUE(win::IsWindow(pressure));
    for (PageClass page : {PageClass::kMuWater, PageClass::kMuValues, PageClass::kTempWater}) {
        EXPECT_TRUE(IsPageOpen(page));
        EXPECT_TRUE(win::IsWindow(PageWindowSlot(page)));
    }
    EXPECT_FALSE(IsPageOpen(PageClass::kTempValues));
    EXPECT_FALSE(IsPageOpen(PageClass::kCycledWater));
    EXPECT_EQ(win::WindowText(PageWindowSlot(PageClass::kMuWater)),
              PageTitle(PageClass::kMuWater, WaterSelector::kInjection));
    win::RECT tempAfter{};
    win::GetWindowRect(PageWindowSlot(PageClass::kTempWater), &tempAfter);
    EXPECT_EQ(tempAfter.left, tempBefore.left);
    EXPECT_EQ(tempAfter.top, tempBefore.top);
    const PageFontCell cell = MeasurePageCell(main);
    EXPECT_EQ(tempAfter.right - tempAfter.left, ResultPageWidth(PageClass::kTempWater, cell.width));
    EXPECT_GT(tempAfter.right - tempAfter.left, tempBefore.right - tempBefore.left)
        << "30 lines a screen make a wider font than 50";
}

}  // namespace
}  // namespace shelltest
