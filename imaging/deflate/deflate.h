// Deflate (RFC 1951) inside a zlib stream (RFC 1950): the header 78 9C for a
// 32 KB window, the compressed blocks, the Adler-32 trailer.
//
// Level 6 behaviour: hash chains over the window, lazy matching. Each block
// is written stored, with the fixed codes or with its own length-limited
// codes, whichever is shortest. The filtered strategy writes matches shorter
// than 6 as literals. Input is given piecewise; compressed bytes gather in
// Output() and the caller takes them away with Drop().
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

enum class DeflateStrategy { kDefault, kFiltered };

class Deflater {
  public:
    Deflater();
    ~Deflater();
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // False when the working memory cannot be had.
    [[nodiscard]] bool Init(DeflateStrategy strategy);
    // Compresses more input; false after a failure.
    [[nodiscard]] bool Write(const uint8_t* data, std::size_t count);
    // Ends the stream: the last block and the Adler-32 trailer.
    [[nodiscard]] bool Finish();

    [[nodiscard]] const uint8_t* Output() const { return out_.data(); }
    [[nodiscard]] std::size_t OutputSize() const { return out_.size(); }
    // Removes the first `count` output bytes.
    void Drop(std::size_t count);

  private:
    struct State;
    void Compress(bool flush);
    void EmitBlock(bool last);
    void PutBits(uint32_t value, int count);
    void AlignByte();

    std::unique_ptr<State> s_;
    std::vector<uint8_t> out_;
    uint64_t bitBuffer_ = 0;
    int bitCount_ = 0;
};

// One-shot forms over whole buffers.
[[nodiscard]] std::vector<uint8_t> DeflateZlib(
    const uint8_t* data, std::size_t count, DeflateStrategy strategy = DeflateStrategy::kDefault);

// Length-limited canonical code lengths for the frequencies (0 for unused
// symbols). At least two symbols get a length so the code is complete.
void HuffmanLengths(const uint32_t* freq, int count, int limit, uint8_t* lengths);
