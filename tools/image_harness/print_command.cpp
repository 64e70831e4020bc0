// print [--printer NAME] [--rect L,T,R,B] [--halftone 0|1|2] [--frame W]
//       [--title T] [--abort-at N] IN
// IN printed with PrintImage as a document of its own from a window titled T
// (the PDF is named after it) on the named printer, or the default one. The
// rectangle is in thousandths of an inch; without it the picture prints one
// inch from the printable area's corner, each pixel a hundredth of an inch.
// --abort-at N asks to stop when the progress count reaches N.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/frame/image_alloc.h"
#include "imaging/print/print_image.h"
#include "platform/gdi/gdi.h"
#include "platform/print/print_setup.h"
#include "platform/window/window.h"
#include "tools/image_harness/harness.h"

namespace {

int32_t abortAt = -1;

int32_t StopAt(int32_t progress) {
    return progress >= abortAt ? 1 : 0;
}

win::LRESULT PlainProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return win::DefWindowProc(h, m, w, l);
}

struct PrintOptions {
    std::string printer;
    bool hasRect = false;
    win::RECT rect;
    int32_t halftone = 0;
    int32_t frame = 0;
    std::string title = "tarvex-image";
    InputOptions in;
};

bool Parse(int argc, char** argv, PrintOptions* o, std::string* error) {
    std::string name;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--printer" && hasValue) {
            o->printer = argv[++i];
        } else if (arg == "--rect" && hasValue) {
            int l = 0, t = 0, r = 0, b = 0;
            if (std::sscanf(argv[++i], "%d,%d,%d,%d", &l, &t, &r, &b) != 4) {
                *error = "--rect wants L,T,R,B";
                return false;
            }
            o->rect = win::RECT{l, t, r, b};
            o->hasRect = true;
        } else if (arg == "--halftone" && hasValue) {
            o->halftone = std::atoi(argv[++i]);
        } else if (arg == "--frame" && hasValue) {
            o->frame = std::atoi(argv[++i]);
        } else if (arg == "--title" && hasValue) {
            o->title = argv[++i];
        } else if (arg == "--abort-at" && hasValue) {
            abortAt = std::atoi(argv[++i]);
        } else if (arg.rfind("--", 0) == 0 || !name.empty()) {
            *error = "unknown argument " + arg;
            return false;
        } else {
            name = arg;
        }
    }
    if (name.empty()) {
        *error = "wants IN";
        return false;
    }
    o->in.in = name;
    return true;
}

}  // namespace

int CmdPrint(int argc, char** argv) {
    PrintOptions o;
    std::string error;
    if (!Parse(argc, argv, &o, &error)) return Fail(kExitUsage, "print " + error);
    ImageDesc image;
    int code = ReadPicture(o.in, &image);
    if (code != kExitOk) return code;
    if (!o.hasRect)
        o.rect = win::RECT{1000, 1000, 1000 + 10 * RectWidth(image) - 1,
                           1000 + 10 * RectHeight(image) - 1};
    win::WNDCLASS wc;
    wc.lpfnWndProc = PlainProc;
    wc.lpszClassName = "TarvexImagePrint";
    (void)win::RegisterClass(&wc);
    win::HWND window = win::CreateWindow("TarvexImagePrint", o.title.c_str(), win::WS_POPUP, 0, 0,
                                         10, 10, nullptr, nullptr, nullptr, nullptr);
    const std::string printer = o.printer.empty() && !win::ConfiguredPrinters().empty()
                                    ? win::ConfiguredPrinters()[0].name
                                    : o.printer;
    win::HDC dc = win::CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
    if (dc == nullptr) {
        FreeImage(&image);
        return Fail(kExitFailed, "no printer \"" + printer + "\"");
    }
    const int32_t status = PrintImage(window, dc, o.halftone, &image, &o.rect, o.frame,
                                      abortAt >= 0 ? StopAt : nullptr);
    win::DeleteDC(dc);
    win::DestroyWindow(window);
    FreeImage(&image);
    if (status != IMG_OK) return Fail(kExitFailed, "PrintImage: " + StatusText(status));
    const std::vector<win::PrintRecord>& log = win::PrintLog();
    if (!log.empty()) {
        const win::PrintRecord& last = log.back();
        std::printf("%s\n", last.aborted ? "aborted" : last.path.c_str());
    }
    return kExitOk;
}
