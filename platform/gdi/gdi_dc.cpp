// Device contexts: the registry, creation of memory contexts, selection of
// objects, SaveDC/RestoreDC, and the colour and mode attributes.
#include "platform/gdi/gdi_dc.h"

#include <algorithm>
#include <unordered_set>

#include "platform/gdi/screen_depth.h"
#include "platform/metafile/metafile_ops.h"
#include "platform/system/system.h"
#include "platform/text/text_boxes.h"

namespace win {
namespace {

std::unordered_set<DeviceContext*>& Dcs() {
    // Never destroyed: contexts still open at exit stay reachable.
    static auto& dcs = *new std::unordered_set<DeviceContext*>;
    return dcs;
}

// The 1 x 1 monochrome bitmap a new memory context holds.
BitmapObject* StockBitmap() {
    static BitmapObject* bitmap = nullptr;
    if (bitmap == nullptr) {
        bitmap = NewBitmap(1, 1, 1);
        bitmap->stock = true;
    }
    return bitmap;
}

// Swaps a selected object, keeping the selection counts right; returns the
// previous one.
template <typename T>
T* Swap(T*& slot, T* next) {
    T* previous = slot;
    RetainObject(next);
    slot = next;
    ReleaseObject(previous);
    return previous;
}

template <typename T>
T SetValue(HDC hdc, T DcState::*field, T value, ops::Attr attr, T failure) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return failure;
    Record(*dc, ops::SetAttr{attr, static_cast<std::uint32_t>(value)});
    T previous = dc->state.*field;
    dc->state.*field = value;
    return previous;
}

template <typename T>
T GetValue(HDC hdc, T DcState::*field, T failure) {
    DeviceContext* dc = AsDc(hdc);
    return dc == nullptr ? failure : dc->state.*field;
}

}  // namespace

int LiveDcCount() {
    return static_cast<int>(Dcs().size());
}

DeviceContext* AsDc(HDC hdc) {
    if (hdc == nullptr) return nullptr;
    auto& dcs = Dcs();
    return dcs.count(hdc) != 0 ? hdc : nullptr;
}

void InitDefaultState(DcState& state) {
    ReleaseState(state);
    state = DcState{};
    state.pen = StockPen(BLACK_PEN);
    state.brush = StockBrush(WHITE_BRUSH);
    state.font = StockFont(SYSTEM_FONT);
    state.palette = StockPalette();
    RetainState(state);
}

void RetainState(DcState& state) {
    RetainObject(state.pen);
    RetainObject(state.brush);
    RetainObject(state.font);
    RetainObject(state.palette);
    RetainObject(state.bitmap);
}

void ReleaseState(DcState& state) {
    ReleaseObject(state.pen);
    ReleaseObject(state.brush);
    ReleaseObject(state.font);
    ReleaseObject(state.palette);
    ReleaseObject(state.bitmap);
    state.pen = nullptr;
    state.brush = nullptr;
    state.font = nullptr;
    state.palette = nullptr;
    state.bitmap = nullptr;
}

HDC NewDc(DcKind kind) {
    auto* dc = new DeviceContext;
    dc->kind = kind;
    InitDefaultState(dc->state);
    if (kind == DcKind::Memory) Swap(dc->state.bitmap, StockBitmap());
    Dcs().insert(dc);
    return dc;
}

void DestroyDc(DeviceContext* dc) {
    if (dc == nullptr || Dcs().erase(dc) == 0) return;
    for (DcState& s : dc->saved) ReleaseState(s);
    ReleaseState(dc->state);
    delete dc;
}

namespace {
int screenDepth = 32;
}  // namespace

void SetScreenDepth(int bitsPerPixel) {
    screenDepth = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 ? bitsPerPixel : 32;
}

int ScreenDepth() {
    return screenDepth;
}

void ResetDcs() {
    std::vector<DeviceContext*> all(Dcs().begin(), Dcs().end());
    for (DeviceContext* dc : all) DestroyDc(dc);
    screenDepth = 32;
}

void ForgetWindowDcs(HWND hwnd) {
    for (DeviceContext* dc : Dcs()) {
        if (dc->hwnd == hwnd) dc->windowGone = true;
    }
    detail::ForgetTextBoxes(hwnd);
}

DeviceCaps ScreenCaps() {
    // A true-colour display at 96 dots per inch; the size follows the desktop
    // the windowing half reports.
    DeviceCaps caps;
    caps.technology = DT_RASDISPLAY;
    caps.horzRes = GetSystemMetrics(SM_CXSCREEN);
    caps.vertRes = GetSystemMetrics(SM_CYSCREEN);
    caps.logPixelsX = 96;
    caps.logPixelsY = 96;
    caps.horzSizeMm = static_cast<int>(caps.horzRes * 25.4 / 96.0 + 0.5);
    caps.vertSizeMm = static_cast<int>(caps.vertRes * 25.4 / 96.0 + 0.5);
    caps.physicalWidth = 0;
    caps.physicalHeight = 0;
    caps.bitsPixel = screenDepth;
    caps.planes = 1;
    caps.numColors = screenDepth == 8 ? 20 : screenDepth < 8 ? 1 << screenDepth : -1;
    caps.rasterCaps = RC_BITBLT | RC_BITMAP64 | RC_DI_BITMAP | RC_DIBTODEV | RC_STRETCHBLT |
                      RC_FLOODFILL | RC_STRETCHDIB;
    if (screenDepth == 8) caps.rasterCaps |= RC_PALETTE;
    caps.sizePalette = screenDepth == 8 ? 256 : 0;
    return caps;
}

