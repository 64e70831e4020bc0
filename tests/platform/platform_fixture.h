// Shared set-up of the windowing-layer tests: a fresh platform per test,
// script failures collected instead of aborting, and a trace reader.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win.h"

namespace wintest {

class PlatformTest : public ::testing::Test {
  protected:
    void SetUp() override {
        win::ResetPlatform();
        win::ClearMessageTrace();
        win::SetScriptFailureHandler([this](const std::string& what) { failures.push_back(what); });
    }
    void TearDown() override {
        win::EnableMessageTrace(false);
        win::SetScriptFailureHandler(nullptr);
        win::ResetPlatform();
    }

    // Index of the first trace entry for `hwnd` with `message` at or after
    // `from`; -1 when there is none.
    static int TraceIndex(win::HWND hwnd, win::UINT message, int from = 0) {
        const auto& t = win::MessageTrace();
        for (int i = from; i < static_cast<int>(t.size()); ++i) {
            if (t[static_cast<std::size_t>(i)].hwnd == hwnd &&
                t[static_cast<std::size_t>(i)].message == message)
                return i;
        }
        return -1;
    }
    static int TraceCount(win::HWND hwnd, win::UINT message) {
        int n = 0;
        for (const auto& e : win::MessageTrace())
            n += (e.hwnd == hwnd && e.message == message) ? 1 : 0;
        return n;
    }

    std::vector<std::string> failures;
};

// A class with DefWindowProc behind a recorder, for windows whose own
// behaviour a test does not care about.
inline win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

inline void RegisterPlainClass(const char* name, win::UINT style = 0, int menuId = 0) {
    win::WNDCLASS wc;
    wc.style = style;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = name;
    wc.menuId = menuId;
    ASSERT_NE(win::RegisterClass(&wc), 0);
}

}  // namespace wintest
