// Resampling a bitmap: the route by the directions of the two size changes,
// the weight tables, and the enlarging and shrinking walks.
#include "printing/pictures/scale_bitmap.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi/gdi.h"

namespace {

constexpr uint16_t kLargestSide = 32767;
constexpr float kTiny = 0.0001f;

std::size_t RowBytes(int width) {
    return static_cast<std::size_t>(((width + 1) * 3) & ~3);
}

uint8_t Byte(int value) {
    return static_cast<uint8_t>(std::clamp(value, 0, 255));
}

}  // namespace

win::HBITMAP CopyScaledBitmap(win::HBITMAP bitmap, int width, int height) {
    return static_cast<win::HBITMAP>(win::CopyImage(bitmap, win::IMAGE_BITMAP, width, height, 0));
}

win::BITMAPINFOHEADER MakeDibHeader24(int width, int height) {
    win::BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = 24;
    h.biCompression = 0;
    h.biSizeImage = static_cast<win::DWORD>(RowBytes(width) * static_cast<std::size_t>(height));
    return h;
}

std::vector<ResampleWeight> BuildResampleWeights(int count, int other, bool shrinking) {
    std::vector<ResampleWeight> table(static_cast<std::size_t>(std::max(count, 0)),
                                      ResampleWeight{0, 0});
    if (count <= 0 || other <= 0) return table;
    const float share = shrinking ? static_cast<float>(other) / static_cast<float>(count) : 1.0f;
    const auto divisor = static_cast<float>(shrinking ? count : other);
    int sum = 0;
    for (ResampleWeight& w : table) {
        const int next = sum + other;
        if (next > count) {
            w.first = static_cast<float>(count - sum) / divisor;
            w.second = static_cast<float>(next - count) / divisor;
            sum = next - count;
        } else {
            w.first = share;
            if (next == count) {
                w.second = -1.0f;
                sum = 0;
            } else {
                sum = next;
            }
        }
    }
    return table;
}

void EnlargeDib(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* result,
                int resultWidth, int resultHeight) {
    const std::vector<ResampleWeight> columns =
        BuildResampleWeights(resultWidth, sourceWidth, false);
    const std::vector<ResampleWeight> rows =
        BuildResampleWeights(resultHeight, sourceHeight, false);
    const std::size_t sourceRow = RowBytes(sourceWidth);
    const std::size_t resultRow = RowBytes(resultWidth);
    int sy = 0;
    for (int y = 0; y < resultHeight && sy < sourceHeight; ++y) {
        const float wy1 = rows[static_cast<std::size_t>(y)].first;
        const float wy2 = rows[static_cast<std::size_t>(y)].second;
        const uint8_t* here = source + static_cast<std::size_t>(sy) * sourceRow;
        const uint8_t* below = sy + 1 < sourceHeight ? here + sourceRow : here;
        uint8_t* out = result + static_cast<std::size_t>(y) * resultRow;
        int sx = 0;
        for (int x = 0; x < resultWidth && sx < sourceWidth; ++x) {
            const float wx1 = columns[static_cast<std::size_t>(x)].first;
            const float wx2 = columns[static_cast<std::size_t>(x)].second;
            const int nx = sx + 1 < sourceWidth ? sx + 1 : sx;
            for (int k = 0; k < 3; ++k) {
                const std::size_t c =
                    3 * static_cast<std::size_t>(sx) + static_cast<std::size_t>(k);
                const std::size_t n =
                    3 * static_cast<std::size_t>(nx) + static_cast<std::size_t>(k);
                int value = static_cast<int>(static_cast<float>(here[c]) * wx1 * wy1);
                if (wx2 > kTiny)
                    value = static_cast<int>(static_cast<float>(value) +
                                             static_cast<float>(here[n]) * wx2 * wy1);
                if (wy2 > kTiny) {
                    value = static_cast<int>(static_cast<float>(value) +
                                             static_cast<float>(below[c]) * wx1 * wy2);
                    if (wx2 > kTiny)
                        value = static_cast<int>(static_cast<float>(value) +
                                                 static_cast<float>(below[n]) * wx2 * wy2);
                }
                out[3 * static_cast<std::size_t>(x) + static_cast<std::size_t>(k)] = Byte(value);
            }
            if (std::fabs(wx2) > kTiny) ++sx;
        }
        if (std::fabs(wy2) > kTiny) ++sy;
    }
}

