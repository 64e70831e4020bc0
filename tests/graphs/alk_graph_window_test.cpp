// The pH-alkalinity graph window: the slot it takes and gives back, its menu,
// close, copy to the clipboard as a 256-colour picture, the export's writers
// and messages, and the print paths by driver version.
#include "graphs/alkcurve/alk_graph_window.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/carbonate/carbonate_records.h"
#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/window/graph_slot.h"
#include "platform/print/print_setup.h"
#include "platform/window/menu_keys.h"
#include "platform/system/clipboard.h"
#include "printing/print_job_records.h"
#include "resources/program_resources.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "tests/graphs/graph_fixture.h"

namespace graphtest {
namespace {

namespace fs = std::filesystem;
using namespace AlkGraphCommand;

class AlkWindowTest : public GraphWindowTest {
  protected:
    void BeforeStart() override { ResetAlkGraphRecords(); }
    void SetUp() override {
        GraphWindowTest::SetUp();
        if (HasFatalFailure()) return;
        UseFolder("tarvex-alk-window-");
        dialog = win::CreateWindow("HELP", "dialog", win::WS_POPUP, 0, 0, 300, 200, nullptr,
                                   nullptr, nullptr, nullptr);
        alkCurvePoints.pair[0][0] = 7.2f;
        alkCurvePoints.pair[0][1] = 10.0f;
        alkCurvePoints.pair[1][0] = 8.6f;
        alkCurvePoints.pair[1][1] = 300.0f;
        alkCurvePoints.count = 2;
        userAlkCurve = AlkCurveCoefficients{4.5f, 0.0f, 0.0f, 1.43f};
        win::ClearMessageBoxLog();
        std::vector<std::string> errors;
        win::UsePrinters(
            win::ParsePrinterConfig("Colour | letter | 100 | colour | prints\n"
                                    "Mono | letter | 100 | mono | prints | driver=100\n"
                                    "Newer | letter | 100 | colour | prints | driver=30a\n"
                                    "Old | letter | 100 | colour | prints | driver=300\n",
                                    folder.string(), &errors));
        ASSERT_TRUE(errors.empty());
    }
    void TearDown() override {
        if (dialog != nullptr) win::DestroyWindow(dialog);
        GraphWindowTest::TearDown();
    }
    win::HWND Open() {
        CreateAlkGraphWindow(dialog);
        win::UpdateWindow(mainWindowState.graphWindow);
        return mainWindowState.graphWindow;
    }
    static win::LRESULT Export(win::HWND hwnd, const std::string& name) {
        win::AnswerFileDialog(name);
        return win::SendMessage(hwnd, win::WM_COMMAND, kExportImage, 0);
    }
    static void ExpectScreenFlags() {
        EXPECT_EQ(graphOutputFlags.renderTarget, 0u);
        EXPECT_EQ(alkGraphState.paperStyle, 0u);
        EXPECT_EQ(alkGraphState.printing, 0u);
    }
    static std::string Class(win::HWND hwnd) {
        char name[64] = {};
        win::GetClassName(hwnd, name, sizeof name);
        return name;
    }
    win::HWND dialog = nullptr;
};

TEST_F(AlkWindowTest, TakesTheSlotAndGivesItBack) {
    // No pair: no window.
    alkCurvePoints.count = 0;
    CreateAlkGraphWindow(dialog);
    EXPECT_EQ(mainWindowState.graphWindow, nullptr);
    alkCurvePoints.count = 2;
    std::snprintf(alkGraphState.title, kAlkCaptionChars, "old");
    win::HWND hwnd = Open();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(Class(hwnd), "AlkGraphWindow");
    EXPECT_EQ(mainWindowState.graphWindowOpen, 1);
    EXPECT_EQ(win::GetWindow(hwnd, win::GW_OWNER), dialog);
    EXPECT_STREQ(alkGraphState.title, "pH - Alkalinity Profile");  // emptied, then painted
    // Opened again: the same window.
    Open();
    EXPECT_EQ(mainWindowState.graphWindow, hwnd);
    // The PROPERTIES items are greyed.
    for (int id : {kExportGrey, kPrintGrey, kDisplayGrey, kPatterns})
        EXPECT_NE(
            win::GetMenuState(win::GetMenu(hwnd), static_cast<win::UINT>(id), win::MF_BYCOMMAND) &
                win::MF_GRAYED,
            0u)
            << id;
    // CLOSE with the open flag clear destroys nothing.
    mainWindowState.graphWindowOpen = 0;
    Command(hwnd, kClose);
    EXPECT_TRUE(win::IsWindow(hwnd));
    mainWindowState.graphWindowOpen = 1;
    Command(hwnd, kClose);
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    // Going with its owner, the dialog, frees the slot too.
    hwnd = Open();
    win::DestroyWindow(dialog);
    dialog = nullptr;
    EXPECT_FALSE(win::IsWindow(hwnd));
    EXPECT_EQ(mainWindowState.graphWindowOpen, 0);
    EXPECT_EQ(mainWindowState.graphWindow, nullptr);
}

TEST_F(AlkWindowTest, AnotherGraphInTheSlotGivesWay) {
    graphIndexCodes[0] = 0;
    for (int i = 1; i < 4; ++i) graphIndexCodes[i] = kNoGraphIndex;
    graphProfileKind = 1;
    ASSERT_EQ(OpenTwoDGraphWindow(), 1);
    win::HWND twoD = mainWindowState.graphWindow;
    win::HWND hwnd = Open();
    EXPECT_FALSE(win::IsWindow(twoD));
    EXPECT_EQ(Class(hwnd), "AlkGraphWindow");
    EXPECT_EQ(mainWindowState.graphWindowOpen, 1);
}

TEST_F(AlkWindowTest, CopyIsAPictureOfAtMost256Colours) {
    win::HWND hwnd = Open();
    Command(hwnd, kCopy);
    ExpectScreenFlags();
    EXPECT_TRUE(win::MessageBoxLog().empty());
    ASSERT_TRUE(win::OpenClipboard(nullptr));
    auto block = static_cast<win::HGLOBAL>(win::GetClipboardData(win::CF_DIB));
    ASSERT_NE(block, nullptr);
    const auto* header = static_cast<const win::BITMAPINFOHEADER*>(win::GlobalLock(block));
    ASSERT_NE(header, nullptr);
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    EXPECT_EQ(header->biBitCount, 8);
    EXPECT_LE(header->biClrUsed, 256u);
    EXPECT_EQ(header->biWidth, client.right);
    EXPECT_EQ(std::abs(header->biHeight), client.bottom);
    win::GlobalUnlock(block);
    win::CloseClipboard();
    // A window too large for a picture is reported, not copied in silence.
    win::MoveWindow(hwnd, 0, 0, 9000, 9000, win::FALSE);
    Command(hwnd, kCopy);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "IMAGE ERROR");
    ExpectScreenFlags();
}

TEST_F(AlkWindowTest, ExportWritesEveryOfferedType) {
    win::HWND hwnd = Open();
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    Export(hwnd, "\\a.bmp");
    ExpectScreenFlags();
    // One pixel wider and higher than the client area, reduced to 8 bits.
    const std::string bmp = Head(folder / "a.bmp", 30);
    ASSERT_EQ(bmp.size(), 30u);
    int32_t width = 0;
    uint16_t bits = 0;
    std::memcpy(&width, bmp.data() + 18, 4);
    std::memcpy(&bits, bmp.data() + 28, 2);
    EXPECT_EQ(width, client.right + 1);
    EXPECT_EQ(bits, 8);
    Export(hwnd, "\\a.TIF");
    EXPECT_EQ(Head(folder / "a.TIF", 2), "II");
    Export(hwnd, "\\a.pcx");
    EXPECT_EQ(Head(folder / "a.pcx", 1), "\x0A");
    // JPEG and PNG names get their pictures (before, an empty file).
    Export(hwnd, "\\a.jpg");
    EXPECT_EQ(Head(folder / "a.jpg", 3), "\xFF\xD8\xFF");
    Export(hwnd, "\\a.png");
    EXPECT_EQ(Head(folder / "a.png", 4), "\x89PNG");
    EXPECT_TRUE(win::MessageBoxLog().empty());

    // Another ending: the message, and no file.
    EXPECT_EQ(Export(hwnd, "\\a.gif"), 0);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "FILE SAVE ERROR");
    EXPECT_FALSE(fs::exists(folder / "a.gif"));
    // A file that can be neither opened nor made.
    win::ClearMessageBoxLog();
    fs::create_directory(folder / "taken.bmp");
    EXPECT_EQ(Export(hwnd, "\\taken.bmp"), 1);
    ASSERT_EQ(win::MessageBoxLog().size(), 1u);
    EXPECT_EQ(win::MessageBoxLog()[0].caption, "WARNING");
    EXPECT_EQ(win::MessageBoxLog()[0].text,
              "Error: Cannot open alk_image file\n\nOpening \\taken.bmp failed: Is a directory. No "
              "file was written.");
    ExpectScreenFlags();
    // A cancelled dialog; and Alt+F, which exports too.
    win::CancelFileDialog();
    EXPECT_EQ(win::SendMessage(hwnd, win::WM_COMMAND, kExportImage, 0), 0);
    win::AnswerFileDialog("\\alt.pcx");
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'f', 0);
    EXPECT_TRUE(fs::exists(folder / "alt.pcx"));
    ExpectScreenFlags();
}

