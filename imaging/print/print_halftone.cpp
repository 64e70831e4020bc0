// The halftone path: an 8-bit picture made grey, scaled to the print
// rectangle through the row and column masks, dithered to one bit per pixel
// and sent to the printer in monochrome bands.
#include <algorithm>
#include <cstring>

#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/print/halftone.h"
#include "imaging/print/print_image.h"
#include "imaging/print/print_image_internal.h"
#include "platform/gdi/gdi.h"
#include "platform/system/clipboard.h"

namespace {

constexpr int32_t kBandBytes = 24576;
constexpr int32_t kRowPad = 4;  // two pixels each side of an error-diffusion row

// A global block locked for the life of the object.
class LockedBlock {
  public:
    explicit LockedBlock(size_t bytes) : block_(win::GlobalAlloc(win::GMEM_MOVEABLE, bytes)) {
        if (block_ != nullptr) data_ = static_cast<uint8_t*>(win::GlobalLock(block_));
    }
    ~LockedBlock() {
        if (block_ == nullptr) return;
        win::GlobalUnlock(block_);
        win::GlobalFree(block_);
    }
    LockedBlock(const LockedBlock&) = delete;
    LockedBlock& operator=(const LockedBlock&) = delete;
    [[nodiscard]] uint8_t* data() const { return data_; }

