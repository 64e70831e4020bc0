// The recorded form of drawing calls: what a metafile context or a printer
// page keeps, and what playback turns back into calls on another context.
//
// Coordinates stay in the logical units of the recording context, and every
// state change is kept in order, so playback through a scale onto another
// device gives the same picture at another size. Objects are kept by their
// descriptions (a pen's style, width and colour ...), so the program may
// delete its objects once it has drawn with them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_region_data.h"

namespace win {
namespace ops {

struct SelectPen {
    LOGPEN desc;
};
struct SelectBrush {
    LOGBRUSH desc;
};
struct SelectFont {
    LOGFONTA desc;
};
struct SelectPalette {
    std::vector<PALETTEENTRY> entries;
};

enum class Attr { TextColor, BkColor, BkMode, TextAlign, PolyFillMode, StretchMode, MapMode };
struct SetAttr {
    Attr which;
    std::uint32_t value;
};

enum class PointAttr { WindowOrg, WindowExt, ViewportOrg, ViewportExt, BrushOrg, MoveTo };
struct SetPoint {
    PointAttr which;
    POINT p;
};

struct Save {};
struct Restore {
    int relative;  // levels back, negative
};

struct LineTo {
    POINT p;
};
struct Poly {
    bool closed;  // Polygon (filled) or Polyline
    std::vector<POINT> points;
};
enum class Shape { Rectangle, Ellipse, InvertRect };
struct ShapeOp {
    Shape shape;
    RECT r;
};
struct FillRect {
    RECT r;
    LOGBRUSH brush;
    bool frame;  // FrameRect: the one-unit border only
};
struct PatBlt {
    RECT r;  // x, y, width, height
    DWORD rop;
};
struct Flood {
    POINT p;
    COLORREF color;
    UINT type;
};
struct Pixel {
    POINT p;
    COLORREF color;
};
struct Text {
    POINT p;
    std::string text;
};
struct ClipRegion {
    bool none;
    RegionData region;  // device units of the recording context
};
struct ClipRect {
    RECT r;
};
struct FillRegion {
    RegionData region;
    LOGBRUSH brush;
};
// A picture drawn from a bitmap or a DIB, kept as the colours it showed.
struct Image {
    RECT dest;  // x, y, width, height (logical; negative sizes mirror)
    Image32 pixels;
    DWORD rop;
};
struct Play;

}  // namespace ops

using MetaRecord =
    std::variant<ops::SelectPen, ops::SelectBrush, ops::SelectFont, ops::SelectPalette,
                 ops::SetAttr, ops::SetPoint, ops::Save, ops::Restore, ops::LineTo, ops::Poly,
                 ops::ShapeOp, ops::FillRect, ops::PatBlt, ops::Flood, ops::Pixel, ops::Text,
                 ops::ClipRegion, ops::ClipRect, ops::FillRegion, ops::Image,
                 std::shared_ptr<const ops::Play>>;

struct Recording {
    std::vector<MetaRecord> records;
};

namespace ops {
// A metafile played into a recording context: kept whole, with the target
// rectangle (logical units of the recording context).
struct Play {
    std::shared_ptr<const Recording> recording;
    RECT frameDevice;  // the picture's frame in its own device units
    RECT rect;
};
}  // namespace ops

// Appends a record when the context records (metafile contexts, printer
// pages); does nothing otherwise.
template <typename Op>
void Record(DeviceContext& dc, Op&& op) {
    if (dc.recording) dc.recording->records.emplace_back(std::forward<Op>(op));
}

// Records the full current state of a context (objects, colours, modes,
// mapping, current position, clip), so a recording started in the middle of
// the program's work (a printer page) replays in the same state.
void RecordCurrentState(DeviceContext& dc);

// Plays records into a context (which has been prepared by the caller).
void PlayRecords(HDC target, const Recording& recording);

// Plays a recording whose frame (in its own device units) goes onto a
// logical rectangle of the target, starting from the default state; a
// recording target keeps it whole instead.
BOOL PlayRecording(HDC hdc, const std::shared_ptr<const Recording>& recording,
                   const RECT& frameDevice, const RECT& rect);
void ResetMetafiles();

}  // namespace win
