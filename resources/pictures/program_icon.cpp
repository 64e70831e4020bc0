// The program's icon: a water drop on a rounded tile in the slate blue of the
// background pictures, drawn here in a few sizes when the resources are
// registered (each pixel from 4 x 4 samples, so the edges are smooth).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "platform/window/window.h"
#include "resources/program_resources.h"

namespace {

struct Rgb {
    double r, g, b;
};

constexpr Rgb kTileTop{40.0, 52.0, 72.0};
constexpr Rgb kTileBottom{101.0, 110.0, 126.0};
constexpr Rgb kDrop{226.0, 236.0, 248.0};
constexpr Rgb kShine{255.0, 255.0, 255.0};

// Shapes in a unit square, y downwards.
bool InTile(double x, double y) {
    constexpr double kRadius = 0.18;
    const double dx = std::max({kRadius - x, 0.0, x - (1.0 - kRadius)});
    const double dy = std::max({kRadius - y, 0.0, y - (1.0 - kRadius)});
    return dx * dx + dy * dy <= kRadius * kRadius;
}

bool InDrop(double x, double y) {
    constexpr double kCx = 0.5, kCy = 0.62, kR = 0.24, kTip = 0.14;
    if ((x - kCx) * (x - kCx) + (y - kCy) * (y - kCy) <= kR * kR) return true;
    if (y < kTip || y > kCy) return false;
    const double half = kR * std::pow((y - kTip) / (kCy - kTip), 0.8);
    return std::abs(x - kCx) <= half;
}

bool InShine(double x, double y) {
    const double dx = (x - 0.41) / 0.05;
    const double dy = (y - 0.62) / 0.09;
    return dx * dx + dy * dy <= 1.0;
}

std::vector<std::uint32_t> DrawIcon(int size) {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(size) * size, 0);
    constexpr int kSamples = 4;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double a = 0, r = 0, g = 0, b = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    if (!InTile(x, y)) continue;
                    Rgb c{kTileTop.r + (kTileBottom.r - kTileTop.r) * y,
                          kTileTop.g + (kTileBottom.g - kTileTop.g) * y,
                          kTileTop.b + (kTileBottom.b - kTileTop.b) * y};
                    if (InDrop(x, y)) c = InShine(x, y) ? kShine : kDrop;
                    a += 1;
                    r += c.r;
                    g += c.g;
                    b += c.b;
                }
            }
            if (a == 0) continue;
            const auto channel = [a](double v) {
                return static_cast<std::uint32_t>(std::lround(std::clamp(v / a, 0.0, 255.0)));
            };
            const auto alpha =
                static_cast<std::uint32_t>(std::lround(255.0 * a / (kSamples * kSamples)));
            argb[static_cast<std::size_t>(py) * size + px] =
                (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
        }
    }
    return argb;
}

}  // namespace

void RegisterProgramIcon() {
    for (int size : {16, 32, 48}) {
        std::vector<std::uint32_t> icon = DrawIcon(size);
        win::SetApplicationIcon(size, icon.data());
    }
}
