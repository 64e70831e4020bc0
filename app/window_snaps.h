// Pictures of the windows a script run shows: each top-level window (by class
// and title) is pictured once, when it is first seen shown and not covered by
// another, into FOLDER/NNN-CLASS.ppm (NNN the order of first showing). The
// picture is the client area as the display shows it (the X server's pixels
// under a display, the window and its controls composed headless), so the two
// runs can be compared.
#pragma once

#include <set>
#include <string>

class WindowSnaps {
  public:
    void SetFolder(std::string folder) { folder_ = std::move(folder); }
    // Pictures the shown windows not pictured yet; false when a
    // picture could not be written (`error` says which).
    bool Take(std::string& error);

  private:
    std::string folder_;
    std::set<std::string> taken_;
    int count_ = 0;
};
