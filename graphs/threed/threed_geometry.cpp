// The projection and the box of the 3D graph.
#include "graphs/threed/threed_geometry.h"

#include <cmath>

#include "graphs/axis/axis_scale.h"

namespace {

constexpr double kPi = 3.141592;  // the angles are taken with this pi
constexpr double kColumnAngle = 24.0 * kPi / 180.0;
constexpr double kRowAngle = 156.0 * kPi / 180.0;
constexpr double kUpAngle = 90.0 * kPi / 180.0;
constexpr double kShift = 23.0;  // the box sits this far above the centre

}  // namespace

namespace {
// Far beyond any picture; keeps the conversion defined for wild values.
constexpr double kCoordinateLimit = 1e6;
win::LONG Truncated(double v) {
    if (std::isnan(v)) return 0;
    if (v > kCoordinateLimit) v = kCoordinateLimit;
    if (v < -kCoordinateLimit) v = -kCoordinateLimit;
    return static_cast<win::LONG>(v);
}
}  // namespace

win::POINT ToPoint(Point2 p) {
    return win::POINT{Truncated(p.x), Truncated(p.y)};
}

Point2 ThreeDBox::Project(double p, double q, double t) const {
    return Point2{q * edge * cosColumn + p * edge * cosRow + t * height * cosUp,
                  q * edge * sinColumn + p * edge * sinRow + t * height * sinUp - kShift};
}

Point2 ThreeDBox::Raise(Point2 a, double amount) const {
    return Point2{a.x + amount * cosUp, a.y + amount * sinUp};
}

Point2 ThreeDBox::O() const {
    return Point2{0.0, -kShift};
}
Point2 ThreeDBox::A() const {
    return Point2{k * edge * cosColumn, k * edge * sinColumn - kShift};
}
Point2 ThreeDBox::B() const {
    return Point2{k * edge * cosRow, k * edge * sinRow - kShift};
}
Point2 ThreeDBox::C() const {
    const Point2 a = A(), b = B(), o = O();
    return Point2{a.x + b.x - o.x, a.y + b.y - o.y};
}

ThreeDBox MakeThreeDBox(int plotStyle, int32_t graphHeight) {
    const bool tall = graphHeight > 200;
    const bool contour = plotStyle == 2;
    const double f = contour ? (tall ? 0.59 : 0.55) : (tall ? 0.52 : 0.48);
    ThreeDBox b{};
    b.edge = std::trunc(f * 319.0);
    b.height = std::trunc((tall ? 0.65 : 0.6) * -240.0);
    b.k = contour ? 1.0 : 1.0 + 1.0 / 7.0;
    b.cosColumn = std::cos(kColumnAngle);
    b.sinColumn = std::sin(kColumnAngle);
    b.cosRow = std::cos(kRowAngle);
    b.sinRow = std::sin(kRowAngle);
    b.cosUp = std::cos(kUpAngle);
    b.sinUp = std::sin(kUpAngle);
    return b;
}

void GridPlaces(const float (&values)[7], double (&places)[7]) {
    const double first = values[0];
    const double span = static_cast<double>(values[6]) - first;
    for (int i = 0; i < 7; ++i)
        places[i] = span != 0.0 && std::isfinite(span) ? (values[i] - first) / span : i / 6.0;
}

ValueAxis MakeValueAxis(double smaller, double larger, int code, bool logUndefined) {
    ValueAxis a{};
    if (smaller != larger || std::isnan(smaller) || std::isnan(larger)) {
        uint16_t n = 0;
        ComputeAxisScale(smaller, larger, 5, a.low, a.high, n);
        a.intervals = n;
        return a;
    }
    const double m = smaller;
    a.intervals = 2;
    if (logUndefined) {
        a.low = 0.0;
        a.high = 1.0;
    } else if (m == -14.0) {
        a.low = -14.0;
        a.high = 14.0;
    } else if (m == 0.0) {
        a.low = code == 6 ? -1.0 : 0.0;
        a.high = 1.0;
    } else if (m > 0.0) {
        a.low = 0.5 * m;
        a.high = 1.5 * m;
    } else {
        a.low = 1.5 * m;
        a.high = 0.5 * m;
    }
    return a;
}
