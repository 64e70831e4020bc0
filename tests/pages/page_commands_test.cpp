// The result pages' menu commands: which ids each page acts on, the kinds and
// failure texts of the copies, PRINT and PRINT ALL WINDOWS through recording
// printed reports, the alkalinity rows redrawn in place, choosing a product,
// changing a range and CLOSE ALL PAGES.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "pages/commands/page_command_handlers.h"
#include "pages/frame/page_probe.h"
#include "platform/dialogs/dialog.h"
#include "platform/drivers/script.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/build_report.h"
#include "reporttext/report_buffer_records.h"
#include "resources/resource_ids.h"
#include "reporttext/profilepages/alkalinity_block.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "tests/pages/page_fixture.h"
#include "treatment/treatment_dialog_ids.h"

namespace pagetest {
namespace {

using C = PageClass;
namespace P = PageCommand;

const unsigned kMenuIds[] = {P::kRichTextCopy,
                             P::kRichTextCopyAll,
                             P::kCopyAllAsRichText,
                             P::kSaveAllToRichText,
                             P::kSaveToRichText,
                             P::kCopyForExcel,
                             P::kCopy,
                             P::kCopyAll,
                             P::kChooseProduct,
                             P::kChangeRange,
                             P::kPrint,
                             P::kPrintAll,
                             P::kClose,
                             P::kAlkalinityPm,
                             P::kAlkalinitySpecies,
                             P::kCloseAll};

// The ids each page acts on, as the command table of the pages lists them:
// every item of the page's menu (the rich-text and spreadsheet copies too),
// and the ids of the same act in the other menus.
std::map<C, std::vector<unsigned>> ActedOn() {
    const std::vector<unsigned> m11 = {1013, 1018, 985, 994, 1074, 1028, 750, 751, 752};
    const std::vector<unsigned> m12 = {1013, 1018, 1072, 1073, 985, 994, 1074,
                                       1028, 997,  999,  750,  751, 752};
    const std::vector<unsigned> m17 = {1013, 1018, 985, 994, 1074, 1028,
                                       999,  750,  751, 752, 753,  754};
    auto plus = [](std::vector<unsigned> v, std::initializer_list<unsigned> more) {
        v.insert(v.end(), more);
        return v;
    };
    return {
        {C::kMuWater, plus(m11, {755})},
        {C::kMuValues, plus(m11, {755})},
        {C::kMixedWaterOut, plus(m11, {755})},
        {C::kMixedValuesOut, plus(m11, {755})},
        {C::kMixedWater, plus(m11, {755})},
        {C::kMixedValues, plus(m11, {755})},
        {C::kCycledWater, m12},
        {C::kPhWater, m12},
        {C::kPressWater, m12},
        {C::kCycledValues, m17},
        {C::kPhValues, m17},
        {C::kPressValues, m17},
    };
}

struct PrintCall {
    std::string report;
    int argument;
    uint32_t singlePageJob;
    uint32_t renderTarget;
    bool pageEnabled;
};
std::vector<PrintCall>& PrintCalls() {
    static std::vector<PrintCall> calls;
    return calls;
}
win::HWND printingPage = nullptr;
int abortAtCall = -1;  // the call (from 0) after which the user cancels

void Record(const char* report, int argument) {
    PrintCalls().push_back(PrintCall{report, argument, printJobState.singlePageJob,
                                     graphOutputFlags.renderTarget,
                                     win::IsWindowEnabled(printingPage) != 0});
    if (static_cast<int>(PrintCalls().size()) - 1 == abortAtCall) printJobState.printAborted = 1;
}

void InstallRecorders() {
    PagePrinters p;
    p.chemistryReport = [](int k) { Record("chemistry", k); };
    p.indicatorsReport = [](int k) { Record("indicators", k); };
    p.whatIfChemistry = [](int k) { Record("whatif chemistry", k); };
    p.whatIfIndicators = [](int k) { Record("whatif indicators", k); };
    p.ratioChemistry = [] { Record("ratio chemistry", 0); };
    p.ratioIndicators = [] { Record("ratio indicators", 0); };
    p.mixIndicatorsReport = [] { Record("mix indicators report", 0); };
    p.mixChemistryTable = [] { Record("mix chemistry table", 0); };
    p.mixIndicatorsTable = [] { Record("mix indicators table", 0); };
    InstallPagePrinters(p);
}

class PageCommandTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        SetReportBuilder(ReportPage::kWaterChemistry, saved_[0]);
        SetReportBuilder(ReportPage::kWaterIndicators, saved_[1]);
        ResetReportBufferRecords();
        resultStatus = ResultStatus{};
        graphOutputFlags = GraphOutputFlags{};
        clipboardFormats.cfRichText = win::RegisterClipboardFormat("rich text format");
        PrintCalls().clear();
        abortAtCall = -1;
        InstallRecorders();
        win::ClearMessageBoxLog();
    }
    void TearDown() override {
        ResetPagePrinters();
        PageTest::TearDown();
    }
    win::HWND Open(C page, int water = 0) {
        mainWindowState.currentWater = water;
        win::HWND h = OpenPage(page);
        printingPage = h;
        return h;
    }
    static void Command(win::HWND page, unsigned id) {
        win::SendMessage(page, win::WM_COMMAND, id, 0);
        win::RunUntilIdle();
    }
    static std::string ClipboardText(win::UINT format = win::CF_TEXT) {
        const std::vector<uint8_t> bytes = win::ClipboardBytes(format);
        std::string text(bytes.begin(), bytes.end());
        return text.substr(0, text.find('\0'));
    }
    static std::string Report(int kind) {
        reportBuffer.rtfMode = 0;
        if (BuildReport(kind) != 0) return "<failed>";
        std::string text(static_cast<const char*>(win::GlobalLock(reportBuffer.handle)));
        win::GlobalUnlock(reportBuffer.handle);
        win::GlobalFree(reportBuffer.handle);
        reportBuffer.handle = nullptr;
        return text;
    }
    static std::vector<std::string> Reports() {
        std::vector<std::string> r;
        for (const PrintCall& c : PrintCalls())
            r.push_back(c.report + " " + std::to_string(c.argument));
        return r;
    }
};

