// TIFF LZW: the encoder with its string table and code packing, and the
// decoder with its bounded string table.
#include <cstring>

#include "imaging/frame/image_desc.h"
#include "imaging/tiff/tiff_codecs.h"

namespace {

// Codes packed most significant bit first with TIFF's early change: each code
// other than ClearCode counts one more table entry, and the width grows when
// the count reaches 512, 1024 and 2048.
class CodePacker {
  public:
    explicit CodePacker(std::vector<uint8_t>* out) : out_(out) {}
    void Put(int code) {
        accumulator_ = (accumulator_ << width_) | static_cast<uint32_t>(code);
        bits_ += width_;
        while (bits_ >= 8) {
            bits_ -= 8;
            out_->push_back(static_cast<uint8_t>(accumulator_ >> bits_));
        }
        if (code == kLzwClear) {
            count_ = kLzwFirst;
            width_ = 9;
            limit_ = 512;
            return;
        }
        if (++count_ == limit_ && width_ < 12) {
            ++width_;
            limit_ *= 2;
        }
    }
    void Finish() {
        if (bits_ > 0) out_->push_back(static_cast<uint8_t>(accumulator_ << (8 - bits_)));
        bits_ = 0;
    }

  private:
    std::vector<uint8_t>* out_;
    uint64_t accumulator_ = 0;
    int bits_ = 0;
    int width_ = 9;
    int count_ = kLzwFirst;
    int limit_ = 512;
};

// The encoder's string table: (prefix, byte) -> code, by open addressing
// with a generation stamp, so that clearing costs nothing.
struct EncodeTable {
    static constexpr int kSize = 1 << 14;
    uint32_t key[kSize];
    uint16_t code[kSize];
    uint32_t stamp[kSize];
    uint32_t generation = 1;
    EncodeTable() { std::memset(stamp, 0, sizeof stamp); }
    void Clear() { ++generation; }
    static uint32_t Slot(uint32_t k) { return (k * 2654435761u) >> 18; }
    int Find(uint32_t k) const {
        for (uint32_t s = Slot(k);; s = (s + 1) & (kSize - 1)) {
            if (stamp[s] != generation) return -1;
            if (key[s] == k) return code[s];
        }
    }
    void Add(uint32_t k, int c) {
        uint32_t s = Slot(k);
        while (stamp[s] == generation) s = (s + 1) & (kSize - 1);
        stamp[s] = generation;
        key[s] = k;
        code[s] = static_cast<uint16_t>(c);
    }
};

}  // namespace

void LzwEncodeStrip(const uint8_t* data, std::size_t size, std::vector<uint8_t>* out) {
    static thread_local EncodeTable* table = new EncodeTable;
    table->Clear();
    CodePacker packer(out);
    packer.Put(kLzwClear);
    if (size == 0) {
        packer.Put(kLzwEnd);
        packer.Finish();
        return;
    }
    int next = kLzwFirst;
    int prefix = data[0];
    for (std::size_t i = 1; i < size; ++i) {
        const uint32_t key = static_cast<uint32_t>(prefix) << 8 | data[i];
        const int found = table->Find(key);
        if (found >= 0) {
            prefix = found;
            continue;
        }
        table->Add(key, next++);
        packer.Put(prefix);
        prefix = data[i];
        if (next > 4094) {
            packer.Put(kLzwClear);
            table->Clear();
            next = kLzwFirst;
        }
    }
    packer.Put(prefix);
    packer.Put(kLzwEnd);
    packer.Finish();
}

int32_t LzwDecodeStrip(const uint8_t* in, std::size_t size, uint8_t* out, std::size_t want,
                       std::size_t* produced) {
    static thread_local uint16_t prefixOf[4096];
    static thread_local uint8_t suffixOf[4096];
    static thread_local uint8_t firstOf[4096];
    static thread_local uint16_t lengthOf[4096];
    for (int i = 0; i < 256; ++i) {
        suffixOf[i] = firstOf[i] = static_cast<uint8_t>(i);
        lengthOf[i] = 1;
    }
    std::size_t done = 0;
    uint64_t accumulator = 0;
    int bits = 0;
    std::size_t at = 0;
    int width = 9;
    int count = kLzwFirst;
    int limit = 512;
    int next = kLzwFirst;
    int old = -1;  // none: the state after ClearCode (and at the start)
    int32_t status = IMG_CODED_DATA_ERROR;
    while (done < want) {
        while (bits < width && at < size) {
            accumulator = (accumulator << 8) | in[at++];
            bits += 8;
        }
        if (bits < width) break;  // the data ends first
        bits -= width;
        const int code = static_cast<int>((accumulator >> bits) & ((1u << width) - 1));
        if (code == kLzwClear) {
            width = 9;
            count = kLzwFirst;
            limit = 512;
            next = kLzwFirst;
            old = -1;
            continue;
        }
        if (code == kLzwEnd) break;
        if (old < 0) {
            if (code > 255) break;  // no string to build on
            out[done++] = static_cast<uint8_t>(code);
            old = code;
        } else {
            if (code > next) break;
            if (next > 4095) break;  // the table is full
            const int string = code == next ? old : code;
            const uint8_t first = firstOf[string];
            // The new entry: the old string plus the first byte of this one.
            prefixOf[next] = static_cast<uint16_t>(old);
            suffixOf[next] = first;
            firstOf[next] = firstOf[old];
            lengthOf[next] = static_cast<uint16_t>(lengthOf[old] + 1);
            ++next;
            // Unwind the code's string backwards into the output.
            const std::size_t length = lengthOf[code];
            const std::size_t keep = length < want - done ? length : want - done;
            int c = code;
            for (std::size_t k = length; k > 0; --k) {
                if (k <= keep) out[done + k - 1] = suffixOf[c];
                c = prefixOf[c];
            }
            done += keep;
            old = code;
        }
        if (++count == limit && width < 12) {
            ++width;
            limit *= 2;
        }
    }
    if (done == want) status = IMG_OK;
    *produced = done;
    return status;
}
