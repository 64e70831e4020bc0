// Encoding of the product table. Every field is written at its fixed offset in
// declaration order; the reserved byte runs between the fields are written as
// they were read, so unknown bytes survive a round trip.
#include "treatment/product_table_codec.h"

namespace {

// The encoded sizes, summed field by field in the order the encoders write them.
using R = ProductRecord;
constexpr size_t kEncodedRecordBytes =
    2 + 2 + 4 + 4 + sizeof(R::name) + sizeof(R::fileName) + sizeof(R::functionText) +
    kComponentLimitCount * kComponentLimitBytes + sizeof(R::reserved276) + kDoseTermCount * 4 +
    sizeof(R::reserved624) + 2 + kDoseTermCount * 8 + sizeof(R::reserved676) + 4 +
    sizeof(R::reserved684) + 4 + sizeof(R::reserved704) + 2 + 2 + 4 + sizeof(R::c) + 4 + 5 * 4 +
    4 * 4 + 3 * 4 + sizeof(R::reserved851) + 2 + sizeof(R::reserved863) + 4 +
    sizeof(R::reserved931) + 2 + sizeof(R::reserved939);
static_assert(kEncodedRecordBytes == kProductRecordBytes, "a component record is 1,000 bytes");
static_assert(2 + 2 + 4 + sizeof(R::name) + sizeof(R::fileName) + sizeof(R::functionText) + 4 +
                      kComponentLimitCount * kComponentLimitBytes + sizeof(R::reserved276) +
                      kDoseTermCount * 4 + sizeof(R::reserved624) + 2 + kDoseTermCount * 8 +
                      sizeof(R::reserved676) + 4 + sizeof(R::reserved684) + 4 +
                      sizeof(R::reserved704) ==
                  743,
              "the dose model block starts at byte 743");
constexpr size_t kEncodedHeaderBytes = 2 + 2 + 2 + sizeof(ProductTable::reserved6) + 4 + 4 + 4 +
                                       kLimitSlotCount * kLimitSlotBytes +
                                       sizeof(ProductTable::reserved380);
static_assert(kEncodedHeaderBytes == kProductHeaderBytes, "the header is 1,359 bytes");
static_assert(kEncodedHeaderBytes + kProductRecordCount * kEncodedRecordBytes == kProductTableBytes,
              "the product table is 29,359 bytes");

template <size_t N>
void PutFloats(bytes::Writer& out, const float (&v)[N]) {
    for (float x : v) out.F32(x);
}
template <size_t N>
void GetFloats(bytes::Reader& in, float (&v)[N]) {
    for (float& x : v) x = in.F32();
}

}  // namespace

void EncodeProductRecord(const ProductRecord& r, bytes::Writer& out) {
    out.I16(r.limitCode);
    out.I16(r.productMode);
    out.F32(r.activesPercent);
    out.F32(r.blendShare);
    out.Text(r.name, sizeof r.name);
    out.Text(r.fileName, sizeof r.fileName);
    out.Text(r.functionText, sizeof r.functionText);
    for (const ComponentLimit& l : r.componentLimits) {
        out.I16(l.code);
        out.U16(l.word);
        out.F32(l.lower);
        out.F32(l.upper);
    }
    out.Raw(r.reserved276, sizeof r.reserved276);
    for (int t = 0; t < kDoseTermCount; ++t) {
        out.U16(r.termCode[t]);
        out.I16(r.termTransform[t]);
    }
    out.Raw(r.reserved624, sizeof r.reserved624);
    out.I16(r.resultSwitch);
    for (int t = 0; t < kDoseTermCount; ++t) {
        out.F32(r.termLower[t]);
        out.F32(r.termUpper[t]);
    }
    out.Raw(r.reserved676, sizeof r.reserved676);
    out.F32(r.pKa25);
    out.Raw(r.reserved684, sizeof r.reserved684);
    out.F32(r.pKaEnthalpy);
    out.Raw(r.reserved704, sizeof r.reserved704);
    out.U16(r.treatedIndex);
    out.U16(r.modelKind);
    out.F32(r.activeConc);
    PutFloats(out, r.c);
    out.F32(r.driverLimit);
    out.F32(r.c14);
    out.F32(r.c15);
    out.F32(r.c16);
    out.F32(r.c17);
    out.F32(r.termCoefficient4);
    out.F32(r.depletion2Rate);
    out.F32(r.depletion2Threshold);
    out.F32(r.ingredient2);
    out.F32(r.ingredient3);
    out.F32(r.depletion1Rate);
    out.F32(r.depletion1Threshold);
    out.F32(r.ingredient1);
    out.Raw(r.reserved851, sizeof r.reserved851);
    out.I16(r.energyForm);
    out.Raw(r.reserved863, sizeof r.reserved863);
    out.F32(r.doseScale);
    out.Raw(r.reserved931, sizeof r.reserved931);
    out.U16(r.doseMode);
    out.Raw(r.reserved939, sizeof r.reserved939);
}

