// The device driver behind the windowing layer. The API is written once; what
// differs between running headless (tests, scripts, CI) and showing real
// windows on an X display goes through this small interface.
#pragma once

#include <memory>
#include <string>

#include "platform/gdi/gdi_types.h"
#include "platform/system/clipboard_shared.h"
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
    // Called when a look at the message queue found nothing: a display shows
    // what was painted and reads input that came meanwhile, so windows stay
    // alive while the program works without waiting. Never blocks; true when
    // input was turned into messages.
    virtual bool Poll() { return false; }
    // The client area of a shown top-level window as the display shows it,
    // once everything waiting was painted; false when the driver has no
    // pictures of its own (headless: the window's pixels are what is shown).
    virtual bool ReadShownPixels(HWND hwnd, Image32* image) {
        (void)hwnd;
        (void)image;
        return false;
    }

    // The clipboard shared with other programs. ClipboardChanged is told when
    // the program has set new contents (or emptied the clipboard) and closed
    // it; ClipboardElsewhere says whether another program (or nobody) now
    // holds the shared clipboard, and gives its text in the program's ANSI
    // code page with CR LF line ends (empty when it offers no text). Without
    // a shared clipboard the program's own contents are all there is.
    virtual void ClipboardChanged() {}
    virtual bool ClipboardElsewhere(std::string* text) {
        (void)text;
        return false;
    }
    // When another program holds the shared clipboard: of the formats named in
    // `names`, those it offers, with their bytes.
    virtual void ClipboardNamedElsewhere(const std::vector<std::string>& names,
                                         std::vector<detail::NamedClipboardData>* found) {
        (void)names;
        (void)found;
    }
};

// The driver in use; headless until another is installed.
[[nodiscard]] Driver& CurrentDriver();
void SetDriver(std::unique_ptr<Driver> driver);

// WaitForInput asks the idle feeder (a script runner) to inject its next
// actions; headless, without one or when it has nothing left, there is no
// input. On a display a feeder is asked once what is shown was painted; while
// one is installed the script answers the prompts (Interactive() is false) and
// the run ends with the script, as headless.
using IdleFeeder = bool (*)();
void SetIdleFeeder(IdleFeeder feeder);
[[nodiscard]] IdleFeeder CurrentIdleFeeder();
[[nodiscard]] std::unique_ptr<Driver> MakeHeadlessDriver();

// Opens the X display named by DISPLAY and returns a driver showing each
// top-level window as an X window; nullptr when there is no display.
// Installing another driver (SetDriver(nullptr) at the end of a run) closes
// the display; a clipboard the program still holds is first handed to the
// display's clipboard manager, or else to a small process of ours that
// serves it until another program takes the clipboard.
[[nodiscard]] std::unique_ptr<Driver> MakeX11Driver();

}  // namespace win
