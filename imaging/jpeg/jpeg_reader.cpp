// Reading JPEG files: the header pass and its queries, the load core with its
// colour modes and reduced output, and the embedded thumbnails.
#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/frame/image_alloc.h"
#include "imaging/frame/image_check.h"
#include "imaging/frame/library_info.h"
#include "imaging/geometry/geometry.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/jpeg/jpeg_decoder.h"
#include "imaging/tiff/tiff.h"
#include "platform/system/clipboard.h"

namespace {

constexpr std::size_t kInputBuffer = 65536;

ImageSource SourceOf(const char16_t* wideName, const char* ansiName, const void* block) {
    return block != nullptr      ? MemorySource(block)
           : wideName != nullptr ? WideSource(wideName)
                                 : AnsiSource(ansiName);
}

// An open source with its input buffer; closed with the object.
class OpenedSource {
  public:
    OpenedSource(const ImageSource& source, JpegDecoder& d) : buffer_(kInputBuffer) {
        if (source.medium == ImageMedium::kMemory &&
            (source.memory == nullptr || ReadableBytesAt(source.memory) < 100)) {
            status_ = IMG_BAD_SOURCE;
            return;
        }
        status_ = OpenImageSource(source, &stream_);
        if (status_ != IMG_OK) {
            if (status_ != IMG_BAD_SOURCE) status_ = IMG_NOT_THIS_FORMAT;
            return;
        }
        opened_ = true;
        if (buffer_.data() == nullptr) {
            status_ = IMG_NO_MEMORY;
            return;
        }
        const int64_t size = stream_.seek(stream_.handle, 0, 2);
        d.sourceSize = size > 0 ? size : 0;
        (void)stream_.seek(stream_.handle, 0, 0);
        d.in.stream = &stream_;
        d.in.buffer = buffer_.data();
        d.oldStyleMarkers = JpegSettings.oldStyleMarkers != 0;
    }
    ~OpenedSource() {
        if (opened_) CloseImageStream(&stream_);
    }
    OpenedSource(const OpenedSource&) = delete;
    OpenedSource& operator=(const OpenedSource&) = delete;
    [[nodiscard]] int32_t status() const { return status_; }

