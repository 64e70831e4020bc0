// File and memory media of the format cores, and their buffered reading.
#include "imaging/frame/image_io.h"

#include <cstring>
#include <string>

#include "imaging/frame/memory_streams.h"
#include "platform/files/file_io.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/clipboard.h"

namespace {

win::HANDLE AsHandle(std::intptr_t h) {
    return reinterpret_cast<win::HANDLE>(h);
}

int32_t FileWrite(std::intptr_t h, const void* data, uint32_t count, uint32_t* done) {
    win::DWORD n = 0;
    win::BOOL ok = win::WriteFile(AsHandle(h), data, count, &n, nullptr);
    *done = n;
    return ok ? 1 : 0;
}

int32_t FileRead(std::intptr_t h, void* data, uint32_t count, uint32_t* done) {
    win::DWORD n = 0;
    win::BOOL ok = win::ReadFile(AsHandle(h), data, count, &n, nullptr);
    *done = n;
    return ok ? 1 : 0;
}

int64_t FileSeek(std::intptr_t h, int32_t distance, uint32_t method) {
    win::DWORD pos = win::SetFilePointer(AsHandle(h), distance, nullptr, method);
    return pos == win::INVALID_SET_FILE_POINTER ? -1 : static_cast<int64_t>(pos);
}

int32_t FileClose(std::intptr_t h) {
    return win::CloseHandle(AsHandle(h)) ? 1 : 0;
}

int32_t MemoryWrite(std::intptr_t slot, const void* data, uint32_t count, uint32_t* done) {
    return StreamWriteCallbackB(static_cast<int32_t>(slot), data, count, done, nullptr);
}

int64_t MemoryWriteSeek(std::intptr_t slot, int32_t distance, uint32_t method) {
    return StreamWriteCallbackA(static_cast<int32_t>(slot), distance, nullptr, method);
}

int32_t MemoryWriteClose(std::intptr_t slot) {
    return StreamWriteCallbackC(static_cast<int32_t>(slot));
}

int32_t MemoryRead(std::intptr_t slot, void* data, uint32_t count, uint32_t* done) {
    return StreamReadCallbackB(static_cast<int32_t>(slot), data, count, done, nullptr);
}

int64_t MemoryReadSeek(std::intptr_t slot, int32_t distance, uint32_t method) {
    return StreamReadCallbackA(static_cast<int32_t>(slot), distance, nullptr, method);
}

int32_t MemoryReadClose(std::intptr_t slot) {
    return StreamReadCallbackC(static_cast<int32_t>(slot));
}

SpanCursor* AsCursor(std::intptr_t handle) {
    return reinterpret_cast<SpanCursor*>(handle);
}

int32_t SpanRead(std::intptr_t handle, void* data, uint32_t count, uint32_t* done) {
    SpanCursor* c = AsCursor(handle);
    const std::size_t left = c->position < c->size ? c->size - c->position : 0;
    const std::size_t n = count < left ? count : left;
    if (n > 0) std::memcpy(data, c->data + c->position, n);
    c->position += n;
    *done = static_cast<uint32_t>(n);
    return 1;
}

int64_t SpanSeek(std::intptr_t handle, int32_t distance, uint32_t method) {
    SpanCursor* c = AsCursor(handle);
    const int64_t base = method == 0   ? 0
                         : method == 1 ? static_cast<int64_t>(c->position)
                         : method == 2 ? static_cast<int64_t>(c->size)
                                       : static_cast<int64_t>(c->position);
    const int64_t to = base + distance;
    if (to < 0) return -1;
    c->position = static_cast<std::size_t>(to);
    return to;
}

int32_t SpanClose(std::intptr_t) {
    return 1;
}

void UseFile(win::HANDLE file, ImageStream* stream) {
    *stream = ImageStream{};
    stream->handle = reinterpret_cast<std::intptr_t>(file);
    stream->write = FileWrite;
    stream->read = FileRead;
    stream->seek = FileSeek;
    stream->close = FileClose;
}

}  // namespace

int32_t OpenImageTarget(const ImageTarget& target, ImageStream* stream) {
    *stream = ImageStream{};
    if (target.medium == ImageMedium::kMemory) {
        if (target.memoryOut == nullptr) return IMG_BAD_ARGUMENT;
        const int32_t slot = OpenStreamWrite();
        if (slot < 0) return IMG_CANNOT_CREATE;
        stream->handle = slot;
        stream->memory = true;
        stream->write = MemoryWrite;
        stream->seek = MemoryWriteSeek;
        stream->close = MemoryWriteClose;
        return IMG_OK;
    }
    // A named file is written as a replacement and put in its target's place
    // only once whole, so a failed save leaves the file that was there as it was.
    const win::HFILE file = target.medium == ImageMedium::kWideName
                                ? win::OpenReplacementW(target.wideName)
                                : win::OpenReplacement(target.name);
    if (file == win::HFILE_ERROR) return IMG_CANNOT_CREATE;
    UseFile(reinterpret_cast<win::HANDLE>(static_cast<std::intptr_t>(file)), stream);
    return IMG_OK;
}

