// Field-by-field little-endian encoding of the product table (29,359 bytes) and
// its component records (1,000 bytes), the form the work file stores.
#pragma once

#include <cstddef>
#include <cstdint>

#include "common/byte_io.h"
#include "treatment/records.h"

void EncodeProductRecord(const ProductRecord& r, bytes::Writer& out);
void DecodeProductRecord(bytes::Reader& in, ProductRecord& r);
void EncodeProductTable(const ProductTable& t, bytes::Writer& out);
void DecodeProductTable(bytes::Reader& in, ProductTable& t);

// Reads a whole table from exactly kProductTableBytes bytes. Any other size is
// refused (false) and `t` is left as it was.
[[nodiscard]] bool ProductTableFromBytes(const uint8_t* data, size_t size, ProductTable& t);
// Writes a whole table; `size` must be at least kProductTableBytes (false otherwise,
// nothing written).
[[nodiscard]] bool ProductTableToBytes(const ProductTable& t, uint8_t* data, size_t size);
