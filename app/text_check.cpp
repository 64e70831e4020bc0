#include "app/text_check.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/text/text_boxes.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

std::string NameOf(win::HWND w) {
    char name[128] = {};
    win::GetClassName(w, name, sizeof name);
    char title[256] = {};
    win::GetWindowText(w, title, sizeof title);
    return std::string(name) + " \"" + title + "\"";
}

}  // namespace

bool TextCheck::Start(const std::string& file) {
    file_ = file;
    std::FILE* f = std::fopen(file_.c_str(), "w");
    if (f == nullptr) return false;
    std::fclose(f);
    win::RecordTextBoxes(true);
    return true;
}

void TextCheck::CheckWindow(win::HWND w) {
    if (!win::IsWindowVisible(w)) return;
    win::UpdateWindow(w);
    win::RECT client{};
    win::GetClientRect(w, &client);
    // A window that scrolls up and down may cut a line at its top or bottom.
    int low = 0, high = 0;
    const bool scrolls = (win::GetWindowLong(w, win::GWL_STYLE) & win::WS_VSCROLL) != 0 ||
                         (win::GetScrollRange(w, win::SB_VERT, &low, &high) && high > low);
    // A text box shows a window onto a line that may be longer.
    char name[16] = {};
    win::GetClassName(w, name, sizeof name);
    if (std::strcmp(name, "EDIT") == 0) return;
    for (const std::string& finding : win::TextBoxFindings(win::TextBoxesOf(w), client, !scrolls)) {
        const std::string line = NameOf(w) + ": " + finding;
        if (!written_.insert(line).second) continue;
        std::FILE* f = std::fopen(file_.c_str(), "a");
        ok_ = f != nullptr && std::fprintf(f, "%s\n", line.c_str()) > 0 && ok_;
        if (f != nullptr) std::fclose(f);
    }
    for (win::HWND c = win::GetWindow(w, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT))
        CheckWindow(c);
}

bool TextCheck::Take() {
    win::HWND main = mainWindowState.mainWindow;
    if (file_.empty() || main == nullptr || !win::IsWindow(main)) return true;
    std::vector<win::HWND> shown;
    for (win::HWND w = win::GetWindow(main, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT))
        if (win::IsWindowVisible(w) && !win::IsIconic(w)) shown.push_back(w);
    for (win::HWND w : shown) CheckWindow(w);
    return ok_;
}
