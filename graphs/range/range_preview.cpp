// The Change Range dialogs' picture of the graph.
#include "graphs/range/range_preview.h"

#include <algorithm>

#include "graphs/state/graph_snapshot_records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/pictures/scale_bitmap.h"

namespace {
constexpr int kPreviewGap = 3;  // pixels between the picture and the controls under it
}  // namespace

int PreviewRoomBottom(win::HWND dialog, const win::RECT& client) {
    const int middle = (client.top + client.bottom) / 2;
    int room = client.bottom;
    for (win::HWND c = win::GetWindow(dialog, win::GW_CHILD); c != nullptr;
         c = win::GetWindow(c, win::GW_HWNDNEXT)) {
        win::RECT r{};
        if (!win::GetWindowRect(c, &r)) continue;
        win::POINT corner{r.left, r.top};
        win::ScreenToClient(dialog, &corner);
        if (corner.y > middle) room = std::min(room, static_cast<int>(corner.y) - kPreviewGap);
    }
    return room;
}

PreviewPlacement PlaceGraphPreview(const win::RECT& client, int snapshotWidth, int snapshotHeight,
                                   bool threeD, int roomBottom) {
    const double divisor = threeD ? 1.02 : 1.24;
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    PreviewPlacement p{client.left, client.top, 0, 0};
    if (snapshotWidth <= 0 || snapshotHeight <= 0 || w <= 0 || h <= 0) return p;
    const auto fullHeight = static_cast<int>(static_cast<double>(snapshotHeight) /
                                             static_cast<double>(snapshotWidth) * w);
    p.width = static_cast<int>(client.right / divisor);
    p.height = static_cast<int>(fullHeight / divisor);
    p.y = client.top + static_cast<int>(h * 0.15);
    const int room = roomBottom - p.y;
    if (p.height > room && p.height > 0) {
        const double shrink = std::max(room, 0) / static_cast<double>(p.height);
        p.width = static_cast<int>(p.width * shrink);
        p.height = std::max(room, 0);
    }
    if (p.width <= 0 || p.height <= 0) p.width = p.height = 0;
    p.x = client.left + static_cast<int>((w - p.width) * 0.5);
    return p;
}

int PaintGraphPreview(win::HWND dialog) {
    win::HDC dc = win::GetDC(dialog);
    if (dc == nullptr) return 0;
    win::SetBkColor(dc, 0xFFFFFF);
    win::SetBkMode(dc, win::TRANSPARENT);
    win::HDC memory = win::CreateCompatibleDC(dc);
    win::SetBkColor(memory, 0xFFFFFF);
    win::SetMapMode(memory, win::GetMapMode(dc));

    win::RECT client{};
    win::GetClientRect(dialog, &client);
    win::FillRect(dc, &client, static_cast<win::HBRUSH>(win::GetStockObject(win::WHITE_BRUSH)));

    const PreviewPlacement p =
        PlaceGraphPreview(client, graphSnapshot.width, graphSnapshot.height, snapshotIs3D != 0,
                          PreviewRoomBottom(dialog, client));
    win::HBITMAP scaled = nullptr;
    if (graphSnapshot.bitmap != nullptr && p.width > 0 && p.width <= 0xFFFF && p.height <= 0xFFFF)
        scaled = ScaleBitmap(graphSnapshot.bitmap, static_cast<uint16_t>(p.width),
                             static_cast<uint16_t>(p.height));
    if (scaled != nullptr && memory != nullptr) {
        win::POINT at[2] = {{p.x, p.y}, {p.x + p.width, p.y + p.height}};
        win::DPtoLP(dc, at, 2);
        win::HGDIOBJ old = win::SelectObject(memory, scaled);
        win::BitBlt(dc, at[0].x, at[0].y, at[1].x - at[0].x, at[1].y - at[0].y, memory, 0, 0,
                    win::SRCCOPY);
        win::SelectObject(memory, old);
    }
    if (memory != nullptr) win::DeleteDC(memory);
    if (scaled != nullptr) win::DeleteObject(scaled);
    win::ReleaseDC(dialog, dc);
    return 0;
}
