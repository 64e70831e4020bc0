// EXPORT IMAGE of the graph windows and the capture of a window's picture.
#include "graphs/window/graph_picture_export.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphs/graph_output_records.h"
#include "imaging/bmp/bmp.h"
#include "imaging/capture/capture.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "imaging/tiff/tiff.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"

const char kPictureTypeRefusal[] =
    "I'm sorry. This file type cannot be saved. Please use .bmp, .jpg, .png, .pcx or .tif. File "
    "not saved!";

namespace {

constexpr char kImageFilter[] =
    "BMP files (*.bmp)\0*.bmp\0JPG files (*.jpg) \0*.jpg\0PNG files (*.png) \0*.png\0"
    "PCX files (*.pcx)\0*.pcx\0TIF files (*.tif)\0*.tif\0";
constexpr int kNameChars = 256;

// The file name and title buffers the graph windows share.
char fileName[kNameChars];
char fileTitle[kNameChars];

enum class Failure { kNone, kMemory, kImage, kWrite };

Failure Written(int32_t status) {
    return status == IMG_OK ? Failure::kNone : Failure::kWrite;
}

// The writer given the picture, or an 8-bit copy of a deeper one reduced to
// 256 colours.
template <typename Writer>
Failure WriteReduced(ImageDesc* image, Writer write) {
    if (image->header == nullptr || image->header->biBitCount <= 8) return Written(write(image));
    ImageDesc reduced;
    if (AllocImage(&reduced, image->header->biWidth, std::abs(image->header->biHeight), 8) !=
        IMG_OK)
        return Failure::kMemory;
    Failure result = Failure::kNone;
    if (ReduceColors(256, image, &reduced) != IMG_OK)
        result = Failure::kImage;
    else
        result = Written(write(&reduced));
    (void)FreeImage(&reduced);
    return result;
}

Failure WritePicture(const char* name, PictureFormat format, ImageDesc* image,
                     const GraphPictureDescriptor& d) {
    auto bmp = [name](ImageDesc* i) { return SaveBmp(name, i, 0); };
    auto pcx = [name](ImageDesc* i) { return SavePcx(name, i); };
    auto tif = [name, &d](ImageDesc* i) { return SaveTif(name, i, d.tifCompression); };
    switch (format) {
        case PictureFormat::kBmp:
            return d.paletteFiles ? WriteReduced(image, bmp) : Written(bmp(image));
        case PictureFormat::kPcx:
            // PCX always takes the picture down to 256 colours.
            return WriteReduced(image, pcx);
        case PictureFormat::kTif:
            return d.paletteFiles ? WriteReduced(image, tif) : Written(tif(image));
        case PictureFormat::kPng:
            return Written(SavePng(name, image, 1));
        case PictureFormat::kJpg:
            return Written(SaveJpg(name, image, 100, 1));
        case PictureFormat::kNone:
            break;
    }
    return Failure::kWrite;
}

// `cause`: for a failed write, the file, the cause and the old file's fate.
void FailureBox(win::HWND window, Failure failure, const std::string& cause) {
    const char* caption = nullptr;
    const char* text = nullptr;
    switch (failure) {
        case Failure::kMemory:
            caption = "MEMORY ERROR";
            text = "I'm sorry. A memory error occurred while processing the image. File not saved!";
            break;
        case Failure::kImage:
            caption = "IMAGE ERROR";
            text = "I'm sorry. An error occurred while processing the image. File not saved!";
            break;
        case Failure::kWrite:
            caption = "FILE SAVE ERROR";
            text = "I'm sorry. An error occurred while saving the image. File not saved!";
            break;
        case Failure::kNone:
            return;
    }
    const std::string shown = failure == Failure::kWrite ? text + ("\n\n" + cause) : text;
    (void)win::MessageBox(window, shown.c_str(), caption, win::MB_OK | win::MB_ICONINFORMATION);
}

bool FileIsEmpty(const char* name) {
    const win::HFILE f = win::_lopen(name, win::OF_READ);
    if (f == win::HFILE_ERROR) return false;
    const win::LONG size = win::_llseek(f, 0, 2);
    win::_lclose(f);
    return size == 0;
}

// The window's open-failure text naming the kind of file asked for: the 3D
// graph's "BMP" stands for whichever kind the name's ending chose.
std::string OpenFailureText(const char* text, PictureFormat format) {
    std::string shown = text;
    const std::size_t at = shown.find("BMP");
    const char* kind = format == PictureFormat::kPcx   ? "PCX"
                       : format == PictureFormat::kTif ? "TIF"
                       : format == PictureFormat::kPng ? "PNG"
                       : format == PictureFormat::kJpg ? "JPG"
                                                       : "BMP";
    if (at != std::string::npos) shown.replace(at, 3, kind);
    return shown;
}

bool AskForName(win::HWND window) {
    std::strcpy(fileName, "*.bmp");
    fileTitle[0] = '\0';
    win::FileDialogRecord dialog;
    dialog.owner = window;
    dialog.filter = kImageFilter;
    dialog.file = fileName;
    dialog.fileSize = kNameChars;
    dialog.fileTitle = fileTitle;
    dialog.fileTitleSize = kNameChars;
    dialog.title = "SAVE IMAGE";
    dialog.flags = win::OFN_OVERWRITEPROMPT | win::OFN_HIDEREADONLY | win::OFN_PATHMUSTEXIST;
    return win::GetSaveFileName(&dialog) != 0;
}

}  // namespace

