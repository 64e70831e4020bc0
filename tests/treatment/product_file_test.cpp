// Product files in their three layouts: round trips, the older layout's field
// places and its conversion, and the refusals that leave the table untouched.
#include "treatment/files/product_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>

#include "common/byte_io.h"
#include "platform/win.h"
#include "tests/treatment/product_fixture.h"
#include "treatment/files/older_product_layout.h"

namespace {

using producttest::Bytes;
using producttest::MakeProduct;

constexpr uint8_t kKey[kScrambleKeyBytes] = {0x5A, 0x3C, 0x96, 0xE1, 0x0F, 0x7B, 0x2D, 0x48};

std::unique_ptr<ProductTable> Decoded(const std::vector<uint8_t>& file,
                                      ProductFileInfo* info = nullptr) {
    auto t = std::make_unique<ProductTable>();
    EXPECT_EQ(DecodeProductFile(file.data(), file.size(), *t, info), ProductFileFault::kNone);
    return t;
}

TEST(ProductFile, EveryLayoutReadsBackTheSameTable) {
    struct Case {
        int components;
        ProductLayout layout;
        bool scrambled;
        size_t size;
    };
    const Case cases[] = {
        {2, ProductLayout::kCurrent, false, 29363},
        {28, ProductLayout::kCurrent, true, 29373},
        {7, ProductLayout::kOlder, false, 4569},
        {1, ProductLayout::kOlder, true, 4579},
        {9, ProductLayout::kOlder, false, 4569 + 2 * 535},
        {28, ProductLayout::kOlder, true, 4579 + 21 * 535},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.components);
        const auto original = MakeProduct(c.components);
        const std::vector<uint8_t> file =
            EncodeProductFile(*original, c.layout, c.scrambled ? kKey : nullptr);
        ASSERT_EQ(file.size(), c.size);
        ProductFileInfo info;
        const auto back = Decoded(file, &info);
        EXPECT_EQ(info.layout, c.layout);
        EXPECT_EQ(info.scrambled, c.scrambled);
        EXPECT_EQ(Bytes(*back), Bytes(*original));
        // Written again from what was read: the same bytes.
        EXPECT_EQ(EncodeProductFile(*back, c.layout, c.scrambled ? kKey : nullptr), file);
    }
}

TEST(ProductFile, MarkersStampAndScrambledBlocks) {
    const auto t = MakeProduct(2);
    const std::vector<uint8_t> plain = EncodeProductFile(*t, ProductLayout::kCurrent);
    EXPECT_EQ(bytes::GetU32(plain.data()), 557u);
    const std::vector<uint8_t> scrambled = EncodeProductFile(*t, ProductLayout::kCurrent, kKey);
    EXPECT_EQ(bytes::GetU16(scrambled.data()), 9999);
    EXPECT_EQ(std::memcmp(scrambled.data() + 2, kKey, 8), 0);
    for (size_t i = 0; i < plain.size(); ++i)
        ASSERT_EQ(scrambled[10 + i], plain[i] ^ kKey[i % 8]) << i;

    // The older layout scrambles each block from its own start: the limits
    // block's first byte takes key[0] although 3,965 is not a multiple of 8.
    const auto nine = MakeProduct(9);
    const std::vector<uint8_t> older = EncodeProductFile(*nine, ProductLayout::kOlder);
    const std::vector<uint8_t> older9 = EncodeProductFile(*nine, ProductLayout::kOlder, kKey);
    const size_t blocks[] = {0, 3965, 3965 + 604, 3965 + 604 + 535};
    for (size_t start : blocks)
        for (size_t i = 0; i < 16; ++i)
            EXPECT_EQ(older9[10 + start + i], older[start + i] ^ kKey[i % 8]) << start;
}