int32_t FinishImageTarget(const ImageTarget& target, ImageStream* stream, int32_t status) {
    if (stream->memory) {
        if (status == IMG_IO_ERROR) status = IMG_NO_MEMORY;
        if (status == IMG_OK)
            status = AllocOutputBuffer(static_cast<int32_t>(stream->handle), target.memoryOut);
    }
    if (target.medium == ImageMedium::kMemory) {
        CloseImageStream(stream);
        return status;
    }
    const win::HFILE file = static_cast<win::HFILE>(stream->handle);
    *stream = ImageStream{};
    if (status != IMG_OK) {
        win::AbandonReplacement(file);
    } else if (win::CommitReplacement(file) == win::FALSE) {
        status = IMG_IO_ERROR;
    }
    return status;
}

int32_t WriteBytes(ImageStream& stream, const void* data, std::size_t count) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    while (count > 0) {
        const uint32_t part = count > 0x40000000 ? 0x40000000 : static_cast<uint32_t>(count);
        uint32_t done = 0;
        if (stream.write(stream.handle, bytes, part, &done) == 0 || done != part) {
            return IMG_IO_ERROR;
        }
        bytes += part;
        count -= part;
    }
    return IMG_OK;
}

int32_t OpenImageSource(const ImageSource& source, ImageStream* stream) {
    *stream = ImageStream{};
    if (source.medium == ImageMedium::kMemory) {
        // Reads stay inside the block, so the pointer must start one.
        if (source.memory == nullptr || win::GlobalHandle(source.memory) == nullptr) {
            return IMG_BAD_SOURCE;
        }
        const int32_t slot = OpenStreamRead(source.memory, win::GENERIC_READ);
        if (slot < 0) return IMG_NOT_THIS_FORMAT;
        stream->handle = slot;
        stream->memory = true;
        stream->read = MemoryRead;
        stream->seek = MemoryReadSeek;
        stream->close = MemoryReadClose;
        return IMG_OK;
    }
    win::HANDLE file =
        source.medium == ImageMedium::kWideName
            ? win::CreateFileW(source.wideName, win::GENERIC_READ, win::FILE_SHARE_READ, nullptr,
                               win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL, nullptr)
            : win::CreateFileA(source.name, win::GENERIC_READ, win::FILE_SHARE_READ, nullptr,
                               win::OPEN_EXISTING, win::FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == win::INVALID_HANDLE_VALUE) return IMG_NOT_THIS_FORMAT;
    UseFile(file, stream);
    return IMG_OK;
}

void CloseImageStream(ImageStream* stream) {
    if (stream->close != nullptr) stream->close(stream->handle);
    *stream = ImageStream{};
}

void OpenSpanSource(SpanCursor* cursor, ImageStream* stream) {
    *stream = ImageStream{};
    stream->handle = reinterpret_cast<std::intptr_t>(cursor);
    stream->memory = true;
    stream->read = SpanRead;
    stream->seek = SpanSeek;
    stream->close = SpanClose;
}

std::size_t ReadBytes(ImageStream& stream, void* data, std::size_t count) {
    auto* bytes = static_cast<uint8_t*>(data);
    std::size_t total = 0;
    while (total < count) {
        const std::size_t left = count - total;
        const uint32_t part = left > 0x40000000 ? 0x40000000 : static_cast<uint32_t>(left);
        uint32_t done = 0;
        if (stream.read(stream.handle, bytes + total, part, &done) == 0 || done == 0) break;
        total += done;
    }
    return total;
}

int64_t SeekStream(ImageStream& stream, int32_t distance, uint32_t method) {
    return stream.seek(stream.handle, distance, method);
}

ImageBuffer::ImageBuffer(std::size_t bytes) {
    win::HGLOBAL block = win::GlobalAlloc(win::GHND, bytes);
    if (block == nullptr) return;
    data_ = static_cast<uint8_t*>(win::GlobalLock(block));
    if (data_ == nullptr) {
        win::GlobalFree(block);
        return;
    }
    size_ = bytes;
}

ImageBuffer::~ImageBuffer() {
    if (data_ == nullptr) return;
    win::HGLOBAL block = win::GlobalHandle(data_);
    win::GlobalUnlock(block);
    win::GlobalFree(block);
}

StreamReader::StreamReader(ImageStream& stream, std::size_t capacity)
    : stream_(stream), buffer_(capacity) {}

bool StreamReader::Need(std::size_t count) {
    if (Available() >= count) return true;
    if (!ok() || count > buffer_.size()) return false;
    if (ended_) return false;
    // Move the unread rest to the front and read behind it.
    const std::size_t rest = Available();
    if (position_ > 0 && rest > 0) std::memmove(buffer_.data(), Data(), rest);
    position_ = 0;
    fill_ = rest;
    while (fill_ < count) {
        const std::size_t got = ReadBytes(stream_, buffer_.data() + fill_, buffer_.size() - fill_);
        if (got == 0) {
            ended_ = true;
            break;
        }
        fill_ += got;
    }
    return fill_ >= count;
}