TEST_F(AlkWindowTest, PrintsDirectlyOrThroughAPictureByDriver) {
    win::HWND hwnd = Open();
    // 0x0400 and 0x030A print the graph itself, as does 0x0100.
    win::AnswerPrintDialog("Colour");
    Command(hwnd, kPrint);
    win::AnswerPrintDialog("Newer");
    Command(hwnd, kPrint);
    EXPECT_EQ(graphOutputFlags.colorNow, 1);
    EXPECT_EQ(graphOutputFlags.printColor, 1);
    // Alt+P opens PROPERTIES, the menu its letter is under; OUTPUT > PRINT prints.
    win::SendMessage(hwnd, win::WM_SYSKEYDOWN, 'P', 0);
    EXPECT_TRUE(win::detail::MenuRuns());
    EXPECT_EQ(win::PrintLog().size(), 2u);
    win::detail::LeaveMenu();
    win::AnswerPrintDialog("Mono");
    Command(hwnd, kPrint);
    EXPECT_EQ(graphOutputFlags.colorNow, 0);
    EXPECT_EQ(graphOutputFlags.printColor, 0);
    ASSERT_EQ(win::PrintLog().size(), 3u);
    for (const win::PrintRecord& r : win::PrintLog()) {
        EXPECT_EQ(r.document, "Printing Tarvex Graph");
        EXPECT_EQ(r.pages, 1);
        EXPECT_FALSE(r.aborted);
    }
    EXPECT_GT(alkGraphState.printerWidth, 0);
    // 0x0300 gets a picture, a document of its own named after the window.
    win::AnswerPrintDialog("Old");
    Command(hwnd, kPrint);
    ASSERT_EQ(win::PrintLog().size(), 4u);
    EXPECT_EQ(win::PrintLog()[3].document, "Tarvex Graph");
    EXPECT_EQ(win::PrintLog()[3].pages, 1);
    EXPECT_TRUE(win::MessageBoxLog().empty());
    // A cancelled print dialog prints nothing.
    win::CancelPrintDialog();
    Command(hwnd, kPrint);
    EXPECT_EQ(win::PrintLog().size(), 4u);
    EXPECT_EQ(printJobState.printAborted, 0u);
    EXPECT_EQ(printJobState.documentOpen, 0u);
    EXPECT_TRUE(win::IsWindowEnabled(hwnd));
    ExpectScreenFlags();
}

}  // namespace
}  // namespace graphtest
