// The product table's byte layout: fixed offsets, reserved bytes kept through a
// round trip, and wrong sizes refused.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "common/index_code.h"
#include "treatment/product_table_codec.h"

namespace {

std::vector<uint8_t> Encode(const ProductTable& t) {
    std::vector<uint8_t> buf(kProductTableBytes);
    EXPECT_TRUE(ProductTableToBytes(t, buf.data(), buf.size()));
    return buf;
}

TEST(ProductTable, FieldsLieAtTheirOffsets) {
    auto t = std::make_unique<ProductTable>();
    t->baseRecordCode = 99;
    t->componentCount = 3;
    t->selection = 0xFFFF;
    t->headerLimit = -99.0f;  // 0xC2C60000
    t->limits[0] = LimitSlot{121, 1, 0.5f, 2.0f};
    t->limits[29].limitCode = -2;
    ProductRecord& first = t->records[0];
    std::strcpy(first.name, "SCALE-X");
    first.productMode = 2;
    first.treatedIndex = IndexCode::kBarite;
    first.modelKind = DoseModelKind::kLogTerms;
    first.activeConc = 1.0f;  // 0x3F800000
    first.doseMode = 1;
    first.energyForm = -1;
    first.termCode[1] = 104;
    first.resultSwitch = 3;
    t->records[27].reserved939[60] = 0xAB;  // the table's last byte

    const std::vector<uint8_t> b = Encode(*t);
    EXPECT_EQ(b[0], 99);
    EXPECT_EQ(b[2], 3);
    EXPECT_EQ(b[4], 0xFF);
    EXPECT_EQ(b[5], 0xFF);
    EXPECT_EQ(b[15], 0xC2);
    EXPECT_EQ(b[14], 0xC6);
    EXPECT_EQ(b[20], 121);  // first limit slot: code, enabled, lower, upper
    EXPECT_EQ(b[22], 1);
    EXPECT_EQ(b[20 + 29 * 12], 0xFE);
    EXPECT_EQ(b[20 + 29 * 12 + 1], 0xFF);

    const size_t r0 = kProductHeaderBytes;  // 1359
    EXPECT_EQ(b[r0 + 2], 2);                // productMode
    EXPECT_EQ(std::memcmp(&b[r0 + 12], "SCALE-X", 8), 0);
    EXPECT_EQ(b[r0 + 604], 104);  // term 1 code at 600 + 4
    EXPECT_EQ(b[r0 + 626], 3);    // result switch
    EXPECT_EQ(b[r0 + 743], IndexCode::kBarite);
    EXPECT_EQ(b[r0 + 745], 3);
    EXPECT_EQ(b[r0 + 750], 0x3F);  // activeConc at 747, high byte
    EXPECT_EQ(b[r0 + 861], 0xFF);  // energyForm -1
    EXPECT_EQ(b[r0 + 937], 1);     // doseMode
    EXPECT_EQ(b[kProductTableBytes - 1], 0xAB);
}

TEST(ProductTable, EveryByteSurvivesARoundTrip) {
    std::vector<uint8_t> original(kProductTableBytes);
    uint32_t seed = 12345;
    for (uint8_t& byte : original) {
        seed = seed * 1103515245u + 12345u;
        byte = static_cast<uint8_t>(seed >> 16);
    }
    auto t = std::make_unique<ProductTable>();
    ASSERT_TRUE(ProductTableFromBytes(original.data(), original.size(), *t));
    // The names are written with nothing after their text: the bytes after
    // a name's end come back as zeros, every other byte as it was.
    const std::vector<uint8_t> encoded = Encode(*t);
    ASSERT_EQ(encoded.size(), original.size());
    size_t differing = 0;
    for (size_t k = 0; k < original.size(); ++k)
        if (encoded[k] != original[k]) {
            ++differing;
            EXPECT_EQ(encoded[k], 0) << "byte " << k;
        }
    EXPECT_LT(differing, original.size() / 10);
}

TEST(ProductTable, WrongSizesAreRefusedAndNothingIsLost) {
    auto t = std::make_unique<ProductTable>();
    t->componentCount = 5;
    std::vector<uint8_t> bytes(kProductTableBytes + 1, 0x11);
    EXPECT_FALSE(ProductTableFromBytes(bytes.data(), kProductTableBytes - 1, *t));
    EXPECT_FALSE(ProductTableFromBytes(bytes.data(), kProductTableBytes + 1, *t));
    EXPECT_FALSE(ProductTableFromBytes(nullptr, kProductTableBytes, *t));
    EXPECT_EQ(t->componentCount, 5);
    EXPECT_FALSE(ProductTableToBytes(*t, bytes.data(), kProductTableBytes - 1));
    EXPECT_EQ(bytes[0], 0x11);
}

TEST(ProductTable, ResetMeansNoProduct) {
    productTable.componentCount = 4;
    productLoaded = 1;
    ResetTreatmentRecords();
    EXPECT_STREQ(productTable.records[0].name, "None");
    EXPECT_STREQ(productTable.records[0].fileName, "No File");
    EXPECT_STREQ(productTable.records[0].functionText, "No Function");
    EXPECT_EQ(productTable.selection, 0xFFFF);
    EXPECT_EQ(productTable.componentCount, 0);
    EXPECT_EQ(productLoaded, 0);
}

}  // namespace