void DecodeProductRecord(bytes::Reader& in, ProductRecord& r) {
    r.limitCode = in.I16();
    r.productMode = in.I16();
    r.activesPercent = in.F32();
    r.blendShare = in.F32();
    in.Raw(r.name, sizeof r.name);
    in.Raw(r.fileName, sizeof r.fileName);
    in.Raw(r.functionText, sizeof r.functionText);
    for (ComponentLimit& l : r.componentLimits) {
        l.code = in.I16();
        l.word = in.U16();
        l.lower = in.F32();
        l.upper = in.F32();
    }
    in.Raw(r.reserved276, sizeof r.reserved276);
    for (int t = 0; t < kDoseTermCount; ++t) {
        r.termCode[t] = in.U16();
        r.termTransform[t] = in.I16();
    }
    in.Raw(r.reserved624, sizeof r.reserved624);
    r.resultSwitch = in.I16();
    for (int t = 0; t < kDoseTermCount; ++t) {
        r.termLower[t] = in.F32();
        r.termUpper[t] = in.F32();
    }
    in.Raw(r.reserved676, sizeof r.reserved676);
    r.pKa25 = in.F32();
    in.Raw(r.reserved684, sizeof r.reserved684);
    r.pKaEnthalpy = in.F32();
    in.Raw(r.reserved704, sizeof r.reserved704);
    r.treatedIndex = in.U16();
    r.modelKind = in.U16();
    r.activeConc = in.F32();
    GetFloats(in, r.c);
    r.driverLimit = in.F32();
    r.c14 = in.F32();
    r.c15 = in.F32();
    r.c16 = in.F32();
    r.c17 = in.F32();
    r.termCoefficient4 = in.F32();
    r.depletion2Rate = in.F32();
    r.depletion2Threshold = in.F32();
    r.ingredient2 = in.F32();
    r.ingredient3 = in.F32();
    r.depletion1Rate = in.F32();
    r.depletion1Threshold = in.F32();
    r.ingredient1 = in.F32();
    in.Raw(r.reserved851, sizeof r.reserved851);
    r.energyForm = in.I16();
    in.Raw(r.reserved863, sizeof r.reserved863);
    r.doseScale = in.F32();
    in.Raw(r.reserved931, sizeof r.reserved931);
    r.doseMode = in.U16();
    in.Raw(r.reserved939, sizeof r.reserved939);
}

void EncodeProductTable(const ProductTable& t, bytes::Writer& out) {
    out.I16(t.baseRecordCode);
    out.I16(t.componentCount);
    out.U16(t.selection);
    out.Raw(t.reserved6, sizeof t.reserved6);
    out.F32(t.headerValue);
    out.F32(t.headerLimit);
    out.U32(t.limitsWord);
    for (const LimitSlot& s : t.limits) {
        out.I16(s.limitCode);
        out.U16(s.enabled);
        out.F32(s.lower);
        out.F32(s.upper);
    }
    out.Raw(t.reserved380, sizeof t.reserved380);
    for (const ProductRecord& r : t.records) EncodeProductRecord(r, out);
}

void DecodeProductTable(bytes::Reader& in, ProductTable& t) {
    t.baseRecordCode = in.I16();
    t.componentCount = in.I16();
    t.selection = in.U16();
    in.Raw(t.reserved6, sizeof t.reserved6);
    t.headerValue = in.F32();
    t.headerLimit = in.F32();
    t.limitsWord = in.U32();
    for (LimitSlot& s : t.limits) {
        s.limitCode = in.I16();
        s.enabled = in.U16();
        s.lower = in.F32();
        s.upper = in.F32();
    }
    in.Raw(t.reserved380, sizeof t.reserved380);
    for (ProductRecord& r : t.records) DecodeProductRecord(in, r);
}

bool ProductTableFromBytes(const uint8_t* data, size_t size, ProductTable& t) {
    if (data == nullptr || size != static_cast<size_t>(kProductTableBytes)) return false;
    ProductTable read;
    bytes::Reader in(data, size);
    DecodeProductTable(in, read);
    if (!in.ok() || in.pos() != size) return false;
    t = read;
    return true;
}

bool ProductTableToBytes(const ProductTable& t, uint8_t* data, size_t size) {
    if (data == nullptr || size < static_cast<size_t>(kProductTableBytes)) return false;
    bytes::Writer out(data, size);
    EncodeProductTable(t, out);
    return out.ok() && out.pos() == static_cast<size_t>(kProductTableBytes);
}
