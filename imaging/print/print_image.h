// Printing a picture into a rectangle of a printer page.
//
// The rectangle is given in thousandths of an inch from the page origin
// (right and bottom inclusive). 1-, 8- and 24-bit pictures print through
// StretchDIBits; an 8-bit picture with a halftone mode other than 0 is turned
// grey, scaled and dithered to one bit per pixel here and sent in monochrome
// bands (mode 2 error diffusion, any other ordered dither). While the print
// runs, an abort procedure dispatches waiting messages and asks the callback,
// with a progress count of 0 to 10, whether to stop; a stop is no error: the
// document is aborted and IMG_OK returned.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"
#include "imaging/print/print_image_records.h"
#include "platform/window/win_types.h"

// Halftone modes.
inline constexpr int32_t kHalftoneNone = 0;      // StretchDIBits
inline constexpr int32_t kHalftoneOrdered = 1;   // 8 x 8 ordered screen (any value but 0 and 2)
inline constexpr int32_t kHalftoneDiffused = 2;  // error diffusion with Stucki weights

// A picture printed as a document of its own named after `window`'s title
// (StartDoc to EndDoc). IMG_BAD_ARGUMENT for an empty or off-page rectangle or
// a frame wider than it, IMG_STARTDOC_FAILED, IMG_NO_MEMORY, or a fault of
// the picture itself.
[[nodiscard]] int32_t PrintImage(win::HWND window, win::HDC printer, int32_t halftoneMode,
                                 ImageDesc* image, const win::RECT* rectangle, int32_t frameWidth,
                                 ImagePrintCallback callback);
// The same onto the page the caller has started: no document or page of its own.
[[nodiscard]] int32_t PrintImageOnPage(win::HWND window, win::HDC printer, int32_t halftoneMode,
                                       ImageDesc* image, const win::RECT* rectangle,
                                       int32_t frameWidth, ImagePrintCallback callback);

// The abort procedure the prints install: TRUE to go on.
win::BOOL ImagePrintAbortProc(win::HDC printer, int code);