TEST_F(PageCommandTest, EachPageActsOnItsTableAndNothingElse) {
    for (const auto& [page, ids] : ActedOn()) {
        for (unsigned id : kMenuIds) {
            const bool expected = std::find(ids.begin(), ids.end(), id) != ids.end();
            const bool acts = id == P::kClose ? true : (CommandsOf(page).acts & PageActOf(id)) != 0;
            EXPECT_EQ(acts, expected) << PageClassName(page) << " " << id;
        }
    }
    // An id a page does not act on changes nothing: no clipboard change, no
    // box, no print, the page stays.
    for (const auto& [page, ids] : ActedOn()) {
        win::HWND h = Open(page);
        ASSERT_TRUE(win::OpenClipboard(nullptr));
        win::EmptyClipboard();
        win::CloseClipboard();
        for (unsigned id : kMenuIds) {
            if (std::find(ids.begin(), ids.end(), id) != ids.end()) continue;
            EXPECT_FALSE(RunPageCommand(page, h, id)) << PageClassName(page) << " " << id;
            Command(h, id);
        }
        EXPECT_EQ(win::CountClipboardFormats(), 0) << PageClassName(page);
        EXPECT_TRUE(win::MessageBoxLog().empty()) << PageClassName(page);
        EXPECT_TRUE(PrintCalls().empty()) << PageClassName(page);
        EXPECT_TRUE(win::IsWindow(h)) << PageClassName(page);
        win::DestroyWindow(h);
        SetPageOpen(page, false);
    }
}

TEST_F(PageCommandTest, CopiesWriteTheKindOfTheWaterShown) {
    resultStatus.injectionEntered = resultStatus.formationEntered = 1;
    win::HWND h = Open(C::kMuValues, 2);
    Command(h, P::kCopy);
    const std::string copied = ClipboardText();
    EXPECT_EQ(copied, Report(22));
    EXPECT_EQ(copied, PagePlainText(C::kMuValues));
    EXPECT_NE(copied.find("FORMATION WATER DEPOSITION POTENTIAL INDICATORS"), std::string::npos);
    Command(h, P::kCopyAll);
    EXPECT_EQ(ClipboardText(), Report(20));
    EXPECT_NE(ClipboardText().find("INJECTION WATER ANALYSIS"), std::string::npos);

    // The blend: COPY makes the blend current so kind 34 picks it.
    mainWindowState.currentWater = 0;
    win::HWND blend = Open(C::kMixedValuesOut, 0);
    mainWindowState.currentWater = 0;
    Command(blend, P::kCopy);
    EXPECT_EQ(mainWindowState.currentWater, WaterSelector::kMixed);
    EXPECT_EQ(ClipboardText(), Report(34));
    EXPECT_NE(ClipboardText().find("MIXED WATER DEPOSITION POTENTIAL INDICATORS"),
              std::string::npos);

    // Rich text: the closing brace, the private format, rtfMode back to 0.
    Command(h, P::kRichTextCopy);
    const std::string rich = ClipboardText(clipboardFormats.cfRichText);
    EXPECT_EQ(rich.rfind("{\\rtf1\\ansi\\ansicpg1252", 0), 0u);
    EXPECT_EQ(rich.substr(rich.size() - 6), "\\par }");
    EXPECT_EQ(reportBuffer.rtfMode, 0u);

    // A BuildReport that fails leaves the clipboard as it was, silently.
    const int blocks = win::LiveGlobalBlocks();
    win::FailNextGlobalAllocs(1);
    Command(h, P::kCopy);
    EXPECT_EQ(ClipboardText(clipboardFormats.cfRichText), rich);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::LiveGlobalBlocks(), blocks);
}

