// The layout table and the codecs: every owned record takes exactly its size in
// both directions, every byte of every record survives memory, and the values
// the format stores twice come out equal.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>

#include "input/description_records.h"
#include "scenarios/frame/whatif_records.h"
#include "scenarios/multimix/multimix_records.h"
#include "tests/shell/workfile/work_file_fixture.h"

namespace {

using namespace worktest;
using workfile::Holder;

TEST(WorkFileTable, EveryRecordTakesExactlyItsSizeBothWays) {
    std::vector<uint8_t> scratch(kFileBytes + 16);
    for (const workfile::RecordRow& r : kRecordTable) {
        SCOPED_TRACE(r.number);
        bytes::Writer out(scratch.data(), r.size);
        EXPECT_TRUE(workfile::EncodeRecord(r.number, out));
        EXPECT_EQ(out.pos(), r.size);
        if (r.number == 0) continue;
        bytes::Reader in(scratch.data(), r.size + 16);
        EXPECT_TRUE(workfile::DecodeRecord(r.number, in));
        EXPECT_EQ(in.pos(), r.size);
        // One byte less is refused, not read past.
        bytes::Writer shortOut(scratch.data(), r.size - 1);
        EXPECT_FALSE(workfile::EncodeRecord(r.number, shortOut));
    }
    ClearLayoutRecords();
    bytes::Writer out(scratch.data(), scratch.size());
    EXPECT_FALSE(workfile::EncodeRecord(workfile::kRecordCount, out));
    bytes::Reader in(scratch.data(), scratch.size());
    EXPECT_FALSE(workfile::DecodeRecord(-1, in));
}

TEST(WorkFileTable, KeptBlocksAreTheirRowsAndNothingElse) {
    uint32_t kept = 0;
    std::set<int> keptRows;
    for (const workfile::RecordRow& r : kRecordTable) {
        if (r.holder != Holder::kKept) continue;
        EXPECT_EQ(workfile::kKeptOffsets[r.number], kept) << r.number;
        kept += r.size;
        keptRows.insert(r.number);
    }
    EXPECT_EQ(kept, workfile::kKeptBytes);
    EXPECT_EQ(sizeof workFileKeptBlocks.bytes, workfile::kKeptBytes);
    // The blocks whose owners bind them later, among them the working
    // pH-alkalinity curve; the descriptions are bound to the identification
    // texts, the form's rows to the values as entered and its acid sets to
    // each stored water's C2-C5 acids.
    for (int n : {166, 320, 321, 402}) EXPECT_TRUE(keptRows.count(n)) << n;
    for (int n : {13, 14, 15, 16, 130, 131, 132, 274, 275, 276})
        EXPECT_EQ(kRecordTable[n].holder, Holder::kOwned) << n;
    EXPECT_EQ(kRecordTable[34].holder, Holder::kZero);
}

TEST(WorkFileCodec, EveryByteSurvivesARoundTripThroughMemory) {
    for (uint32_t seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        const std::vector<uint8_t> first = Canonical(RandomImage(seed));
        const std::vector<uint8_t> second = Canonical(RandomImage(seed + 100));
        ASSERT_EQ(first.size(), kFileBytes);
        ASSERT_NE(first, second);
        // Loading one image over another leaves nothing of the first behind.
        EXPECT_EQ(Canonical(first), first);
        EXPECT_EQ(Canonical(second), second);
        // Every record holds what the random image gave it: nothing owned is
        // dropped on the way, nothing kept is changed.
        const std::vector<uint8_t> raw = RandomImage(seed);
        for (const workfile::RecordRow& r : kRecordTable) {
            const auto begin = first.begin() + r.offset;
            const bool allZero =
                std::all_of(begin, begin + r.size, [](uint8_t b) { return b == 0; });
            // A record that is one name reads empty from a first byte 0, and
            // is written as such: nothing after its end.
            const bool emptyName =
                (r.number == 113 || r.number == 157 || r.number == 158) && raw[r.offset] == 0;
            if (r.holder == Holder::kZero || emptyName) {
                EXPECT_TRUE(allZero) << r.number;
            } else {
                EXPECT_FALSE(allZero) << r.number;
            }
            if (r.holder == Holder::kKept) {
                EXPECT_TRUE(std::equal(begin, begin + r.size, raw.begin() + r.offset)) << r.number;
            }
        }
    }
    ClearLayoutRecords();
}

TEST(WorkFileCodec, ValuesStoredTwiceAreWrittenEqualAndTheLastCopyIsRead) {
    const std::vector<uint8_t> image = Canonical(RandomImage(7));
    const std::pair<int, int> pairs[] = {{1, 7},     {134, 138}, {159, 169},
                                         {230, 325}, {322, 324}, {399, 403}};
    for (auto [a, b] : pairs) {
        SCOPED_TRACE(a);
        EXPECT_EQ(kRecordTable[a].size, kRecordTable[b].size);
        EXPECT_TRUE(std::equal(image.begin() + kRecordTable[a].offset,
                               image.begin() + kRecordTable[a].offset + kRecordTable[a].size,
                               image.begin() + kRecordTable[b].offset));
    }
    std::vector<uint8_t> differing = image;
    bytes::PutU16(At(differing, 1), 0);
    bytes::PutU16(At(differing, 7), 1);
    bytes::PutU32(At(differing, 399), 2);
    bytes::PutU32(At(differing, 403), 1);
    ASSERT_TRUE(workfile::DecodeWorkFile(differing.data(), differing.size(), 405));
    EXPECT_EQ(resultStatus.surfaceEntered, 1);
    EXPECT_EQ(whatIfOptions.wellLogPtSource, 1u);
    ClearLayoutRecords();
}

TEST(WorkFileCodec, AnalysesLieInFileOrderAndNamesEndInTheirFields) {
    ClearLayoutRecords();
    surfaceWater.sampleNumber = 0x1234;
    surfaceWater.reportDate = 1260315;
    surfaceWater.sampleDate = 1260101;
    surfaceWater.sampleTime = 1330;
    surfaceWater.values[0] = 8.1f;
    surfaceWater.values[63] = -2.5f;
    std::vector<uint8_t> image = workfile::EncodeWorkFile();
    const uint8_t* w = At(image, 18);
    EXPECT_EQ(bytes::GetI16(w), 0x1234);
    EXPECT_EQ(bytes::GetI32(w + 2), 1260315);
    EXPECT_EQ(bytes::GetI32(w + 6), 1260101);
    EXPECT_EQ(bytes::GetI16(w + 10), 1330);
    EXPECT_FLOAT_EQ(bytes::GetF32(w + 12), 8.1f);
    EXPECT_FLOAT_EQ(bytes::GetF32(w + 12 + 63 * 4), -2.5f);
    // A name that fills its field is ended inside it when read.
    std::fill(At(image, 113), At(image, 113) + 80, 'A');
    ASSERT_TRUE(workfile::DecodeWorkFile(image.data(), image.size(), 405));
    EXPECT_EQ(std::string(mixDoseProduct), std::string(79, 'A'));
    // The version word written is always 558.
    mainWindowState.dataVersion = 556;
    EXPECT_EQ(bytes::GetI16(workfile::EncodeWorkFile().data()), 558);
    ClearLayoutRecords();
}

// A text shortened or cleared in memory is written as it now reads, the rest
// of its field zero: nothing of the longer text before it stays in the file
// (seen failing: WELL-12345 shortened to W1 was written "W1", NUL, "L-12345").
TEST(WorkFileCodec, TextsAreWrittenWithNothingAfterThem) {
    ClearLayoutRecords();
    struct Field {
        const char* what;
        char* text;
        size_t size;
        int record;
        uint32_t within;
    };
    const Field fields[] = {
        {"surface ID", waterDescriptions[WaterSelector::kSurface].text[7], 128, 16, 7 * 128},
        {"surface description", waterDescriptions[WaterSelector::kSurface].text[0], 128, 16, 0},
        {"working description", currentDescription.text[3], 128, 13, 3 * 128},
        {"multi-mix water ID", multiMixState.descriptions[4].text[7], 128, 177, 4 * 1024 + 7 * 128},
        {"mix dose product", mixDoseProduct, sizeof mixDoseProduct, 113, 0},
        {"temperature profile product", whatIfResults.tempProfile.lastProductName,
         sizeof whatIfResults.tempProfile.lastProductName, 157, 0},
    };
    for (const char* now : {"W1", ""}) {
        for (const Field& f : fields) {
            std::memset(f.text, 0, f.size);
            std::strcpy(f.text, "WELL-12345 Client X confidential well");
            std::memcpy(f.text, now, std::strlen(now) + 1);  // typed over, the tail left
        }
        std::vector<uint8_t> image = workfile::EncodeWorkFile();
        for (const Field& f : fields) {
            const uint8_t* at = At(image, f.record, f.within);
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(at)), now) << f.what;
            EXPECT_TRUE(std::all_of(at + std::strlen(now), at + f.size,
                                    [](uint8_t b) { return b == 0; }))
                << f.what << " after \"" << now << "\"";
        }
    }
    ClearLayoutRecords();
}

}  // namespace
