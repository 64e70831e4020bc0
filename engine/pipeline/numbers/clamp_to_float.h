// ClampToFloat: how the engine stores a double result in a single-precision record.
// 0 stays 0, magnitudes outside 1e-37..1e37 become 1e-37 or 1e37 with their sign,
// and NaN becomes +1e37. The common case (zero, or a magnitude a float carries) is
// inline; the edges are decided out of line.
#pragma once

// The out-of-line part: the decade test of magnitudes outside 1e-36..1e36.
float ClampToFloatEdge(double x);

inline float ClampToFloat(double x) {
    if (x == 0.0) return 0.0f;  // also -0.0, which is stored as +0
    const double magnitude = x < 0.0 ? -x : x;
    // Inside 1e-36..1e36 the decade test always passes: a plain conversion.
    if (magnitude >= 1e-36 && magnitude <= 1e36) return static_cast<float>(x);
    return ClampToFloatEdge(x);
}
