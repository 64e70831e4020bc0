// COPY, EXPORT IMAGE and PRINT of the pH-alkalinity graph window: the picture
// painted into the window in paper style, copied onto a white bitmap and
// captured for the clipboard, a picture file or a printed picture; or painted
// straight into the printer's page.
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphs/alkcurve/alk_graph_records.h"
#include "graphs/alkcurve/alk_graph_window.h"
#include "graphs/alkcurve/draw_alk_curve.h"
#include "graphs/graph_output_records.h"
#include "imaging/bmp/bmp.h"
#include "imaging/bridges/dib_bridges.h"
#include "imaging/capture/capture.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "imaging/print/print_image.h"
#include "imaging/tiff/tiff.h"
#include "platform/dialogs/common_dialogs.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi.h"
#include "platform/window/window.h"
#include "printing/job/print_job.h"
#include "printing/print_job_records.h"
#include "shell/records.h"

namespace {

constexpr char kImageFilter[] =
    "BMP files (*.bmp)\0*.bmp\0JPG files (*.jpg) \0*.jpg\0PNG files (*.png) \0*.png\0"
    "PCX files (*.pcx)\0*.pcx\0TIF files (*.tif)\0*.tif\0";
constexpr int kNameChars = 256;
constexpr char kDocumentName[] = "Printing Tarvex Graph";
constexpr uint32_t kPackBits = 2;

void BackToScreen(win::HWND hwnd) {
    graphOutputFlags.renderTarget = RenderTarget::kScreen;
    alkGraphState.paperStyle = 0;
    alkGraphState.printing = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

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

bool Deep(const ImageDesc& image) {
    return image.header != nullptr && image.header->biBitCount > 8;
}

// An 8-bit copy of a deeper picture, reduced to at most 256 colours, handed
// to `use`; a picture of 8 bits or fewer goes as it is.
template <typename Use>
Failure WithPaletteImage(ImageDesc* image, Use use) {
    if (!Deep(*image)) return use(image);
    ImageDesc reduced;
    if (AllocImage(&reduced, image->header->biWidth, std::abs(image->header->biHeight), 8) !=
        IMG_OK)
        return Failure::kMemory;
    Failure result = ReduceColors(256, image, &reduced) != IMG_OK ? Failure::kImage : use(&reduced);
    (void)FreeImage(&reduced);
    return result;
}

Failure Write(const char* name, Format format, ImageDesc* image) {
    auto saved = [](int32_t status) { return status == IMG_OK ? Failure::kNone : Failure::kWrite; };
    switch (format) {
        case Format::kBmp:
            return WithPaletteImage(image,
                                    [&](ImageDesc* i) { return saved(SaveBmp(name, i, 0)); });
        case Format::kPcx:
            return WithPaletteImage(image, [&](ImageDesc* i) { return saved(SavePcx(name, i)); });
        case Format::kTif:
            return WithPaletteImage(
                image, [&](ImageDesc* i) { return saved(SaveTif(name, i, kPackBits)); });
        case Format::kJpg:
            return saved(SaveJpg(name, image, 100, 1));
        case Format::kPng:
            return saved(SavePng(name, image, 1));
        case Format::kNone:
            break;
    }
    return Failure::kWrite;
}

bool FileIsEmpty(const char* name) {
    const win::HFILE f = win::_lopen(name, win::OF_READ);
    if (f == win::HFILE_ERROR) return false;
    const win::LONG size = win::_llseek(f, 0, 2);
    win::_lclose(f);
    return size == 0;
}

void PaintInto(win::HWND hwnd) {
    win::HDC dc = win::GetDC(hwnd);
    DrawAlkCurve(dc, hwnd);
    win::ReleaseDC(hwnd, dc);
}

}  // namespace

int32_t CaptureAlkGraph(win::HWND hwnd, int extra, ImageDesc* image) {
    // The window shows the paper picture until the command's closing repaint.
    PaintInto(hwnd);
    win::RECT client{};
    win::GetClientRect(hwnd, &client);
    const int w = client.right - client.left + extra;
    const int h = client.bottom - client.top + extra;
    win::HDC windowDc = win::GetDC(hwnd);
    win::HDC memory = win::CreateCompatibleDC(windowDc);
    win::HBITMAP bitmap = win::CreateCompatibleBitmap(windowDc, w, h);
    int32_t status = IMG_BAD_ARGUMENT;
    if (bitmap != nullptr) {
        const win::HGDIOBJ previous = win::SelectObject(memory, bitmap);
        win::PatBlt(memory, 0, 0, w, h, win::WHITENESS);
        win::StretchBlt(memory, 0, 0, w, h, windowDc, 0, 0, w, h, win::SRCCOPY);
        win::SelectObject(memory, previous);
        status = CaptureBitmap(windowDc, bitmap, image);
        win::DeleteObject(bitmap);
    }
    win::DeleteDC(memory);
    win::ReleaseDC(hwnd, windowDc);
    return status;
}

win::RECT AlkPrintRectangle(int widthMils, int heightMils, int logPixelsX, int logPixelsY) {
    win::RECT r{0, 0, widthMils, heightMils};
    const double ratio = logPixelsY > 0 ? static_cast<double>(logPixelsX) / logPixelsY : 1.0;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (static_cast<int>(h * ratio) > (3 * w) / 4) {
        r.top = 0;
        r.bottom = static_cast<int>(static_cast<int>(0.75 * w) * ratio);
    } else if (w > static_cast<int>(4.0 * h * ratio / 3.0)) {
        r.right = r.left + static_cast<int>(4.0 * h * ratio / 3.0);
    }
    return r;
}

void CopyAlkGraph(win::HWND hwnd) {
    alkGraphState.paperStyle = 1;
    alkGraphState.printing = 0;
    ImageDesc image;
    Failure failure = Failure::kImage;
    if (CaptureAlkGraph(hwnd, 0, &image) == IMG_OK) {
        failure = WithPaletteImage(&image, [&](ImageDesc* i) {
            (void)CopyImageToClipboard(hwnd, i);
            return Failure::kNone;
        });
        (void)FreeImage(&image);
    }
    // A picture that could not be made is reported as an export's would be.
    FailureBox(hwnd, failure);
    alkGraphState.paperStyle = 0;
    alkGraphState.printing = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
}

int ExportAlkGraph(win::HWND hwnd) {
    alkGraphState.paperStyle = 1;
    alkGraphState.printing = 0;
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
        BackToScreen(hwnd);
        return 0;
    }
    // Endings without a writer are refused before the file is touched.
    const Format format = FormatOf(name);
    if (format == Format::kNone) {
        (void)win::MessageBox(hwnd,
                              "I'm sorry. This file type cannot be saved. Please use .bmp, .jpg, "
                              ".png, .pcx or .tif. File not saved!",
                              "FILE SAVE ERROR", win::MB_OK | win::MB_ICONINFORMATION);
        BackToScreen(hwnd);
        return 0;
    }
    const bool existed = win::GetFileAttributes(name) != win::INVALID_FILE_ATTRIBUTES;
    win::HFILE check = win::_lopen(name, win::OF_READWRITE);
    if (check == win::HFILE_ERROR) check = win::_lcreat(name, 0);
    if (check == win::HFILE_ERROR) {
        (void)win::MessageBox(nullptr, "Error: Cannot open alk_image file", "WARNING",
                              win::MB_OK | win::MB_ICONINFORMATION);
        BackToScreen(hwnd);
        return 1;
    }
    win::_lclose(check);

