// A started program with virtual printers writing into a fresh folder, for the
// print job, report page and option dialog tests; and the skeleton report, a
// one-page report of each identification block built on the report page order.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "engine/records.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/win.h"
#include "printing/job/print_job.h"
#include "printing/options/print_option_records.h"
#include "printing/options/settings_hooks.h"
#include "printing/page/identification_blocks.h"
#include "printing/page/page_setup.h"
#include "printing/page/report_page_order.h"
#include "printing/page/report_page_records.h"
#include "printing/page/report_rules.h"
#include "printing/print_job_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "shell/settings/heading_records.h"
#include "tests/shell/shell_fixture.h"

namespace printtest {

namespace fs = std::filesystem;

// The output of a shell command with its exit status appended when not 0.
inline std::string RunTool(const std::string& command) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) return "cannot run " + command;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    const int status = pclose(pipe);
    if (status != 0) out += "\n[exit " + std::to_string(status) + "]";
    return out;
}

// A text the printer DC drew on the page under way.
struct DrawnText {
    std::string text;
    int x;
    int y;
};

class PrintTest : public shelltest::ShellTest {
  protected:
    void SetUp() override {
        shelltest::ShellTest::SetUp();
        ResetReportPageRecords();
        ResetPrintOptionRecords();
        ResetPrintSettingsHooks();
        out = folder / "out";
        UsePrinterLines("PDF | letter | 600 | colour | " + out.string() + "\n" +
                        "Grey | letter | 300 | mono | " + out.string() + "\n");
        ASSERT_EQ(Start(), 1);
        RunLoop();
        win::ClearMessageBoxLog();
    }
    void TearDown() override {
        DeleteReportFonts();
        ResetReportPageRecords();
        ResetPrintSettingsHooks();
        shelltest::ShellTest::TearDown();
    }

    static void UsePrinterLines(const std::string& lines) {
        std::vector<std::string> errors;
        win::UsePrinters(win::ParsePrinterConfig(lines, "/", &errors));
        ASSERT_TRUE(errors.empty()) << errors.front();
    }

    // A job on the printer, its document open and its first page started.
    win::HDC StartPage(const char* printer = "PDF") {
        win::AnswerPrintDialog(printer);
        win::HDC dc = BeginPrintJob();
        EXPECT_NE(dc, nullptr);
        if (dc == nullptr) return nullptr;
        printJobState.docInfo.lpszDocName = "test";
        printJobState.documentOpen = 1;
        EXPECT_EQ(SetupReportPage(0, 0), 0);
        StartPrintAbort(mainWindowState.mainWindow, mainWindowState.instance);
        EXPECT_TRUE(CheckedStartDoc());
        EXPECT_TRUE(CheckedStartPage());
        return dc;
    }
    // Ends the job started by StartPage without writing a file.
    void AbortJob() {
        printJobState.printAborted = 1;
        ReleaseReportFont();
        (void)EndPrintJob(mainWindowState.mainWindow, mainWindowState.instance);
    }

    // The texts drawn on the page under way, in order.
    static std::vector<DrawnText> Texts() {
        std::vector<DrawnText> texts;
        win::DeviceContext* dc = win::AsDc(printJobState.printerDC);
        if (dc == nullptr || dc->recording == nullptr) return texts;
        for (const win::MetaRecord& r : dc->recording->records)
            if (const auto* t = std::get_if<win::ops::Text>(&r))
                texts.push_back(DrawnText{t->text, t->p.x, t->p.y});
        return texts;
    }
    static const DrawnText* Find(const std::vector<DrawnText>& texts, const std::string& text) {
        for (const DrawnText& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }

    fs::path out;
};

// Heading lines as the heading file gives them (81 bytes each, "@@" or not).
inline void SetHeadings(const char* title, const char* first, const char* second, bool marker) {
    ResetHeadingRecords();
    std::snprintf(headingLine3, sizeof headingLine3, "%s", title);
    std::snprintf(headingLine1, sizeof headingLine1, "%s", first);
    std::snprintf(headingLine2, sizeof headingLine2, "%s", second);
    headingMarker = marker ? 1 : 0;
    printSubheadings = marker ? 0 : 1;
    printHeadings = 1;
}

// The identification block a skeleton report prints.
enum class Block { kSample, kCompact, kMixSources };

inline void Describe(SampleDescription& d, const char* name, const char* comment) {
    d = SampleDescription{};
    std::snprintf(d.text[0], sizeof d.text[0], "%s", name);
    std::snprintf(d.text[1], sizeof d.text[1], "%s", comment);
}

// A one-page report: page head, the block, three body lines, page foot.
inline void PrintSkeletonReport(Block block) {
    if (!StartReportJob()) return;
    win::HDC dc = printJobState.printerDC;
    PrintPageHead(dc, "SKELETON REPORT");
    static SampleDescription texts[3];
    switch (block) {
        case Block::kSample:
            Describe(texts[0], "North Well 7",
                     "S\xFC"
                     "d Platform");
            PrintSampleHeader(dc, surfaceWater, texts[0]);
            break;
        case Block::kCompact:
            Describe(texts[1], "Injection", "Sea water");
            Describe(texts[2], "Formation", "Reservoir B");
            PrintSampleHeaderCompact(dc, injectionWater, texts[1], formationWater, texts[2]);
            break;
        case Block::kMixSources:
            PrintMixSourceHeader(dc, multiMixState, 0);
            break;
    }
    win::SelectObject(dc, reportFonts.bodyFont);
    AdvanceLines(2);
    for (int line = 1; line <= 3; ++line) {
        const std::string body = "Body line " + std::to_string(line) +
                                 " at 25 \xF8"
                                 "F";
        win::TextOutA(dc, ColumnX(4), reportPageGrid.lineY, body.c_str(),
                      static_cast<int>(body.size()));
        AdvanceLines(1);
    }
    PrintPageFoot(dc);
    EndReportJob();
}

// The three skeleton reports as one job (singlePageJob 0, 0, 2), stopping as
// a multi-report command does when the job is cancelled.
inline void PrintSkeletonJob() {
    const Block blocks[3] = {Block::kSample, Block::kCompact, Block::kMixSources};
    win::EnableWindow(mainWindowState.mainWindow, win::FALSE);
    for (int k = 0; k < 3; ++k) {
        printJobState.singlePageJob = k < 2 ? JobPart::kFirstOrMiddle : JobPart::kLast;
        PrintSkeletonReport(blocks[k]);
        if (printJobState.printAborted != 0) break;
    }
    EndPrintSequence(mainWindowState.mainWindow);
}

// Waters and a three-water blend for the identification blocks.
inline void FillWaters() {
    surfaceWater.sampleNumber = 17;
    surfaceWater.reportDate = 1260315;  // 2026-03-15
    surfaceWater.sampleDate = 1260302;
    surfaceWater.sampleTime = 905;
    injectionWater.sampleNumber = 3;
    injectionWater.reportDate = 1260101;
    injectionWater.sampleDate = 1251231;
    injectionWater.sampleTime = 5;
    formationWater.sampleNumber = 4;
    formationWater.reportDate = 0;  // the workspace's date
    formationWater.sampleDate = 1250704;
    formationWater.sampleTime = 1430;
    multiMixState.lastWaterIndex = 2;
    Describe(multiMixState.descriptions[0], "Sea water", "");
    Describe(multiMixState.descriptions[1], "", "");  // printed as blanks
    Describe(multiMixState.descriptions[2], "Aquifer", "");
    mainWindowState.reportDate = 1260320;
}

}  // namespace printtest
