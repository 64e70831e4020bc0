// The record file converter. Files of each older layout are made here from the
// layout tables (offsets written out again, not taken from the converter), with
// a stand-in for the engine that leaves recognisable results.
#include "shell/recordfiles/cor_converter.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "common/byte_io.h"
#include "engine/pipeline/service_hooks.h"
#include "engine/saturation/water_results_records.h"
#include "tests/shell/shell_fixture.h"

namespace {

namespace E = AnalysisElement;

std::vector<std::pair<int, int>> progress;

void StandInEngine() {
    for (int k = 0; k < kSaturationResultCount; ++k) SaturationResults[k] = 1000.0f + k;
    currentHCO3 = 11.0f;
    currentCO3 = 22.0f;
}
uint32_t clockMs = 0;
uint32_t Clock() {
    return clockMs;
}

// An older record of `size` bytes whose bytes name their offsets, with the
// fields the tables name filled with values to find again.
std::vector<uint8_t> OldRecord(uint32_t size, uint32_t head, uint32_t values, int valueCount,
                               uint32_t results, int resultCount, uint32_t texts, int tag) {
    std::vector<uint8_t> r(size);
    for (uint32_t i = 0; i < size; ++i) r[i] = static_cast<uint8_t>(i * 13 + tag);
    bytes::PutI16(r.data() + head, static_cast<int16_t>(100 + tag));
    bytes::PutI32(r.data() + head + 2, 120395);  // 12 March.. or 3 December 1995, by the order
    bytes::PutI32(r.data() + head + 6, 120395);
    for (int e = 0; e < valueCount; ++e) bytes::PutF32(r.data() + values + 4 * e, 10.0f * tag + e);
    for (int k = 0; k < resultCount; ++k) bytes::PutF32(r.data() + results + 4 * k, -1.0f * k);
    for (int t = 0; t < 5; ++t) {
        std::memset(r.data() + texts + 22 * t, 0, 22);
        const std::string text = "T" + std::to_string(tag) + "." + std::to_string(t);
        std::memcpy(r.data() + texts + 22 * t, text.c_str(), text.size());
    }
    return r;
}

class CorFileConverter : public shelltest::ShellTest {
  protected:
    void SetUp() override {
        shelltest::ShellTest::SetUp();
        converterServices.runCalculations = StandInEngine;
        converterServices.tickCount = Clock;
        progress.clear();
        ServiceHooks hooks{};
        hooks.showProgressBar = [] {
            progress.push_back({-1, -1});
            return 1;
        };
        hooks.setProgressPos = [](int32_t percent, int32_t left) {
            progress.push_back({percent, left});
        };
        InstallServiceHooks(hooks);
    }
    void TearDown() override {
        ResetConverterServices();
        win::FailNextFileWrites(0);
        win::FailNextFileReads(0);
        win::FailNextFileRenames(0);
        shelltest::ShellTest::TearDown();
    }
    // A file of `version`: header, the older preamble (`preambleBytes`), records.
    std::vector<uint8_t> OldFile(int16_t version, uint32_t first,
                                 const std::vector<std::vector<uint8_t>>& records) {
        std::vector<uint8_t> f(first, 0);
        bytes::PutU16(f.data(), static_cast<uint16_t>(records.size()));
        std::memcpy(f.data() + 4, "FIRST", 5);
        std::memcpy(f.data() + 44, "NOINH.INH", 9);
        bytes::PutI16(f.data() + 251, version);
        bytes::PutU16(f.data() + 253, 2);
        for (const auto& r : records) f.insert(f.end(), r.begin(), r.end());
        return f;
    }
};

TEST_F(CorFileConverter, Version210RecordsBecomeCurrentRecords) {
    unitCodes.code[UnitItem::kPressure] = PressureUnit::kPsia;
    unitCodes.code[UnitItem::kGasCo2] = 3;
    unitCodes.code[UnitItem::kDensity] = 1;
    unitCodes.code[UnitItem::kStrontium] = 2;
    std::vector<std::vector<uint8_t>> old;
    for (int tag = 1; tag <= 3; ++tag) {
        auto r = OldRecord(1065, 20, 32, 35, 288, 36, 432, tag);
        for (int i = 0; i < 7; ++i) {
            bytes::PutU16(r.data() + 981 + 4 * i, static_cast<uint16_t>(i + 1));
            bytes::PutF32(r.data() + 1009 + 8 * i, 5.0f * i);
        }
        old.push_back(r);
    }
    WriteFile("COR/A.COR", OldFile(210, 347, old));
    const UnitCodes unitsBefore = unitCodes;
    currentAnalysis.values[E::kCalcium] = 77.0f;
    ASSERT_EQ(UpgradeWorkFile(210, "\\COR\\A.COR"), 0);
    const std::vector<uint8_t> f = ReadFile("COR/A.COR");
    ASSERT_EQ(f.size(), 7364u);
    EXPECT_EQ(bytes::GetI16(f.data() + 251), 557);
    EXPECT_EQ(bytes::GetU16(f.data()), 3);
    // The preamble: the units in force with items 19 and 20 cleared.
    EXPECT_EQ(bytes::GetU16(f.data() + 257 + 2 * UnitItem::kPressure), PressureUnit::kPsia);
    EXPECT_EQ(bytes::GetU16(f.data() + 257 + 2 * UnitItem::kStrontium), 0);
    EXPECT_EQ(bytes::GetU16(f.data() + 257 + 2 * UnitItem::kBarium), 0);
    for (int i = 0; i < 3; ++i) {
        const uint8_t* r = f.data() + 347 + 2339 * i;
        EXPECT_EQ(bytes::GetI16(r + 20), 101 + i);
        EXPECT_EQ(bytes::GetI32(r + 22), 951203);  // month first: 12, 3, 95
        EXPECT_EQ(bytes::GetF32(r + 32 + 4 * E::kCalcium),
                  10.0f * (i + 1) + static_cast<float>(E::kCalcium));
        EXPECT_EQ(bytes::GetF32(r + 32 + 4 * E::kMAlkalinity), 11.0f);  // the engine's bicarbonate
        EXPECT_EQ(bytes::GetF32(r + 288 + 4 * 5), 1005.0f);             // results from the engine
        EXPECT_EQ(bytes::GetF32(r + 288 + 4 * 40), 0.0f);               // words 36-46 cleared
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(r + 544 + 128 * 4)),
                  "T" + std::to_string(i + 1) + ".4");
        EXPECT_EQ(bytes::GetU16(r + 2007 + 4 * 6), 7);
        EXPECT_EQ(bytes::GetF32(r + 2035 + 8 * 6), 30.0f);
        EXPECT_EQ(std::memcmp(r + 1568, old[i].data() + 542, 379), 0);
        EXPECT_FLOAT_EQ(bytes::GetF32(r + 184), 14.7f);
        EXPECT_FLOAT_EQ(bytes::GetF32(r + 188), 0.03162f);
        EXPECT_FLOAT_EQ(bytes::GetF32(r + 192), 8.34f);
    }
    // The live settings and the working analysis are as before.
    EXPECT_EQ(std::memcmp(&unitCodes, &unitsBefore, sizeof unitCodes), 0);
    EXPECT_EQ(currentAnalysis.values[E::kCalcium], 77.0f);
    EXPECT_TRUE(failures.empty());
}

