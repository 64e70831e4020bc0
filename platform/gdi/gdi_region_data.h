// Regions as sets of whole pixels: horizontal bands, each holding sorted,
// disjoint spans [x0, x1). A polygon becomes the pixels whose centres lie
// inside it under its fill rule, so a rectangle outline polygon covers the
// same pixels as the rectangle region of the same corners (left and top
// edges in, right and bottom edges out). Boolean combinations work band by
// band on the span lists, so point tests stay exact whatever was combined.
#pragma once

#include <utility>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

class RegionData {
  public:
    using Span = std::pair<int, int>;  // [x0, x1)
    struct Band {
        int top = 0;
        int bottom = 0;  // exclusive
        std::vector<Span> spans;
    };

    [[nodiscard]] static RegionData FromRect(int left, int top, int right, int bottom);
    // fillMode: ALTERNATE (even-odd) or WINDING (non-zero).
    [[nodiscard]] static RegionData FromPolygon(const POINT* points, int count, int fillMode);
    // mode: RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF (a minus b) or RGN_COPY (a).
    [[nodiscard]] static RegionData Combine(const RegionData& a, const RegionData& b, int mode);

    [[nodiscard]] bool Contains(int x, int y) const;
    [[nodiscard]] bool Intersects(const RECT& rect) const;
    [[nodiscard]] bool Empty() const { return bands_.empty(); }
    [[nodiscard]] RECT Bounds() const;
    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    [[nodiscard]] int Complexity() const;
    void Offset(int dx, int dy);
    // Maps every rectangle through x' = x * sx + tx, y' = y * sy + ty (edges
    // rounded to whole pixels); used to carry a clip region into a scaled
    // picture.
    [[nodiscard]] RegionData Transformed(double sx, double tx, double sy, double ty) const;
    [[nodiscard]] std::vector<RECT> Rects() const;
    [[nodiscard]] const std::vector<Band>& Bands() const { return bands_; }
    // The spans of row y, or null when the row holds none.
    [[nodiscard]] const std::vector<Span>* SpansAt(int y) const;
    bool operator==(const RegionData& other) const;

  private:
    void AppendBand(int top, int bottom, std::vector<Span> spans);
    std::vector<Band> bands_;
};

}  // namespace win
