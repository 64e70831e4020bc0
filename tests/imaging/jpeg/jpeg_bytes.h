// JPEG files taken apart for the tests: the markers in order with their
// segments, and small edits of a file's bytes.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/imaging/imaging_fixture.h"

namespace jpegtest {

using imagingtest::Bytes;

struct Segment {
    int marker = 0;
    std::size_t at = 0;      // offset of the FF
    std::size_t length = 0;  // the length field (0 for markers without one)
};

// Every marker of a well-formed file in order (the entropy-coded data skipped).
inline std::vector<Segment> Segments(const Bytes& f) {
    std::vector<Segment> out;
    std::size_t i = 0;
    while (i + 1 < f.size()) {
        if (f[i] != 0xFF || f[i + 1] == 0x00 || f[i + 1] == 0xFF ||
            (f[i + 1] >= 0xD0 && f[i + 1] <= 0xD7)) {
            ++i;
            continue;
        }
        Segment s;
        s.marker = f[i + 1];
        s.at = i;
        if (s.marker == 0xD8 || s.marker == 0xD9) {
            out.push_back(s);
            i += 2;
            continue;
        }
        s.length = static_cast<std::size_t>(f[i + 2] << 8 | f[i + 3]);
        out.push_back(s);
        i += 2 + s.length;
    }
    return out;
}

inline std::vector<int> Markers(const Bytes& f) {
    std::vector<int> m;
    for (const Segment& s : Segments(f)) m.push_back(s.marker);
    return m;
}

inline std::optional<Segment> Find(const std::vector<Segment>& segments, int marker, int nth = 0) {
    for (const Segment& s : segments) {
        if (s.marker == marker && nth-- == 0) return s;
    }
    return std::nullopt;
}

// The file with `insert` placed at `at`.
inline Bytes Inserted(const Bytes& f, std::size_t at, const Bytes& insert) {
    Bytes out(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(at));
    out.insert(out.end(), insert.begin(), insert.end());
    out.insert(out.end(), f.begin() + static_cast<std::ptrdiff_t>(at), f.end());
    return out;
}

// The file without its bytes [at, at + count).
inline Bytes Removed(const Bytes& f, std::size_t at, std::size_t count) {
    Bytes out(f.begin(), f.begin() + static_cast<std::ptrdiff_t>(at));
    out.insert(out.end(), f.begin() + static_cast<std::ptrdiff_t>(at + count), f.end());
    return out;
}

inline Bytes MakeSegment(int marker, const Bytes& body) {
    Bytes s(body.size() + 4);
    s[0] = 0xFF;
    s[1] = static_cast<uint8_t>(marker);
    s[2] = static_cast<uint8_t>((body.size() + 2) >> 8);
    s[3] = static_cast<uint8_t>(body.size() + 2);
    std::copy(body.begin(), body.end(), s.begin() + 4);
    return s;
}

}  // namespace jpegtest
