// Playback of recorded calls into a device context, and the recording of a
// context's whole state at the start of a printer page.
#include <memory>
#include <type_traits>

#include "platform/bitmaps/bitmap_ops.h"
#include "platform/gdi/gdi_dc.h"
#include "platform/metafile/metafile_ops.h"

namespace win {
namespace {

void SetAttribute(HDC hdc, ops::Attr which, std::uint32_t v) {
    switch (which) {
        case ops::Attr::TextColor:
            SetTextColor(hdc, v);
            break;
        case ops::Attr::BkColor:
            SetBkColor(hdc, v);
            break;
        case ops::Attr::BkMode:
            SetBkMode(hdc, static_cast<int>(v));
            break;
        case ops::Attr::TextAlign:
            SetTextAlign(hdc, v);
            break;
        case ops::Attr::PolyFillMode:
            SetPolyFillMode(hdc, static_cast<int>(v));
            break;
        case ops::Attr::StretchMode:
            SetStretchBltMode(hdc, static_cast<int>(v));
            break;
        case ops::Attr::MapMode:
            SetMapMode(hdc, static_cast<int>(v));
            break;
    }
}

void SetPointAttribute(HDC hdc, ops::PointAttr which, POINT p) {
    switch (which) {
        case ops::PointAttr::WindowOrg:
            SetWindowOrgEx(hdc, p.x, p.y, nullptr);
            break;
        case ops::PointAttr::WindowExt:
            SetWindowExtEx(hdc, p.x, p.y, nullptr);
            break;
        case ops::PointAttr::ViewportOrg:
            SetViewportOrgEx(hdc, p.x, p.y, nullptr);
            break;
        case ops::PointAttr::ViewportExt:
            SetViewportExtEx(hdc, p.x, p.y, nullptr);
            break;
        case ops::PointAttr::BrushOrg:
            SetBrushOrgEx(hdc, p.x, p.y, nullptr);
            break;
        case ops::PointAttr::MoveTo:
            MoveToEx(hdc, p.x, p.y, nullptr);
            break;
    }
}

// Selects a fresh object made from a description; it is deleted at once and
// goes when the playback lets go of it.
void SelectFresh(HDC hdc, HGDIOBJ object) {
    SelectObject(hdc, object);
    DeleteObject(object);
}

struct Player {
    HDC hdc;
    std::size_t baseDepth;

