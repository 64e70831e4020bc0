// Internal definition of a device context: its attributes (selected objects,
// colours, modes, mapping, clip), the description of its device, and where
// its drawing goes (a window's pixels, a bitmap, a recording, a PDF page).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_region_data.h"

typedef struct _cairo cairo_t;

namespace win {

struct Recording;  // metafile_ops.h
struct PrintJob;   // print_job.h

enum class DcKind {
    Window,    // a window's client area (GetDC, BeginPaint)
    Screen,    // the whole screen (GetDC(null), CreateDCA("DISPLAY"))
    Memory,    // the bitmap selected into it
    Info,      // an information context: queries only
    Printer,   // records each page; the pages become a PDF at the end
    Metafile,  // records into an enhanced-metafile stand-in
    Vector,    // internal: a cairo context on a PDF page
};

// What GetDeviceCaps answers.
struct DeviceCaps {
    int driverVersion = 0x400;
    int technology = DT_RASDISPLAY;
    int horzRes = 0;  // printable width, pixels
    int vertRes = 0;
    int horzSizeMm = 0;
    int vertSizeMm = 0;
    int logPixelsX = 96;
    int logPixelsY = 96;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int offsetX = 0;
    int offsetY = 0;
    int bitsPixel = 32;
    int planes = 1;
    int numColors = -1;
    int rasterCaps = 0;
    int sizePalette = 0;
};

// The attributes SaveDC keeps. Object pointers hold a selection count.
struct DcState {
    PenObject* pen = nullptr;
    BrushObject* brush = nullptr;
    FontObject* font = nullptr;
    PaletteObject* palette = nullptr;
    BitmapObject* bitmap = nullptr;  // memory contexts only
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int polyFillMode = ALTERNATE;
    int stretchMode = BLACKONWHITE;
    POINT brushOrg;
    int mapMode = MM_TEXT;
    POINT windowOrg;
    POINT viewportOrg;
    SIZE windowExt{1, 1};
    SIZE viewportExt{1, 1};
    POINT currentPos;
    // Clip of the program (SelectClipRgn, IntersectClipRect) and the clip it
    // lives inside (the paint rectangle, or the picture area while a metafile
    // plays); both in device pixels.
    bool hasClip = false;
    RegionData clip;
    bool hasBaseClip = false;
    RegionData baseClip;
    // Metafile playback: device = dcDevice * scale + offset.
    double playSx = 1.0;
    double playTx = 0.0;
    double playSy = 1.0;
    double playTy = 0.0;
};

struct DeviceContext {
    DcKind kind = DcKind::Memory;
    HWND hwnd = nullptr;      // window contexts
    bool windowGone = false;  // the window was destroyed while the DC lived
    bool paintDc = false;     // made by BeginPaint
    DeviceCaps caps;
    DcState state;
    std::vector<DcState> saved;
    // Metafile and printer contexts: where the calls are recorded (for a
    // printer, the page being drawn; null between pages).
    std::shared_ptr<Recording> recording;
    std::shared_ptr<PrintJob> job;  // printer contexts
    cairo_t* vector = nullptr;      // Vector contexts (not owned)
    bool greyInk = false;           // Vector contexts of a mono printer: colours become greys
    // Metafile contexts: the picture's frame (0.01 mm and reference-device
    // pixels) and description.
    RECT metaFrame;
    RECT metaFrameDevice;
    std::string metaDescription;
};

// Registry of live device contexts.
[[nodiscard]] DeviceContext* AsDc(HDC hdc);
[[nodiscard]] HDC NewDc(DcKind kind);
void DestroyDc(DeviceContext* dc);
void ResetDcs();
// Called when a window goes away: its contexts stop drawing.
void ForgetWindowDcs(HWND hwnd);

// Puts a state into effect: selects the default objects (used for a new
// context and at the start of a metafile playback).
void InitDefaultState(DcState& state);
void RetainState(DcState& state);
void ReleaseState(DcState& state);

// The caps of the screen and of a memory context compatible with it.
[[nodiscard]] DeviceCaps ScreenCaps();
// Makes the windowing half paint its controls and size its dialogs with
// this drawing layer (gdi_control_paint.cpp).
void InstallControlPainting();
// That painter, for pictures drawn outside a control's own paint (the
// scroll bars of a window's frame).
struct ControlPaintInfo;
void PaintBuiltinControl(const ControlPaintInfo& info);

// Whether the context draws pixels (window, screen, memory, vector) as
// opposed to only recording or only answering queries.
[[nodiscard]] bool DrawsPixels(const DeviceContext& dc);

}  // namespace win
