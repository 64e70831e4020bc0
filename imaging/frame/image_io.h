// The common shape of the format writers and readers: each format core reads
// or writes through one set of callbacks (write or read, seek, close) that are
// either the platform's file calls or the library's memory streams, whatever
// the caller named: an ANSI file name, a UTF-16 file name or a memory block.
#pragma once

#include <cstddef>
#include <cstdint>

#include "imaging/frame/image_desc.h"

enum class ImageMedium { kAnsiName, kWideName, kMemory };

// Where a writer puts its bytes.
struct ImageTarget {
    ImageMedium medium = ImageMedium::kAnsiName;
    const char* name = nullptr;
    const char16_t* wideName = nullptr;
    void** memoryOut = nullptr;  // receives a new locked global block
};
// Where a reader takes its bytes from.
struct ImageSource {
    ImageMedium medium = ImageMedium::kAnsiName;
    const char* name = nullptr;
    const char16_t* wideName = nullptr;
    const void* memory = nullptr;  // must start a live global block
};
[[nodiscard]] inline ImageTarget AnsiTarget(const char* name) {
    return ImageTarget{ImageMedium::kAnsiName, name, nullptr, nullptr};
}
[[nodiscard]] inline ImageTarget WideTarget(const char16_t* name) {
    return ImageTarget{ImageMedium::kWideName, nullptr, name, nullptr};
}
[[nodiscard]] inline ImageTarget MemoryTarget(void** block) {
    return ImageTarget{ImageMedium::kMemory, nullptr, nullptr, block};
}
[[nodiscard]] inline ImageSource AnsiSource(const char* name) {
    return ImageSource{ImageMedium::kAnsiName, name, nullptr, nullptr};
}
[[nodiscard]] inline ImageSource WideSource(const char16_t* name) {
    return ImageSource{ImageMedium::kWideName, nullptr, name, nullptr};
}
[[nodiscard]] inline ImageSource MemorySource(const void* block) {
    return ImageSource{ImageMedium::kMemory, nullptr, nullptr, block};
}

struct ImageStream {
    std::intptr_t handle = 0;  // file handle or stream slot
    bool memory = false;
    int32_t (*write)(std::intptr_t, const void*, uint32_t, uint32_t*) = nullptr;
    int32_t (*read)(std::intptr_t, void*, uint32_t, uint32_t*) = nullptr;
    // The new position, or -1. Methods: 0 from the start, 1 from the current
    // position, 2 from the end.
    int64_t (*seek)(std::intptr_t, int32_t, uint32_t) = nullptr;
    int32_t (*close)(std::intptr_t) = nullptr;
};

// Opens the writer's medium: a file created anew (IMG_CANNOT_CREATE when it
// cannot be), or a memory write stream (IMG_CANNOT_CREATE when no slot is free).
[[nodiscard]] int32_t OpenImageTarget(const ImageTarget& target, ImageStream* stream);
// Ends a write that OpenImageTarget began: memory output turns a short write
// into IMG_NO_MEMORY and, on success, hands the assembled block to the caller;
// the stream is closed; a named file is deleted when the write failed.
[[nodiscard]] int32_t FinishImageTarget(const ImageTarget& target, ImageStream* stream,
                                        int32_t status);
// Writes all `count` bytes: IMG_OK, or IMG_IO_ERROR for a short write.
[[nodiscard]] int32_t WriteBytes(ImageStream& stream, const void* data, std::size_t count);

// Opens the reader's medium. A memory source must start a live global block
// (IMG_BAD_SOURCE); a source that cannot be opened gives IMG_NOT_THIS_FORMAT.
[[nodiscard]] int32_t OpenImageSource(const ImageSource& source, ImageStream* stream);
void CloseImageStream(ImageStream* stream);

// A read stream over `size` bytes at `data` (a packed DIB inside its block):
// reads never pass the span's end. The cursor holds the stream's state and
// must outlive it.
struct SpanCursor {
    const uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
};
void OpenSpanSource(SpanCursor* cursor, ImageStream* stream);
// Reads up to `count` bytes; fewer only at the end of the source or on an
// error. Returns the count read.
[[nodiscard]] std::size_t ReadBytes(ImageStream& stream, void* data, std::size_t count);
[[nodiscard]] int64_t SeekStream(ImageStream& stream, int32_t distance, uint32_t method);

// A working buffer in a global block, freed with the object. Empty (data()
// null) when the memory cannot be had.
class ImageBuffer {
  public:
    explicit ImageBuffer(std::size_t bytes);
    ~ImageBuffer();
    ImageBuffer(const ImageBuffer&) = delete;
    ImageBuffer& operator=(const ImageBuffer&) = delete;
    [[nodiscard]] uint8_t* data() const { return data_; }
    [[nodiscard]] std::size_t size() const { return size_; }

  private:
    uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// Buffered reading of a stream: bytes are read in large blocks; a refill
// moves the unread rest to the front and reads behind it.
class StreamReader {
  public:
    StreamReader(ImageStream& stream, std::size_t capacity);
    [[nodiscard]] bool ok() const { return buffer_.data() != nullptr; }
    // Makes `count` bytes available at Data() (count <= capacity); false when
    // the source ends first (Available() then says how many are there).
    [[nodiscard]] bool Need(std::size_t count);
    [[nodiscard]] const uint8_t* Data() const { return buffer_.data() + position_; }
    [[nodiscard]] std::size_t Available() const { return fill_ - position_; }
    void Consume(std::size_t count) { position_ += count < Available() ? count : Available(); }
    // The next byte, or -1 at the end of the source.
    [[nodiscard]] int Byte() {
        if (position_ == fill_ && !Need(1)) return -1;
        return buffer_.data()[position_++];
    }

  private:
    ImageStream& stream_;
    ImageBuffer buffer_;
    std::size_t position_ = 0;
    std::size_t fill_ = 0;
    bool ended_ = false;
};
