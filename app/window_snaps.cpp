#include "app/window_snaps.h"

#include <cstdio>
#include <vector>

#include "platform/drivers/driver.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "shell/records.h"

bool WindowSnaps::Take(std::string& error) {
    win::HWND main = mainWindowState.mainWindow;
    if (folder_.empty() || main == nullptr || !win::IsWindow(main)) return true;
    std::vector<win::HWND> shown;  // bottom first: owners before what they own
    for (win::HWND w = win::GetWindow(main, win::GW_HWNDFIRST); w != nullptr;
         w = win::GetWindow(w, win::GW_HWNDNEXT)) {
        if (win::IsWindowVisible(w) && !win::IsIconic(w)) shown.insert(shown.begin(), w);
    }
    for (win::HWND w : shown) {
        char name[128] = {};
        win::GetClassName(w, name, sizeof name);
        if (name[0] == '\0' || !taken_.insert(name).second) continue;
        win::Image32 picture;
        if (!win::CurrentDriver().ReadShownPixels(w, &picture)) picture = win::ReadWindowPixels(w);
        char file[16];
        std::snprintf(file, sizeof file, "%03d-", ++count_);
        const std::string path = folder_ + "/" + file + name + ".ppm";
        if (!win::WritePpm(path, picture)) {
            error = "cannot write " + path;
            return false;
        }
    }
    return true;
}