// The older layout's fields at the places the older work files name.
TEST(OlderProductLayout, FieldsLieAtTheirOffsets) {
    const auto t = MakeProduct(9, "DTPMP");
    const std::vector<uint8_t> f = EncodeProductFile(*t, ProductLayout::kOlder);
    EXPECT_EQ(bytes::GetI16(&f[0]), 7);  // base code
    EXPECT_EQ(bytes::GetI16(&f[2]), 9);  // component count
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[122])), "DTPMP.PRD");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[98])), "DTPMP");
    for (int i = 0; i < 7; ++i) {
        const float k = static_cast<float>(i + 1);
        EXPECT_EQ(bytes::GetF32(&f[14 + 4 * i]), 3.0f * k);   // actives percent
        EXPECT_EQ(bytes::GetF32(&f[42 + 4 * i]), 0.25f * k);  // active concentration
        EXPECT_EQ(bytes::GetF32(&f[70 + 4 * i]), 0.5f * k);   // blend share
        const uint8_t* comp = &f[223 + 523 * i];
        EXPECT_EQ(bytes::GetI16(comp + 0), i % 2);           // mode
        EXPECT_EQ(bytes::GetU16(comp + 2), i);               // treated index (model 0)
        EXPECT_EQ(bytes::GetF32(comp + 2 + 8), k);           // c1 (model position 8)
        EXPECT_EQ(bytes::GetI16(comp + 439), i);             // first limit code
        EXPECT_EQ(bytes::GetF32(comp + 467 + 4), 5.0f * k);  // its upper bound
        EXPECT_EQ(bytes::GetI16(comp + 439 + 24), -3);       // seventh limit code
    }
    // The u32 and the limits block follow the base record; slot 3 is enabled.
    EXPECT_EQ(bytes::GetU32(&f[3965]), 0x01020304u);
    const uint8_t* slot3 = &f[3969 + 3 * 20];
    EXPECT_EQ(bytes::GetI16(slot3), 3);
    EXPECT_EQ(bytes::GetU16(slot3 + 2), 1);
    EXPECT_EQ(bytes::GetF32(slot3 + 8), 13.0f);
    // Component 8 is the second entry after the limits: figures, then its record.
    const uint8_t* entry8 = &f[4569 + 535];
    EXPECT_EQ(bytes::GetF32(entry8 + 0), 27.0f);
    EXPECT_EQ(bytes::GetF32(entry8 + 4), 4.5f);
    EXPECT_EQ(bytes::GetF32(entry8 + 8), 2.25f);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry8 + 12 + 319)), "PART 8");
}

// The legacy reader's view: the base record's first seven components become
// entries whose figures come from 14 + 4i, 70 + 4i and 42 + 4i.
TEST(OlderProductLayout, NineComponentsConvertToTheCurrentTable) {
    const auto t = MakeProduct(9);
    const std::vector<uint8_t> f = EncodeProductFile(*t, ProductLayout::kOlder);
    auto s = std::make_unique<OlderProductState>();
    std::memcpy(s->baseRecord, f.data(), kOlderBaseBytes);
    s->limitsWord = bytes::GetU32(&f[3965]);
    std::memcpy(s->limitsBlock, &f[3969], kOlderLimitsBlockBytes);
    std::memcpy(s->entries[7], &f[4569], 2 * kOlderEntryBytes);
    BuildEntriesFromBase(*s);
    EXPECT_EQ(bytes::GetF32(s->entries[2] + 0), 9.0f);   // actives
    EXPECT_EQ(bytes::GetF32(s->entries[2] + 4), 1.5f);   // share
    EXPECT_EQ(bytes::GetF32(s->entries[2] + 8), 0.75f);  // active concentration

    auto back = std::make_unique<ProductTable>();
    ConvertOlderProduct(*s, *back);
    EXPECT_EQ(back->componentCount, 9);
    EXPECT_STREQ(back->records[8].name, "PART 8");
    EXPECT_EQ(back->records[8].activeConc, 2.25f);
    EXPECT_EQ(back->records[8].c[11], 9.11f);
    EXPECT_EQ(back->records[4].componentLimits[0].upper, 25.0f);
    EXPECT_EQ(back->records[3].termUpper[5], kUnsetLimit);
    EXPECT_STREQ(back->records[0].fileName, "SAMPLE.PRD");
    EXPECT_EQ(Bytes(*back), Bytes(*t));
}

TEST(OlderProductLayout, TermsAndPkaHaveNoPlaceInIt) {
    auto kind99 = MakeProduct(3);
    kind99->records[1].modelKind = DoseModelKind::kTermList;  // the kind alone has its place
    const auto back = Decoded(EncodeProductFile(*kind99, ProductLayout::kOlder));
    EXPECT_EQ(Bytes(*back), Bytes(*kind99));
    for (int what = 0; what < 4; ++what) {
        auto t = MakeProduct(3);
        ProductRecord& r = t->records[2];
        if (what == 0) r.termTransform[5] = 2;
        if (what == 1) r.termCode[0] = 104;
        if (what == 2) r.pKa25 = 4.5f;
        if (what == 3) r.resultSwitch = 1;
        EXPECT_TRUE(EncodeProductFile(*t, ProductLayout::kOlder).empty()) << what;
        EXPECT_FALSE(EncodeProductFile(*t, ProductLayout::kCurrent).empty()) << what;
    }
}