TEST_F(CorFileConverter, TheOtherBands) {
    // 200: 901-byte records from 295; 207: 1,101-byte records.
    struct Band {
        int16_t version;
        uint32_t size, results, texts, fields;
    } bands[] = {{200, 901, 164, 352, 462}, {207, 1101, 280, 468, 578}};
    for (const Band& b : bands) {
        const auto r = OldRecord(b.size, 12, 24, 35, b.results, 36, b.texts, 4);
        WriteFile("COR/B.COR", OldFile(b.version, 295, {r, r}));
        ASSERT_EQ(UpgradeWorkFile(b.version, "\\COR\\B.COR"), 0) << b.version;
        const std::vector<uint8_t> f = ReadFile("COR/B.COR");
        ASSERT_EQ(f.size(), 347u + 2 * 2339) << b.version;
        const uint8_t* c = f.data() + 347;
        EXPECT_EQ(bytes::GetI16(c + 20), 104);
        EXPECT_EQ(bytes::GetU32(c + 12), 0u);
        EXPECT_EQ(std::memcmp(c + 1568, r.data() + b.fields, 379), 0) << b.version;
        EXPECT_EQ(bytes::GetF32(c + 2035), -99.0f);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(c + 544)), "T4.0");
    }
    // 213: the preamble and the dates only; 215: byte for byte.
    std::vector<uint8_t> current(2339, 0);
    bytes::PutI32(current.data() + 22, 120395);
    bytes::PutF32(current.data() + 288, 3.5f);
    WriteFile("COR/C.COR", OldFile(213, 347, {current}));
    ASSERT_EQ(UpgradeWorkFile(213, "\\COR\\C.COR"), 0);
    std::vector<uint8_t> f = ReadFile("COR/C.COR");
    EXPECT_EQ(bytes::GetI32(f.data() + 347 + 22), 951203);
    EXPECT_EQ(bytes::GetF32(f.data() + 347 + 288), 3.5f);
    EXPECT_EQ(bytes::GetI16(f.data() + 251), 557);
    const std::vector<uint8_t> newer = OldFile(215, 347, {current});
    WriteFile("COR/D.COR", newer);
    EXPECT_EQ(UpgradeWorkFile(215, "\\COR\\D.COR"), 0);
    EXPECT_EQ(ConvertOldWorkFile("\\COR\\D.COR"), 0);
    EXPECT_EQ(ReadFile("COR/D.COR"), newer);
}

