// Little-endian encoding of the fixed records that files and the clipboard store.
// Records are written and read field by field through these helpers, never by
// copying a struct, so the bytes on disk do not depend on the compiler's layout.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace bytes {

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutI16(uint8_t* p, int16_t v) { PutU16(p, static_cast<uint16_t>(v)); }
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutI32(uint8_t* p, int32_t v) { PutU32(p, static_cast<uint32_t>(v)); }
inline void PutU64(uint8_t* p, uint64_t v) {
    for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
inline void PutF32(uint8_t* p, float v) {
    uint32_t u;
    std::memcpy(&u, &v, 4);
    PutU32(p, u);
}
inline void PutF64(uint8_t* p, double v) {
    uint64_t u;
    std::memcpy(&u, &v, 8);
    PutU64(p, u);
}

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline int16_t GetI16(const uint8_t* p) { return static_cast<int16_t>(GetU16(p)); }
inline uint32_t GetU32(const uint8_t* p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}
inline int32_t GetI32(const uint8_t* p) { return static_cast<int32_t>(GetU32(p)); }
inline uint64_t GetU64(const uint8_t* p) {
    uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}
inline float GetF32(const uint8_t* p) {
    uint32_t u = GetU32(p);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}
inline double GetF64(const uint8_t* p) {
    uint64_t u = GetU64(p);
    double v;
    std::memcpy(&v, &u, 8);
    return v;
}

// A bounded cursor over a byte buffer. Every Put/Get checks the remaining length;
// once a read or write would run past the end, `ok` turns false and stays false,
// and nothing further is read or written.
class Writer {
public:
    Writer(uint8_t* data, size_t size) : data_(data), size_(size) {}
    void U16(uint16_t v) { if (Room(2)) PutU16(data_ + pos_ - 2, v); }
    void I16(int16_t v) { if (Room(2)) PutI16(data_ + pos_ - 2, v); }
    void U32(uint32_t v) { if (Room(4)) PutU32(data_ + pos_ - 4, v); }
    void I32(int32_t v) { if (Room(4)) PutI32(data_ + pos_ - 4, v); }
    void F32(float v) { if (Room(4)) PutF32(data_ + pos_ - 4, v); }
    void F64(double v) { if (Room(8)) PutF64(data_ + pos_ - 8, v); }
    void Raw(const void* src, size_t n) {
        if (Room(n) && n > 0) std::memcpy(data_ + pos_ - n, src, n);
    }
    // A text field of `n` bytes: the text up to its terminator, then zeros to
    // the end of the field, whatever the memory held after the terminator (the
    // rest of a longer text typed before).
    void Text(const char* text, size_t n) {
        if (!Room(n) || n == 0) return;
        uint8_t* field = data_ + pos_ - n;
        size_t length = 0;
        while (length < n && text[length] != '\0') ++length;
        std::memcpy(field, text, length);
        std::memset(field + length, 0, n - length);
    }
    size_t pos() const { return pos_; }
    bool ok() const { return ok_; }

private:
    bool Room(size_t n) {
        if (!ok_ || size_ - pos_ < n) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }
    uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    uint16_t U16() { return Room(2) ? GetU16(data_ + pos_ - 2) : 0; }
    int16_t I16() { return Room(2) ? GetI16(data_ + pos_ - 2) : 0; }
    uint32_t U32() { return Room(4) ? GetU32(data_ + pos_ - 4) : 0; }
    int32_t I32() { return Room(4) ? GetI32(data_ + pos_ - 4) : 0; }
    float F32() { return Room(4) ? GetF32(data_ + pos_ - 4) : 0.0f; }
    double F64() { return Room(8) ? GetF64(data_ + pos_ - 8) : 0.0; }
    void Raw(void* dst, size_t n) {
        if (Room(n) && n > 0) std::memcpy(dst, data_ + pos_ - n, n);
    }
    size_t pos() const { return pos_; }
    size_t remaining() const { return size_ - pos_; }
    bool ok() const { return ok_; }

private:
    bool Room(size_t n) {
        if (!ok_ || size_ - pos_ < n) {
            ok_ = false;
            return false;
        }
        pos_ += n;
        return true;
    }
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace bytes
