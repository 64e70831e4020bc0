// Band-and-span regions: construction from rectangles and polygons, boolean
// combination, point tests and transforms.
#include "platform/gdi/gdi_region_data.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <set>

#include "platform/gdi/gdi.h"

namespace win {
namespace {

using Span = RegionData::Span;

// Combines two sorted, disjoint span lists with a boolean operator given as
// a function of (in a, in b).
template <typename Op>
std::vector<Span> CombineSpans(const std::vector<Span>& a, const std::vector<Span>& b, Op op) {
    std::vector<int> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (const Span& s : a) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    for (const Span& s : b) {
        xs.push_back(s.first);
        xs.push_back(s.second);
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::vector<Span> out;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) {
        const int x0 = xs[i];
        const int x1 = xs[i + 1];
        while (ia < a.size() && a[ia].second <= x0) ++ia;
        while (ib < b.size() && b[ib].second <= x0) ++ib;
        const bool inA = ia < a.size() && a[ia].first <= x0;
        const bool inB = ib < b.size() && b[ib].first <= x0;
        if (!op(inA, inB)) continue;
        if (!out.empty() && out.back().second == x0) {
            out.back().second = x1;
        } else {
            out.emplace_back(x0, x1);
        }
    }
    return out;
}

bool ApplyMode(int mode, bool a, bool b) {
    switch (mode) {
        case RGN_AND:
            return a && b;
        case RGN_OR:
            return a || b;
        case RGN_XOR:
            return a != b;
        case RGN_DIFF:
            return a && !b;
        default:
            return a;
    }
}

// Spans of one pixel row of a polygon, sampled at the row's centre line.
std::vector<Span> PolygonRow(const POINT* points, int count, int fillMode, double yc) {
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> crossings;
    for (int i = 0; i < count; ++i) {
        const POINT& p0 = points[i];
        const POINT& p1 = points[(i + 1) % count];
        if (p0.y == p1.y) continue;
        const double y0 = p0.y;
        const double y1 = p1.y;
        const double lo = std::min(y0, y1);
        const double hi = std::max(y0, y1);
        if (yc < lo || yc >= hi) continue;
        const double x = p0.x + (yc - y0) * (p1.x - p0.x) / (y1 - y0);
        crossings.push_back({x, p1.y > p0.y ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    std::vector<Span> spans;
    auto addSpan = [&spans](double xa, double xb) {
        // Pixels whose centre x + 0.5 lies in [xa, xb).
        const int x0 = static_cast<int>(std::ceil(xa - 0.5));
        const int x1 = static_cast<int>(std::ceil(xb - 0.5));
        if (x1 <= x0) return;
        if (!spans.empty() && spans.back().second >= x0) {
            spans.back().second = std::max(spans.back().second, x1);
        } else {
            spans.emplace_back(x0, x1);
        }
    };
    if (fillMode == WINDING) {
        int winding = 0;
        for (std::size_t i = 0; i + 1 < crossings.size(); ++i) {
            winding += crossings[i].dir;
            if (winding != 0) addSpan(crossings[i].x, crossings[i + 1].x);
        }
    } else {
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            addSpan(crossings[i].x, crossings[i + 1].x);
        }
    }
    return spans;
}

}  // namespace

void RegionData::AppendBand(int top, int bottom, std::vector<Span> spans) {
    if (spans.empty() || bottom <= top) return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().spans == spans) {
        bands_.back().bottom = bottom;
        return;
    }
    bands_.push_back(Band{top, bottom, std::move(spans)});
}

RegionData RegionData::FromRect(int left, int top, int right, int bottom) {
    RegionData r;
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
    if (left < right && top < bottom) r.AppendBand(top, bottom, {Span{left, right}});
    return r;
}

RegionData RegionData::FromPolygon(const POINT* points, int count, int fillMode) {
    RegionData r;
    if (points == nullptr || count < 3) return r;
    int ymin = INT_MAX;
    int ymax = INT_MIN;
    for (int i = 0; i < count; ++i) {
        ymin = std::min(ymin, static_cast<int>(points[i].y));
        ymax = std::max(ymax, static_cast<int>(points[i].y));
    }
    for (int y = ymin; y < ymax; ++y) {
        r.AppendBand(y, y + 1, PolygonRow(points, count, fillMode, y + 0.5));
    }
    return r;
}

const std::vector<Span>* RegionData::SpansAt(int y) const {
    auto it = std::upper_bound(bands_.begin(), bands_.end(), y,
                               [](int v, const Band& b) { return v < b.bottom; });
    if (it == bands_.end() || it->top > y) return nullptr;
    return &it->spans;
}

RegionData RegionData::Combine(const RegionData& a, const RegionData& b, int mode) {
    if (mode == RGN_COPY) return a;
    std::set<int> ys;
    for (const Band& band : a.bands_) {
        ys.insert(band.top);
        ys.insert(band.bottom);
    }
    for (const Band& band : b.bands_) {
        ys.insert(band.top);
        ys.insert(band.bottom);
    }
    RegionData out;
    static const std::vector<Span> kNone;
    for (auto it = ys.begin(); it != ys.end(); ++it) {
        auto next = std::next(it);
        if (next == ys.end()) break;
        const std::vector<Span>* sa = a.SpansAt(*it);
        const std::vector<Span>* sb = b.SpansAt(*it);
        out.AppendBand(*it, *next,
                       CombineSpans(sa ? *sa : kNone, sb ? *sb : kNone,
                                    [mode](bool x, bool y) { return ApplyMode(mode, x, y); }));
    }
    return out;
}

bool RegionData::Contains(int x, int y) const {
    const std::vector<Span>* spans = SpansAt(y);
    if (spans == nullptr) return false;
    auto it = std::upper_bound(spans->begin(), spans->end(), x,
                               [](int v, const Span& s) { return v < s.second; });
    return it != spans->end() && it->first <= x;
}

bool RegionData::Intersects(const RECT& rect) const {
    RegionData probe = FromRect(rect.left, rect.top, rect.right, rect.bottom);
    return !Combine(*this, probe, RGN_AND).Empty();
}

RECT RegionData::Bounds() const {
    RECT box;
    if (bands_.empty()) return box;
    box.left = INT_MAX;
    box.right = INT_MIN;
    box.top = bands_.front().top;
    box.bottom = bands_.back().bottom;
    for (const Band& band : bands_) {
        box.left = std::min(box.left, static_cast<LONG>(band.spans.front().first));
        box.right = std::max(box.right, static_cast<LONG>(band.spans.back().second));
    }
    return box;
}

int RegionData::Complexity() const {
    if (bands_.empty()) return NULLREGION;
    if (bands_.size() == 1 && bands_.front().spans.size() == 1) return SIMPLEREGION;
    return COMPLEXREGION;
}

void RegionData::Offset(int dx, int dy) {
    for (Band& band : bands_) {
        band.top += dy;
        band.bottom += dy;
        for (Span& s : band.spans) {
            s.first += dx;
            s.second += dx;
        }
    }
}

RegionData RegionData::Transformed(double sx, double tx, double sy, double ty) const {
    RegionData out;
    for (const RECT& r : Rects()) {
        const int x0 = static_cast<int>(std::lround(r.left * sx + tx));
        const int x1 = static_cast<int>(std::lround(r.right * sx + tx));
        const int y0 = static_cast<int>(std::lround(r.top * sy + ty));
        const int y1 = static_cast<int>(std::lround(r.bottom * sy + ty));
        out = Combine(out, FromRect(x0, y0, x1, y1), RGN_OR);
    }
    return out;
}

std::vector<RECT> RegionData::Rects() const {
    std::vector<RECT> rects;
    for (const Band& band : bands_) {
        for (const Span& s : band.spans) {
            RECT r;
            r.left = s.first;
            r.top = band.top;
            r.right = s.second;
            r.bottom = band.bottom;
            rects.push_back(r);
        }
    }
    return rects;
}

bool RegionData::operator==(const RegionData& other) const {
    if (bands_.size() != other.bands_.size()) return false;
    for (std::size_t i = 0; i < bands_.size(); ++i) {
        const Band& x = bands_[i];
        const Band& y = other.bands_[i];
        if (x.top != y.top || x.bottom != y.bottom || x.spans != y.spans) return false;
    }
    return true;
}

}  // namespace win
