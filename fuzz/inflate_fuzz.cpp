// fuzz-link: tarvex_imaging z
//
// Our inflate against the system zlib's uncompress on the same bytes (zlib
// header, 32 KB window, Adler-32 checked, bytes behind the stream ignored by
// both), output capped at 16 MB: both succeed with equal output, or both fail.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "imaging/deflate/inflate.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr std::size_t kCap = 16u << 20;
    static std::vector<uint8_t> reference(kCap);
    std::vector<uint8_t> ours;
    const bool oursOk = InflateZlib(data, size, &ours, kCap) == InflateResult::kEnd;
    uLongf length = kCap;
    uLong used = size;
    const bool zlibOk = uncompress2(reference.data(), &length, data, &used) == Z_OK;
    if (oursOk != zlibOk) std::abort();
    const bool differ = length != ours.size() ||
                        (length > 0 && std::memcmp(reference.data(), ours.data(), length) != 0);
    if (oursOk && differ) std::abort();
    return 0;
}
