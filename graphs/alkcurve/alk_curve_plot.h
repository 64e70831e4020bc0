// The numbers of the pH-alkalinity picture: where the model curve is sampled,
// its 45 points, the two axes over the curve and the measured pairs, their
// labels, the measured-pair markers and the printer page fitted to 4:3.
#pragma once

#include <array>
#include <cstdint>

#include "engine/carbonate/carbonate_records.h"
#include "input/records.h"
#include "platform/window/win_types.h"

constexpr int kAlkAnchorCount = 12;
constexpr int kAlkSampleCount = 45;
constexpr int kAlkMaxAlkalinityDivisions = 9;
constexpr int kAlkLabelCut = 5;  // tick labels keep their first five characters

using AlkAnchors = std::array<double, kAlkAnchorCount>;

struct AlkSample {
    float x;  // alkalinity
    float y;  // pH
};
using AlkSamples = std::array<AlkSample, kAlkSampleCount>;

struct AlkAxis {
    double low;
    double high;
    int divisions;
};

// The alkalinities between which the curve is sampled, chosen by the
// alkalinity of the last pair entered: fixed steps from 1 for 10 < A <= 2000,
// else A times fixed fractions from 0.005 to 1.1.
[[nodiscard]] AlkAnchors AlkCurveAnchors(float lastAlkalinity);

// Four points per gap between neighbouring anchors (the anchor and three
// quarter steps) and the last anchor: pH = k0 + k1 x + k2 / x in single
// precision plus k3 log10(x) in double, stored as f32.
[[nodiscard]] AlkSamples SampleAlkCurve(const AlkAnchors& anchors, const AlkCurveCoefficients& k);

// The smallest and largest alkalinity and pH over the samples and the first
// `pairCount` pairs.
struct AlkExtents {
    double xmin, xmax, ymin, ymax;
};
[[nodiscard]] AlkExtents AlkDataExtents(const AlkSamples& samples, const AlkCurvePoints& points,
                                        int pairCount);

// The pH axis: about five intervals, a flat curve spread to half and one and
// a half times its value, a narrow range rounded out and scaled again.
[[nodiscard]] AlkAxis AlkPhAxis(double ymin, double ymax);
// The alkalinity axis: about five intervals, at most nine.
[[nodiscard]] AlkAxis AlkAlkalinityAxis(double xmin, double xmax);

// The divisions + 1 tick values of the alkalinity axis, accumulated in f32
// from the low end; `count` receives how many.
std::array<float, kAlkMaxAlkalinityDivisions + 1> AlkAlkalinityTicks(const AlkAxis& x, int& count);

// Label texts (cut to five characters). Labels of an axis whose range is
// below 0.01 (alkalinity) or whose low or high end is below 0.01 (pH) are
// scaled to the common magnitude of the axis and leave its scale in `suffix`
// (a single blank when there is none); others leave `suffix` as it was.
// `text` takes kAxisLabelChars and `suffix` kAxisSuffixChars bytes.
void AlkAlkalinityLabel(double value, const AlkAxis& x, char* text, char* suffix);
void AlkPhLabel(double value, const AlkAxis& y, char* text, char* suffix);

// The printer page fitted to 4:3 from the top left: the height cut to three
// quarters of the width, or the width cut to four thirds of the height and
// the picture moved right by half of what was cut.
struct AlkPage {
    int width;
    int height;
    int margin;
};
[[nodiscard]] AlkPage FitAlkPrinterPage(int horzres, int vertres);

// A measured pair's marker: a triangle with its apex up (logical y grows
// upward) around (px, py), half-size s = max(trunc(plot width / 200), 2).
[[nodiscard]] int AlkMarkerHalfSize(int plotWidth);
[[nodiscard]] std::array<win::POINT, 4> AlkMarker(int px, int py, int s);

// A double truncated toward zero into the range of device coordinates; a
// value that is not a number gives 0.
[[nodiscard]] int AlkTrunc(double v);