void ShrinkDib(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* result,
               int resultWidth, int resultHeight) {
    const std::vector<ResampleWeight> columns =
        BuildResampleWeights(sourceWidth, resultWidth, true);
    const std::vector<ResampleWeight> rows = BuildResampleWeights(sourceHeight, resultHeight, true);
    const std::size_t sourceRow = RowBytes(sourceWidth);
    const std::size_t resultRow = RowBytes(resultWidth);
    // One more pixel than the row holds: a split share may point past the end.
    const std::size_t cells = 3 * (static_cast<std::size_t>(resultWidth) + 1);
    std::vector<float> current(cells, 0.0f);
    std::vector<float> next(cells, 0.0f);
    int ry = 0;
    for (int y = 0; y < sourceHeight && ry < resultHeight; ++y) {
        const float wy1 = rows[static_cast<std::size_t>(y)].first;
        const float wy2 = rows[static_cast<std::size_t>(y)].second;
        const uint8_t* in = source + static_cast<std::size_t>(y) * sourceRow;
        std::size_t rx = 0;
        for (int x = 0; x < sourceWidth && rx < static_cast<std::size_t>(resultWidth); ++x) {
            const float wx1 = columns[static_cast<std::size_t>(x)].first;
            const float wx2 = columns[static_cast<std::size_t>(x)].second;
            for (std::size_t k = 0; k < 3; ++k) {
                const float v = in[3 * static_cast<std::size_t>(x) + k];
                current[3 * rx + k] += v * wx1 * wy1;
                if (wx2 > kTiny) current[3 * (rx + 1) + k] += v * wx2 * wy1;
                if (wy2 > kTiny) {
                    next[3 * rx + k] += v * wx1 * wy2;
                    if (wx2 > kTiny) next[3 * (rx + 1) + k] += v * wx2 * wy2;
                }
            }
            if (std::fabs(wx2) > kTiny) ++rx;
        }
        if (std::fabs(wy2) > kTiny) {
            uint8_t* out = result + static_cast<std::size_t>(ry) * resultRow;
            for (std::size_t i = 0; i < 3 * static_cast<std::size_t>(resultWidth); ++i) {
                out[i] = Byte(static_cast<int>(current[i]));
            }
            current.swap(next);
            std::fill(next.begin(), next.end(), 0.0f);
            ++ry;
        }
    }
}

win::HBITMAP ScaleBitmap(win::HBITMAP bitmap, uint16_t width, uint16_t height) {
    // Sizes are 16-bit values: 0 or a negative one would divide by zero.
    if (bitmap == nullptr || width == 0 || height == 0 || width > kLargestSide ||
        height > kLargestSide) {
        return nullptr;
    }
    win::BITMAP info{};
    if (win::GetObjectA(bitmap, sizeof info, &info) == 0 || info.bmWidth <= 0 ||
        info.bmHeight <= 0) {
        return nullptr;
    }
    const int w = info.bmWidth;
    const int h = info.bmHeight;
    if ((w > width && h < height) || (width > w && height < h)) {
        return CopyScaledBitmap(bitmap, width, height);
    }
    win::HDC screen = win::GetDC(nullptr);
    win::BITMAPINFO header{};
    header.bmiHeader = MakeDibHeader24(w, h);
    std::vector<uint8_t> pixels(header.bmiHeader.biSizeImage, 0);
    win::HBITMAP scaled = nullptr;
    if (win::GetDIBits(screen, bitmap, 0, static_cast<win::UINT>(h), pixels.data(), &header,
                       win::DIB_RGB_COLORS) != 0) {
        header.bmiHeader = MakeDibHeader24(width, height);
        std::vector<uint8_t> out(header.bmiHeader.biSizeImage, 0);
        if (w < width || h < height) {
            EnlargeDib(pixels.data(), w, h, out.data(), width, height);
        } else {
            ShrinkDib(pixels.data(), w, h, out.data(), width, height);
        }
        scaled = win::CreateCompatibleBitmap(screen, width, height);
        if (scaled != nullptr) {
            win::SetDIBits(screen, scaled, 0, height, out.data(), &header, win::DIB_RGB_COLORS);
        }
    }
    win::ReleaseDC(nullptr, screen);
    return scaled;
}
