// A result page on a fixture layout: the page classes registered as start-up
// registers them, a main window to move over, the page font, a builder that
// lays out a long table of seven value columns, and a recording analysis
// copier in place of the input side's.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/records.h"
#include "pages/frame/analysis_copy_hook.h"
#include "pages/frame/page_classes.h"
#include "pages/frame/page_descriptor.h"
#include "pages/frame/page_state_records.h"
#include "platform/win.h"
#include "printing/print_job_records.h"
#include "reporttext/report/report_builders.h"
#include "resources/program_resources.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "shell/startup/startup_records.h"

namespace pagetest {

// 60 lines: a label and seven values on each; the copy band from line 3 to
// the line below the last.
inline constexpr int kFixtureLines = 60;

inline void FixtureTable(const ReportSource&, ReportLayout& l) {
    l.title = "FIXTURE";
    for (int n = 0; n < kFixtureLines; ++n) {
        l.AddText(n, 4, "Row " + std::to_string(n));
        for (int k = 0; k < 7; ++k) l.AddValue(n, 24 + 8 * k, "   1.00");
    }
    l.NameLine(LayoutLine::kBandTop, 3);
    l.NameLine(LayoutLine::kBandBottom, kFixtureLines);
}

struct CopyCall {
    std::string label;
    int field;
    float firstValue;  // element 0 of the working analysis when the copy ran
};

inline std::vector<CopyCall>& CopyCalls() {
    static std::vector<CopyCall> calls;
    return calls;
}
inline int copierAnswer = 0;
inline int RecordCopy(const char* label, int field) {
    CopyCalls().push_back(CopyCall{label, field, currentAnalysis.values[0]});
    return copierAnswer;
}

class PageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        win::ResetGdi();
        ResetEngineRecords();
        ResetShellRecords();
        ResetStartupRecords();
        ResetPageStateRecords();
        ResetPrintJobRecords();
        ResetMultiMixRecords();
        ResetMixingProfileRecords();
        whatIfResults = WhatIfResults{};
        mixProfileTables = MixProfileTables{};
        currentAnalysis = WaterAnalysis{};
        CopyCalls().clear();
        copierAnswer = 0;
        InstallAnalysisCopier(RecordCopy);
        win::SetDesktopSize(1280, 1024);
        RegisterProgramResources();
        ASSERT_EQ(InitApplication(nullptr), 1);
        for (int p = 0; p < kReportPageCount; ++p)
            saved_[p] = SetReportBuilder(static_cast<ReportPage>(p), FixtureTable);
        // A main window without the shell's creation work, the page font and
        // the home positions that the shell's page routine would set.
        win::WNDCLASS wc;
        wc.lpfnWndProc = DefaultOnlyWndProc;
        wc.lpszClassName = "TestMainWindow";
        ASSERT_NE(win::RegisterClass(&wc), 0);
        main_ = win::CreateWindowEx(0, "TestMainWindow", "Tarvex", win::WS_OVERLAPPEDWINDOW, 0, 0,
                                    1200, 900, nullptr, nullptr, nullptr, nullptr);
        mainWindowState.mainWindow = main_;
        screenFonts.pageFont = win::CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, win::OEM_CHARSET, 0, 0,
                                                0, win::FIXED_PITCH, "courier new");
        for (int p = 0; p < kPageClassCount; ++p)
            mainWindowState.pageHome[p] = win::POINT{100 + 10 * p, 50 + 10 * p};
        win::TEXTMETRICA tm;
        win::HDC dc = win::GetDC(nullptr);
        win::HGDIOBJ old = win::SelectObject(dc, screenFonts.pageFont);
        win::GetTextMetricsA(dc, &tm);
        win::SelectObject(dc, old);
        win::ReleaseDC(nullptr, dc);
        cellWidth = tm.tmAveCharWidth;
        rowHeight = tm.tmHeight + tm.tmExternalLeading;
        lineHeight = tm.tmHeight + tm.tmHeight / 12 + tm.tmInternalLeading + tm.tmExternalLeading;
    }
    void TearDown() override {
        for (int p = 0; p < kReportPageCount; ++p)
            SetReportBuilder(static_cast<ReportPage>(p), saved_[p]);
        InstallAnalysisCopier(nullptr);
        win::ResetPlatform();
        win::ResetGdi();
    }

    // Creates and paints a page as the shell's page routine does.
    win::HWND OpenPage(PageClass page, int heightLines = 30) {
        const win::POINT home = mainWindowState.pageHome[PageIndex(page)];
        win::HWND hwnd = win::CreateWindowEx(
            0, PageClassName(page), PageTitle(page, 0), win::WS_OVERLAPPEDWINDOW | win::WS_VSCROLL,
            home.x, home.y, ResultPageWidth(page, cellWidth), heightLines * lineHeight, main_,
            nullptr, nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr);
        PageWindowSlot(page) = hwnd;
        SetPageOpen(page, true);
        win::ShowWindow(hwnd, win::SW_SHOWNORMAL);
        win::UpdateWindow(hwnd);
        return hwnd;
    }

    static win::SCROLLINFO Scroll(win::HWND hwnd) {
        win::SCROLLINFO si;
        si.fMask = win::SIF_ALL;
        win::GetScrollInfo(hwnd, win::SB_VERT, &si);
        return si;
    }

    static void Repaint(win::HWND hwnd) {
        win::InvalidateRect(hwnd, nullptr, win::TRUE);
        win::UpdateWindow(hwnd);
    }

    // A right-button press and release at a client point.
    static void RightClick(win::HWND hwnd, int x, int y) {
        win::POINT p{x, y};
        win::ClientToScreen(hwnd, &p);
        win::MouseDownAt(p, win::MouseButton::Right);
        win::RunUntilIdle();
        win::MouseUpAt(p, win::MouseButton::Right);
        win::RunUntilIdle();
    }

    win::HWND main_ = nullptr;
    int cellWidth = 0;
    int rowHeight = 0;
    int lineHeight = 0;
    ReportBuilder saved_[kReportPageCount] = {};
};

}  // namespace pagetest
