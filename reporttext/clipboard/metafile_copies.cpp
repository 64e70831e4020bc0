// The metafile copies of the summary pages.
#include "reporttext/clipboard/metafile_copies.h"

#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"
#include "platform/window/window.h"
#include "shell/records.h"

namespace {

void DrawNothing(win::HDC, int32_t) {}

SummaryPageRenderer onePageRenderer = DrawNothing;
SummaryPageRenderer wellLogRenderer = DrawNothing;

// The metafile description: the program and the picture, each ended by a NUL,
// and a NUL after both.
constexpr char kOnePageDescription[] = "Tarvex\0One Page Summary\0";
constexpr char kWellLogDescription[] = "Tarvex\0Well Log Page\0";

int CopyPageAsMetafile(win::HDC reference, win::HWND page, int orientation,
                       SummaryPageRenderer render, const char* description) {
    win::RECT window;
    if (!win::GetWindowRect(page, &window)) return 0;
    const int horzRes = win::GetDeviceCaps(reference, win::HORZRES);
    const int vertRes = win::GetDeviceCaps(reference, win::VERTRES);
    if (horzRes <= 0 || vertRes <= 0) return 0;
    const long long width = static_cast<long long>(window.right - window.left) *
                            win::GetDeviceCaps(reference, win::HORZSIZE) * 100 / horzRes;
    const long long height = static_cast<long long>(window.bottom - window.top) *
                             win::GetDeviceCaps(reference, win::VERTSIZE) * 100 / vertRes;
    win::RECT frame{0, 0, static_cast<win::LONG>(width), static_cast<win::LONG>(height)};
    if (orientation != 1) frame = win::RECT{0, 0, frame.bottom, frame.right};
    win::HDC meta = win::CreateEnhMetaFileA(reference, nullptr, &frame, description);
    if (meta == nullptr) return 0;
    render(meta, 0);
    win::HENHMETAFILE picture = win::CloseEnhMetaFile(meta);
    if (picture == nullptr) return 0;
    if (!win::OpenClipboard(mainWindowState.mainWindow)) {
        win::DeleteEnhMetaFile(picture);
        return 0;
    }
    win::EmptyClipboard();
    win::SetClipboardData(win::CF_ENHMETAFILE, picture);
    win::CloseClipboard();
    return 1;
}

}  // namespace

void InstallSummaryPageRenderers(SummaryPageRenderer onePage, SummaryPageRenderer wellLog) {
    onePageRenderer = onePage != nullptr ? onePage : DrawNothing;
    wellLogRenderer = wellLog != nullptr ? wellLog : DrawNothing;
}

int CopyReportPageAsMetafile(win::HDC reference, win::HWND page, int orientation) {
    return CopyPageAsMetafile(reference, page, orientation, onePageRenderer, kOnePageDescription);
}

int CopyWellLogPageAsMetafile(win::HDC reference, win::HWND page, int orientation) {
    return CopyPageAsMetafile(reference, page, orientation, wellLogRenderer, kWellLogDescription);
}