bool DrawsPixels(const DeviceContext& dc) {
    switch (dc.kind) {
        case DcKind::Window:
        case DcKind::Screen:
        case DcKind::Memory:
        case DcKind::Vector:
            return true;
        default:
            return false;
    }
}

HDC CreateCompatibleDC(HDC hdc) {
    DeviceContext* source = nullptr;
    if (hdc != nullptr) {
        source = AsDc(hdc);
        if (source == nullptr) return nullptr;
    }
    HDC memory = NewDc(DcKind::Memory);
    // A memory context describes the device it is compatible with.
    memory->caps =
        source != nullptr && source->kind != DcKind::Metafile ? source->caps : ScreenCaps();
    return memory;
}

BOOL DeleteDC(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    if (dc->kind == DcKind::Window || dc->kind == DcKind::Screen) {
        if (!dc->paintDc) {
            DestroyDc(dc);
            return TRUE;
        }
        return FALSE;
    }
    DestroyDc(dc);
    return TRUE;
}

HWND WindowFromDC(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    return dc == nullptr || dc->windowGone ? nullptr : dc->hwnd;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return nullptr;
    if (PenObject* pen = AsPen(object)) {
        Record(*dc, ops::SelectPen{pen->desc});
        return Swap(dc->state.pen, pen);
    }
    if (BrushObject* brush = AsBrush(object)) {
        Record(*dc, ops::SelectBrush{brush->desc});
        return Swap(dc->state.brush, brush);
    }
    if (FontObject* font = AsFont(object)) {
        Record(*dc, ops::SelectFont{font->desc});
        return Swap(dc->state.font, font);
    }
    if (BitmapObject* bitmap = AsBitmap(object)) {
        // Only memory contexts hold bitmaps, and a bitmap sits in one context.
        if (dc->kind != DcKind::Memory) return nullptr;
        if (bitmap->selectCount > 0 && bitmap != dc->state.bitmap && !bitmap->stock) return nullptr;
        return Swap(dc->state.bitmap, bitmap);
    }
    if (RegionObject* region = AsRegion(object)) {
        // Selecting a region sets the clip; the answer is the region kind.
        const int kind = SelectClipRgn(hdc, region);
        return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
    }
    return nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT objectType) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return nullptr;
    switch (objectType) {
        case OBJ_PEN:
            return dc->state.pen;
        case OBJ_BRUSH:
            return dc->state.brush;
        case OBJ_FONT:
            return dc->state.font;
        case OBJ_PAL:
            return dc->state.palette;
        case OBJ_BITMAP:
            return dc->state.bitmap;
        default:
            return nullptr;
    }
}

int SaveDC(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return 0;
    Record(*dc, ops::Save{});
    dc->saved.push_back(dc->state);
    RetainState(dc->saved.back());
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int saved) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    // A positive level restores the state that SaveDC numbered so; a negative
    // one goes that many levels back.
    const int target = saved > 0 ? saved - 1 : depth + saved;
    if (saved == 0 || target < 0 || target >= depth) return FALSE;
    Record(*dc, ops::Restore{target - depth});
    ReleaseState(dc->state);
    dc->state = dc->saved[static_cast<std::size_t>(target)];
    for (int i = target + 1; i < depth; ++i) ReleaseState(dc->saved[static_cast<std::size_t>(i)]);
    dc->saved.resize(static_cast<std::size_t>(target));
    return TRUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF c) {
    return SetValue(hdc, &DcState::textColor, c, ops::Attr::TextColor, CLR_INVALID);
}
COLORREF GetTextColor(HDC hdc) {
    return GetValue(hdc, &DcState::textColor, CLR_INVALID);
}
COLORREF SetBkColor(HDC hdc, COLORREF c) {
    return SetValue(hdc, &DcState::bkColor, c, ops::Attr::BkColor, CLR_INVALID);
}
COLORREF GetBkColor(HDC hdc) {
    return GetValue(hdc, &DcState::bkColor, CLR_INVALID);
}

int SetBkMode(HDC hdc, int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    return SetValue(hdc, &DcState::bkMode, mode, ops::Attr::BkMode, 0);
}
int GetBkMode(HDC hdc) {
    return GetValue(hdc, &DcState::bkMode, 0);
}

UINT SetTextAlign(HDC hdc, UINT align) {
    return SetValue(hdc, &DcState::textAlign, align, ops::Attr::TextAlign, GDI_ERROR);
}
UINT GetTextAlign(HDC hdc) {
    return GetValue(hdc, &DcState::textAlign, GDI_ERROR);
}

int SetPolyFillMode(HDC hdc, int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return SetValue(hdc, &DcState::polyFillMode, mode, ops::Attr::PolyFillMode, 0);
}
int GetPolyFillMode(HDC hdc) {
    return GetValue(hdc, &DcState::polyFillMode, 0);
}

int SetStretchBltMode(HDC hdc, int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE) return 0;
    return SetValue(hdc, &DcState::stretchMode, mode, ops::Attr::StretchMode, 0);
}
int GetStretchBltMode(HDC hdc) {
    return GetValue(hdc, &DcState::stretchMode, 0);
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, POINT* previous) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return FALSE;
    Record(*dc, ops::SetPoint{ops::PointAttr::BrushOrg, POINT{x, y}});
    if (previous != nullptr) *previous = dc->state.brushOrg;
    dc->state.brushOrg = POINT{x, y};
    return TRUE;
}

}  // namespace win
