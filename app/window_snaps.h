// Pictures of the windows a script run shows: each top-level window class is
// pictured once, when it is first seen shown, into FOLDER/NNN-CLASS.ppm (NNN
// the order of first showing). The picture is the client area as the display
// shows it (the X server's pixels under a display, the window's own pixels
// headless), so the two runs can be compared.
#pragma once

#include <set>
#include <string>

class WindowSnaps {
  public:
    void SetFolder(std::string folder) { folder_ = std::move(folder); }
    // Pictures the shown windows of classes not pictured yet; false when a
    // picture could not be written (`error` says which).
    bool Take(std::string& error);

  private:
    std::string folder_;
    std::set<std::string> taken_;
    int count_ = 0;
};
