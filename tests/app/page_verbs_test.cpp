// The page verbs of scripts on a page opened by the test: the script lines
// parse, and run through the script runner they drag, right-click, log,
// save the page's text and close the page.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_log.h"
#include "app/script.h"
#include "app/script_runner.h"
#include "pages/frame/analysis_copy_hook.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_state_records.h"
#include "platform/win.h"
#include "reporttext/report/report_builders.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace {

namespace fs = std::filesystem;

void TwoLines(const ReportSource&, ReportLayout& l) {
    l.title = "WATER CHEMISTRY VERSUS pH";
    l.AddText(0, 2, "pH");
    for (int k = 0; k < 7; ++k) l.AddValue(0, 24 + 8 * k, "   7.00");
    l.AddText(1, 2, "H_2S");
    l.NameLine(LayoutLine::kBandTop, 0);
    l.NameLine(LayoutLine::kBandBottom, 2);
}

std::vector<std::string> copies;
int RecordCopy(const char* label, int) {
    copies.push_back(label);
    return 0;
}

TEST(PageVerbs, ParseWithTheirArguments) {
    std::vector<ScriptAction> a;
    std::string error;
    ASSERT_TRUE(
        ParseScript("drag DisplaypHWater -40 25\nrclick DisplaypHWater 30 4\n"
                    "close DisplaypHWater\nwhere DisplaypHWater\n"
                    "text DisplaypHWater out/page one.txt\n",
                    a, error))
        << error;
    ASSERT_EQ(a.size(), 5u);
    EXPECT_EQ(a[0].verb, ScriptAction::Verb::kDrag);
    EXPECT_EQ(a[0].number, -40);
    EXPECT_EQ(a[0].control, 25);
    EXPECT_EQ(a[1].verb, ScriptAction::Verb::kRightClick);
    EXPECT_EQ(a[1].className, "DisplaypHWater");
    EXPECT_EQ(a[2].verb, ScriptAction::Verb::kClose);
    EXPECT_EQ(a[3].verb, ScriptAction::Verb::kWhere);
    EXPECT_EQ(a[4].text, "out/page one.txt");
    for (const char* bad : {"drag DisplaypHWater 4", "rclick DisplaypHWater x 4", "close",
                            "where a b", "text DisplaypHWater", "drag P 1 2 3"}) {
        std::vector<ScriptAction> none;
        EXPECT_FALSE(ParseScript(bad, none, error)) << bad;
    }
}

TEST(PageVerbs, RunOnAnOpenPage) {
    win::ResetPlatform();
    win::ResetGdi();
    ResetShellRecords();
    ResetStartupRecords();
    ResetPageStateRecords();
    copies.clear();
    const fs::path folder =
        fs::temp_directory_path() / ("tarvex_page_verbs_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    std::vector<std::string> failures;
    win::SetScriptFailureHandler([&failures](const std::string& w) { failures.push_back(w); });
    RegisterProgramResources();
    ASSERT_EQ(InitApplication(nullptr), 1);
    const ReportBuilder saved = SetReportBuilder(ReportPage::kProfileChemistry, TwoLines);
    InstallAnalysisCopier(RecordCopy);
    screenFonts.pageFont = win::CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, win::OEM_CHARSET, 0, 0, 0,
                                            win::FIXED_PITCH, "courier new");
    win::HWND page = win::CreateWindowEx(0, "DisplaypHWater", "WATER CHEMISTRY VERSUS pH",
                                         win::WS_OVERLAPPEDWINDOW | win::WS_VSCROLL, 100, 100, 700,
                                         400, nullptr, nullptr, nullptr, nullptr);
    PageWindowSlot(PageClass::kPhWater) = page;
    SetPageOpen(PageClass::kPhWater, true);
    win::ShowWindow(page, win::SW_SHOWNORMAL);
    win::UpdateWindow(page);

    const std::string textPath = (folder / "page.txt").string();
    std::vector<ScriptAction> actions;
    std::string error;
    ASSERT_TRUE(
        ParseScript("where DisplaypHWater\ndrag DisplaypHWater 30 -20\n"
                    "where DisplaypHWater\nrclick DisplaypHWater 26 1\n"
                    "text DisplaypHWater " +
                        textPath + "\nclose DisplaypHWater\nwhere DisplaypHWater\n",
                    actions, error));
    RunLog log;
    ASSERT_TRUE(log.Open((folder / "run.log").string(), folder.string()));
    ScriptRunner runner(actions, log);
    for (int i = 0; i < 20 && runner.Feed(); ++i) win::RunUntilIdle();
    log.Close(0);

    std::stringstream logText;
    logText << std::ifstream(folder / "run.log").rdbuf();
    EXPECT_NE(logText.str().find("where DisplaypHWater: 100,100 - 800,500"), std::string::npos)
        << logText.str();
    EXPECT_NE(logText.str().find("where DisplaypHWater: 130,80 - 830,480"), std::string::npos)
        << logText.str();
    ASSERT_EQ(copies.size(), 1u);  // the cell of point 0 on the first line
    std::stringstream text;
    text << std::ifstream(textPath, std::ios::binary).rdbuf();
    std::string pHLine = "  pH" + std::string(20, ' ') + "   7.00";
    for (int k = 1; k < 7; ++k) pHLine += "    7.00";
    EXPECT_EQ(text.str(), "WATER CHEMISTRY VERSUS pH\r\n\r\n" + pHLine + "\r\n  H2S\r\n");
    EXPECT_FALSE(win::IsWindow(page));
    EXPECT_FALSE(IsPageOpen(PageClass::kPhWater));
    ASSERT_EQ(failures.size(), 1u);  // the last where: the page is gone
    EXPECT_NE(failures[0].find("no page of class"), std::string::npos);

    SetReportBuilder(ReportPage::kProfileChemistry, saved);
    InstallAnalysisCopier(nullptr);
    win::SetScriptFailureHandler(nullptr);
    win::ResetPlatform();
    win::ResetGdi();
    fs::remove_all(folder);
}

