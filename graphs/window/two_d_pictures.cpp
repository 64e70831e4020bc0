// COPY, EXPORT IMAGE and PRINT of the 2D graph window: the graph painted
// into the window for a picture, copied onto a white bitmap and captured as
// an image for the clipboard or a file; or painted into the printer's page.
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "graphs/graph_output_records.h"
#include "graphs/twod/bar_graph.h"
#include "graphs/window/two_d_capture.h"
#include "graphs/window/two_d_window.h"
#include "imaging/bmp/bmp.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/capture/capture.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi.h"
#include "platform/window/menu.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

constexpr char kImageFilter[] =
    "BMP files (*.bmp)\0*.bmp\0JPG files (*.jpg) \0*.jpg\0PNG files (*.png) \0*.png\0"
    "PCX files (*.pcx)\0*.pcx\0TIF files (*.tif)\0*.tif\0";
constexpr int kNameChars = 256;

void BackToScreen() {
    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.displayColor;
    f.renderTarget = RenderTarget::kScreen;
    f.printingGraph = 0;
    f.exportingGraph = 0;
}

void Paint(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    DrawTwoDGraph(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

}  // namespace

int32_t CaptureTwoDGraph(win::HWND hwnd, int extra, ImageDesc* image) {
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int w = client.right - client.left + extra;
    const int h = client.bottom - client.top + extra;
    win::HDC windowDc = win::GetDC(hwnd);
    win::HDC memory = win::CreateCompatibleDC(windowDc);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(windowDc, w, h);
    DrawTwoDGraph(windowDc, hwnd);
    win::HDC copyDc = win::GetDC(hwnd);
    int32_t status = IMG_BAD_ARGUMENT;
    if (bitmap != nullptr) {
        win::HGDIOBJ previous = win::SelectObject(memory, bitmap);
        win::PatBlt(memory, 0, 0, w, h, win::WHITENESS);
        win::StretchBlt(memory, 0, 0, w, h, copyDc, 0, 0, w, h, win::SRCCOPY);
        win::SelectObject(memory, previous);
        status = CaptureBitmap(copyDc, bitmap, image);
    }
    win::DeleteDC(memory);
    win::ReleaseDC(hwnd, copyDc);
    win::ReleaseDC(hwnd, windowDc);
    if (bitmap != nullptr) win::DeleteObject(bitmap);
    return status;
}

namespace {

enum class Format { kNone, kBmp, kPcx, kTif, kJpg, kPng };

Format FormatOf(const char* name) {
    const std::size_t n = std::strlen(name);
    if (n < 3) return Format::kNone;
    std::string end;
    for (std::size_t i = n - 3; i < n; ++i)
        end.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(name[i]))));
    if (end == "BMP") return Format::kBmp;
    if (end == "PCX") return Format::kPcx;
    if (end == "TIF") return Format::kTif;
    if (end == "JPG") return Format::kJpg;
    if (end == "PNG") return Format::kPng;
    return Format::kNone;
}

enum class Failure { kNone, kMemory, kImage, kWrite };

Failure WriteImage(const char* name, Format format, ImageDesc* image) {
    switch (format) {
        case Format::kBmp:
            return SaveBmp(name, image, 0) == IMG_OK ? Failure::kNone : Failure::kWrite;
        case Format::kPcx: {
            if (image->header == nullptr || image->header->biBitCount <= 8)
                return SavePcx(name, image) == IMG_OK ? Failure::kNone : Failure::kWrite;
            ImageDesc copy;
            if (AllocImage(&copy, image->header->biWidth, std::abs(image->header->biHeight), 8) !=
                IMG_OK)
                return Failure::kMemory;
            Failure result = Failure::kNone;
            if (ReduceColors(256, image, &copy) != IMG_OK)
                result = Failure::kImage;
            else if (SavePcx(name, &copy) != IMG_OK)
                result = Failure::kWrite;
            (void)FreeImage(&copy);
            return result;
        }
        case Format::kPng:
            return SavePng(name, image, 1) == IMG_OK ? Failure::kNone : Failure::kWrite;
        case Format::kJpg:
            return SaveJpg(name, image, 100, 1) == IMG_OK ? Failure::kNone : Failure::kWrite;
        default:
            return Failure::kWrite;
    }
}