  private:
    ImageStream stream_;
    ImageBuffer buffer_;
    bool opened_ = false;
    int32_t status_ = IMG_OK;
};

void FillInfo(const JpegDecoder& d, JpegInfo* info) {
    *info = JpegInfo{};
    info->process = d.process;
    if (d.process < 0) return;
    info->width = d.width;
    info->height = d.height;
    info->components = d.components;
    info->precision = d.precision;
    for (int c = 0; c < 4 && c < d.components; ++c)
        info->sampling[c] = d.comp[c].h << 4 | d.comp[c].v;
    info->bitsPerPixel = d.components == 1 ? 8 : 24;
}

int32_t HeaderPass(const ImageSource& source, JpegDecoder& d, JpegInfo* info) {
    if (info != nullptr) *info = JpegInfo{-1, 0, 0, 0, 0, {0, 0, 0, 0}, 0};
    OpenedSource opened(source, d);
    if (opened.status() != IMG_OK) return opened.status();
    const int32_t status = ParseJpegMarkers(d, true);
    if (info != nullptr) FillInfo(d, info);
    return status;
}

int32_t LoadCore(const ImageSource& source, bool reduced, int32_t flags, ImageDesc* image) {
    int32_t status = CheckImage(image);
    if (status != IMG_OK) return status;
    ImageLock lock(kJpegLock);
    JpegErrorDetail = 0;
    auto d = std::make_unique<JpegDecoder>();
    {
        OpenedSource opened(source, *d);
        status = opened.status();
        if (status == IMG_OK) status = ParseJpegMarkers(*d, true);
        if (status == IMG_OK) status = DecodeJpegPicture(*d, image, reduced, flags);
    }
    JpegSettings.stripRows = 0;
    JpegSettings.oldStyleMarkers = 0;
    if (status == IMG_OK && d->components == 1) InitImagePalette(image);
    return status;
}

// The recorded thumbnail's bytes decoded into a new image.
int32_t DecodeThumbnail(const ImageSource& source, const JpegThumbRecord& t, ImageDesc* thumb) {
    JpegDecoder d;
    OpenedSource opened(source, d);
    if (opened.status() != IMG_OK) return opened.status();
    std::vector<uint8_t> bytes;
    try {
        bytes.resize(t.length);
    } catch (...) {
        return IMG_NO_MEMORY;
    }
    if (!d.in.Seek(t.position) || d.in.Read(bytes.data(), bytes.size()) != bytes.size())
        return IMG_JPEG_ERROR;
    if (t.kind == kJpegThumbRgb || t.kind == kJpegThumbPalette) {
        const bool palette = t.kind == kJpegThumbPalette;
        int32_t status = AllocImage(thumb, t.width, t.height, palette ? 8 : 24);
        if (status != IMG_OK) return IMG_NO_MEMORY;
        const uint8_t* p = bytes.data();
        if (palette) {
            for (int i = 0; i < 256; ++i, p += 3)
                thumb->palette[i] = win::RGBQUAD{p[2], p[1], p[0], 0};
            thumb->colorCount = 256;
            thumb->flags = IsGreyPalette(thumb) != 0 ? IMG_FLAG_GREY : 0;
            if (thumb->dibSection != nullptr) (void)SetDibSectionPalette(thumb);
        }
        for (int y = 0; y < t.height; ++y) {
            uint8_t* row = ImageRow(*thumb, y);
            for (int x = 0; x < t.width; ++x) {
                if (palette) {
                    row[x] = *p++;
                } else {
                    row[3 * x] = p[2];
                    row[3 * x + 1] = p[1];
                    row[3 * x + 2] = p[0];
                    p += 3;
                }
            }
        }
        return IMG_OK;
    }
    // A JPEG stream or an Exif TIFF structure of its own, through a global
    // block (at least the 100 bytes a memory source must have).
    win::HGLOBAL h = win::GlobalAlloc(win::GHND, std::max<std::size_t>(bytes.size(), 100));
    void* block = h != nullptr ? win::GlobalLock(h) : nullptr;
    if (block == nullptr) {
        if (h != nullptr) win::GlobalFree(h);
        return IMG_NO_MEMORY;
    }
    std::memcpy(block, bytes.data(), bytes.size());
    if (t.kind == kJpegThumbExifStrip) {
        // The second IFD's strip image, through the TIFF reader.
        TiffInfo tiff;
        int32_t status = GetTiffInfoMemoryIndex(block, &tiff, 1);
        if (status == IMG_OK &&
            (tiff.width <= 0 || tiff.height <= 0 || tiff.width > 4096 || tiff.height > 4096 ||
             (tiff.bitsPerPixel != 8 && tiff.bitsPerPixel != 24)))
            status = IMG_BAD_ARGUMENT;
        if (status == IMG_OK) {
            status = AllocImage(thumb, tiff.width, tiff.height, tiff.bitsPerPixel);
            if (status != IMG_OK) status = IMG_NO_MEMORY;
        }
        if (status == IMG_OK) {
            status = LoadTifFromMemoryIndex(block, thumb, 1);
            if (status != IMG_OK) FreeImage(thumb);
        }
        win::GlobalUnlock(h);
        win::GlobalFree(h);
        return status;
    }
    JpegInfo info;
    int32_t status = GetJpegInfoMemory(block, &info);
    if (status == IMG_OK && info.process < 0) status = IMG_JPEG_ERROR;
    if (status == IMG_OK &&
        (info.width <= 0 || info.height <= 0 || info.width > 4096 || info.height > 4096))
        status = IMG_BAD_ARGUMENT;
    if (status == IMG_OK) {
        status = AllocImage(thumb, info.width, info.height, info.components == 1 ? 8 : 24);
        if (status != IMG_OK) status = IMG_NO_MEMORY;
    }
    if (status == IMG_OK) {
        status = LoadJpgFromMemory(block, thumb);
        if (status != IMG_OK) FreeImage(thumb);
    }
    win::GlobalUnlock(h);
    win::GlobalFree(h);
    return status;
}

int32_t ThumbnailCore(const ImageSource& source, ImageDesc* image, int32_t mode) {
    int32_t status = CheckImage(image);
    if (status != IMG_OK) return status;
    ImageLock lock(kJpegLock);
    JpegDecoder d;
    status = HeaderPass(source, d, nullptr);
    if (status != IMG_OK) return status;
    const JpegThumbRecord t = d.thumb;
    if (t.present == 0 || mode == 1 || t.position == 0) return IMG_PRINT_ABORTED;
    ImageDesc thumb;
    status = DecodeThumbnail(source, t, &thumb);
    if (status != IMG_OK) return status;
    int32_t saved[4];
    GetImageRect(image, saved);
    int areaW = RectWidth(*image);
    int areaH = RectHeight(*image);
    if (d.process >= 0 && (areaW > d.width || areaH > d.height) && d.width > 0 && d.height > 0) {
        areaW = d.width;
        areaH = d.height;
    }
    const int tw = RectWidth(thumb);
    const int th = RectHeight(thumb);
    int w = areaW;
    int h = static_cast<int>(static_cast<int64_t>(areaW) * th / tw);
    if (h > areaH) {
        h = areaH;
        w = static_cast<int>(static_cast<int64_t>(areaH) * tw / th);
    }
    if (w < 1 || h < 1) {
        status = IMG_BAD_ARGUMENT;
    } else {
        SetImageRect(image, saved[0], saved[1], saved[0] + w - 1, saved[1] + h - 1);
        status = ResizeImage(&thumb, image, 0);
        SetImageRectFromArray(saved, image);
    }
    FreeImage(&thumb);
    return status;
}

int32_t ThumbnailOrReduced(const ImageSource& source, ImageDesc* image, int32_t mode) {
    const int32_t status = ThumbnailCore(source, image, mode);
    if (status != IMG_PRINT_ABORTED) return status;
    return LoadCore(source, true, 0, image);
}

int32_t InfoCore(const ImageSource& source, JpegInfo* info, JpegInfoEx* ex) {
    ImageLock lock(kJpegLock);
    JpegErrorDetail = 0;
    JpegDecoder d;
    const int32_t status = HeaderPass(source, d, info);
    if (ex != nullptr && status == IMG_OK) {
        ex->xDensity = d.xDensity;
        ex->yDensity = d.yDensity;
        ex->units = d.units;
        ex->thumbnailPresent = d.thumb.present;
        ex->thumbnail = static_cast<uint32_t>(d.thumb.width & 0xFF) |
                        static_cast<uint32_t>(d.thumb.height & 0xFF) << 8 |
                        static_cast<uint32_t>(d.thumb.bits & 0xFF) << 16 |
                        static_cast<uint32_t>(d.thumb.kind & 0xFF) << 24;
    }
    return status;
}

int32_t InfoExCore(const ImageSource& source, JpegInfoEx* info) {
    *info = JpegInfoEx{};
    return InfoCore(source, info, info);
}

}  // namespace

