// Graph tests start from zeroed records: no product, ratio display, names in
// titles, degrees F, mpy, every profile table empty.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/records.h"
#include "graphs/graph_index_records.h"
#include "graphs/graph_output_records.h"
#include "graphs/records.h"
#include "graphs/two_d_graph_records.h"
#include "input/records.h"
#include "platform/win.h"
#include "printing/print_job_records.h"
#include "resources/program_resources.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/mixing/mixing_profile_records.h"
#include "scenarios/mixing/mixing_records.h"
#include "scenarios/wells/well_records.h"
#include "shell/mainwindow/display_settings_records.h"
#include "shell/mainwindow/window_classes.h"
#include "shell/records.h"
#include "treatment/records.h"

namespace graphtest {

class GraphTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        win::ResetGdi();
        ResetEngineRecords();
        ResetTreatmentRecords();
        ResetInputRecords();
        ResetDisplaySettingsRecords();
        ResetWellRecords();
        ResetMixingRecords();
        ResetMixingProfileRecords();
        ResetScenarioRecords();
        ResetGraphsRecords();
        ResetGraphIndexRecords();
        ResetGraphOutputRecords();
        ResetTwoDGraphRecords();
        win::SetDesktopSize(1920, 1200);
    }
    void TearDown() override {
        win::ResetPlatform();
        win::ResetGdi();
    }
    // Makes a visible w x h pop-up of its own class whose WM_PAINT runs
    // `paint` between BeginPaint and EndPaint, paints it once and destroys it.
    static void PaintInWindow(void (*paint)(win::HDC, win::HWND), int w, int h) {
        windowPaint = paint;
        win::WNDCLASS wc{};
        wc.lpfnWndProc = [](win::HWND hwnd, win::UINT msg, win::WPARAM wp,
                            win::LPARAM lp) -> win::LRESULT {
            if (msg != win::WM_PAINT) return win::DefWindowProc(hwnd, msg, wp, lp);
            win::PAINTSTRUCT ps;
            win::HDC dc = win::BeginPaint(hwnd, &ps);
            windowPaint(dc, hwnd);
            win::EndPaint(hwnd, &ps);
            return 0;
        };
        wc.lpszClassName = "GraphTestPaintWindow";
        (void)win::RegisterClass(&wc);
        win::HWND hwnd =
            win::CreateWindow("GraphTestPaintWindow", "", win::WS_POPUP | win::WS_VISIBLE, 0, 0, w,
                              h, nullptr, nullptr, nullptr, nullptr);
        if (hwnd == nullptr) {
            ADD_FAILURE() << "no window to paint in";
            return;
        }
        win::UpdateWindow(hwnd);
        win::DestroyWindow(hwnd);
    }

  private:
    static inline void (*windowPaint)(win::HDC, win::HWND) = nullptr;
};

// A graph window's test: the program's resources and window classes on an
// 800 x 600 desktop with a free graph slot and no print job. After
// UseFolder the test has a folder of its own as the path root, and every
// scripted prompt nobody answered fails it.
class GraphWindowTest : public GraphTest {
  protected:
    void SetUp() override {
        GraphTest::SetUp();
        win::SetDesktopSize(800, 600);
        mainWindowState = MainWindowState{};
        printJobState = PrintJobState{};
        BeforeStart();
        RegisterProgramResources();
        ASSERT_EQ(InitApplication(nullptr), 1);
    }
    // What the test sets before the program starts: the records of its
    // window, another desktop.
    virtual void BeforeStart() {}
    void TearDown() override {
        if (mainWindowState.graphWindowOpen != 0) win::DestroyWindow(mainWindowState.graphWindow);
        if (!folder.empty()) {
            win::SetScriptFailureHandler(nullptr);
            EXPECT_EQ(failures, "");
        }
        GraphTest::TearDown();
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
    // A fresh folder named after the test's line, as the path root.
    void UseFolder(const std::string& prefix) {
        folder = std::filesystem::temp_directory_path() /
                 (prefix +
                  std::to_string(::testing::UnitTest::GetInstance()->current_test_info()->line()));
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        win::SetPathRoot(folder.string());
        win::SetScriptFailureHandler([this](const std::string& what) { failures += what + "\n"; });
    }
    // Colour on screen, in pictures and in print, all available.
    static void ColourEverywhere() {
        GraphOutputFlags& f = graphOutputFlags;
        f.colorNow = f.displayColor = f.exportColor = f.displayColorAvailable = 1;
        f.printColor = f.printColorAvailable = 1;
    }
    static std::string ItemText(win::HWND hwnd, int id) {
        char text[128] = {};
        win::GetMenuString(win::GetMenu(hwnd), static_cast<win::UINT>(id), text, sizeof text,
                           win::MF_BYCOMMAND);
        return text;
    }
    static void Command(win::HWND hwnd, int id) {
        win::SendMessage(hwnd, win::WM_COMMAND, static_cast<win::WPARAM>(id), 0);
    }
    // The first n bytes of a file (fewer when it is shorter).
    static std::string Head(const std::filesystem::path& path, std::size_t n) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(n, '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(n));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }

    std::filesystem::path folder;
    std::string failures;
};

}  // namespace graphtest