// A refused file leaves the table byte for byte as it was.
TEST(ProductFile, RefusalsLeaveTheTableAlone) {
    const auto product = MakeProduct(9);
    const std::vector<uint8_t> current = EncodeProductFile(*product, ProductLayout::kCurrent);
    const std::vector<uint8_t> older = EncodeProductFile(*product, ProductLayout::kOlder);
    auto withCount = [](std::vector<uint8_t> f, size_t at, int16_t count) {
        bytes::PutI16(&f[at], count);
        return f;
    };
    auto withFloat = [](std::vector<uint8_t> f, size_t at, float v) {
        bytes::PutF32(&f[at], v);
        return f;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        ProductFileFault fault;
    };
    const Case cases[] = {
        {"empty", {}, ProductFileFault::kSize},
        {"5,000 bytes", std::vector<uint8_t>(5000, 0x20), ProductFileFault::kSize},
        {"current less a byte", {current.begin(), current.end() - 1}, ProductFileFault::kSize},
        {"older less a byte", {older.begin(), older.end() - 1}, ProductFileFault::kSize},
        {"stamp 556", withCount(current, 0, 556), ProductFileFault::kStamp},
        {"current count 0", withCount(current, 6, 0), ProductFileFault::kCount},
        {"current count 29", withCount(current, 6, 29), ProductFileFault::kCount},
        {"older count 0", withCount(older, 2, 0), ProductFileFault::kCount},
        {"older count -1", withCount(older, 2, -1), ProductFileFault::kCount},
        {"older count 8 for 9 entries' size", withCount(older, 2, 8), ProductFileFault::kCountSize},
        {"older count 10", withCount(older, 2, 10), ProductFileFault::kCountSize},
        {"NaN header value", withFloat(current, 4 + 8, nan), ProductFileFault::kNotFinite},
        {"infinite bound", withFloat(current, 4 + 20 + 8, -inf), ProductFileFault::kNotFinite},
        {"NaN in record 27, past the count", withFloat(current, 4 + 1359 + 27 * 1000 + 751, nan),
         ProductFileFault::kCountHeld},
        {"NaN in record 2", withFloat(current, 4 + 1359 + 1 * 1000 + 751, nan),
         ProductFileFault::kNotFinite},
        {"older NaN coefficient", withFloat(older, 223 + 2 + 8, nan), ProductFileFault::kNotFinite},
        {"older NaN in entry 8", withFloat(older, 4569 + 535 + 8, inf),
         ProductFileFault::kNotFinite},
        {"a bare marker", {0x0F, 0x27}, ProductFileFault::kSize},
    };
    for (const Case& c : cases) {
        auto t = MakeProduct(2, "KEPT");
        const std::vector<uint8_t> before = Bytes(*t);
        EXPECT_EQ(DecodeProductFile(c.file.data(), c.file.size(), *t), c.fault) << c.what;
        EXPECT_EQ(Bytes(*t), before) << c.what;
    }
}

// What a damaged file may still hold after its sizes and count fit: a key with
// one wrong byte, a count lower than the components the file holds, texts that
// are not printable, figures outside the dose model's ranges. Each is refused
// with its reason and the table is left alone.
TEST(ProductFile, DamageWithinAFittingLayoutIsRefusedWithItsReason) {
    const auto seven = MakeProduct(7);
    const std::vector<uint8_t> older = EncodeProductFile(*seven, ProductLayout::kOlder, kKey);
    const auto two = MakeProduct(2);
    const std::vector<uint8_t> current = EncodeProductFile(*two, ProductLayout::kCurrent);
    const std::vector<uint8_t> olderTwo = EncodeProductFile(*two, ProductLayout::kOlder);
    constexpr size_t kFirstRecord = 4 + 1359;  // the current file's first component
    auto with = [](std::vector<uint8_t> f, size_t at, const std::vector<uint8_t>& bytes) {
        std::copy(bytes.begin(), bytes.end(), f.begin() + static_cast<long>(at));
        return f;
    };
    auto real = [](float v) {
        std::vector<uint8_t> b(4);
        bytes::PutF32(b.data(), v);
        return b;
    };
    auto count = [](int16_t v) {
        std::vector<uint8_t> b(2);
        bytes::PutI16(b.data(), v);
        return b;
    };
    struct Case {
        const char* what;
        std::vector<uint8_t> file;
        ProductFileFault fault;
        const char* detail;
    };
    const Case cases[] = {
        {"older, one key byte wrong", with(older, 2 + 5, {0x7A}), ProductFileFault::kGaps, ""},
        {"older, count 1 of 2", with(olderTwo, 2, count(1)), ProductFileFault::kCountHeld, ""},
        {"current, count 1 of 2", with(current, 6, count(1)), ProductFileFault::kCountHeld, ""},
        {"actives 1e30", with(current, kFirstRecord + 4, real(1e30f)), ProductFileFault::kContent,
         "component 1: actives of 1e+30 is outside 0 to 100"},
        {"negative blend share", with(current, kFirstRecord + 8, real(-0.5f)),
         ProductFileFault::kContent, "component 1: the blend share of -0.5 is negative"},
        {"active concentration 150", with(current, kFirstRecord + 747, real(150.0f)),
         ProductFileFault::kContent,
         "component 1: the active concentration of 150 is outside 0 to 100"},
        {"first ingredient 1.5", with(current, kFirstRecord + 847, real(1.5f)),
         ProductFileFault::kContent, "component 1: the first ingredient of 1.5 is outside 0 to 1"},
        {"second ingredient 2", with(current, kFirstRecord + 831, real(2.0f)),
         ProductFileFault::kContent, "component 1: the second ingredient of 2 is outside 0 to 1"},
        {"third ingredient of the second component -0.25",
         with(current, kFirstRecord + 1000 + 835, real(-0.25f)), ProductFileFault::kContent,
         "component 2: the third ingredient of -0.25 is outside 0 to 1"},
        {"negative header value", with(current, 4 + 8, real(-2.0f)), ProductFileFault::kContent,
         "the header value of -2 is negative"},
        {"name with a control byte", with(current, kFirstRecord + 12, {'A', 0x07}),
         ProductFileFault::kContent, "component 1: its name is not printable text"},
        {"second component's function text unended",
         with(current, kFirstRecord + 1000 + 112, std::vector<uint8_t>(80, 'X')),
         ProductFileFault::kContent, "component 2: its function text is not printable text"},
    };
    for (const Case& c : cases) {
        auto t = MakeProduct(2, "KEPT");
        const std::vector<uint8_t> before = Bytes(*t);
        std::string detail;
        EXPECT_EQ(DecodeProductFile(c.file.data(), c.file.size(), *t, nullptr, &detail), c.fault)
            << c.what;
        EXPECT_EQ(detail, c.detail) << c.what;
        EXPECT_EQ(Bytes(*t), before) << c.what;
    }
    // A name with letters of the Windows-1252 set beyond ASCII is printable.
    EXPECT_EQ(Decoded(with(current, kFirstRecord + 12, {'A', 0xB0, 'C', 0}))->records[0].name[1],
              static_cast<char>(0xB0));
}

