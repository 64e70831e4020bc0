// Inflate against streams made elsewhere (python's zlib, kept beside this file)
// and against hand-written hostile streams; deflate's output read back by
// inflate at the edges of the window and the longest match.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "imaging/deflate/checksums.h"
#include "imaging/deflate/deflate.h"
#include "imaging/deflate/inflate.h"

namespace {

using Bytes = std::vector<uint8_t>;

struct SpanReader {
    const uint8_t* data;
    std::size_t left;
    static std::size_t Read(void* context, uint8_t* buffer, std::size_t capacity) {
        auto* span = static_cast<SpanReader*>(context);
        const std::size_t n = std::min(capacity, span->left);
        std::copy(span->data, span->data + n, buffer);
        span->data += n;
        span->left -= n;
        return n;
    }
};

Bytes ReadStream(const std::string& name) {
    std::ifstream in(std::string(TARVEX_SOURCE_DIR) + "/tests/imaging/png/streams/" + name,
                     std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST(InflateStreamsTest, StreamsMadeByZlibDecodeToTheirListedBytes) {
    std::ifstream listing(std::string(TARVEX_SOURCE_DIR) +
                          "/tests/imaging/png/streams/streams.txt");
    std::string name;
    std::size_t length = 0;
    std::string crc;
    int streams = 0;
    while (listing >> name >> length >> crc) {
        const Bytes z = ReadStream(name + ".z");
        ASSERT_FALSE(z.empty()) << name;
        Bytes out;
        ASSERT_EQ(InflateZlib(z.data(), z.size(), &out, length), InflateResult::kEnd) << name;
        EXPECT_EQ(out.size(), length) << name;
        EXPECT_EQ(Crc32(out.data(), out.size()), std::stoul(crc, nullptr, 16)) << name;
        // One byte less room than the stream holds is refused.
        if (length > 0) {
            Bytes cut;
            EXPECT_EQ(InflateZlib(z.data(), z.size(), &cut, length - 1), InflateResult::kDataError)
                << name;
        }
        // Read in small uneven pieces, the bytes are the same.
        SpanReader span{z.data(), z.size()};
        Inflater inflater;
        ASSERT_TRUE(inflater.Init(&SpanReader::Read, &span));
        Bytes pieces;
        for (std::size_t piece = 1;; piece = piece % 700 + 13) {
            uint8_t buffer[800];
            std::size_t got = 0;
            const InflateResult r = inflater.Read(buffer, piece, &got);
            pieces.insert(pieces.end(), buffer, buffer + got);
            if (r != InflateResult::kOk) {
                EXPECT_EQ(r, InflateResult::kEnd) << name;
                break;
            }
        }
        EXPECT_EQ(pieces, out) << name;
        ++streams;
    }
    EXPECT_EQ(streams, 9);
    // The longest distance: 'x', 32767 'y', then 258 bytes copied from 32768 back.
    const Bytes far = ReadStream("far_match.z");
    Bytes out;
    ASSERT_EQ(InflateZlib(far.data(), far.size(), &out, 1 << 20), InflateResult::kEnd);
    ASSERT_EQ(out.size(), 32768u + 258u);
    EXPECT_EQ(out[32768], 'x');
    EXPECT_EQ(out[32769], 'y');
}

// Bits in deflate's order: values least significant bit first, Huffman
// codes most significant bit first.
class BitWriter {
  public:
    void Put(uint32_t value, int count) {
        for (int i = 0; i < count; ++i) PutBit((value >> i) & 1);
    }
    void Code(uint32_t code, int length) {
        for (int i = length - 1; i >= 0; --i) PutBit((code >> i) & 1);
    }
    // A zlib stream: header, the blocks written so far, the trailer of `data`.
    Bytes Zlib(const Bytes& data) {
        Bytes out = {0x78, 0x9C};
        out.insert(out.end(), bytes_.begin(), bytes_.end());
        if (bit_ != 0) out.push_back(acc_);
        const uint32_t adler = UpdateAdler32(1, data.data(), data.size());
        for (int s = 24; s >= 0; s -= 8) out.push_back(static_cast<uint8_t>(adler >> s));
        return out;
    }

  private:
    void PutBit(uint32_t b) {
        acc_ = static_cast<uint8_t>(acc_ | (b << bit_));
        if (++bit_ == 8) {
            bytes_.push_back(acc_);
            acc_ = 0;
            bit_ = 0;
        }
    }
    Bytes bytes_;
    uint8_t acc_ = 0;
    int bit_ = 0;
};

// Canonical codes of RFC 1951 3.2.2 for the lengths.
std::vector<uint32_t> CanonicalCodes(const std::vector<int>& lengths) {
    int count[16] = {};
    for (int l : lengths) ++count[l];
    count[0] = 0;
    uint32_t next[16] = {};
    uint32_t code = 0;
    for (int bits = 1; bits < 16; ++bits) {
        code = (code + static_cast<uint32_t>(count[bits - 1])) << 1;
        next[bits] = code;
    }
    std::vector<uint32_t> codes(lengths.size(), 0);
    for (std::size_t s = 0; s < lengths.size(); ++s) {
        if (lengths[s] != 0) codes[s] = next[lengths[s]]++;
    }
    return codes;
}

void FixedLiteral(BitWriter& w, int sym) {
    if (sym < 144) return w.Code(static_cast<uint32_t>(0x30 + sym), 8);
    if (sym < 256) return w.Code(static_cast<uint32_t>(0x190 + sym - 144), 9);
    if (sym < 280) return w.Code(static_cast<uint32_t>(sym - 256), 7);
    w.Code(static_cast<uint32_t>(0xC0 + sym - 280), 8);
}

// A dynamic block's header. The code-length code gives 0-12 four bits and
// 13-18 five bits; `lengths` (literal then distance lengths) are sent one
// symbol each unless `tail` replaces the end with repeat codes.
struct DynamicBlock {
    int hlit;
    int hdist;
    std::vector<int> lengths;
    std::vector<std::pair<int, int>> tail;  // (code 16/17/18, repeat extra bits value)
};

std::vector<uint32_t> WriteDynamicHeader(BitWriter& w, const DynamicBlock& b,
                                         std::vector<int>* litLengths) {
    w.Put(1, 1);  // last block
    w.Put(2, 2);  // dynamic
    w.Put(static_cast<uint32_t>(b.hlit - 257), 5);
    w.Put(static_cast<uint32_t>(b.hdist - 1), 5);
    w.Put(19 - 4, 4);
    std::vector<int> cl(19, 4);
    for (int s = 13; s < 19; ++s) cl[static_cast<std::size_t>(s)] = 5;
    static constexpr int kOrder[19] = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                       11, 4,  12, 3, 13, 2, 14, 1, 15};
    for (int s : kOrder) w.Put(static_cast<uint32_t>(cl[static_cast<std::size_t>(s)]), 3);
    const std::vector<uint32_t> clCodes = CanonicalCodes(cl);
    for (int l : b.lengths) {
        w.Code(clCodes[static_cast<std::size_t>(l)], cl[static_cast<std::size_t>(l)]);
    }
    for (const auto& [code, extra] : b.tail) {
        w.Code(clCodes[static_cast<std::size_t>(code)], 5);
        w.Put(static_cast<uint32_t>(extra), code == 16 ? 2 : code == 17 ? 3 : 7);
    }
    *litLengths = std::vector<int>(
        b.lengths.begin(),
        b.lengths.begin() +
            std::min<std::ptrdiff_t>(b.hlit, static_cast<std::ptrdiff_t>(b.lengths.size())));
    return CanonicalCodes(*litLengths);
}

// Literals 0-254 eight bits, 256 and 257 nine bits (a complete code), then
// `distance` lengths.
DynamicBlock LiteralBlock(const std::vector<int>& distance) {
    DynamicBlock b{258, static_cast<int>(distance.size()), std::vector<int>(258, 8), {}};
    b.lengths[255] = 0;
    b.lengths[256] = 9;
    b.lengths[257] = 9;
    b.lengths.insert(b.lengths.end(), distance.begin(), distance.end());
    return b;
}

InflateResult InflateAll(const Bytes& z, Bytes* out) {
    return InflateZlib(z.data(), z.size(), out, 1 << 16);
}

TEST(InflateStreamsTest, HostileStreamsAreRefused) {
    Bytes out;
    // Headers: check sum, method, window above 32 KB, a preset dictionary.
    for (const Bytes& head :
         {Bytes{0x78, 0x9D}, Bytes{0x79, 0x9C}, Bytes{0x88, 0x98}, Bytes{0x78, 0xBB}}) {
        Bytes z = head;
        z.insert(z.end(), {0x03, 0x00, 0x00, 0x00, 0x00, 0x01});
        EXPECT_EQ(InflateAll(z, &out), InflateResult::kDataError)
            << int{head[0]} << " " << int{head[1]};
    }
    // An empty stream is fine; with a wrong Adler-32 it is not.
    EXPECT_EQ(InflateAll(Bytes{0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01}, &out),
              InflateResult::kEnd);
    EXPECT_EQ(InflateAll(Bytes{0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x02}, &out),
              InflateResult::kDataError);
    // A stored block whose length and its complement disagree.
    EXPECT_EQ(
        InflateAll(Bytes{0x78, 0x9C, 0x01, 0x01, 0x00, 0xFF, 0xFF, 'a', 0, 0x62, 0, 0x62}, &out),
        InflateResult::kDataError);

    // Fixed block: literal codes 286 and 287, distance codes 30 and 31.
    for (int sym : {286, 287}) {
        BitWriter w;
        w.Put(1, 1);
        w.Put(1, 2);
        FixedLiteral(w, 'a');
        FixedLiteral(w, sym);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{'a'}), &out), InflateResult::kDataError) << sym;
    }
    for (uint32_t dist : {30u, 31u}) {
        BitWriter w;
        w.Put(1, 1);
        w.Put(1, 2);
        FixedLiteral(w, 'a');
        FixedLiteral(w, 257);
        w.Code(dist, 5);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{'a', 'a', 'a', 'a'}), &out), InflateResult::kDataError)
            << dist;
    }
    // A distance reaching before the start: 2 back after one byte.
    {
        BitWriter w;
        w.Put(1, 1);
        w.Put(1, 2);
        FixedLiteral(w, 'a');
        FixedLiteral(w, 257);
        w.Code(1, 5);
        FixedLiteral(w, 256);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{'a', 'a', 'a', 'a'}), &out), InflateResult::kDataError);
    }

    // Dynamic blocks. A lone distance code of one bit is allowed (RFC 1951
    // 3.2.7): 'a' then a match of 3 at distance 1.
    const auto literalsAndMatch = [](const DynamicBlock& b) {
        BitWriter w;
        std::vector<int> lit;
        const std::vector<uint32_t> codes = WriteDynamicHeader(w, b, &lit);
        w.Code(codes['a'], lit['a']);
        w.Code(codes[257], lit[257]);
        w.Code(0, 1);  // distance code 0: distance 1
        w.Code(codes[256], lit[256]);
        return w.Zlib(Bytes{'a', 'a', 'a', 'a'});
    };
    ASSERT_EQ(InflateAll(literalsAndMatch(LiteralBlock({1})), &out), InflateResult::kEnd);
    EXPECT_EQ(out, (Bytes{'a', 'a', 'a', 'a'}));
    // Two one-bit distance codes are complete too; a lone two-bit code is not.
    EXPECT_EQ(InflateAll(literalsAndMatch(LiteralBlock({1, 1})), &out), InflateResult::kEnd);
    EXPECT_EQ(InflateAll(literalsAndMatch(LiteralBlock({2})), &out), InflateResult::kDataError);
    // Over-subscribed distances (three one-bit codes) and literals (255 back
    // at eight bits).
    EXPECT_EQ(InflateAll(literalsAndMatch(LiteralBlock({1, 1, 1})), &out),
              InflateResult::kDataError);
    DynamicBlock over = LiteralBlock({1});
    over.lengths[255] = 8;
    EXPECT_EQ(InflateAll(literalsAndMatch(over), &out), InflateResult::kDataError);
    // Incomplete literals (257 dropped) and no end-of-block code.
    DynamicBlock incomplete = LiteralBlock({1});
    incomplete.lengths[257] = 0;
    EXPECT_EQ(InflateAll(literalsAndMatch(incomplete), &out), InflateResult::kDataError);
    // HLIT of 287 and 288, HDIST of 31 and 32 lengths.
    for (const auto& [hlit, hdist] :
         {std::pair{287, 1}, std::pair{288, 1}, std::pair{258, 31}, std::pair{258, 32}}) {
        DynamicBlock b = LiteralBlock({});
        b.hlit = hlit;
        b.hdist = hdist;
        b.lengths.resize(static_cast<std::size_t>(hlit + hdist), 0);
        b.lengths[static_cast<std::size_t>(hlit)] = 1;
        EXPECT_EQ(InflateAll(literalsAndMatch(b), &out), InflateResult::kDataError)
            << hlit << " " << hdist;
    }
    // Repeat codes: 16 with nothing before it, and 16, 17, 18 running past
    // the end of the lengths.
    {
        DynamicBlock b = LiteralBlock({1});
        b.lengths.clear();
        b.tail = {{16, 0}};
        BitWriter w;
        std::vector<int> lit;
        (void)WriteDynamicHeader(w, b, &lit);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{}), &out), InflateResult::kDataError);
    }
    for (const auto& [code, extra] : {std::pair{16, 0}, std::pair{17, 0}, std::pair{18, 0}}) {
        // Two lengths are left (the last literal and the distance); the repeat brings 3 or 11.
        DynamicBlock b = LiteralBlock({1});
        b.lengths.resize(257);
        b.tail = {{code, extra}};
        BitWriter w;
        std::vector<int> lit;
        (void)WriteDynamicHeader(w, b, &lit);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{}), &out), InflateResult::kDataError) << code;
    }
    // An over-subscribed code-length code: every one of the 19 at one bit.
    {
        BitWriter w;
        w.Put(1, 1);
        w.Put(2, 2);
        w.Put(1, 5);
        w.Put(0, 5);
        w.Put(15, 4);
        for (int i = 0; i < 19; ++i) w.Put(1, 3);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{}), &out), InflateResult::kDataError);
    }
    // An incomplete code-length code: a single code of one bit.
    {
        BitWriter w;
        w.Put(1, 1);
        w.Put(2, 2);
        w.Put(1, 5);
        w.Put(0, 5);
        w.Put(0, 4);
        w.Put(0, 3);
        w.Put(0, 3);
        w.Put(0, 3);
        w.Put(1, 3);  // symbol 0 of the order 16, 17, 18, 0
        for (int i = 0; i < 40; ++i) w.Put(0, 8);
        EXPECT_EQ(InflateAll(w.Zlib(Bytes{}), &out), InflateResult::kDataError);
    }
}

TEST(InflateStreamsTest, DeflateReachesTheWholeWindowAndTheLongestMatch) {
    // Noise repeated 32000 bytes later, near the far end of the window, and a
    // run of 2000 bytes (matches of the longest length).
    std::mt19937 g(3);
    Bytes noise(300);
    for (auto& b : noise) b = static_cast<uint8_t>(g());
    Bytes data = noise;
    while (data.size() < 32000) data.push_back(static_cast<uint8_t>(g()));
    data.insert(data.end(), noise.begin(), noise.end());
    data.insert(data.end(), 2000, 'z');
    for (auto strategy : {DeflateStrategy::kDefault, DeflateStrategy::kFiltered}) {
        const Bytes z = DeflateZlib(data.data(), data.size(), strategy);
        // The repeat and the run were found: only the noise between is left.
        EXPECT_LT(z.size(), 32000u + 150u);
        Bytes out;
        ASSERT_EQ(InflateZlib(z.data(), z.size(), &out, data.size()), InflateResult::kEnd);
        EXPECT_EQ(out, data);
    }
}

}  // namespace