TEST_F(CorFileConverter, DatesAndCodes) {
    unitCodes.code[UnitItem::kBarium] = 0;
    EXPECT_EQ(ReorderStoredDate(120395), 951203);
    unitCodes.code[UnitItem::kBarium] = 1;
    EXPECT_EQ(ReorderStoredDate(31295), 951203);
    std::vector<uint8_t> r(2339, 0);
    bytes::PutI32(r.data() + 22, 31295);
    for (int16_t v : {215, 124}) {
        FixDateOrder(v, r.data());
        EXPECT_EQ(bytes::GetI32(r.data() + 22), 31295) << v;
    }
    FixDateOrder(210, r.data());
    EXPECT_EQ(bytes::GetI32(r.data() + 22), 951203);
    int32_t d1 = 31295, d2 = 31295;
    SwapDateOrder(513, &d1, &d2);
    EXPECT_EQ(d1, 31295);
    SwapDateOrder(501, &d1, &d2);
    EXPECT_EQ(d2, 951203);
    EXPECT_EQ(MapOldScaleCode(41), 513);
    EXPECT_EQ(MapOldScaleCode(36), 23);
    EXPECT_EQ(MapOldScaleCode(5), 5);
}

TEST_F(CorFileConverter, TheMiddleLayoutBothWays) {
    std::vector<uint8_t> old(1109);
    for (size_t i = 0; i < old.size(); ++i) old[i] = static_cast<uint8_t>(i * 7 + 1);
    std::vector<uint8_t> r(2339, 0xEE);
    ConvertOldRecordA(old.data(), r.data());
    const std::pair<int, int> moved[] = {{0, 0},       {586, 1568}, {648, 1630}, {700, 1682},
                                         {776, 1758},  {825, 1807}, {945, 1927}, {1025, 2007},
                                         {1053, 2035}, {372, 2091}, {452, 2143}, {392, 2151}};
    for (auto [from, to] : moved) EXPECT_EQ(r[to], old[from]) << from;
    EXPECT_EQ(bytes::GetF32(r.data() + 32 + 4 * 40), 0.0f);  // values 35-47 cleared
    for (int k : {19, 21, 26}) EXPECT_EQ(bytes::GetF32(r.data() + 288 + 4 * k), 0.0f) << k;
    EXPECT_EQ(bytes::GetU32(r.data() + 2099), 0u);  // the rest of the words 0
    std::vector<uint8_t> back(1109, 0);
    ConvertOldRecordB(r.data(), back.data());
    EXPECT_EQ(back[372], old[372]);
    EXPECT_EQ(back[456], 0);  // the word at 2103 is not taken back
    EXPECT_EQ(back[464], 0);  // nor 2131
    EXPECT_EQ(back[1025], old[1025]);
}