// Cut at every block boundary, or with bytes flipped at random (a fixed seed,
// 2,000 mutations of each layout): a refusal or a table of finite numbers,
// never more.
TEST(ProductFile, TruncatedAndFlippedFilesAreRefusedOrWhole) {
    const auto product = MakeProduct(9);
    std::vector<std::vector<uint8_t>> files = {
        EncodeProductFile(*product, ProductLayout::kCurrent),
        EncodeProductFile(*product, ProductLayout::kCurrent, kKey),
        EncodeProductFile(*product, ProductLayout::kOlder),
        EncodeProductFile(*product, ProductLayout::kOlder, kKey)};
    for (const std::vector<uint8_t>& f : files) {
        for (size_t cut : {size_t{0}, size_t{2}, size_t{10}, size_t{3965}, size_t{3975},
                           size_t{4569}, size_t{4579}, size_t{4579 + 535}, f.size() - 1}) {
            if (cut >= f.size()) continue;
            auto t = MakeProduct(1);
            const std::vector<uint8_t> before = Bytes(*t);
            EXPECT_NE(DecodeProductFile(f.data(), cut, *t), ProductFileFault::kNone) << cut;
            EXPECT_EQ(Bytes(*t), before);
        }
        std::mt19937 random(20240611);
        for (int trial = 0; trial < 2000; ++trial) {
            std::vector<uint8_t> g = f;
            for (int n = 0; n < 4; ++n) g[random() % g.size()] ^= static_cast<uint8_t>(random());
            auto t = MakeProduct(1);
            if (DecodeProductFile(g.data(), g.size(), *t) != ProductFileFault::kNone) continue;
            EXPECT_GE(t->componentCount, 1);
            EXPECT_LE(t->componentCount, 28);
            EXPECT_TRUE(std::isfinite(t->headerValue) && std::isfinite(t->records[8].c[3]));
        }
    }
}

// Product files are opened for reading only: one that is missing is reported
// and not created empty.
TEST(ProductFile, AMissingFileIsNotCreated) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("tarvex_prd_" + std::to_string(::getpid()));
    fs::create_directories(folder / "INHIB");
    win::ResetPlatform();
    win::SetPathRoot(folder.string());
    auto t = MakeProduct(1);
    EXPECT_EQ(ReadProductFile("\\INHIB\\GONE.PRD", *t), ProductFileFault::kCannotOpen);
    EXPECT_FALSE(fs::exists(folder / "INHIB" / "GONE.PRD"));

    const std::vector<uint8_t> file =
        EncodeProductFile(*MakeProduct(3, "READ"), ProductLayout::kCurrent);
    std::ofstream(folder / "INHIB" / "read.prd", std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()),
               static_cast<std::streamsize>(file.size()));
    EXPECT_EQ(ReadProductFile("\\inhib\\READ.PRD", *t), ProductFileFault::kNone);
    EXPECT_STREQ(t->records[0].name, "READ");
    win::ResetPlatform();
    fs::remove_all(folder);
}

}  // namespace
