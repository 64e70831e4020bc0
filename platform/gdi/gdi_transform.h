// Logical-to-device arithmetic of a device context: the mapping mode's
// window and viewport, followed by the scale of a metafile being played.
#pragma once

#include <cmath>

#include "platform/gdi/gdi_dc.h"

namespace win {

struct DevPoint {
    double x = 0.0;
    double y = 0.0;
};

// device = logical * s + t, per axis (no rotation or shear: the mapping
// modes only scale and move).
struct Xform {
    double sx = 1.0;
    double tx = 0.0;
    double sy = 1.0;
    double ty = 0.0;
    [[nodiscard]] DevPoint Apply(double x, double y) const { return {x * sx + tx, y * sy + ty}; }
    [[nodiscard]] DevPoint Inverse(double x, double y) const {
        return {(x - tx) / sx, (y - ty) / sy};
    }
};

// The mapping of the context itself (what LPtoDP reports).
[[nodiscard]] Xform MappingXform(const DcState& state);
// The mapping followed by the playback scale: logical units to the pixels
// actually drawn.
[[nodiscard]] Xform DrawXform(const DcState& state);

// Device coordinates are kept within +-2^22 pixels: inside cairo's fixed
// point range, and sizes and sums of them never overflow, whatever logical
// values the program passes.
inline constexpr double kDeviceLimit = 4194304.0;

// A logical point in device pixels, rounded to whole pixels as drawing does.
[[nodiscard]] inline POINT ToDevicePixel(const Xform& x, int lx, int ly) {
    const DevPoint d = x.Apply(lx, ly);
    auto clamp = [](double v) {
        return static_cast<LONG>(
            std::lround(v < -kDeviceLimit ? -kDeviceLimit : (v > kDeviceLimit ? kDeviceLimit : v)));
    };
    return POINT{clamp(d.x), clamp(d.y)};
}

// A logical rectangle in device pixels, corners ordered (left < right ...).
[[nodiscard]] RECT ToDeviceRect(const Xform& x, int left, int top, int right, int bottom);

}  // namespace win