TEST_F(CorFileConverter, FilesOf1245ByteRecordsInTheirTwoWays) {
    for (int unitBytes : {62, 80}) {
        const int16_t version = unitBytes == 62 ? 510 : 520;
        auto r = OldRecord(1245, 20, 32, 64, 288, 46, 544, 2);
        for (int w = 0; w < 20; ++w) bytes::PutU32(r.data() + 1165 + 4 * w, 900u + w);
        const uint32_t first = 251 + 6 + unitBytes;
        std::vector<uint8_t> file = OldFile(version, first, {r});
        for (int i = 0; i < unitBytes / 2; ++i) bytes::PutU16(file.data() + 257 + 2 * i, 1);
        unitCodes.code[UnitItem::kBarium] = 0;
        WriteFile("A.COR", file);
        WriteFile("B.COR", file);
        ASSERT_EQ(ConvertOldFileA("\\A.COR"), 0);
        ASSERT_EQ(ConvertOldFileB("\\B.COR"), 0);
        const std::vector<uint8_t> a = ReadFile("A.COR"), b = ReadFile("B.COR");
        ASSERT_EQ(a.size(), 347u + 2339);
        ASSERT_EQ(b.size(), 347u + 2339);
        EXPECT_EQ(bytes::GetU32(a.data() + 347 + 2091), 0u);
        EXPECT_EQ(bytes::GetU32(b.data() + 347 + 2091), 900u);
        EXPECT_EQ(bytes::GetU32(b.data() + 347 + 2091 + 4 * 20), 0u);
        // A keeps the units in force; B writes the file's.
        EXPECT_EQ(bytes::GetU16(a.data() + 257), 0);
        EXPECT_EQ(bytes::GetU16(b.data() + 257), 1);
        EXPECT_EQ(bytes::GetU16(b.data() + 257 + 2 * 35), unitBytes == 80 ? 1 : 0);
        // B swaps the dates of 501-512, by the day-first order of the file's units.
        EXPECT_EQ(bytes::GetI32(a.data() + 347 + 22), 120395);
        EXPECT_EQ(bytes::GetI32(b.data() + 347 + 22), unitBytes == 62 ? 950312 : 120395);
        // The values come back but the record's own alkalinities.
        EXPECT_EQ(bytes::GetF32(a.data() + 347 + 32 + 4 * E::kMAlkalinity),
                  20.0f + static_cast<float>(E::kMAlkalinity));
    }
    EXPECT_EQ(unitCodes.code[0], 0);
}

TEST_F(CorFileConverter, FailuresLeaveTheFileAsItWas) {
    const auto r = OldRecord(1065, 20, 32, 35, 288, 36, 432, 1);
    const std::vector<uint8_t> file = OldFile(210, 347, {r, r});
    WriteFile("COR/A.COR", file);
    unitCodes.code[UnitItem::kBarium] = 1;
    const UnitCodes unitsBefore = unitCodes;
    currentAnalysis.values[E::kSodium] = 5.0f;
    // The file is read as header and preamble, then record by record.
    const std::function<void()> injections[] = {
        [] { win::FailNextFileReads(1, 2); },  // the second record's read
        [] { win::FailNextFileWrites(1); },
        [] { win::FailNextFileRenames(1); },
    };
    for (size_t i = 0; i < std::size(injections); ++i) {
        injections[i]();
        EXPECT_EQ(UpgradeWorkFile(210, "\\COR\\A.COR"), -1) << i;
        EXPECT_EQ(ReadFile("COR/A.COR"), file) << i;
        EXPECT_EQ(LeftOverFiles(), 0u) << i;
        EXPECT_EQ(std::memcmp(&unitCodes, &unitsBefore, sizeof unitCodes), 0) << i;
        EXPECT_EQ(currentAnalysis.values[E::kSodium], 5.0f) << i;
        win::FailNextFileReads(0);
        win::FailNextFileWrites(0);
        win::FailNextFileRenames(0);
    }
    // The same through the whole conversion, whose inhibitor file is missing.
    win::AnswerMessageBox("", kCreateQuestion, win::IDNO);
    win::FailNextFileReads(1, 2);
    EXPECT_EQ(ConvertOldWorkFile("\\COR\\A.COR"), -1);
    EXPECT_EQ(ReadFile("COR/A.COR"), file);
    // A partial record is refused.
    std::vector<uint8_t> cut = file;
    cut.resize(cut.size() - 10);
    WriteFile("COR/A.COR", cut);
    EXPECT_EQ(UpgradeWorkFile(210, "\\COR\\A.COR"), -1);
    EXPECT_EQ(ReadFile("COR/A.COR"), cut);
    // Random damage: converted or refused, never a sanitizer report.
    std::mt19937 random(5136);
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> m = file;
        if (random() % 2) m.resize(random() % m.size());
        for (int k = 0; k < 8 && !m.empty(); ++k)
            m[random() % m.size()] ^= static_cast<uint8_t>(random());
        WriteFile("COR/M.COR", m);
        const int16_t v = m.size() >= 253 ? bytes::GetI16(m.data() + 251) : 0;
        if (UpgradeWorkFile(v, "\\COR\\M.COR") != 0) {
            EXPECT_EQ(ReadFile("COR/M.COR"), m);
        }
        (void)ConvertOldFileB("\\COR\\M.COR");
    }
    EXPECT_TRUE(failures.empty());
}

