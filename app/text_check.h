// Text that reads cleanly on every window a script run shows (--text-check
// FILE): before each action, every shown window and each of its shown child
// windows is painted and the texts standing on it are checked: no two may
// overlap, and none may run past the client area's left or right edge (nor
// its top or bottom, where the window does not scroll up and down), a value
// in a field included; no control's text may run into another control
// beside it; a field's text stands clear of its frame (its descenders and
// commas too), also as it is typed, no text is partly
// painted over, a graph's number is not cut short of its decimals ("100."),
// most numbers of a window stand eight pixels high or more, no text's
// figures or capitals (a graph's axis numbers and titles, written across or
// turned) stand under seven
// and a result page's rows keep their columns. Each finding is
// written once to FILE as "CLASS "title": finding".
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/text/text_boxes.h"
#include "platform/window/win_types.h"

class TextCheck {
  public:
    // Turns the platform's record of text on; false when FILE cannot be made.
    [[nodiscard]] bool Start(const std::string& file);
    // Why a finding, or the file itself, could not be written; empty while all were.
    [[nodiscard]] const std::string& Failure() const { return failure_; }
    // Checks the windows now shown; false when a finding could not be written.
    bool Take();
    // Checks one window (a dialog as its fields were just typed into).
    bool TakeWindow(win::HWND window);

  private:
    void CheckWindow(win::HWND window);
    void CheckControls(win::HWND parent);
    void CheckRows(win::HWND w, const std::vector<win::TextBox>& boxes);
    void Write(const std::string& line);
    std::string file_;
    std::set<std::string> written_;
    bool ok_ = true;
    std::string failure_;
};
