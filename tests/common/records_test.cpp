// Byte layouts of the shared records that files and the clipboard store.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "common/packed_date.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "common/whatif_settings.h"
#include "common/index_code.h"

TEST(WaterAnalysisRecord, EncodesFieldByFieldLittleEndian) {
    WaterAnalysis w{};
    w.sampleNumber = -2;
    w.reportDate = PackDate({2026, 12, 7});
    w.sampleDate = 0x01020304;
    w.sampleTime = 1345;
    w.values[0] = 7.5f;
    w.values[63] = -1.0f;
    std::array<uint8_t, kWaterAnalysisBytes> buf{};
    bytes::Writer out(buf.data(), buf.size());
    EncodeWaterAnalysis(w, out);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(out.pos(), 268u);
    EXPECT_EQ(buf[0], 0xFE);
    EXPECT_EQ(buf[1], 0xFF);
    EXPECT_EQ(buf[6], 0x04);  // sampleDate low byte
    EXPECT_EQ(buf[9], 0x01);
    // 7.5f = 0x40F00000
    EXPECT_EQ(buf[12 + 3], 0x40);
    EXPECT_EQ(buf[12 + 2], 0xF0);

    WaterAnalysis back{};
    bytes::Reader in(buf.data(), buf.size());
    DecodeWaterAnalysis(in, back);
    ASSERT_TRUE(in.ok());
    EXPECT_EQ(back.sampleNumber, -2);
    EXPECT_EQ(back.reportDate, 1261207);
    EXPECT_EQ(back.sampleTime, 1345);
    EXPECT_EQ(back.values[0], 7.5f);
    EXPECT_EQ(back.values[63], -1.0f);
}

TEST(WaterAnalysisRecord, ShortBufferIsRefusedNotOverrun) {
    WaterAnalysis w{};
    std::array<uint8_t, 267> buf{};
    bytes::Writer out(buf.data(), buf.size());
    EncodeWaterAnalysis(w, out);
    EXPECT_FALSE(out.ok());
    bytes::Reader in(buf.data(), buf.size());
    DecodeWaterAnalysis(in, w);
    EXPECT_FALSE(in.ok());
}

TEST(RangeRecords, RoundTripKeepsEveryFieldInFileOrder) {
    WhatIfSettings s{};
    s.phLow = 1;
    s.reserved[1] = 11;
    s.temperatureEval = 15;
    std::array<uint8_t, 60> buf{};
    bytes::Writer out(buf.data(), buf.size());
    EncodeWhatIfSettings(s, out);
    ASSERT_TRUE(out.ok());
    EXPECT_EQ(bytes::GetF32(buf.data()), 1.0f);
    EXPECT_EQ(bytes::GetF32(buf.data() + 40), 11.0f);
    EXPECT_EQ(bytes::GetF32(buf.data() + 56), 15.0f);
    WhatIfSettings back{};
    bytes::Reader in(buf.data(), buf.size());
    DecodeWhatIfSettings(in, back);
    EXPECT_EQ(back.reserved[1], 11.0f);
    EXPECT_EQ(back.temperatureEval, 15.0f);

    GraphChoice g{0, 2, {0, 21, -1, -1}, 9};  // the mineral position stays in memory
    std::array<uint8_t, 12> gb{};
    bytes::Writer gout(gb.data(), gb.size());
    EncodeGraphChoice(g, gout);
    EXPECT_TRUE(gout.ok());
    EXPECT_EQ(bytes::GetI16(gb.data() + 4 + 2), 21);
}

TEST(PackedDate, PacksAndUnpacks) {
    EXPECT_EQ(PackDate({1999, 1, 31}), 990131);
    EXPECT_EQ(PackDate({2000, 2, 29}), 1000229);
    DateParts d = UnpackDate(1261207);
    EXPECT_EQ(d.year, 2026);
    EXPECT_EQ(d.month, 12);
    EXPECT_EQ(d.day, 7);
}

TEST(IndexCodes, TreatedCodesPairBothWays) {
    EXPECT_EQ(TreatedCodeOf(IndexCode::kCalcite), 100);
    EXPECT_EQ(TreatedCodeOf(IndexCode::kCalciumOxalate), 120);
    EXPECT_EQ(TreatedCodeOf(IndexCode::kLangelier), -1);
    EXPECT_EQ(UntreatedCodeOf(121), IndexCode::kMagnesiumSilicate);
    EXPECT_EQ(UntreatedCodeOf(5), -1);
}
