// Handing a document to the program the desktop associates with it. With a
// display the document goes to xdg-open, started apart from this process;
// headless nothing is started and the request is only recorded. Either way
// the request is recorded (the run log reports it) and tests can make the
// next requests fail.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

// Results above 32 mean success; SE_ERR_NOASSOC when nothing could open it.
inline constexpr int SE_ERR_NOASSOC = 31;

// Only the verb "open" is known; any other verb fails with SE_ERR_NOASSOC.
HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int show);

// The documents of the "open" requests, as the program named them.
[[nodiscard]] const std::vector<std::string>& ShellOpenLog();
// Tests: the next `count` requests fail as a document without an associated
// program does (nothing recorded, nothing started).
void FailNextShellOpens(int count);

namespace detail {
void ResetShellOpens();
}

}  // namespace win