// The profile pages' rich-text items: the copy holds the page's report in
// rich text, and the save writes it whole to the file named, or leaves an
// older file untouched when the file cannot be completed.
TEST_F(PageCommandTest, ProfilePagesCopyAndSaveRichText) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tarvex_rich_" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    win::SetPathRoot(folder.string());
    win::HWND h = Open(C::kPhValues);
    Command(h, P::kRichTextCopy);
    const std::string rich = ClipboardText(clipboardFormats.cfRichText);
    EXPECT_EQ(rich.rfind("{\\rtf", 0), 0u) << rich.substr(0, 40);

    win::AnswerFileDialog("\\ph.rtf");
    Command(h, P::kSaveToRichText);
    std::stringstream saved;
    saved << std::ifstream(folder / "ph.rtf", std::ios::binary).rdbuf();
    EXPECT_EQ(saved.str(), rich);

    std::ofstream(folder / "old.rtf") << "older";
    win::FailNextFileRenames(1);
    win::AnswerMessageBox("Save As", "already exists", win::IDYES);
    win::AnswerFileDialog("\\old.rtf");
    Command(h, P::kSaveAllToRichText);
    std::stringstream old;
    old << std::ifstream(folder / "old.rtf", std::ios::binary).rdbuf();
    EXPECT_EQ(old.str(), "older");
    ASSERT_EQ(win::MessageBoxLog().size(), 2u);
    EXPECT_EQ(win::MessageBoxLog()[1].text,
              "Error: Cannot open file\n\nSaving \\old.rtf failed: Permission denied (the file "
              "is read-only or its folder cannot be written). The file that was there is "
              "unchanged.");
    for (const auto& e : std::filesystem::directory_iterator(folder))
        EXPECT_EQ(e.path().filename().string().find(".~"), std::string::npos) << e.path();
    std::filesystem::remove_all(folder);
}

TEST_F(PageCommandTest, ClipboardFailuresNameThePageAndLeaveNoBlock) {
    struct Case {
        C page;
        unsigned id;
        int water;
        const char* reference;
    } cases[] = {
        {C::kMuValues, P::kCopy, 0, "dis 102"},
        {C::kMuValues, P::kCopyAll, 0, "dis 103"},
        {C::kMuWater, P::kCopy, 0, "mup 101"},
        {C::kMuWater, P::kCopy, 3, "mup 102"},
        {C::kMuWater, P::kCopy, 5, "mup 103"},
        {C::kMuWater, P::kCopyAll, 1, "mup 105"},
        {C::kMuWater, P::kRichTextCopy, 5, "mup 108"},
        {C::kMuWater, P::kRichTextCopyAll, 0, "mup 110"},
        {C::kCycledWater, P::kCopy, 0, "cyc 101"},
        {C::kCycledValues, P::kCopyAll, 0, "cyc2 102"},
        {C::kPhWater, P::kCopy, 0, "ph 101"},
        {C::kPressValues, P::kCopy, 0, "pr2 101"},
        {C::kMixedWater, P::kCopyAll, 0, "mixp 102"},
        {C::kMixedWaterOut, P::kCopy, 0, "mixw 101"},
    };
    for (const Case& c : cases) {
        win::HWND h = Open(c.page, c.water);
        const int blocks = win::LiveGlobalBlocks();
        win::ClearMessageBoxLog();
        win::SetClipboardHeldElsewhere(true);
        Command(h, c.id);
        win::SetClipboardHeldElsewhere(false);
        ASSERT_EQ(win::MessageBoxLog().size(), 1u) << c.reference;
        EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
        EXPECT_EQ(win::MessageBoxLog()[0].text,
                  std::string("Windows clipboard not available. Contact Tech Support ref. pt ") +
                      c.reference + ".");
        EXPECT_EQ(reportBuffer.rtfMode, 0u);
        EXPECT_EQ(win::LiveGlobalBlocks(), blocks) << c.reference;
        win::DestroyWindow(h);
        SetPageOpen(c.page, false);
    }
}

