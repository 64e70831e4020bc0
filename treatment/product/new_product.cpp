// A new, empty product and the "None" product.
#include "treatment/product/new_product.h"

#include <algorithm>
#include <cstring>

#include "common/byte_io.h"
#include "treatment/files/older_product_layout.h"

namespace {

constexpr int16_t kNewProductCode = 99;
constexpr const char* kNewName = "NEW PRODUCT";
constexpr const char* kNewFileName = "*.PRD";
constexpr const char* kNewUseText = "NEW PROD USE";
constexpr const char* kNoneSelected = "NONE SELECTED";

template <size_t N>
void SetText(char (&field)[N], const char* text) {
    std::memset(field, 0, N);
    std::strncpy(field, text, N - 1);
}

void PutText(uint8_t* field, size_t size, const char* text) {
    std::memset(field, 0, size);
    std::memcpy(field, text, std::min(size - 1, std::strlen(text)));
}

void NewComponent(ProductRecord& r) {
    SetText(r.name, kNewName);
    SetText(r.fileName, kNoneSelected);
    SetText(r.functionText, kNoneSelected);
    for (ComponentLimit& l : r.componentLimits) l.lower = l.upper = kUnsetLimit;
    for (int t = 0; t < kDoseTermCount; ++t) r.termLower[t] = r.termUpper[t] = kUnsetLimit;
}

void NewTable(ProductTable& t) {
    t.baseRecordCode = kNewProductCode;
    t.headerLimit = kUnsetLimit;
    for (LimitSlot& s : t.limits) s.lower = s.upper = kUnsetLimit;
    for (ProductRecord& r : t.records) NewComponent(r);
    ProductRecord& first = t.records[0];
    SetText(first.fileName, kNewFileName);
    SetText(first.functionText, kNewUseText);
}

// The base record's component record i in the older layout.
void NewOlderComponent(uint8_t* comp) {
    PutText(comp + OlderComponent::kName, 20, kNewName);
    PutText(comp + OlderComponent::kFileName, 80, kNoneSelected);
    PutText(comp + OlderComponent::kFunctionText, 80, kNoneSelected);
    for (int k = 0; k < kComponentLimitCount; ++k) {
        bytes::PutF32(comp + OlderComponent::kLimitBounds + 8 * k, kUnsetLimit);
        bytes::PutF32(comp + OlderComponent::kLimitBounds + 8 * k + 4, kUnsetLimit);
    }
}

void NewOlderState(OlderProductState& s) {
    uint8_t* base = s.baseRecord;
    bytes::PutI16(base + OlderBase::kCode, kNewProductCode);
    bytes::PutF32(base + OlderBase::kHeaderLimit, kUnsetLimit);
    PutText(base + OlderBase::kName, 20, kNewName);
    PutText(base + OlderBase::kFileName, 80, kNewFileName);
    PutText(base + OlderBase::kUseText, 80, kNewUseText);
    for (int i = 0; i < kOlderBaseComponents; ++i)
        NewOlderComponent(base + OlderBase::kComponents + kOlderComponentBytes * i);
    for (int i = 0; i < kLimitSlotCount; ++i) {
        uint8_t* slot = s.limitsBlock + kOlderLimitSlotBytes * i;
        bytes::PutF32(slot + 4, kUnsetLimit);
        bytes::PutF32(slot + 8, kUnsetLimit);
    }
}

}  // namespace

void InitNewProduct(uint16_t newProductTexts, ProductTable& table, OlderProductState& older) {
    std::memset(&table, 0, sizeof table);
    std::memset(&older, 0, sizeof older);
    if (newProductTexts == 0) return;
    NewTable(table);
    NewOlderState(older);
}

void InitNewProduct(uint16_t newProductTexts) {
    InitNewProduct(newProductTexts, productTable, olderProduct);
}

void SetNoProduct(ProductTable& table) {
    std::memset(&table, 0, sizeof table);
    ProductRecord& first = table.records[0];
    SetText(first.name, "None");
    SetText(first.fileName, "No File");
    SetText(first.functionText, "No Function");
    table.selection = 0xFFFF;
}
