// Inflate (RFC 1951) of a zlib stream (RFC 1950), made to survive hostile
// input: every code table, length, distance and repeat is checked, and the
// output is produced only as far as the caller asks.
//
// Input comes from a callback, output is taken piecewise with Read(); the
// decoder keeps the last 32 KB as its window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

enum class InflateResult {
    kOk,         // the bytes asked for are there
    kEnd,        // the stream ended (its Adler-32 matched) before all were there
    kDataError,  // bad header, code, distance or checksum
    kTruncated,  // the input ended inside the stream
};

class Inflater {
  public:
    // Fills `buffer` with up to `capacity` input bytes; 0 at the end of the input.
    using Source = std::size_t (*)(void* context, uint8_t* buffer, std::size_t capacity);

    Inflater();
    ~Inflater();
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    [[nodiscard]] bool Init(Source source, void* context);
    // Copies up to `count` decompressed bytes to `out`; `got` says how many.
    // kOk means all `count` are there.
    [[nodiscard]] InflateResult Read(uint8_t* out, std::size_t count, std::size_t* got);
    // Decodes to the end of the stream, checking the trailer; bytes that come
    // out on the way are counted in `extra` and dropped.
    [[nodiscard]] InflateResult Finish(std::size_t* extra);
    // Whole input bytes the decoder fetched but did not use (after the end).
    [[nodiscard]] std::size_t UnusedInput() const;

  private:
    struct State;
    std::unique_ptr<State> s_;
};

// Inflates a whole zlib stream into at most `capacity` bytes. Bytes behind
// the stream are ignored. kEnd is success; kDataError also for output that
// would pass `capacity`.
[[nodiscard]] InflateResult InflateZlib(const uint8_t* data, std::size_t count,
                                        std::vector<uint8_t>* out, std::size_t capacity);
