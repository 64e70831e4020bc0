// ScaleBitmap for now stretches through the platform's bitmap copy (whole
// pixels, no filtering); the area-averaging resampler takes its place under the
// same name.
#include "printing/pictures/scale_bitmap.h"

#include "platform/gdi/gdi.h"

namespace {

constexpr uint16_t kLargestSide = 32767;

}  // namespace

win::HBITMAP ScaleBitmap(win::HBITMAP bitmap, uint16_t width, uint16_t height) {
    if (bitmap == nullptr || width == 0 || height == 0 || width > kLargestSide ||
        height > kLargestSide)
        return nullptr;
    return static_cast<win::HBITMAP>(win::CopyImage(bitmap, win::IMAGE_BITMAP, width, height, 0));
}
