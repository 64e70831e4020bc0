// Every shared record that files store encodes to exactly its file size, and refuses
// a buffer one byte short.
#include <gtest/gtest.h>

#include <vector>

#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"

namespace {

template <typename Record, typename Encode>
void ExpectEncodedSize(Encode encode, size_t bytes) {
    Record r{};
    std::vector<uint8_t> buf(bytes + 8);
    bytes::Writer exact(buf.data(), buf.size());
    encode(r, exact);
    EXPECT_TRUE(exact.ok());
    EXPECT_EQ(exact.pos(), bytes);
    bytes::Writer shortBuffer(buf.data(), bytes - 1);
    encode(r, shortBuffer);
    EXPECT_FALSE(shortBuffer.ok());
}

TEST(RecordSizes, EncodersWriteTheFileSizes) {
    ExpectEncodedSize<WaterAnalysis>(EncodeWaterAnalysis, 268);
    ExpectEncodedSize<UnitCodes>(EncodeUnitCodes, 80);
    ExpectEncodedSize<SampleDescription>(EncodeSampleDescription, 1024);
    ExpectEncodedSize<WhatIfSettings>(EncodeWhatIfSettings, 60);
    ExpectEncodedSize<WellLogSpecs>(EncodeWellLogSpecs, 64);
    ExpectEncodedSize<GraphRangeSettings>(EncodeGraphRangeSettings, 72);
    ExpectEncodedSize<GraphChoice>(EncodeGraphChoice, 12);
}

TEST(RecordSizes, GraphRangeRoundTripKeepsReservedValues) {
    GraphRangeSettings s{};
    s.gridPhLow = 5.6f;
    s.mixTypicalPercent = 16.6666f;
    s.reserved[2] = -3.0f;
    std::vector<uint8_t> buf(72);
    bytes::Writer out(buf.data(), buf.size());
    EncodeGraphRangeSettings(s, out);
    GraphRangeSettings back{};
    bytes::Reader in(buf.data(), buf.size());
    DecodeGraphRangeSettings(in, back);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(back.gridPhLow, 5.6f);
    EXPECT_EQ(back.mixTypicalPercent, 16.6666f);
    EXPECT_EQ(back.reserved[2], -3.0f);
    EXPECT_EQ(bytes::GetF32(buf.data() + 17 * 4), 16.6666f);  // the mixing row comes last
    EXPECT_EQ(bytes::GetF32(buf.data() + 14 * 4), -3.0f);     // after the unused values
}

}  // namespace
