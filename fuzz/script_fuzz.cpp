// fuzz-link: tarvex_app
//
// ParseScript over any text, as a --script file gives it: a line it takes
// names its place in the text, and a refusal names the line it stopped at.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "app/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
    std::vector<ScriptAction> actions;
    std::string error;
    const bool taken = ParseScript(text, actions, error);
    if (taken != error.empty()) __builtin_trap();
    if (!taken && error.rfind("script line ", 0) != 0) __builtin_trap();
    int last = 0;
    for (const ScriptAction& a : actions) {
        if (a.line <= last || a.line > lines) __builtin_trap();
        last = a.line;
    }
    return 0;
}
