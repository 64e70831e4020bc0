// Where a drawing call puts its pixels: a cairo context over the target of a
// device context (a window's surface, a bitmap, a PDF page), clipped to the
// context's clip, with helpers that turn pens and brushes into cairo
// sources. Shapes are drawn without antialiasing so edges land on whole
// device pixels.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/surface.h"

typedef struct _cairo_surface cairo_surface_t;

namespace win {

// Opens the target of a context for one drawing call and closes it again
// (for a DIB section: converts its rows to pixels and back).
class Canvas {
  public:
    explicit Canvas(DeviceContext& dc);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    [[nodiscard]] bool Ok() const { return cr_ != nullptr; }
    [[nodiscard]] cairo_t* Cr() const { return cr_; }
    // The pixels, for raster targets (empty for a PDF page).
    [[nodiscard]] const Surface& Pixels() const { return raster_; }
    [[nodiscard]] bool IsVector() const { return vector_; }
    // A monochrome bitmap: colours become black or white.
    [[nodiscard]] bool IsMono() const { return mono_; }
    // A mono printer's page: colours become their grey.
    [[nodiscard]] bool IsGrey() const { return grey_; }
    // A colour as this target can show it (black or white, a grey, or itself).
    [[nodiscard]] std::uint32_t Ink(std::uint32_t pixel) const;
    // Whether a device pixel may be drawn (inside the clip and the target).
    [[nodiscard]] bool Visible(int x, int y) const;
    // The runs [x0, x1) of device row y inside [from, to) that may be drawn,
    // left to right: the pixels for which Visible holds.
    void VisibleRuns(int y, int from, int to, std::vector<std::pair<int, int>>* runs) const;
    // Call after changing Pixels() directly.
    void MarkDirty();

  private:
    cairo_t* cr_ = nullptr;
    cairo_surface_t* surface_ = nullptr;
    Surface raster_;
    bool vector_ = false;
    bool mono_ = false;
    bool grey_ = false;
    BitmapObject* dib_ = nullptr;
    std::vector<std::uint32_t> dibPixels_;
    bool hasClip_ = false;
    RegionData clip_;
};

// The pixels a context draws on, without opening cairo (reads of
// GetPixel, flood fill, blits from a context). Empty for contexts without
// pixels. For DIB sections the view is a converted copy (ReadOnly).
struct PixelSource {
    Surface view;
    std::vector<std::uint32_t> copy;
    int bitsPixel = 32;
};
[[nodiscard]] PixelSource ReadPixels(DeviceContext& dc);

// Colours. A COLORREF may name a palette entry of the context's palette.
[[nodiscard]] std::uint32_t ResolvePixel(const DcState& state, COLORREF color);
[[nodiscard]] std::uint32_t MonoPixel(std::uint32_t pixel);
// The grey of the same luminance (ITU-R BT.601 weights).
[[nodiscard]] std::uint32_t GreyPixel(std::uint32_t pixel);
void SetSourcePixel(cairo_t* cr, std::uint32_t pixel);

// Fills the current cairo path with a brush (solid, or hatched on the
// background colour when the background mode is opaque); keeps the path.
void FillPathWithBrush(Canvas& canvas, const DcState& state, const LOGBRUSH& brush);
// Strokes the current path with the selected pen; keeps the path. false for
// the null pen. `width` is the pen width in device pixels.
bool StrokePathWithPen(Canvas& canvas, const DcState& state, double* width);
// The selected pen's width in device pixels (at least 1).
[[nodiscard]] double PenDeviceWidth(const DcState& state);
// A brush handle as the program passes it: a brush, or a system colour
// index plus one.
[[nodiscard]] bool BrushFromHandle(HBRUSH brush, LOGBRUSH* desc);

}  // namespace win
