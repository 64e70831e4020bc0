// The text check of a script run (--text-check) on windows made to show one
// fault each: what it writes for a number cut short of its decimals, a value
// that does not show whole in its field, texts over texts, numbers that touch
// and numbers or a graph's texts too small to read, and nothing for a window
// whose texts read.
#include "app/text_check.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/drivers/script.h"
#include "platform/gdi/gdi.h"
#include "platform/win.h"

namespace {

namespace fs = std::filesystem;

struct Drawn {
    int x, y;
    std::string text;
    int height;          // the font's cell height in pixels
    int escapement = 0;  // tenths of a degree: 2700 reads downward
};
std::vector<Drawn> drawn;

win::LRESULT DrawingProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) {
    if (msg == win::WM_PAINT) {
        win::PAINTSTRUCT ps;
        win::HDC dc = win::BeginPaint(hwnd, &ps);
        win::SetBkMode(dc, win::TRANSPARENT);
        for (const Drawn& d : drawn) {
            win::HFONT f = win::CreateFontA(-d.height, 0, d.escapement, d.escapement,
                                            win::FW_NORMAL, 0, 0, 0,
                                            win::ANSI_CHARSET, 0, 0, 0, 0, "Arial");
            win::HGDIOBJ old = win::SelectObject(dc, f);
            win::TextOutA(dc, d.x, d.y, d.text.c_str(), static_cast<int>(d.text.size()));
            win::SelectObject(dc, old);
            win::DeleteObject(f);
        }
        win::EndPaint(hwnd, &ps);
        return 0;
    }
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
}

class TextCheckTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetGdi();
        win::ResetPlatform();
        win::WNDCLASS wc{};
        wc.lpfnWndProc = DrawingProc;
        wc.hbrBackground = static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH));
        wc.lpszClassName = "TextCheckTestWindow";
        ASSERT_NE(win::RegisterClass(&wc), 0);
        file = fs::temp_directory_path() / ("text-check-" + std::to_string(::getpid()) + ".txt");
    }
    void TearDown() override {
        win::RecordTextBoxes(false);
        drawn.clear();
        win::ResetPlatform();
        win::ResetGdi();
        fs::remove(file);
    }
    // The findings of one check of a window that draws `texts`, holding a
    // field of `fieldWidth` pixels with `value` when that is not empty.
    std::vector<std::string> Check(const std::vector<Drawn>& texts, const std::string& value = "",
                                   int fieldWidth = 0) {
        drawn = texts;
        TextCheck check;
        EXPECT_TRUE(check.Start(file.string()));
        win::HWND w = win::CreateWindow("TextCheckTestWindow", "checked", win::WS_POPUP, 0, 0, 300,
                                        200, nullptr, nullptr, nullptr, nullptr);
        EXPECT_NE(w, nullptr);
        if (!value.empty()) {
            EXPECT_NE(win::CreateWindow("EDIT", value.c_str(),
                                        win::WS_CHILD | win::WS_VISIBLE | win::WS_BORDER, 10, 150,
                                        fieldWidth, 24, w, nullptr, nullptr, nullptr),
                      nullptr);
        }
        win::ShowWindow(w, win::SW_SHOW);
        EXPECT_TRUE(check.TakeWindow(w));
        win::DestroyWindow(w);
        std::vector<std::string> lines;
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    static bool Holds(const std::vector<std::string>& lines, const std::string& what) {
        for (const std::string& l : lines)
            if (l.find(what) != std::string::npos) return true;
        return false;
    }
    static std::string Joined(const std::vector<std::string>& lines) {
        std::string all;
        for (const std::string& l : lines) all += l + "\n";
        return all;
    }
    fs::path file;
};

TEST_F(TextCheckTest, FindsEachFaultAndNothingOnAWindowThatReads) {
    // Texts that read: apart, whole, ten pixels high and more, in a field
    // wide enough for its value.
    const std::vector<Drawn> clean{{10, 10, "Calcite Saturation Level", 16},
                                   {10, 40, "4.50", 14},
                                   {80, 40, "100.0", 14},
                                   {150, 40, "2.00", 14}};
    std::vector<std::string> found = Check(clean, "1,290", 80);
    EXPECT_TRUE(found.empty()) << Joined(found);

    // A number cut short of its decimals on a graph.
    std::vector<Drawn> cut = clean;
    cut[2].text = "100.";
    found = Check(cut);
    EXPECT_TRUE(Holds(found, "number cut: \"100.\"")) << Joined(found);
    EXPECT_EQ(found.size(), 1u) << Joined(found);

    // A value longer than its field shows cut at the field's edge.
    found = Check(clean, "123456789.125", 40);
    EXPECT_TRUE(Holds(found, "EDIT \"123456789.125\": clipped: \"123456789.125\"")) << Joined(found);

    // A text over another, and two numbers whose digits touch.
    std::vector<Drawn> crowded = clean;
    crowded.push_back({14, 12, "Ratio", 16});
    crowded[3].x = 80 + 33;  // "2.00" against the end of "100.0"
    found = Check(crowded);
    EXPECT_TRUE(Holds(found, "overlap: \"Calcite Saturation Level\"")) << Joined(found);
    EXPECT_TRUE(Holds(found, "touch: \"100.0\"")) << Joined(found);

    // Numbers a few pixels high do not read.
    std::vector<Drawn> small = clean;
    for (Drawn& d : small) d.height = 5;
    found = Check(small);
    EXPECT_TRUE(Holds(found, "too small to read")) << Joined(found);

    // Nor does a graph's text a few pixels high beside a window's readable
    // numbers: its title, a tick label written across and a point label
    // turned to read downward; each is named. At nine pixels they read.
    for (int height : {5, 9}) {
        std::vector<Drawn> graph = clean;
        graph.push_back({10, 80, "Calcite Saturation Ratio", height});
        graph.push_back({10, 100, "0.450", height});
        graph.push_back({100, 100, "130", height, 2700});
        found = Check(graph);
        if (height == 9) {
            EXPECT_TRUE(found.empty()) << Joined(found);
            continue;
        }
        for (const char* text : {"Calcite Saturation Ratio", "0.450", "130"})
            EXPECT_TRUE(Holds(found, std::string("too small to read: \"") + text + "\""))
                << text << "\n" << Joined(found);
        EXPECT_EQ(found.size(), 3u) << Joined(found);
    }

    // A finding the file cannot take is told with its cause, and the check
    // says so (seen failing: on a full device the findings were lost and the
    // run went on as if they were written).
    drawn = cut;
    TextCheck full;
    ASSERT_TRUE(full.Start("/dev/full"));
    win::HWND w = win::CreateWindow("TextCheckTestWindow", "checked", win::WS_POPUP, 0, 0, 300, 200,
                                    nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(w, nullptr);
    win::ShowWindow(w, win::SW_SHOW);
    EXPECT_FALSE(full.TakeWindow(w));
    EXPECT_EQ(full.Failure(), "No space left on device");
    win::DestroyWindow(w);
}

}  // namespace
