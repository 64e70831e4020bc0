// clipboard [--depth N] IN OUT.dib: IN copied with CopyImageToClipboard from a
// window; the CF_DIB block is written to OUT, and whether CF_PALETTE came too.
// show [--screen-depth N] [--dither 0|1|2] [--at X,Y] IN OUT.ppm: IN drawn into
// a window of its size with DrawImageAdaptive; the client area is written.
// capture [--screen-depth N] IN OUT: IN drawn into a window's client area, taken
// back with CaptureClientArea and written to OUT (.ppm, .bmp or .png).
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "imaging/bmp/bmp.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/capture/capture.h"
#include "imaging/display/draw_image.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/png/png.h"
#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/screen_depth.h"
#include "platform/system/clipboard.h"
#include "platform/window/window.h"
#include "tools/image_harness/harness.h"

namespace {

win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

win::HWND MakeWindow(int width, int height, int x = 0, int y = 0) {
    win::WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "TarvexImageHarness";
    (void)win::RegisterClass(&wc);
    return win::CreateWindow("TarvexImageHarness", "tarvex-image", win::WS_POPUP | win::WS_VISIBLE,
                             x, y, width, height, nullptr, nullptr, nullptr, nullptr);
}

// Options shared by both commands; false with a message for anything else.
bool Parse(int argc, char** argv, bool show, InputOptions* in, std::string* out, int* screenDepth,
           int* dither, int* atX, int* atY, std::string* error) {
    std::vector<std::string> names;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--depth" && hasValue) {
            in->depth = std::atoi(argv[++i]);
        } else if (arg == "--screen-depth" && hasValue) {
            *screenDepth = std::atoi(argv[++i]);
        } else if (show && arg == "--dither" && hasValue) {
            *dither = std::atoi(argv[++i]);
        } else if (show && arg == "--at" && hasValue) {
            if (std::sscanf(argv[++i], "%d,%d", atX, atY) != 2) {
                *error = "--at wants X,Y";
                return false;
            }
        } else if (arg.rfind("--", 0) == 0) {
            *error = "unknown option " + arg;
            return false;
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 2) {
        *error = "wants IN and OUT";
        return false;
    }
    in->in = names[0];
    *out = names[1];
    return true;
}

}  // namespace

int CmdClipboard(int argc, char** argv) {
    InputOptions in;
    std::string out;
    std::string error;
    int unused = 0;
    if (!Parse(argc, argv, false, &in, &out, &unused, &unused, &unused, &unused, &error)) {
        return Fail(kExitUsage, "clipboard " + error);
    }
    ImageDesc image;
    int code = ReadPicture(in, &image);
    if (code != kExitOk) return code;
    win::HWND window = MakeWindow(64, 64);
    if (CopyImageToClipboard(window, &image) == 0 || !win::OpenClipboard(window)) {
        FreeImage(&image);
        return Fail(kExitFailed, "the clipboard took nothing");
    }
    auto* handle = static_cast<win::HGLOBAL>(win::GetClipboardData(win::CF_DIB));
    const void* dib = handle != nullptr ? win::GlobalLock(handle) : nullptr;
    if (dib == nullptr) {
        code = Fail(kExitFailed, "no CF_DIB on the clipboard");
    } else {
        const bool written =
            win::ReplaceFileContents(out.c_str(), dib, win::GlobalSize(handle)) != win::FALSE;
        win::GlobalUnlock(handle);
        if (!written) code = Fail(kExitFailed, "cannot write " + out);
    }
    auto* palette = static_cast<win::HPALETTE>(win::GetClipboardData(win::CF_PALETTE));
    if (palette != nullptr) {
        win::PALETTEENTRY entries[256];
        std::printf("CF_PALETTE %u\n", win::GetPaletteEntries(palette, 0, 256, entries));
    } else {
        std::printf("no CF_PALETTE\n");
    }
    win::EmptyClipboard();
    win::CloseClipboard();
    win::DestroyWindow(window);
    FreeImage(&image);
    return code;
}

int CmdShow(int argc, char** argv) {
    InputOptions in;
    std::string out;
    std::string error;
    int screenDepth = 32;
    int dither = 0;
    int atX = 0;
    int atY = 0;
    if (!Parse(argc, argv, true, &in, &out, &screenDepth, &dither, &atX, &atY, &error)) {
        return Fail(kExitUsage, "show " + error);
    }
    if (Ending(out) != "ppm") return Fail(kExitUsage, "show writes a .ppm");
    ImageDesc image;
    int code = ReadPicture(in, &image);
    if (code != kExitOk) return code;
    win::SetScreenDepth(screenDepth);
    win::HWND window = MakeWindow(image.header->biWidth, image.header->biHeight);
    win::HDC dc = win::GetDC(window);
    win::HPALETTE palette = nullptr;
    const int32_t status = DrawImageAdaptive(window, dc, &palette, atX, atY, &image, 0, 0, dither);
    win::ReleaseDC(window, dc);
    if (palette != nullptr) win::DeleteObject(palette);
    if (status != IMG_OK) {
        code = Fail(kExitFailed, "DrawImageAdaptive: " + StatusText(status));
    } else {
        const win::Image32 shown = win::ReadWindowPixels(window);
        PnmPicture picture;
        picture.width = shown.width;
        picture.height = shown.height;
        for (uint32_t p : shown.pixels) picture.rgb.push_back(p & 0xFFFFFF);
        if (!WritePpm(out, picture, &error)) code = Fail(kExitFailed, error);
    }
    win::DestroyWindow(window);
    FreeImage(&image);
    return code;
}

int CmdCapture(int argc, char** argv) {
    InputOptions in;
    std::string out;
    std::string error;
    int screenDepth = 32;
    int unused = 0;
    if (!Parse(argc, argv, false, &in, &out, &screenDepth, &unused, &unused, &unused, &error)) {
        return Fail(kExitUsage, "capture " + error);
    }
    const std::string ending = Ending(out);
    if (ending != "ppm" && ending != "bmp" && ending != "png") {
        return Fail(kExitUsage, "capture writes a .ppm, .bmp or .png");
    }
    ImageDesc image;
    int code = ReadPicture(in, &image);
    if (code != kExitOk) return code;
    win::SetScreenDepth(screenDepth);
    // Away from the screen's corner, under another window that covers none of it.
    win::HWND below = MakeWindow(image.header->biWidth + 40, 20, 0, 0);
    win::HWND window = MakeWindow(image.header->biWidth, image.header->biHeight, 17, 23);
    win::HDC dc = win::GetDC(window);
    win::HPALETTE palette = nullptr;
    int32_t status = DrawImageToWindowAt(window, &palette, dc, 0, 0, &image, 0, 0);
    win::ReleaseDC(window, dc);
    if (palette != nullptr) win::DeleteObject(palette);
    FreeImage(&image);
    ImageDesc captured;
    if (status == IMG_OK) status = CaptureClientArea(window, &captured);
    win::DestroyWindow(window);
    win::DestroyWindow(below);
    if (status != IMG_OK) return Fail(kExitFailed, "capture: " + StatusText(status));
    if (ending == "bmp") {
        status = SaveBmp(out.c_str(), &captured, 0);
    } else if (ending == "png") {
        status = SavePng(out.c_str(), &captured, 0);
    } else if (!WritePpm(out, PictureOf(captured), &error)) {
        code = Fail(kExitFailed, error);
    }
    if (status != IMG_OK) code = Fail(kExitFailed, out + ": " + StatusText(status));
    FreeImage(&captured);
    return code;
}