// The image library has no TIFF writer yet: that ending is refused before the
// file is touched.
bool WriterExists(Format format) {
    return format != Format::kTif;
}

void FailureBox(win::HWND hwnd, Failure failure) {
    switch (failure) {
        case Failure::kMemory:
            (void)win::MessageBox(
                hwnd,
                "I'm sorry. A memory error occurred while processing the image. File not saved!",
                "MEMORY ERROR", win::MB_OK | win::MB_ICONINFORMATION);
            break;
        case Failure::kImage:
            (void)win::MessageBox(
                hwnd, "I'm sorry. An error occurred while processing the image. File not saved!",
                "IMAGE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
            break;
        case Failure::kWrite:
            (void)win::MessageBox(
                hwnd, "I'm sorry. An error occurred while saving the image. File not saved!",
                "FILE SAVE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
            break;
        case Failure::kNone:
            break;
    }
}

bool FileIsEmpty(const char* name) {
    const win::HFILE f = win::_lopen(name, win::OF_READ);
    if (f == win::HFILE_ERROR) return false;
    const win::LONG size = win::_llseek(f, 0, 2);
    win::_lclose(f);
    return size == 0;
}

}  // namespace

void CopyTwoDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    f.renderTarget = RenderTarget::kBitmap;
    f.colorNow = f.exportColor;
    ImageDesc image;
    if (CaptureTwoDGraph(hwnd, 0, &image) == IMG_OK) {
        (void)CopyImageToClipboard(hwnd, &image);
        (void)FreeImage(&image);
    }
    BackToScreen();
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
}

int ExportTwoDGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    f.printingGraph = 0;
    f.exportingGraph = 1;
    char name[kNameChars] = "*.bmp";
    char title[kNameChars] = {};
    win::FileDialogRecord dialog;
    dialog.owner = hwnd;
    dialog.filter = kImageFilter;
    dialog.file = name;
    dialog.fileSize = kNameChars;
    dialog.fileTitle = title;
    dialog.fileTitleSize = kNameChars;
    dialog.title = "SAVE IMAGE";
    dialog.flags = win::OFN_OVERWRITEPROMPT | win::OFN_HIDEREADONLY | win::OFN_PATHMUSTEXIST;
    if (!win::GetSaveFileName(&dialog)) {
        BackToScreen();
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        return 0;
    }
    // The ending is checked before the file is touched.
    const Format format = FormatOf(name);
    if (format == Format::kNone) {
        (void)win::MessageBox(hwnd,
                              "I'm sorry. This file type cannot be saved. Please use .bmp, .jpg, "
                              ".png, .pcx or .tif. File not saved!",
                              "FILE SAVE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
        BackToScreen();
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        return 0;
    }
    if (!WriterExists(format)) {
        (void)win::MessageBox(hwnd,
                              "I'm sorry. TIFF files cannot be saved yet. Please use .bmp, .jpg, "
                              ".png or .pcx. File not saved!",
                              "FILE SAVE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
        BackToScreen();
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        return 0;
    }
    const bool existed = win::GetFileAttributes(name) != win::INVALID_FILE_ATTRIBUTES;
    win::HFILE check = win::_lopen(name, win::OF_READWRITE);
    if (check == win::HFILE_ERROR) check = win::_lcreat(name, 0);
    if (check == win::HFILE_ERROR) {
        (void)win::MessageBox(nullptr, "Error: Cannot open image file", "WARNING",
                              win::MB_OK | win::MB_ICONINFORMATION);
        BackToScreen();
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        return 1;
    }
    win::_lclose(check);

    f.colorNow = f.exportColor;
    Paint(hwnd);
    f.renderTarget = RenderTarget::kBitmap;
    ImageDesc image;
    Failure failure = Failure::kNone;
    if (CaptureTwoDGraph(hwnd, 1, &image) != IMG_OK) {
        failure = Failure::kImage;
    } else {
        failure = WriteImage(name, format, &image);
        (void)FreeImage(&image);
    }
    // An empty file the check made is not left behind.
    if (!existed && FileIsEmpty(name)) (void)win::DeleteFile(name);
    FailureBox(hwnd, failure);
    BackToScreen();
    Paint(hwnd);
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::SetFocus(hwnd);
    return -1;
}
