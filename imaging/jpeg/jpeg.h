// JPEG files: the writer (baseline, optimised sequential and progressive
// coding of 8- and 24-bit images, optional JFXX thumbnail) and the reader of
// sequential and progressive Huffman-coded files with their header, density
// and thumbnail queries. Every operation runs under the JPEG lock.
#pragma once

#include <cstdint>

#include "imaging/frame/image_desc.h"

inline constexpr uint32_t JPEG_MODE_BASELINE = 0;
inline constexpr uint32_t JPEG_MODE_PROGRESSIVE = 1;
inline constexpr uint32_t JPEG_MODE_OPTIMIZED = 2;
// Flags bit: add a JFXX thumbnail. The rest of the flags word is the mode.
inline constexpr uint32_t JPEG_FLAG_THUMBNAIL = 16;

// ---- Writing ------------------------------------------------------------------------
// Quality 1..100 (below 1 acts as 1, above 100 as 100).
[[nodiscard]] int32_t SaveJpg(const char* fileName, ImageDesc* image, int32_t quality,
                              uint32_t flags);
[[nodiscard]] int32_t SaveJpgW(const char16_t* fileName, ImageDesc* image, int32_t quality,
                               uint32_t flags);
[[nodiscard]] int32_t SaveJpgQuality(const char* fileName, ImageDesc* image, int32_t quality);
[[nodiscard]] int32_t SaveJpgQualityW(const char16_t* fileName, ImageDesc* image, int32_t quality);
// On success *block names a new locked global block holding the whole file.
[[nodiscard]] int32_t SaveJpgToMemory(void** block, ImageDesc* image, int32_t quality,
                                      uint32_t flags);
[[nodiscard]] int32_t SaveJpgToMemoryQuality(void** block, ImageDesc* image, int32_t quality);
// One of the three destinations: an out pointer selects memory, else the wide
// name, else the ANSI name.
[[nodiscard]] int32_t SaveJpgCore(uint32_t flags, const char16_t* wideName, const char* ansiName,
                                  void** block, ImageDesc* image, int32_t quality);
// For the next save only; units 3 or more, or a density of 65536 or more,
// leave that field unchanged.
void SetJpegDensity(uint32_t xDensity, uint32_t yDensity, uint32_t units);
// The longer thumbnail side, 1..255 (else IMG_OUT_OF_RANGE).
[[nodiscard]] int32_t SetJpegThumbnailSize(int32_t size);
// The finer reason of the last JPEG failure; a negative word gets bit 28 set.
[[nodiscard]] int32_t GetJpegErrorDetail();

// ---- Reading ------------------------------------------------------------------------
struct JpegInfo {
    int32_t process;  // SOF code & 15, -1 when no frame was found
    int32_t width;
    int32_t height;
    int32_t components;
    int32_t precision;
    int32_t sampling[4];  // (H << 4) | V of components 1 to 4
    int32_t bitsPerPixel;
};
struct JpegInfoEx : JpegInfo {
    int32_t xDensity;
    int32_t yDensity;
    int32_t units;
    int32_t thumbnailPresent;
    uint32_t thumbnail;  // bytes, low first: width, height, bits per pixel, kind
};
static_assert(sizeof(JpegInfo) == 40 && sizeof(JpegInfoEx) == 60);

// Thumbnail kinds.
inline constexpr int32_t kJpegThumbRgb = 19;
inline constexpr int32_t kJpegThumbPalette = 17;
inline constexpr int32_t kJpegThumbJpeg = 16;
inline constexpr int32_t kJpegThumbExifStrip = 20;
inline constexpr int32_t kJpegThumbExifJpeg = 21;

// The target must be 8-bit for a one-component file and 24-bit otherwise;
// the picture goes to the working rectangle's top-left corner.
[[nodiscard]] int32_t LoadJpg(const char* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadJpgW(const char16_t* fileName, ImageDesc* image);
[[nodiscard]] int32_t LoadJpgFromMemory(const void* block, ImageDesc* image);
// Colour mode: 0 YCbCr, 1 RGB, 2 from the file, 3 YCCK, 4 CMYK, 5 RGB of four.
[[nodiscard]] int32_t LoadJpgEx(const char* fileName, ImageDesc* image, int32_t mode);
[[nodiscard]] int32_t LoadJpgWEx(const char16_t* fileName, ImageDesc* image, int32_t mode);
[[nodiscard]] int32_t LoadJpgFromMemoryEx(const void* block, ImageDesc* image, int32_t mode);
// Flags: bit 7 forces the colour mode in the low bits. Reduced: the whole
// picture scaled down to fit the rectangle with its aspect ratio.
[[nodiscard]] int32_t LoadJpgCore(const char16_t* wideName, const char* ansiName, const void* block,
                                  int32_t reduced, int32_t flags, ImageDesc* image);

[[nodiscard]] int32_t GetJpegInfo(const char* ansiName, const void* block, const char16_t* wideName,
                                  JpegInfo* info);
[[nodiscard]] int32_t GetJpegInfoFile(const char* fileName, JpegInfo* info);
[[nodiscard]] int32_t GetJpegInfoFileW(const char16_t* fileName, JpegInfo* info);
[[nodiscard]] int32_t GetJpegInfoMemory(const void* block, JpegInfo* info);
[[nodiscard]] int32_t GetJpegInfoEx(const char* fileName, JpegInfoEx* info);
[[nodiscard]] int32_t GetJpegInfoExW(const char16_t* fileName, JpegInfoEx* info);
[[nodiscard]] int32_t GetJpegInfoExMemory(const void* block, JpegInfoEx* info);

// Thumbnail mode 1 skips embedded thumbnails; without one (or with mode 1)
// the whole picture is decoded reduced into the rectangle.
[[nodiscard]] int32_t LoadJpgThumbnailFile(const char* fileName, ImageDesc* image, int32_t mode);
[[nodiscard]] int32_t LoadJpgThumbnailFileW(const char16_t* fileName, ImageDesc* image,
                                            int32_t mode);
[[nodiscard]] int32_t LoadJpgThumbnailMemory(const void* block, ImageDesc* image, int32_t mode);
// The core: IMG_PRINT_ABORTED (-15) when no embedded thumbnail was used.
[[nodiscard]] int32_t LoadJpgThumbnail(const char16_t* wideName, const char* ansiName,
                                       const void* block, ImageDesc* image, int32_t mode);

// ---- What the TIFF codec uses ---------------------------------------------------------
// MCU rows per independently coded strip for the next load (0: one strip).
void SetJpegStripRows(int32_t rows);
// The next load's marker parser skips FF 02..FF BF as two bytes without a
// length (old-style JPEG-in-TIFF streams).
void SetJpegOldStyleMarkers(int32_t on);
// Parses the DQT and DHT segments of a tables-only stream into the second
// table set, which then supplies every table a later stream leaves undefined.
// IMG_OK, or IMG_JPEG_ERROR for a malformed segment.
[[nodiscard]] int32_t SetJpegTables(const uint8_t* data, uint32_t size);
void ClearJpegTables();
// While on, a save writes its DQT and DHT segments into these buffers and
// leaves them out of the stream.
struct JpegCapturedTables {
    uint8_t dqt[2 * (2 + 2 + 2 * 129)];
    uint32_t dqtSize;
    uint8_t dht[2 + 2 + 4 * (17 + 256)];
    uint32_t dhtSize;
};
void SetJpegTableCapture(int32_t on);
[[nodiscard]] const JpegCapturedTables& GetJpegCapturedTables();
