// The new product of a reset and the "None" product.
#include "treatment/product/new_product.h"

#include <gtest/gtest.h>

#include "common/byte_io.h"
#include "tests/treatment/product_fixture.h"
#include "treatment/files/older_product_layout.h"

namespace {

std::string TextAt(const uint8_t* p) {
    return std::string(reinterpret_cast<const char*>(p));
}

TEST(InitNewProduct, TextsAndUnsetLimitsInBothStates) {
    auto table = producttest::MakeProduct(5);
    auto older = std::make_unique<OlderProductState>();
    std::memset(older.get(), 0x5A, sizeof *older);
    InitNewProduct(1, *table, *older);

    EXPECT_EQ(table->baseRecordCode, 99);
    EXPECT_EQ(table->componentCount, 0);
    EXPECT_STREQ(table->records[0].name, "NEW PRODUCT");
    EXPECT_STREQ(table->records[0].fileName, "*.PRD");
    EXPECT_STREQ(table->records[0].functionText, "NEW PROD USE");
    EXPECT_EQ(table->headerLimit, kUnsetLimit);
    EXPECT_EQ(table->limits[29].lower, kUnsetLimit);
    EXPECT_EQ(table->limits[29].upper, kUnsetLimit);
    EXPECT_STREQ(table->records[27].name, "NEW PRODUCT");
    EXPECT_STREQ(table->records[27].fileName, "NONE SELECTED");
    EXPECT_STREQ(table->records[27].functionText, "NONE SELECTED");
    EXPECT_EQ(table->records[27].componentLimits[6].upper, kUnsetLimit);
    EXPECT_EQ(table->records[3].activeConc, 0.0f);

    const uint8_t* base = older->baseRecord;
    EXPECT_EQ(bytes::GetI16(base), 99);
    EXPECT_EQ(bytes::GetI16(base + 2), 0);
    EXPECT_EQ(TextAt(base + 122), "*.PRD");
    EXPECT_EQ(TextAt(base + OlderBase::kName), "NEW PRODUCT");
    EXPECT_EQ(TextAt(base + OlderBase::kUseText), "NEW PROD USE");
    const uint8_t* comp6 = base + 223 + 6 * 523;
    EXPECT_EQ(TextAt(comp6 + OlderComponent::kName), "NEW PRODUCT");
    EXPECT_EQ(TextAt(comp6 + OlderComponent::kFileName), "NONE SELECTED");
    EXPECT_EQ(bytes::GetF32(comp6 + 467 + 8 * 6 + 4), kUnsetLimit);
    EXPECT_EQ(bytes::GetF32(older->limitsBlock + 29 * 20 + 4), kUnsetLimit);
    EXPECT_EQ(older->entries[20][100], 0);  // the rest cleared
}

TEST(InitNewProduct, WithoutTextsEverythingIsZero) {
    auto table = producttest::MakeProduct(5);
    auto older = std::make_unique<OlderProductState>();
    std::memset(older.get(), 0x5A, sizeof *older);
    InitNewProduct(0, *table, *older);
    const std::vector<uint8_t> zero(kProductTableBytes, 0);
    EXPECT_EQ(producttest::Bytes(*table), zero);
    for (uint8_t b : older->baseRecord) ASSERT_EQ(b, 0);
}

TEST(SetNoProduct, TheStartUpNoneTable) {
    auto table = producttest::MakeProduct(5);
    SetNoProduct(*table);
    EXPECT_STREQ(table->records[0].name, "None");
    EXPECT_STREQ(table->records[0].fileName, "No File");
    EXPECT_STREQ(table->records[0].functionText, "No Function");
    EXPECT_EQ(table->selection, 0xFFFF);
    EXPECT_EQ(table->componentCount, 0);
    EXPECT_EQ(table->records[1].activeConc, 0.0f);
}

}  // namespace