TEST_F(CorFileConverter, TheInhibitorFileAndProgress) {
    std::vector<uint8_t> inh(523, 0);
    bytes::PutU16(inh.data() + 2, 41);
    for (int i = 0; i < 7; ++i) bytes::PutU16(inh.data() + 439 + 4 * i, 36);
    std::memcpy(inh.data() + 239, "NEWNAME.INH", 11);
    std::memcpy(inh.data() + 319, "NAME", 4);
    std::memcpy(inh.data() + 339, "FUNCTION", 8);
    WriteFile("INHIB/X.INH", inh);
    uint8_t header[251] = {};
    std::memcpy(header + 44, "X.INH", 5);
    ASSERT_EQ(UpgradeInhibitorFiles(header), 0);
    const std::vector<uint8_t> got = ReadFile("INHIB/X.INH");
    EXPECT_EQ(bytes::GetU16(got.data() + 2), 513);
    EXPECT_EQ(bytes::GetU16(got.data() + 439 + 24), 23);
    EXPECT_STREQ(reinterpret_cast<char*>(header + 44), "NEWNAME.INH");
    EXPECT_STREQ(reinterpret_cast<char*>(header + 24), "FUNCTION");
    EXPECT_STREQ(reinterpret_cast<char*>(header + 4), "NAME");
    // A 439-byte file is left alone; No to the create question changes nothing.
    const std::vector<uint8_t> older(439, 3);
    WriteFile("INHIB/Y.INH", older);
    std::memcpy(header + 44, "Y.INH", 6);
    EXPECT_EQ(UpgradeInhibitorFiles(header), -1);
    EXPECT_EQ(ReadFile("INHIB/Y.INH"), older);
    std::memcpy(header + 44, "Z.INH", 6);
    win::AnswerMessageBox("", kCreateQuestion, win::IDNO);
    EXPECT_EQ(UpgradeInhibitorFiles(header), -1);
    EXPECT_FALSE(Exists("INHIB/Z.INH"));
    // Yes creates it empty; a file that cannot be created is reported.
    win::AnswerMessageBox("", kCreateQuestion, win::IDYES);
    EXPECT_EQ(UpgradeInhibitorFiles(header), -1);
    EXPECT_EQ(ReadFile("INHIB/Z.INH").size(), 0u);
    std::memcpy(header + 44, "NOFOLDER", 9);
    shelltest::fs::create_directories(folder / "INHIB/NOFOLDER");
    win::AnswerMessageBox("", kCreateQuestion, win::IDYES);
    EXPECT_EQ(UpgradeInhibitorFiles(header), -1);
    ASSERT_FALSE(win::MessageBoxLog().empty());
    EXPECT_EQ(win::MessageBoxLog().back().text, "Error: Cannot create file");
    EXPECT_TRUE(win::MessageBoxLog().back().caption.ends_with("\\INHIB\\NOFOLDER"));
    // A name with a folder in it reaches no file and asks nothing.
    WriteFile("ESCAPE.INH", inh);
    const size_t boxes = win::MessageBoxLog().size();
    std::memcpy(header + 44, "..\\ESCAPE.INH", 14);
    EXPECT_EQ(UpgradeInhibitorFiles(header), -1);
    EXPECT_EQ(ReadFile("ESCAPE.INH"), inh);
    EXPECT_EQ(win::MessageBoxLog().size(), boxes);

    progress.clear();
    clockMs = 1000;
    UpdateConversionProgress(0, 0, 0);
    clockMs = 7000;
    UpdateConversionProgress(1, 3, 12);
    UpdateConversionProgress(1, 0, 0);
    ASSERT_EQ(progress.size(), 3u);
    EXPECT_EQ(progress[0].first, -1);
    EXPECT_EQ(progress[1], (std::pair<int, int>{25, 18}));
    EXPECT_EQ(progress[2].first, 100);
    EXPECT_TRUE(failures.empty());
}

}  // namespace