PictureFormat PictureFormatOf(const char* name) {
    const std::size_t n = std::strlen(name);
    if (n < 3) return PictureFormat::kNone;
    char end[4] = {};
    for (std::size_t i = 0; i < 3; ++i)
        end[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[n - 3 + i])));
    if (std::strcmp(end, "BMP") == 0) return PictureFormat::kBmp;
    if (std::strcmp(end, "PCX") == 0) return PictureFormat::kPcx;
    if (std::strcmp(end, "TIF") == 0) return PictureFormat::kTif;
    if (std::strcmp(end, "PNG") == 0) return PictureFormat::kPng;
    if (std::strcmp(end, "JPG") == 0) return PictureFormat::kJpg;
    return PictureFormat::kNone;
}

int32_t CaptureGraphWindow(win::HWND window, void (*paint)(win::HDC, win::HWND), int extra,
                           ImageDesc* image) {
    win::RECT client{};
    win::GetClientRect(window, &client);
    const int w = client.right - client.left + extra;
    const int h = client.bottom - client.top + extra;
    win::HDC windowDc = win::GetDC(window);
    win::HDC memory = win::CreateCompatibleDC(windowDc);
    win::HBITMAP bitmap = w > 0 && h > 0 ? win::CreateCompatibleBitmap(windowDc, w, h) : nullptr;
    if (paint != nullptr) paint(windowDc, window);
    int32_t status = IMG_BAD_ARGUMENT;
    if (bitmap != nullptr) {
        win::HGDIOBJ previous = win::SelectObject(memory, bitmap);
        win::PatBlt(memory, 0, 0, w, h, win::WHITENESS);
        win::StretchBlt(memory, 0, 0, w, h, windowDc, 0, 0, w, h, win::SRCCOPY);
        win::SelectObject(memory, previous);
        status = CaptureBitmap(windowDc, bitmap, image);
    }
    win::DeleteDC(memory);
    win::ReleaseDC(window, windowDc);
    if (bitmap != nullptr) win::DeleteObject(bitmap);
    return status;
}

int GraphPictureExport(win::HWND window, const GraphPictureDescriptor& d) {
    d.begin();
    if (d.refuse != nullptr && d.refuse()) {
        (void)win::MessageBox(window, "I'm sorry. No file name was entered. File not saved!",
                              "WARNING", win::MB_OK | win::MB_ICONINFORMATION);
        d.finish(window);
        return GraphExportResult::kDone;
    }
    if (!AskForName(window)) {
        d.abandon(window);
        return GraphExportResult::kCancelled;
    }
    // The ending is checked before the file is touched.
    const PictureFormat format = PictureFormatOf(fileName);
    if (format == PictureFormat::kNone) {
        (void)win::MessageBox(window, kPictureTypeRefusal, "FILE SAVE ERROR",
                              win::MB_OK | win::MB_ICONINFORMATION);
        d.finish(window);
        return GraphExportResult::kDone;
    }
    const bool existed = win::GetFileAttributes(fileName) != win::INVALID_FILE_ATTRIBUTES;
    win::HFILE check = win::_lopen(fileName, win::OF_READWRITE);
    if (check == win::HFILE_ERROR) check = win::_lcreat(fileName, 0);
    if (check == win::HFILE_ERROR) {
        const std::string text =
            OpenFailureText(d.openFailureText, format) + "\n\n" +
            win::FailedWriteText("Opening", fileName, existed);
        (void)win::MessageBox(nullptr, text.c_str(), "WARNING",
                              win::MB_OK | win::MB_ICONINFORMATION);
        d.abandon(window);
        return GraphExportResult::kCannotOpen;
    }
    win::_lclose(check);

    GraphOutputFlags& f = graphOutputFlags;
    f.colorNow = f.exportColor;
    {
        win::HDC dc = win::GetDC(window);
        d.paint(dc, window);
        win::ReleaseDC(window, dc);
    }
    if (d.paintTwice) f.renderTarget = RenderTarget::kBitmap;
    ImageDesc image;
    Failure failure = Failure::kNone;
    if (CaptureGraphWindow(window, d.paintTwice ? d.paint : nullptr, 1, &image) != IMG_OK) {
        failure = Failure::kImage;
    } else {
        failure = WritePicture(fileName, format, &image, d);
        (void)FreeImage(&image);
    }
    // The empty file the check made is no file that was there.
    const std::string cause = failure == Failure::kWrite
                                  ? win::FailedWriteText("Saving", fileName, existed)
                                  : std::string();
    // An empty file the check made is not left behind.
    if (!existed && FileIsEmpty(fileName)) (void)win::DeleteFile(fileName);
    FailureBox(window, failure, cause);
    d.finish(window);
    return GraphExportResult::kDone;
}