// A page of sixty lines for the scroll names.
void SixtyLines(const ReportSource&, ReportLayout& l) {
    l.title = "WATER CHEMISTRY VERSUS pH";
    for (int line = 0; line < 60; ++line) l.AddText(line, 2, "row " + std::to_string(line));
}

TEST(PageVerbs, ScrollTopAndBottomReachTheEndsOfThePage) {
    std::vector<ScriptAction> parsed;
    std::string error;
    ASSERT_TRUE(
        ParseScript("scroll DisplaypHWater bottom\nscroll DisplaypHWater top 2\n", parsed, error))
        << error;
    EXPECT_EQ(parsed[1].text, "top");
    EXPECT_EQ(parsed[1].number, 2);
    EXPECT_FALSE(ParseScript("scroll DisplaypHWater middle", parsed, error));

    win::ResetPlatform();
    win::ResetGdi();
    ResetShellRecords();
    ResetStartupRecords();
    ResetPageStateRecords();
    RegisterProgramResources();
    ASSERT_EQ(InitApplication(nullptr), 1);
    const ReportBuilder saved = SetReportBuilder(ReportPage::kProfileChemistry, SixtyLines);
    screenFonts.pageFont = win::CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, win::OEM_CHARSET, 0, 0, 0,
                                            win::FIXED_PITCH, "courier new");
    win::HWND page = win::CreateWindowEx(0, "DisplaypHWater", "WATER CHEMISTRY VERSUS pH",
                                         win::WS_OVERLAPPEDWINDOW | win::WS_VSCROLL, 100, 100, 700,
                                         400, nullptr, nullptr, nullptr, nullptr);
    win::ShowWindow(page, win::SW_SHOWNORMAL);
    win::UpdateWindow(page);
    win::SCROLLINFO si;
    si.fMask = win::SIF_ALL;
    win::GetScrollInfo(page, win::SB_VERT, &si);
    ASSERT_GT(si.nMax, static_cast<int>(si.nPage));

    const fs::path folder =
        fs::temp_directory_path() / ("tarvex_page_scroll_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    RunLog log;
    ASSERT_TRUE(log.Open((folder / "run.log").string(), folder.string()));
    std::vector<ScriptAction> down;
    ASSERT_TRUE(ParseScript("scroll DisplaypHWater bottom\n", down, error));
    ScriptRunner toBottom(down, log);
    for (int i = 0; i < 5 && toBottom.Feed(); ++i) win::RunUntilIdle();
    win::RunUntilIdle();
    EXPECT_EQ(win::GetScrollPos(page, win::SB_VERT), si.nMax - static_cast<int>(si.nPage) + 1);

    std::vector<ScriptAction> up;
    ASSERT_TRUE(ParseScript("scroll DisplaypHWater top\n", up, error));
    ScriptRunner toTop(up, log);
    for (int i = 0; i < 5 && toTop.Feed(); ++i) win::RunUntilIdle();
    win::RunUntilIdle();
    EXPECT_EQ(win::GetScrollPos(page, win::SB_VERT), 0);
    log.Close(0);

    win::DestroyWindow(page);
    SetReportBuilder(ReportPage::kProfileChemistry, saved);
    win::ResetPlatform();
    win::ResetGdi();
    fs::remove_all(folder);
}

}  // namespace
