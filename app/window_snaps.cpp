#include "app/window_snaps.h"

#include <cstdio>
#include <vector>

#include "platform/drivers/driver.h"
#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

bool Overlap(const win::RECT& a, const win::RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The client area on the screen.
win::RECT ClientOnScreen(win::HWND w) {
    win::RECT r{};
    win::GetClientRect(w, &r);
    win::POINT origin{0, 0};
    win::ClientToScreen(w, &origin);
    return win::RECT{origin.x, origin.y, origin.x + r.right, origin.y + r.bottom};
}

// The window with its child windows, as the window's own pixels show it.
win::Image32 Composed(win::HWND w) {
    win::SurfaceBuffer picture;
    win::Image32 image;
    if (!win::detail::ComposeWindow(w, picture)) return image;
    image.width = picture.Width();
    image.height = picture.Height();
    image.pixels.reserve(static_cast<size_t>(image.width) * static_cast<size_t>(image.height));
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) image.pixels.push_back(picture.At(x, y));
    return image;
}

}  // namespace

bool WindowSnaps::Take(std::string& error) {
    win::HWND main = mainWindowState.mainWindow;
    if (folder_.empty() || main == nullptr || !win::IsWindow(main)) return true;
    std::vector<win::HWND> shown;  // bottom first: owners before what they own
    for (win::HWND w = win::GetWindow(main, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT)) {
        if (win::IsWindowVisible(w) && !win::IsIconic(w)) shown.insert(shown.begin(), w);
    }
    for (size_t i = 0; i < shown.size(); ++i) {
        win::HWND w = shown[i];
        char name[128] = {};
        win::GetClassName(w, name, sizeof name);
        char title[256] = {};
        win::GetWindowText(w, title, sizeof title);
        const std::string key = std::string(name) + "\n" + title;
        if (name[0] == '\0' || taken_.count(key) != 0) continue;
        // A window partly behind another is pictured once the user sees it whole.
        const win::RECT client = ClientOnScreen(w);
        bool covered = false;
        for (size_t j = i + 1; j < shown.size() && !covered; ++j) {
            win::RECT above{};
            win::GetWindowRect(shown[j], &above);
            covered = Overlap(client, above);
        }
        if (covered) continue;
        taken_.insert(key);
        win::Image32 picture;
        if (!win::CurrentDriver().ReadShownPixels(w, &picture)) picture = Composed(w);
        char file[16];
        std::snprintf(file, sizeof file, "%03d-", ++count_);
        const std::string path = folder_ + "/" + file + name + ".ppm";
        if (!win::WritePpm(path, picture)) {
            error = win::FailedLinuxWriteText("Writing", path);
            return false;
        }
    }
    return true;
}