int32_t LoadJpgCore(const char16_t* wideName, const char* ansiName, const void* block,
                    int32_t reduced, int32_t flags, ImageDesc* image) {
    return LoadCore(SourceOf(wideName, ansiName, block), reduced != 0, flags, image);
}
int32_t LoadJpg(const char* fileName, ImageDesc* image) {
    return LoadCore(AnsiSource(fileName), false, 0, image);
}
int32_t LoadJpgW(const char16_t* fileName, ImageDesc* image) {
    return LoadCore(WideSource(fileName), false, 0, image);
}
int32_t LoadJpgFromMemory(const void* block, ImageDesc* image) {
    return LoadCore(MemorySource(block), false, 0, image);
}
int32_t LoadJpgEx(const char* fileName, ImageDesc* image, int32_t mode) {
    return LoadCore(AnsiSource(fileName), false, mode | 0x80, image);
}
int32_t LoadJpgWEx(const char16_t* fileName, ImageDesc* image, int32_t mode) {
    return LoadCore(WideSource(fileName), false, mode | 0x80, image);
}
int32_t LoadJpgFromMemoryEx(const void* block, ImageDesc* image, int32_t mode) {
    return LoadCore(MemorySource(block), false, mode | 0x80, image);
}

int32_t GetJpegInfo(const char* ansiName, const void* block, const char16_t* wideName,
                    JpegInfo* info) {
    JpegDecoder d;
    return HeaderPass(SourceOf(wideName, ansiName, block), d, info);
}
int32_t GetJpegInfoFile(const char* fileName, JpegInfo* info) {
    return InfoCore(AnsiSource(fileName), info, nullptr);
}
int32_t GetJpegInfoFileW(const char16_t* fileName, JpegInfo* info) {
    return InfoCore(WideSource(fileName), info, nullptr);
}
int32_t GetJpegInfoMemory(const void* block, JpegInfo* info) {
    return InfoCore(MemorySource(block), info, nullptr);
}
int32_t GetJpegInfoEx(const char* fileName, JpegInfoEx* info) {
    return InfoExCore(AnsiSource(fileName), info);
}
int32_t GetJpegInfoExW(const char16_t* fileName, JpegInfoEx* info) {
    return InfoExCore(WideSource(fileName), info);
}
int32_t GetJpegInfoExMemory(const void* block, JpegInfoEx* info) {
    return InfoExCore(MemorySource(block), info);
}

int32_t LoadJpgThumbnail(const char16_t* wideName, const char* ansiName, const void* block,
                         ImageDesc* image, int32_t mode) {
    return ThumbnailCore(SourceOf(wideName, ansiName, block), image, mode);
}
int32_t LoadJpgThumbnailFile(const char* fileName, ImageDesc* image, int32_t mode) {
    return ThumbnailOrReduced(AnsiSource(fileName), image, mode);
}
int32_t LoadJpgThumbnailFileW(const char16_t* fileName, ImageDesc* image, int32_t mode) {
    return ThumbnailOrReduced(WideSource(fileName), image, mode);
}
int32_t LoadJpgThumbnailMemory(const void* block, ImageDesc* image, int32_t mode) {
    return ThumbnailOrReduced(MemorySource(block), image, mode);
}

void SetJpegStripRows(int32_t rows) {
    JpegSettings.stripRows = rows > 0 ? rows : 0;
}
void SetJpegOldStyleMarkers(int32_t on) {
    JpegSettings.oldStyleMarkers = on;
}
int32_t SetJpegTables(const uint8_t* data, uint32_t size) {
    JpegTableSet set;
    const int32_t status = ParseJpegTableSegments(data, size, &set);
    if (status == IMG_OK) JpegSecondTables = set;
    return status;
}
void ClearJpegTables() {
    JpegSecondTables = JpegTableSet{};
}