  private:
    win::HGLOBAL block_ = nullptr;
    uint8_t* data_ = nullptr;
};

// The band and the rows the halftone path works with.
struct HalftoneBand {
    win::HDC printer = nullptr;
    win::HDC memory = nullptr;
    win::HBITMAP bitmap = nullptr;
    int32_t rowBytes = 0;
    int32_t bandRows = 0;  // rows of the current band
    int32_t filled = 0;    // rows of the current band written so far
    int32_t bandTop = 0;   // device row of the current band's top
    int32_t emitted = 0;   // device rows emitted so far (or -2 while diffusion primes)
    bool diffuse = false;
    uint8_t* band = nullptr;
    uint8_t* grey = nullptr;     // the grey row being built
    uint8_t* ring[3] = {};       // error diffusion: the rows two behind, one behind, newest
    uint8_t* bitsRow = nullptr;  // one dithered row before it goes into the band
};

void FlushPrintBand(HalftoneBand& b) {
    const ImagePrintState& s = imagePrintState;
    if (b.filled == 0) return;
    win::SetBitmapBits(b.bitmap, static_cast<win::DWORD>(b.bandRows * b.rowBytes), b.band);
    win::BitBlt(b.printer, s.left, b.bandTop, s.width, b.filled, b.memory, 0, 0, win::SRCCOPY);
    b.bandTop += b.filled;
    b.filled = 0;
    b.bandRows = std::min(b.bandRows, s.bottom + 1 - b.bandTop);
}

void PutBandRow(HalftoneBand& b, const uint8_t* bits) {
    if (b.bandRows <= 0) return;  // the print rectangle is full
    std::memcpy(b.band + static_cast<size_t>(b.filled) * b.rowBytes, bits,
                static_cast<size_t>(MaskBytes(imagePrintState.width)));
    if (++b.filled == b.bandRows) FlushPrintBand(b);
}

void EmitHalftoneRow(HalftoneBand& b, const uint8_t* grey) {
    const int32_t width = imagePrintState.width;
    if (!b.diffuse) {
        DitherOrderedRow(grey, width, b.emitted, b.bitsRow);
        PutBandRow(b, b.bitsRow);
        ++b.emitted;
        return;
    }
    // The newest row joins the ring; the row two behind it is decided.
    uint8_t* incoming = b.ring[0];
    b.ring[0] = b.ring[1];
    b.ring[1] = b.ring[2];
    b.ring[2] = incoming;
    std::memset(incoming, 0, static_cast<size_t>(width + kRowPad));
    std::memcpy(incoming + 2, grey, static_cast<size_t>(width));
    if (b.emitted++ < 0) return;
    DiffuseStuckiRow(b.ring[0], b.ring[1], b.ring[2], width, b.bitsRow);
    PutBandRow(b, b.bitsRow);
}

int32_t PrintHalftoneRows(HalftoneBand& b, const ImageDesc& source, const uint8_t* rowMask,
                          const uint8_t* columnMask) {
    const ImagePrintState& s = imagePrintState;
    const int32_t sourceWidth = RectWidth(source);
    const int32_t sourceHeight = RectHeight(source);
    const bool enlarging = s.height >= sourceHeight;
    const int32_t positions = std::max(s.height, sourceHeight);
    if (b.diffuse) b.emitted = -2;
    int32_t tenths = -1;
    int32_t sourceRow = 0;
    for (int32_t p = 0; p < positions; ++p) {
        const int32_t now = static_cast<int32_t>(static_cast<int64_t>(p) * 10 / s.height);
        if (now != tenths) {
            tenths = now;
            (void)ImagePrintAbortProc(b.printer, 0);
        }
        if (!MaskBit(rowMask, p)) {
            if (enlarging)
                EmitHalftoneRow(b, b.grey);
            else
                ++sourceRow;
        } else {
            const uint8_t* row = ImageRow(source, source.startY + sourceRow) + source.startX;
            ScaleGreyRow(row, sourceWidth, columnMask, s.width, b.grey);
            EmitHalftoneRow(b, b.grey);
            ++sourceRow;
        }
        if (s.aborted == 1) return IMG_PRINT_ABORTED;
    }
    while (b.emitted < s.height) EmitHalftoneRow(b, b.grey);
    return IMG_OK;
}

// The grey picture the halftone works from: the picture itself when its
// palette is the grey ramp, else a grey copy through the print tone curve.
int32_t GreySource(ImageDesc* image, ImageDesc* copy, ImageDesc** source) {
    *source = image;
    if (IsGreyPalette(image) != 0) return IMG_OK;
    int32_t status = AllocImageGlobal(copy, RectWidth(*image), RectHeight(*image), 8);
    if (status == IMG_OK) status = ConvertToGrey(image, copy);
    if (status == IMG_OK) status = ApplyPrintToneCurve(copy, copy);
    *source = copy;
    return status;
}

int32_t RunBands(const ImagePrintJob& job, HalftoneBand& b, const ImageDesc& source) {
    const ImagePrintState& s = imagePrintState;
    b.bitmap = win::CreateBitmap(b.rowBytes * 8, b.bandRows, 1, 1, nullptr);
    if (b.bitmap == nullptr) return IMG_NO_MEMORY;
    win::HGDIOBJ old = win::SelectObject(b.memory, b.bitmap);
    if (old == nullptr) {
        win::DeleteObject(b.bitmap);
        return IMG_NO_MEMORY;
    }
    LockedBlock rowMask(static_cast<size_t>(MaskBytes(std::max(s.height, RectHeight(source)))));
    LockedBlock columnMask(static_cast<size_t>(MaskBytes(std::max(s.width, RectWidth(source)))));
    int32_t status = IMG_NO_MEMORY;
    if (rowMask.data() != nullptr && columnMask.data() != nullptr) {
        BuildScaleMask(s.height, RectHeight(source), rowMask.data());
        BuildScaleMask(s.width, RectWidth(source), columnMask.data());
        status = PrintHalftoneRows(b, source, rowMask.data(), columnMask.data());
        if (status == IMG_PRINT_ABORTED) status = IMG_OK;
        FlushPrintBand(b);
        if (status == IMG_OK && s.aborted == 0 && job.frameWidth != 0)
            DrawPrintFrame(job.printer, job.frameWidth);
    }
    win::SelectObject(b.memory, old);
    win::DeleteObject(b.bitmap);
    return status;
}

int32_t HalftoneWithMemory(const ImagePrintJob& job, HalftoneBand& b, const ImageDesc& source) {
    const ImagePrintState& s = imagePrintState;
    b.rowBytes = ((s.width + 15) / 8) & ~1;
    const size_t rowBytes = static_cast<size_t>(b.rowBytes);
    const size_t greyBytes = static_cast<size_t>(s.width + kRowPad);
    const size_t extra = greyBytes * (b.diffuse ? 4 : 1) + static_cast<size_t>(MaskBytes(s.width));
    // The band shrinks a row at a time until its memory can be had.
    int32_t rows = std::min(kBandBytes / b.rowBytes + 1, s.height + 1) - 1;
    win::HGLOBAL block = nullptr;
    for (; rows > 0; --rows) {
        block = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_ZEROINIT,
                                 static_cast<size_t>(rows) * rowBytes + extra);
        if (block != nullptr) break;
    }
    if (block == nullptr) return IMG_NO_MEMORY;
    uint8_t* memory = static_cast<uint8_t*>(win::GlobalLock(block));
    b.bandRows = rows;
    b.band = memory;
    b.grey = memory + static_cast<size_t>(rows) * rowBytes;
    b.bitsRow = b.grey + greyBytes;
    if (b.diffuse)
        for (int i = 0; i < 3; ++i) b.ring[i] = b.bitsRow + MaskBytes(s.width) + greyBytes * i;

    win::SetAbortProc(job.printer, ImagePrintAbortProc);
    int32_t status = job.ownDocument ? StartPrintDoc(job) : IMG_OK;
    if (status == IMG_OK) {
        b.bandTop = s.top;
        status = RunBands(job, b, source);
        if (job.ownDocument) EndPrintDoc(job.printer, status == IMG_OK && s.aborted == 0);
    }
    win::GlobalUnlock(block);
    win::GlobalFree(block);
    return status;
}

}  // namespace

int32_t PrintImageHalftone(const ImagePrintJob& job, ImageDesc* image, int32_t halftoneMode) {
    ImageDesc copy;
    ImageDesc* source = nullptr;
    int32_t status = GreySource(image, &copy, &source);
    if (status == IMG_OK) {
        HalftoneBand b;
        b.printer = job.printer;
        b.diffuse = halftoneMode == kHalftoneDiffused;
        b.memory = win::CreateCompatibleDC(job.printer);
        if (b.memory == nullptr) {
            status = IMG_NO_MEMORY;
        } else {
            status = HalftoneWithMemory(job, b, *source);
            win::DeleteDC(b.memory);
        }
    }
    if (source == &copy) FreeImage(&copy);
    return status;
}
