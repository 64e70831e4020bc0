// Pixel surfaces: the plain view every window's client area is painted into.
//
// A pixel is one 32-bit word 0x00RRGGBB in native byte order, which is the
// in-memory layout of cairo's CAIRO_FORMAT_RGB24 (and of ARGB32 with the top
// byte as alpha), so the drawing code can wrap a surface directly with
// cairo_image_surface_create_for_data(bytes, format, width, height,
// stride * 4). `stride` counts pixels per row, not bytes.
//
// The windowing half owns one surface per window, sized to the client area and
// re-created when the client area changes size; the drawing half builds device
// contexts on top of it and is told of every re-creation through a hook.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

struct Surface {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;  // pixels per row (>= width)

    [[nodiscard]] bool Empty() const { return pixels == nullptr || width <= 0 || height <= 0; }
    [[nodiscard]] std::uint32_t* Row(int y) const {
        return pixels + static_cast<std::ptrdiff_t>(y) * stride;
    }
};

// Converts between a COLORREF (0x00BBGGRR) and a surface pixel (0x00RRGGBB).
constexpr std::uint32_t PixelFromColorRef(COLORREF c) {
    return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ColorRefFromPixel(std::uint32_t p) {
    return RGB(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
               static_cast<int>(p & 0xFF));
}

// An owning pixel buffer with a Surface view. Rows are packed (stride ==
// width), which satisfies cairo's stride rule for 32-bit formats. A new or
// resized buffer is white.
class SurfaceBuffer {
  public:
    SurfaceBuffer() = default;
    SurfaceBuffer(int width, int height) { Resize(width, height); }

    void Resize(int width, int height, std::uint32_t fill = 0x00FFFFFF) {
        width_ = width > 0 ? width : 0;
        height_ = height > 0 ? height : 0;
        pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill);
    }
    void Fill(std::uint32_t pixel) { pixels_.assign(pixels_.size(), pixel); }

    [[nodiscard]] Surface View() {
        return Surface{pixels_.empty() ? nullptr : pixels_.data(), width_, height_, width_};
    }
    [[nodiscard]] int Width() const { return width_; }
    [[nodiscard]] int Height() const { return height_; }
    [[nodiscard]] std::uint32_t At(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)];
    }

  private:
    std::vector<std::uint32_t> pixels_;
    int width_ = 0;
    int height_ = 0;
};

namespace detail {

// The client-area surface of a window; an empty Surface for an unknown window
// or one with an empty client area. The view stays valid until the window is
// resized or destroyed (the hook below is told of both).
[[nodiscard]] Surface WindowSurface(HWND hwnd);

// Told when a window's surface is re-created (the window was created or its
// client area changed size) or about to go away (the window is being
// destroyed). The drawing half installs one hook at start-up; nullptr removes
// it. Only one hook is kept.
enum class SurfaceEvent { Recreated, Destroyed };
using SurfaceHook = void (*)(HWND hwnd, SurfaceEvent event);
void SetSurfaceHook(SurfaceHook hook);

// The window's picture as shown: its client surface with its visible child
// windows laid over it. False for an unknown window.
bool ComposeWindow(HWND hwnd, SurfaceBuffer& out);

// The paint-message side, for BeginPaint/EndPaint of the drawing half:
// TakeUpdateRegion hands over the window's pending update rectangle (client
// coordinates; empty when nothing is pending), validates it so no further
// WM_PAINT is generated for it, and says whether the background still needs
// erasing (the caller then sends WM_ERASEBKGND with its device context and
// sets PAINTSTRUCT::fErase from the answer).
struct UpdateTake {
    RECT rect;
    bool erase = false;
};
[[nodiscard]] UpdateTake TakeUpdateRegion(HWND hwnd);

// Background painting of DefWindowProc's WM_ERASEBKGND: the drawing half
// installs a painter that fills the window's client area with the class
// brush through the given device context and returns TRUE. With no painter
// installed the window surface is filled with white when the class has a
// background brush.
using EraseHook = BOOL (*)(HWND hwnd, HDC hdc, HBRUSH background);
void SetEraseHook(EraseHook hook);

}  // namespace detail
}  // namespace win