TEST_F(PageCommandTest, PrintDisablesThePageAndPutsTheJobFieldsBack) {
    win::HWND h = Open(C::kMuWater, 1);
    Command(h, P::kPrint);
    ASSERT_EQ(Reports(), std::vector<std::string>{"chemistry 1"});
    EXPECT_FALSE(PrintCalls()[0].pageEnabled);
    EXPECT_EQ(PrintCalls()[0].singlePageJob, 2u);
    EXPECT_TRUE(win::IsWindowEnabled(h));

    struct Case {
        C page;
        const char* report;
        uint32_t job;
        uint32_t target;
    } cases[] = {
        {C::kMuValues, "indicators 0", 1, 0},
        {C::kMixedWaterOut, "chemistry 4", 2, 0},
        {C::kMixedValuesOut, "indicators 4", 1, 0},
        {C::kMixedWater, "mix chemistry table 0", 1, 1},
        {C::kMixedValues, "mix indicators table 0", 1, 1},
        {C::kCycledWater, "ratio chemistry 0", 1, 1},
        {C::kCycledValues, "ratio indicators 0", 1, 0},
        {C::kPhWater, "whatif chemistry 1", 1, 0},
        {C::kPhValues, "whatif indicators 1", 1, 0},
        {C::kPressWater, "whatif chemistry 3", 1, 0},
        {C::kPressValues, "whatif indicators 3", 1, 0},
    };
    for (const Case& c : cases) {
        for (int cancel = 0; cancel < 2; ++cancel) {
            PrintCalls().clear();
            abortAtCall = cancel != 0 ? 0 : -1;
            win::HWND p = Open(c.page);
            printingPage = p;
            Command(p, P::kPrint);
            ASSERT_EQ(Reports(), std::vector<std::string>{c.report}) << c.report;
            EXPECT_FALSE(PrintCalls()[0].pageEnabled) << c.report;
            EXPECT_EQ(PrintCalls()[0].singlePageJob, c.job) << c.report;
            EXPECT_EQ(PrintCalls()[0].renderTarget, c.target) << c.report;
            EXPECT_TRUE(win::IsWindowEnabled(p)) << c.report;
            EXPECT_EQ(printJobState.printAborted, 0u);
            EXPECT_EQ(printJobState.singlePageJob, 0u);
            EXPECT_EQ(graphOutputFlags.renderTarget, 0u) << c.report;  // also after a cancel
        }
    }
}

