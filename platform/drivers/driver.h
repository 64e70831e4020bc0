// The device driver behind the windowing layer. The API is written once; what
// differs between running headless (tests, scripts, CI) and showing real
// windows on an X display goes through this small interface.
#pragma once

#include <memory>

#include "platform/window/win_types.h"

namespace win {

class Driver {
  public:
    virtual ~Driver() = default;
    [[nodiscard]] virtual const char* Name() const = 0;
    // True when a person can answer prompts (real dialogs and boxes run their
    // own loops); false when prompts must be answered by the script.
    [[nodiscard]] virtual bool Interactive() const = 0;
    // Blocks until input was turned into messages. Returns false when no
    // input can ever come (the headless driver with nothing scripted).
    virtual bool WaitForInput() = 0;
    // Told after a top-level window was shown, hidden, moved, sized, painted
    // or destroyed, so the display can follow.
    virtual void WindowChanged(HWND topLevel) = 0;
};

// The driver in use; headless until another is installed.
[[nodiscard]] Driver& CurrentDriver();
void SetDriver(std::unique_ptr<Driver> driver);

// Headless: WaitForInput asks the idle feeder (a script runner) to inject its
// next actions; without one, or when it has nothing left, there is no input.
using IdleFeeder = bool (*)();
void SetIdleFeeder(IdleFeeder feeder);
[[nodiscard]] std::unique_ptr<Driver> MakeHeadlessDriver();

// Opens the X display named by DISPLAY and returns a driver showing each
// top-level window as an X window; nullptr when there is no display.
[[nodiscard]] std::unique_ptr<Driver> MakeX11Driver();

}  // namespace win
