// Steps of the image print shared by the direct and the halftone path.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"
#include "platform/window/win_types.h"

// Where a print goes and how it is framed.
struct ImagePrintJob {
    win::HWND window = nullptr;  // its title names the document
    win::HDC printer = nullptr;
    bool ownDocument = false;  // StartDoc to EndDoc here
    int32_t frameWidth = 0;
};

// StartDoc and StartPage of a document named after the job's window.
[[nodiscard]] int32_t StartPrintDoc(const ImagePrintJob& job);
// EndPage and EndDoc on success, AbortDoc otherwise.
void EndPrintDoc(win::HDC printer, bool success);
void DrawPrintFrame(win::HDC printer, int32_t frameWidth);

[[nodiscard]] int32_t PrintImageDirect(const ImagePrintJob& job, ImageDesc* image);
[[nodiscard]] int32_t PrintImageHalftone(const ImagePrintJob& job, ImageDesc* image,
                                         int32_t halftoneMode);