TEST_F(PageCommandTest, PrintAllWindowsFollowsTheGroupAndItsProfiles) {
    win::HWND h = Open(C::kMuValues, 0);
    Command(h, P::kPrintAll);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"chemistry 0", "indicators 0"}));
    EXPECT_EQ(PrintCalls()[0].singlePageJob, 0u);
    EXPECT_EQ(PrintCalls()[1].singlePageJob, 2u);

    resultStatus.phProfileDone = resultStatus.tempProfileDone = 1;
    PrintCalls().clear();
    Command(h, P::kPrintAll);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"chemistry 0", "indicators 0",
                                                   "whatif chemistry 1", "whatif indicators 1",
                                                   "whatif chemistry 0", "whatif indicators 0"}));
    EXPECT_EQ(PrintCalls()[4].singlePageJob, 0u);
    EXPECT_EQ(PrintCalls()[5].singlePageJob, 2u);

    // The pressure group with only the pressure profile: its pair last.
    resultStatus.phProfileDone = resultStatus.tempProfileDone = 0;
    resultStatus.pressureProfileDone = 1;
    PrintCalls().clear();
    Command(printingPage = Open(C::kPressWater), P::kPrintAll);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"chemistry 0", "indicators 0",
                                                   "whatif chemistry 3", "whatif indicators 3"}));
    EXPECT_EQ(PrintCalls()[3].singlePageJob, 2u);

    // The waterflood group: four jobs of their own without the mixing profile,
    // one job of six with it.
    PrintCalls().clear();
    Command(printingPage = Open(C::kCycledValues), P::kPrintAll);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"chemistry 1", "indicators 1", "chemistry 2",
                                                   "indicators 2"}));
    for (const PrintCall& c : PrintCalls()) EXPECT_EQ(c.singlePageJob, 1u);
    resultStatus.mixProfileDone = 1;
    PrintCalls().clear();
    Command(printingPage, P::kPrintAll);
    ASSERT_EQ(PrintCalls().size(), 6u);
    EXPECT_EQ(PrintCalls()[4].report, "ratio indicators");
    EXPECT_EQ(PrintCalls()[5].report, "ratio chemistry");
    EXPECT_EQ(PrintCalls()[5].singlePageJob, 2u);

    // Source waters: on the printer throughout, the screen after.
    PrintCalls().clear();
    Command(printingPage = Open(C::kMixedValues), P::kPrintAll);
    EXPECT_EQ(Reports(),
              (std::vector<std::string>{"chemistry 4", "mix indicators report 0",
                                        "mix chemistry table 0", "mix indicators table 0"}));
    for (const PrintCall& c : PrintCalls()) EXPECT_EQ(c.renderTarget, 1u);
    EXPECT_EQ(graphOutputFlags.renderTarget, 0u);

    // A cancel at the second report stops the sequence.
    PrintCalls().clear();
    abortAtCall = 1;
    win::HWND blend = Open(C::kMixedWaterOut);
    printingPage = blend;
    Command(blend, P::kPrintAll);
    EXPECT_EQ(Reports(), (std::vector<std::string>{"chemistry 4", "indicators 4"}));
    EXPECT_TRUE(win::IsWindowEnabled(blend));
    EXPECT_EQ(printJobState.printAborted, 0u);
    EXPECT_EQ(printJobState.singlePageJob, 0u);
}

TEST_F(PageCommandTest, CloseAllClosesThePagesListAndLeavesTheRest) {
    const C all[] = {C::kMuWater,       C::kMuValues,      C::kPhWater,    C::kPhValues,
                     C::kCycledWater,   C::kCycledValues,  C::kTempWater,  C::kTempValues,
                     C::kPressWater,    C::kPressValues,   C::kMixedWater, C::kMixedValues,
                     C::kMixedWaterOut, C::kMixedValuesOut};
    for (C page : all) Open(page);
    Command(PageWindowSlot(C::kPhWater), P::kCloseAll);
    for (C page : {C::kMuValues, C::kMuWater, C::kPhValues, C::kPhWater, C::kMixedWater,
                   C::kMixedValues, C::kMixedValuesOut, C::kMixedWaterOut})
        EXPECT_FALSE(IsPageOpen(page)) << PageClassName(page);
    for (C page : {C::kCycledWater, C::kCycledValues, C::kTempWater, C::kTempValues, C::kPressWater,
                   C::kPressValues}) {
        EXPECT_TRUE(IsPageOpen(page)) << PageClassName(page);
        EXPECT_TRUE(win::IsWindow(PageWindowSlot(page))) << PageClassName(page);
    }
    EXPECT_TRUE(win::IsZoomed(main_));
}

TEST_F(PageCommandTest, AlkalinityFormRedrawsOnlyTheBlockRows) {
    for (int k = 0; k < 7; ++k) {
        whatIfResults.phProfile.bicarbonate[k] = 100.0f + static_cast<float>(k);
        whatIfResults.phProfile.results[k][28] = 50.0f + static_cast<float>(k);
    }
    // On a recording context: four rows, each a label at cell 4 and per point
    // seven blanks then the value at cell (k + 3) x 8, one line apart.
    win::HDC dc = win::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    win::AsDc(dc)->recording->records.clear();
    DrawAlkalinityBlock(C::kPhWater, dc, 1, 100, 10, 20);
    std::vector<std::pair<std::string, win::POINT>> texts;
    for (const win::MetaRecord& r : win::AsDc(dc)->recording->records)
        if (const auto* t = std::get_if<win::ops::Text>(&r)) texts.push_back({t->text, t->p});
    win::DeleteEnhMetaFile(win::CloseEnhMetaFile(dc));
    int labels = 0;
    for (const auto& [text, p] : texts) {
        EXPECT_GE(p.y, 100 - 20);
        EXPECT_LT(p.y, 100 + 4 * 20);
        if (p.x == 40) ++labels;
    }
    EXPECT_GE(labels, 4);
    bool bicarbonate = false;
    for (const auto& [text, p] : texts)
        if (text == "  101.0" && p.x == 4 * 8 * 10 && p.y == 120) bicarbonate = true;
    EXPECT_TRUE(bicarbonate);

    // On the page: the form changes and nothing is invalidated.
    win::HWND h = Open(C::kPhWater);
    Command(h, P::kAlkalinitySpecies);
    EXPECT_EQ(AlkalinityFormOf(ProfileKind::kPh), 1u);
    EXPECT_FALSE(win::GetUpdateRect(h, nullptr, win::FALSE));
    Command(h, P::kAlkalinityPm);
    EXPECT_EQ(AlkalinityFormOf(ProfileKind::kPh), 0u);
}

