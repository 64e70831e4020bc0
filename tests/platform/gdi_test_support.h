// Shared helpers of the drawing tests: a fixture that resets the drawing
// layer, a white memory canvas to draw on, pixel queries, and comparison
// with reference pictures.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/gdi.h"

namespace win::test {

class GdiTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetGdi(); }
    void TearDown() override { ResetGdi(); }
};

// A memory context holding a white 32-bit bitmap.
class MemoryCanvas {
  public:
    MemoryCanvas(int width, int height);
    ~MemoryCanvas();
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    [[nodiscard]] HDC Dc() const { return dc_; }
    [[nodiscard]] HBITMAP Bitmap() const { return bitmap_; }
    [[nodiscard]] Image32 Pixels() const { return ReadDcPixels(dc_); }
    [[nodiscard]] std::uint32_t At(int x, int y) const;

  private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Pixels of a picture that are not white.
[[nodiscard]] int CountInk(const Image32& image);
// Bounding box of the pixels that are not white (empty when none).
[[nodiscard]] RECT InkBox(const Image32& image);

// Compares a picture with tests/platform/golden/<name>.ppm: a pixel differs
// when a channel is off by more than 24 levels, and at most 0.3 % of the
// pixels may differ (glyph edges vary a little between FreeType builds).
// On a mismatch the picture and a diff picture (differing pixels red) are
// written to <build>/golden-diff/. With TARVEX_REGEN_GOLDEN=1 the reference
// is rewritten from the picture instead.
[[nodiscard]] ::testing::AssertionResult MatchesGolden(const Image32& image,
                                                       const std::string& name);

}  // namespace win::test