    void operator()(const ops::SelectPen& op) const { SelectFresh(hdc, NewPen(op.desc)); }
    void operator()(const ops::SelectBrush& op) const { SelectFresh(hdc, NewBrush(op.desc)); }
    void operator()(const ops::SelectFont& op) const { SelectFresh(hdc, NewFont(op.desc)); }
    void operator()(const ops::SelectPalette& op) const {
        HPALETTE p = NewPalette(op.entries);
        SelectPalette(hdc, p, FALSE);
        DeleteObject(p);
    }
    void operator()(const ops::SetAttr& op) const { SetAttribute(hdc, op.which, op.value); }
    void operator()(const ops::SetPoint& op) const { SetPointAttribute(hdc, op.which, op.p); }
    void operator()(const ops::Save&) const { SaveDC(hdc); }
    void operator()(const ops::Restore& op) const {
        // Never below the state the playback started from.
        const long depth = static_cast<long>(hdc->saved.size());
        if (depth + op.relative >= static_cast<long>(baseDepth)) RestoreDC(hdc, op.relative);
    }
    void operator()(const ops::LineTo& op) const { LineTo(hdc, op.p.x, op.p.y); }
    void operator()(const ops::Poly& op) const {
        const int n = static_cast<int>(op.points.size());
        if (op.closed) {
            Polygon(hdc, op.points.data(), n);
        } else {
            Polyline(hdc, op.points.data(), n);
        }
    }
    void operator()(const ops::ShapeOp& op) const {
        switch (op.shape) {
            case ops::Shape::Rectangle:
                Rectangle(hdc, op.r.left, op.r.top, op.r.right, op.r.bottom);
                break;
            case ops::Shape::Ellipse:
                Ellipse(hdc, op.r.left, op.r.top, op.r.right, op.r.bottom);
                break;
            case ops::Shape::InvertRect:
                InvertRect(hdc, &op.r);
                break;
        }
    }
    void operator()(const ops::FillRect& op) const {
        HBRUSH brush = NewBrush(op.brush);
        if (op.frame) {
            FrameRect(hdc, &op.r, brush);
        } else {
            FillRect(hdc, &op.r, brush);
        }
        DeleteObject(brush);
    }
    void operator()(const ops::PatBlt& op) const {
        PatBlt(hdc, op.r.left, op.r.top, op.r.right, op.r.bottom, op.rop);
    }
    void operator()(const ops::Flood& op) const {
        ExtFloodFill(hdc, op.p.x, op.p.y, op.color, op.type);
    }
    void operator()(const ops::Pixel& op) const { SetPixel(hdc, op.p.x, op.p.y, op.color); }
    void operator()(const ops::Text& op) const {
        TextOutA(hdc, op.p.x, op.p.y, op.text.data(), static_cast<int>(op.text.size()));
    }
    void operator()(const ops::ClipRegion& op) const {
        if (op.none) {
            SelectClipRgn(hdc, nullptr);
            return;
        }
        HRGN region = NewRegion(op.region);
        SelectClipRgn(hdc, region);
        DeleteObject(region);
    }
    void operator()(const ops::ClipRect& op) const {
        IntersectClipRect(hdc, op.r.left, op.r.top, op.r.right, op.r.bottom);
    }
    void operator()(const ops::FillRegion& op) const {
        HRGN region = NewRegion(op.region);
        HBRUSH brush = NewBrush(op.brush);
        FillRgn(hdc, region, brush);
        DeleteObject(brush);
        DeleteObject(region);
    }
    void operator()(const ops::Image& op) const {
        DrawImage(*hdc, op.dest.left, op.dest.top, op.dest.right, op.dest.bottom, op.pixels,
                  op.rop);
    }
    void operator()(const std::shared_ptr<const ops::Play>& op) const {
        if (op) PlayRecording(hdc, op->recording, op->frameDevice, op->rect);
    }
};

}  // namespace

void PlayRecords(HDC target, const Recording& recording) {
    DeviceContext* dc = AsDc(target);
    if (dc == nullptr) return;
    const Player player{dc, dc->saved.size()};
    for (const MetaRecord& record : recording.records) std::visit(player, record);
}

void RecordCurrentState(DeviceContext& dc) {
    const DcState& s = dc.state;
    if (s.pen != nullptr) Record(dc, ops::SelectPen{s.pen->desc});
    if (s.brush != nullptr) Record(dc, ops::SelectBrush{s.brush->desc});
    if (s.font != nullptr) Record(dc, ops::SelectFont{s.font->desc});
    if (s.palette != nullptr && !s.palette->stock)
        Record(dc, ops::SelectPalette{s.palette->entries});
    Record(dc, ops::SetAttr{ops::Attr::TextColor, s.textColor});
    Record(dc, ops::SetAttr{ops::Attr::BkColor, s.bkColor});
    Record(dc, ops::SetAttr{ops::Attr::BkMode, static_cast<std::uint32_t>(s.bkMode)});
    Record(dc, ops::SetAttr{ops::Attr::TextAlign, s.textAlign});
    Record(dc, ops::SetAttr{ops::Attr::PolyFillMode, static_cast<std::uint32_t>(s.polyFillMode)});
    Record(dc, ops::SetAttr{ops::Attr::StretchMode, static_cast<std::uint32_t>(s.stretchMode)});
    Record(dc, ops::SetAttr{ops::Attr::MapMode, static_cast<std::uint32_t>(s.mapMode)});
    Record(dc, ops::SetPoint{ops::PointAttr::WindowExt, POINT{s.windowExt.cx, s.windowExt.cy}});
    Record(dc,
           ops::SetPoint{ops::PointAttr::ViewportExt, POINT{s.viewportExt.cx, s.viewportExt.cy}});
    Record(dc, ops::SetPoint{ops::PointAttr::WindowOrg, s.windowOrg});
    Record(dc, ops::SetPoint{ops::PointAttr::ViewportOrg, s.viewportOrg});
    Record(dc, ops::SetPoint{ops::PointAttr::BrushOrg, s.brushOrg});
    Record(dc, ops::SetPoint{ops::PointAttr::MoveTo, s.currentPos});
    if (s.hasClip) Record(dc, ops::ClipRegion{false, s.clip});
}

}  // namespace win
