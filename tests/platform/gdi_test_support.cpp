#include "tests/platform/gdi_test_support.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>

namespace win::test {

MemoryCanvas::MemoryCanvas(int width, int height) {
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateBitmap(width, height, 1, 32, nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    PatBlt(dc_, 0, 0, width, height, WHITENESS);
}

MemoryCanvas::~MemoryCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

std::uint32_t MemoryCanvas::At(int x, int y) const {
    return static_cast<std::uint32_t>(GetPixel(dc_, x, y));
}

int CountInk(const Image32& image) {
    return static_cast<int>(std::count_if(image.pixels.begin(), image.pixels.end(),
                                          [](std::uint32_t p) { return p != 0x00FFFFFFu; }));
}

RECT InkBox(const Image32& image) {
    RECT box{image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y) == 0x00FFFFFFu) continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    if (box.right < 0) return RECT{};
    return box;
}

::testing::AssertionResult MatchesGolden(const Image32& image, const std::string& name) {
    const std::string reference =
        std::string(TARVEX_SOURCE_DIR) + "/tests/platform/golden/" + name + ".ppm";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1") {
        if (!WritePpm(reference, image))
            return ::testing::AssertionFailure() << "cannot write " << reference;
        return ::testing::AssertionSuccess();
    }
    Image32 expected;
    if (!ReadPpm(reference, &expected)) {
        return ::testing::AssertionFailure()
               << "no reference picture " << reference << " (run with TARVEX_REGEN_GOLDEN=1)";
    }
    const std::string outDir = std::string(TARVEX_BINARY_DIR) + "/golden-diff";
    mkdir(outDir.c_str(), 0777);
    if (expected.width != image.width || expected.height != image.height) {
        (void)WritePpm(outDir + "/" + name + "-actual.ppm", image);
        return ::testing::AssertionFailure()
               << name << ": size " << image.width << "x" << image.height << ", reference "
               << expected.width << "x" << expected.height;
    }
    Image32 diff = image;
    int differing = 0;
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t a = image.pixels[i];
        const std::uint32_t b = expected.pixels[i];
        bool off = false;
        for (int shift = 0; shift <= 16; shift += 8) {
            const int ca = static_cast<int>((a >> shift) & 0xFF);
            const int cb = static_cast<int>((b >> shift) & 0xFF);
            if (std::abs(ca - cb) > 24) off = true;
        }
        diff.pixels[i] = off ? 0x00FF0000u : ((a & 0x00FEFEFEu) >> 1) | 0x00808080u;
        if (off) ++differing;
    }
    const double share = static_cast<double>(differing) / static_cast<double>(image.pixels.size());
    if (share <= 0.003) return ::testing::AssertionSuccess();
    (void)WritePpm(outDir + "/" + name + "-actual.ppm", image);
    (void)WritePpm(outDir + "/" + name + "-diff.ppm", diff);
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ (see " << outDir << ")";
}

}  // namespace win::test
