// The Change Range dialogs' picture of the graph.
#include "graphs/range/range_preview.h"

#include "graphs/state/graph_snapshot_records.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/pictures/scale_bitmap.h"

PreviewPlacement PlaceGraphPreview(const win::RECT& client, int snapshotWidth, int snapshotHeight,
                                   bool threeD) {
    const double divisor = threeD ? 1.02 : 1.24;
    const int w = client.right - client.left;
    const int h = client.bottom - client.top;
    PreviewPlacement p{client.left, client.top, 0, 0};
    if (snapshotWidth <= 0 || snapshotHeight <= 0 || w <= 0 || h <= 0) return p;
    const auto fullHeight = static_cast<int>(static_cast<double>(snapshotHeight) /
                                             static_cast<double>(snapshotWidth) * w);
    p.width = static_cast<int>(client.right / divisor);
    p.height = static_cast<int>(fullHeight / divisor);
    if (p.width <= 0 || p.height <= 0) p.width = p.height = 0;
    p.x = client.left + static_cast<int>((w - p.width) * 0.5);
    p.y = client.top + static_cast<int>(h * 0.15);
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
        PlaceGraphPreview(client, graphSnapshot.width, graphSnapshot.height, snapshotIs3D != 0);
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