TEST_F(PageCommandTest, ChooseProductWithoutAProductResetsTheDosageGraph) {
    win::HWND h = Open(C::kPressWater);
    graphIndexCodes[0] = 89;
    graphChoice.codes[0] = 89;
    graphChoice.count = 3;
    graphChoice.leadingWord = 5;
    win::OnDialog(
        TreatmentDialog::kSelectProduct, [](win::HWND d) { win::PressButton(d, 2); }, 1);
    Command(h, P::kChooseProduct);
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().text,
              "I'm sorry - No Product is selected.  No dosage profile can be displayed.");
    EXPECT_EQ(win::MessageBoxLog().back().caption, "WARNING");
    EXPECT_EQ(graphIndexCodes[0], 0);
    EXPECT_EQ(graphChoice.codes[0], 0);
    EXPECT_EQ(graphChoice.count, 1);
    EXPECT_EQ(graphChoice.leadingWord, 0);
}

// A product chosen in the dialog on the pressure page with the pH and
// pressure profiles computed: the pressure profile is rerun, not the pH one.
TEST_F(PageCommandTest, ChooseProductOnThePressurePageRerunsThePressureProfile) {
    win::HWND h = Open(C::kPressWater);
    resultStatus.phProfileDone = resultStatus.pressureProfileDone = 1;
    resultStatus.phProfileStale = resultStatus.pressureProfileStale = 1;
    win::OnDialog(
        TreatmentDialog::kSelectProduct,
        [](win::HWND d) {
            resultStatus.productChosen = 1;
            win::EndDialog(d, 2);
        },
        1);
    Command(h, P::kChooseProduct);
    EXPECT_EQ(resultStatus.pressureProfileStale, 0u);
    EXPECT_EQ(resultStatus.phProfileStale, 1u);
    EXPECT_EQ(pageStates[PageIndex(C::kPressWater)].productSeen, resultStatus.productSelected);
}

int rangeTemplate = 0;
win::INT_PTR RangeDialog(win::HWND, win::UINT, win::WPARAM, win::LPARAM) {
    return 0;
}

TEST_F(PageCommandTest, ChangeRangePicksTheTemplateByDesktopHeight) {
    InstallRangeDialogs(RangeDialog, RangeDialog);
    // Stand-ins for the mixing zone dialog's templates where they are not built.
    for (int id : {88, 89})
        if (win::FindDialogTemplate(id) == nullptr)
            win::RegisterDialogTemplate(
                id, win::DialogTemplate{"Mixing Zone", win::WS_POPUP, 0, 0, 100, 60, "", 8, {}});
    for (int height : {900, 901}) {
        win::SetDesktopSize(1280, height);
        for (C page : {C::kPhWater, C::kCycledValues}) {
            const bool mixing = page == C::kCycledValues;
            const int expected = mixing ? (height <= 900 ? 89 : 88) : (height <= 900 ? 85 : 84);
            rangeTemplate = 0;
            win::OnDialog(
                expected,
                [](win::HWND d) {
                    rangeTemplate = 1;
                    win::EndDialog(d, -1);  // Cancel
                },
                1);
            resultStatus.mixProfileDone = 0;
            win::HWND h = Open(page);
            Command(h, P::kChangeRange);
            EXPECT_EQ(rangeTemplate, 1) << height << " " << PageClassName(page);
            // The mixing pages recompute their profile even after Cancel.
            EXPECT_EQ(resultStatus.mixProfileDone, mixing ? 1 : 0);
            win::DestroyWindow(h);
            SetPageOpen(page, false);
        }
    }
    InstallRangeDialogs(nullptr, nullptr);
}

}  // namespace
}  // namespace pagetest
