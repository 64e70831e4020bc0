// The numbers of the pH-alkalinity picture.
#include "graphs/alkcurve/alk_curve_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "graphs/axis/axis_scale.h"
#include "reporttext/format/axis_number.h"

namespace {

constexpr float kProportional[kAlkAnchorCount] = {0.005f, 0.01f, 0.05f, 0.1f, 0.15f, 0.2f,
                                                  0.25f,  0.4f,  0.5f,  0.6f, 0.75f, 1.1f};
constexpr double kUpTo300[kAlkAnchorCount] = {1, 5, 10, 25, 50, 75, 100, 125, 150, 200, 250, 300};
constexpr double kUpTo500[kAlkAnchorCount] = {1, 5, 10, 25, 50, 75, 100, 150, 200, 300, 400, 500};
constexpr double kUpTo1000[kAlkAnchorCount] = {1,   10,  50,  100, 150, 200,
                                               300, 400, 500, 750, 850, 1000};
constexpr double kUpTo1500[kAlkAnchorCount] = {1,   10,  50,  100,  150,  200,
                                               300, 500, 750, 1000, 1250, 1500};
constexpr double kUpTo2000[kAlkAnchorCount] = {1,   20,  100, 200,  300,  400,
                                               500, 750, 900, 1250, 1500, 2000};

// Device coordinates stay well inside int.
constexpr double kCoordinateLimit = 1 << 30;

void Cut(char* text) {
    if (std::strlen(text) > static_cast<std::size_t>(kAlkLabelCut)) text[kAlkLabelCut] = '\0';
}

}  // namespace

int AlkTrunc(double v) {
    if (std::isnan(v)) return 0;
    return static_cast<int>(std::clamp(v, -kCoordinateLimit, kCoordinateLimit));
}

AlkAnchors AlkCurveAnchors(float a) {
    AlkAnchors anchors{};
    const double* fixed = nullptr;
    if (a > 10.0f && a <= 300.0f)
        fixed = kUpTo300;
    else if (a > 300.0f && a <= 500.0f)
        fixed = kUpTo500;
    else if (a > 500.0f && a <= 1000.0f)
        fixed = kUpTo1000;
    else if (a > 1000.0f && a <= 1500.0f)
        fixed = kUpTo1500;
    else if (a > 1500.0f && a <= 2000.0f)
        fixed = kUpTo2000;
    for (int i = 0; i < kAlkAnchorCount; ++i)
        anchors[i] = fixed != nullptr ? fixed[i] : static_cast<double>(a * kProportional[i]);
    return anchors;
}

AlkSamples SampleAlkCurve(const AlkAnchors& anchors, const AlkCurveCoefficients& k) {
    AlkSamples samples{};
    float x = 0.0f;
    float d = 0.0f;
    for (int i = 0; i < kAlkSampleCount; ++i) {
        if (i % 4 == 0) {
            x = static_cast<float>(anchors[i / 4]);
            if (i < kAlkSampleCount - 1)
                d = static_cast<float>((anchors[i / 4 + 1] - anchors[i / 4]) * 0.25);
        } else {
            x = x + d;
        }
        const float linearTerms = k.intercept + k.linear * x + k.reciprocal / x;
        const double y = static_cast<double>(linearTerms) +
                         static_cast<double>(k.logSlope) * std::log10(static_cast<double>(x));
        samples[i] = AlkSample{x, static_cast<float>(y)};
    }
    return samples;
}

AlkExtents AlkDataExtents(const AlkSamples& samples, const AlkCurvePoints& points, int pairCount) {
    AlkExtents e{samples[0].x, samples[0].x, samples[0].y, samples[0].y};
    auto take = [&e](double x, double y) {
        e.xmin = std::min(e.xmin, x);
        e.xmax = std::max(e.xmax, x);
        e.ymin = std::min(e.ymin, y);
        e.ymax = std::max(e.ymax, y);
    };
    for (const AlkSample& s : samples) take(s.x, s.y);
    for (int i = 0; i < std::clamp(pairCount, 0, kAlkCurvePairCount); ++i)
        take(points.pair[i][1], points.pair[i][0]);
    return e;
}

AlkAxis AlkPhAxis(double ymin, double ymax) {
    const BarValueAxis a = ComputeBarValueAxis(ymin, ymax);
    return AlkAxis{a.low, a.high, a.intervals};
}

AlkAxis AlkAlkalinityAxis(double xmin, double xmax) {
    AlkAxis a{};
    uint16_t n = 0;
    ComputeAxisScale(xmin, xmax, 5, a.low, a.high, n);
    a.divisions = std::min<int>(n, kAlkMaxAlkalinityDivisions);
    return a;
}

std::array<float, kAlkMaxAlkalinityDivisions + 1> AlkAlkalinityTicks(const AlkAxis& x, int& count) {
    std::array<float, kAlkMaxAlkalinityDivisions + 1> ticks{};
    count = std::clamp(x.divisions, 1, kAlkMaxAlkalinityDivisions) + 1;
    const float step = static_cast<float>(std::fabs(x.high - x.low) / (count - 1));
    float v = static_cast<float>(x.low);
    for (int k = 0; k < count; ++k) {
        ticks[k] = v;
        v = v + step;
    }
    return ticks;
}

void AlkAlkalinityLabel(double value, const AlkAxis& x, char* text, char* suffix) {
    const double r = std::fabs(x.high - x.low);
    if (r < 0.01) {
        // Scaled labels take their decimals from the value step.
        const double step = r / std::max(x.divisions, 1);
        FormatAxisNumber(value, x.low, x.high, step, 0, text, suffix);
    } else {
        const char* format = r < 1.0      ? "%-4.3f"
                             : r < 10.0   ? "%-4.2f"
                             : r < 100.0  ? "%-4.1f"
                             : r < 1000.0 ? "%-4.0f"
                                          : "%-4g";
        std::snprintf(text, kAxisLabelChars, format, value);
    }
    Cut(text);
}

void AlkPhLabel(double value, const AlkAxis& y, char* text, char* suffix) {
    if (y.low < 0.01 || y.high < 0.01) {
        const double step = (y.high - y.low) / std::max(y.divisions, 1);
        FormatAxisNumber(value, y.low, y.high, step, 0, text, suffix);
    } else {
        const char* format = value == 0.0     ? "%4.0f"
                             : value < 1.0    ? "%4.3f"
                             : value < 10.0   ? "%4.2f"
                             : value < 100.0  ? "%4.1f"
                             : value < 1000.0 ? "%4.0f"
                                              : "%4g";
        std::snprintf(text, kAxisLabelChars, format, value);
    }
    Cut(text);
}

AlkPage FitAlkPrinterPage(int horzres, int vertres) {
    AlkPage p{horzres, vertres, 0};
    if (p.height > AlkTrunc(0.75 * p.width)) {
        p.height = AlkTrunc(0.75 * p.width);
    } else if (p.width > AlkTrunc(p.height / 0.75)) {
        p.width = AlkTrunc(p.height / 0.75);
        p.margin = AlkTrunc((horzres - p.height / 0.75) * 0.5);
    }
    return p;
}

int AlkMarkerHalfSize(int plotWidth) {
    return std::max(AlkTrunc(plotWidth / 200.0), 2);
}

std::array<win::POINT, 4> AlkMarker(int px, int py, int s) {
    return {win::POINT{px - s, py - s}, win::POINT{px + s, py - s}, win::POINT{px, py + 2 * s},
            win::POINT{px - s, py - s}};
}
