// EXPORT IMAGE of the graph windows, written once: the save dialog, the
// picture painted into the window, captured one pixel wider and higher than
// the client area and written by the writer the file name's ending chooses.
// Each window gives its differences as a descriptor.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"
#include "platform/window/win_types.h"

struct GraphPictureDescriptor {
    // Sets the window's export flags (the first step).
    void (*begin)();
    // Non-null and true: no file is asked for; the "No file name" warning
    // shows and the export ends (the 3D graph's styles above 2).
    bool (*refuse)();
    // The warning when the file can be neither opened nor created.
    const char* openFailureText;
    // Paints the graph into the window's device context.
    void (*paint)(win::HDC dc, win::HWND window);
    // True: the picture is painted once more, with renderTarget 3, right
    // before the capture (the 2D-family windows).
    bool paintTwice;
    // Puts the flags back without repainting (a cancelled dialog, a file that
    // cannot be opened).
    void (*abandon)(win::HWND window);
    // Puts the flags back and shows the screen picture again.
    void (*finish)(win::HWND window);
    // The TIFF writer's compression selector: 1 LZW, 2 PackBits.
    uint32_t tifCompression = 1;
    // True: BMP and TIFF files of a picture deeper than 8 bits get an 8-bit
    // copy reduced to 256 colours, as PCX files always do.
    bool paletteFiles = false;
};

// What GraphPictureExport ended with.
namespace GraphExportResult {
enum : int { kCancelled = 0, kCannotOpen = 1, kDone = 2 };
}

// The picture writers by the file name's last three letters, any case.
enum class PictureFormat { kNone, kBmp, kPcx, kTif, kJpg, kPng };
[[nodiscard]] PictureFormat PictureFormatOf(const char* name);

// The text refusing any other ending (caption "FILE SAVE ERROR").
extern const char kPictureTypeRefusal[];

// The export; the file name buffer is the windows' shared one. A name with
// another ending is refused before the file is touched; an empty file that
// the open-or-create check made is removed when nothing was written.
int GraphPictureExport(win::HWND window, const GraphPictureDescriptor& descriptor);

// Copies the window's client area onto a white bitmap `extra` pixels wider
// and higher (after painting it with `paint`, when given) and captures that
// bitmap into `image`, which the caller frees. IMG_OK or the failure.
[[nodiscard]] int32_t CaptureGraphWindow(win::HWND window, void (*paint)(win::HDC, win::HWND),
                                         int extra, ImageDesc* image);
