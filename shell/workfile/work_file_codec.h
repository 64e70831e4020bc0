// The work file's records encoded field by field, little-endian, in file order,
// from and into the program's records named in the layout table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "common/unit_codes.h"
#include "common/water_analysis.h"
#include "shell/workfile/work_file_layout.h"

struct ProductTable;

namespace workfile {

// Encodes record `record` at the writer's position; false when it did not take
// exactly the record's size (or the writer ran out of room).
[[nodiscard]] bool EncodeRecord(int record, bytes::Writer& out);
// Decodes record `record` from the reader's position into the program's
// records; false when it did not take exactly the record's size. Record 0 (the
// version word) is read by the caller, not here.
[[nodiscard]] bool DecodeRecord(int record, bytes::Reader& in);

// What a record holds, handed over field by field in file order without
// changing any record of the program: the checks of a file image read through it.
class RecordVisitor {
  public:
    virtual ~RecordVisitor() = default;
    virtual void Real(double value) = 0;                   // an f32 or f64 field
    virtual void Word(int64_t value) = 0;                  // an integer field
    virtual void Text(const char* slot, size_t size) = 0;  // a text slot of `size` bytes
    virtual void Analysis(const WaterAnalysis& a) = 0;
    virtual void Description(const SampleDescription& d) = 0;
    virtual void Product(const ProductTable& t) = 0;
    virtual void Units(const UnitCodes& u) = 0;
    virtual void Block() {}  // bytes kept as they are, or reserved zeros
};

// Hands record `record` (1 .. 404) at the reader's position to `visitor`; false
// when it did not take exactly the record's size.
[[nodiscard]] bool VisitRecord(int record, bytes::Reader& in, RecordVisitor& visitor);

// Sets record `record` (1 .. 404) to what a run of zero bytes decodes to,
// wherever it is held (a bound record or a kept block).
void ClearRecord(int record);

// The whole workspace as a file image of kFileBytes, version word 558.
[[nodiscard]] std::vector<uint8_t> EncodeWorkFile();

// Decodes records 1 .. recordCount - 1 of an image that holds at least their
// bytes (the caller has checked the length); false when a record did not decode
// to its size, which no checked image can cause.
[[nodiscard]] bool DecodeWorkFile(const uint8_t* image, size_t size, int recordCount);

}  // namespace workfile