    // The paper picture is painted before the render target becomes the bitmap.
    PaintInto(hwnd);
    graphOutputFlags.renderTarget = RenderTarget::kBitmap;
    ImageDesc image;
    Failure failure = Failure::kImage;
    if (CaptureAlkGraph(hwnd, 1, &image) == IMG_OK) {
        failure = Write(name, format, &image);
        (void)FreeImage(&image);
    }
    // An empty file the check made is not left behind.
    if (!existed && FileIsEmpty(name)) (void)win::DeleteFile(name);
    FailureBox(hwnd, failure);
    BackToScreen(hwnd);
    return -1;
}

void PrintAlkGraph(win::HWND hwnd) {
    GraphOutputFlags& f = graphOutputFlags;
    PrintJobState& job = printJobState;
    f.renderTarget = RenderTarget::kPrinter;
    win::EnableWindow(hwnd, win::FALSE);
    win::HDC printer = BeginPrintJob();
    if (job.printAborted != 0 || printer == nullptr) {
        f.renderTarget = RenderTarget::kScreen;
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        win::EnableWindow(hwnd, win::TRUE);
        win::SetFocus(hwnd);
        job.printAborted = 0;
        return;
    }
    job.docInfo = win::DOCINFOA{};
    job.docInfo.cbSize = static_cast<int>(sizeof(win::DOCINFOA));
    job.docInfo.lpszDocName = kDocumentName;
    alkGraphState.printerWidth = win::GetDeviceCaps(printer, win::HORZRES);
    alkGraphState.printerHeight = win::GetDeviceCaps(printer, win::VERTRES);
    const int colours = win::GetDeviceCaps(printer, win::NUMCOLORS);
    f.colorNow = f.printColor = (colours > 2 || colours == -1) ? 1 : 0;

    const int version = win::GetDeviceCaps(printer, win::DRIVERVERSION);
    const bool direct = job.printMode == 0 && (version >= 0x030A || version == 0x0100);
    if (direct) {
        f.renderTarget = RenderTarget::kPrinter;
        StartPrintAbort(hwnd, mainWindowState.instance);
        if (CheckedStartDoc()) {
            job.documentOpen = 1;
            if (CheckedStartPage()) {
                DrawAlkCurve(printer, hwnd);
                (void)CheckedEndPage();
            }
        }
        f.renderTarget = RenderTarget::kScreen;
        win::InvalidateRect(hwnd, nullptr, win::FALSE);
        (void)EndPrintJob(hwnd, mainWindowState.instance);
    } else {
        alkGraphState.paperStyle = 1;
        f.renderTarget = RenderTarget::kBitmap;
        alkGraphState.printing = 0;
        ImageDesc image;
        const bool captured = CaptureAlkGraph(hwnd, 1, &image) == IMG_OK;
        const int widthMils =
            static_cast<int>(win::GetDeviceCaps(printer, win::HORZSIZE) * 1000 / 25.4);
        const int heightMils =
            static_cast<int>(win::GetDeviceCaps(printer, win::VERTSIZE) * 1000 / 25.4);
        const win::RECT mils =
            AlkPrintRectangle(widthMils, heightMils, win::GetDeviceCaps(printer, win::LOGPIXELSX),
                              win::GetDeviceCaps(printer, win::LOGPIXELSY));
        StartPrintAbort(hwnd, mainWindowState.instance);
        if (captured) {
            (void)PrintImage(hwnd, printer, 0, &image, &mils, 0, nullptr);
            (void)FreeImage(&image);
        }
        f.renderTarget = RenderTarget::kScreen;
        alkGraphState.paperStyle = 0;
        alkGraphState.printing = 0;
        // The picture print ended its own document.
        (void)EndPrintJobAfterItsDocument(hwnd, mainWindowState.instance);
    }
    job.documentOpen = 0;
    win::InvalidateRect(hwnd, nullptr, win::FALSE);
    win::EnableWindow(hwnd, win::TRUE);
    win::SetFocus(hwnd);
}
