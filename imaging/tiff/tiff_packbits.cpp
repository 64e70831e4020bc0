// PackBits: the row coder, its run lengths and the bounded decoder.
#include "imaging/tiff/tiff_codecs.h"

int PackBitsRunLengths(std::size_t size, const uint8_t* data, uint8_t* runs) {
    int n = 0;
    std::size_t i = 0;
    if (size > 127) size = 127;
    while (i < size) {
        std::size_t j = i + 1;
        while (j < size && data[j] == data[i]) ++j;
        runs[n++] = static_cast<uint8_t>(j - i);
        i = j;
    }
    runs[n] = 0;
    return n;
}

void PackBitsEncode(const uint8_t* data, std::size_t size, std::vector<uint8_t>* out) {
    uint8_t runs[128];
    for (std::size_t chunk = 0; chunk < size; chunk += 127) {
        const std::size_t length = size - chunk < 127 ? size - chunk : 127;
        const uint8_t* p = data + chunk;
        const int n = PackBitsRunLengths(length, p, runs);
        std::size_t at = 0;           // start of the current run
        std::size_t literalFrom = 0;  // start of the pending literal
        std::size_t literal = 0;      // its length
        const auto flush = [&]() {
            if (literal == 0) return;
            out->push_back(static_cast<uint8_t>(literal - 1));
            out->insert(out->end(), p + literalFrom, p + literalFrom + literal);
            literal = 0;
        };
        for (int r = 0; r < n; ++r) {
            const int run = runs[r];
            if (run == 1) {
                if (literal == 0) literalFrom = at;
                ++literal;
                const int following = r + 1 < n ? runs[r + 1] : 0;
                const bool joins =
                    following == 1 || (following == 2 && r + 2 < n && runs[r + 2] == 1);
                if (following == 2 && joins) {
                    // The pair joins the literal too.
                    literal += 2;
                    at += 3;
                    ++r;
                    continue;
                }
                if (!joins) flush();
            } else {
                flush();
                out->push_back(static_cast<uint8_t>(257 - run));
                out->push_back(p[at]);
            }
            at += static_cast<std::size_t>(run);
        }
        flush();
    }
}

std::size_t PackBitsDecode(uint8_t* out, std::size_t want, const uint8_t* in, std::size_t size,
                           std::size_t* produced) {
    std::size_t done = 0;
    std::size_t at = 0;
    while (done < want && at < size) {
        const uint8_t h = in[at++];
        if (h == 128) continue;
        if (h < 128) {
            std::size_t n = std::size_t{h} + 1;
            if (n > want - done) n = want - done;
            if (n > size - at) n = size - at;
            for (std::size_t k = 0; k < n; ++k) out[done + k] = in[at + k];
            done += n;
            at += std::size_t{h} + 1 <= size - at ? std::size_t{h} + 1 : size - at;
        } else {
            if (at >= size) break;
            std::size_t n = 257 - std::size_t{h};
            if (n > want - done) n = want - done;
            for (std::size_t k = 0; k < n; ++k) out[done + k] = in[at];
            done += n;
            ++at;
        }
    }
    *produced = done;
    return at;
}
