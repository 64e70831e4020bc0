// Where the 3D graph puts things: the oblique projection of the grid floor,
// the box by plot style and picture height, the grid places of the axis
// values and the value axis.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct Point2 {
    double x;
    double y;
};

// Truncated toward zero, as the platform takes it.
[[nodiscard]] win::POINT ToPoint(Point2 p);

struct ThreeDBox {
    double edge;    // L: the floor edge in logical units
    double height;  // H: the wall height, negative (up the screen)
    double k;       // the floor as a multiple of the grid: 8/7 for bars, 1 for contours
    double cosColumn, sinColumn, cosRow, sinRow, cosUp, sinUp;

    // The floor point at row place p and column place q (fractions of the
    // edge), raised by t of the wall height.
    [[nodiscard]] Point2 Project(double p, double q, double t) const;
    // A point moved by `amount` along the vertical (negative: up the screen).
    [[nodiscard]] Point2 Raise(Point2 a, double amount) const;
    // The back corner O, right A, left B, front C and the wall tops.
    [[nodiscard]] Point2 O() const;
    [[nodiscard]] Point2 A() const;
    [[nodiscard]] Point2 B() const;
    [[nodiscard]] Point2 C() const;
};

// The box of a plot style (2 contour, else bars) on a picture `graphHeight`
// device pixels high.
[[nodiscard]] ThreeDBox MakeThreeDBox(int plotStyle, int32_t graphHeight);

// The places 0..1 of seven axis values along their axis: (v[i] - v[0]) /
// (v[6] - v[0]), or i / 6 when the ends are equal.
void GridPlaces(const float (&values)[7], double (&places)[7]);

// The value axis over a range [low, high] of grid values: `code` is the
// plotted index, `logUndefined` logRangeUndefined.
struct ValueAxis {
    double low;
    double high;
    int intervals;
};
[[nodiscard]] ValueAxis MakeValueAxis(double smaller, double larger, int code, bool logUndefined);
