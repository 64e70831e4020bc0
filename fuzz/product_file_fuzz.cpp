// fuzz-link: tarvex_treatment
//
// The product file reader over any bytes: the input stands in a temporary file
// that is read as the product dialog reads it (opened for reading, size checked,
// decoded into a scratch table). A file that is accepted must hold a count of 1
// to 28, only finite numbers, printable texts and figures within the dose
// model's ranges, and must write back in its own layout to bytes that read
// again to the same table.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/files/file_io.h"
#include "platform/win.h"
#include "treatment/files/product_checks.h"
#include "treatment/files/product_file.h"
#include "treatment/product_table_codec.h"
#include "treatment/records.h"

namespace {

std::vector<uint8_t> TableBytes(const ProductTable& t) {
    std::vector<uint8_t> b(kProductTableBytes);
    if (!ProductTableToBytes(t, b.data(), b.size())) std::abort();
    return b;
}

// The input's file: under /tmp, the path root of the file calls, named by the
// process so parallel runs do not meet; removed after each input.
const std::string& FileName() {
    static const std::string name = [] {
        win::SetPathRoot("/tmp");
        return "tarvex_product_fuzz_" + std::to_string(::getpid()) + ".PRD";
    }();
    return name;
}

void Check(const ProductTable& t, const ProductFileInfo& info) {
    if (t.componentCount < 1 || t.componentCount > kProductRecordCount) std::abort();
    if (!std::isfinite(t.headerValue) || !std::isfinite(t.headerLimit)) std::abort();
    if (!ProductNumbersFault(t).empty() || !ProductTableFault(t, t.componentCount).empty())
        std::abort();
    const uint8_t* key = nullptr;
    const uint8_t fixedKey[kScrambleKeyBytes] = {1, 2, 3, 4, 5, 6, 7, 8};
    if (info.scrambled) key = fixedKey;
    const std::vector<uint8_t> again = EncodeProductFile(t, info.layout, key);
    if (again.empty()) std::abort();  // what was read can be written in its layout
    auto back = std::make_unique<ProductTable>();
    ProductFileInfo backInfo;
    if (DecodeProductFile(again.data(), again.size(), *back, &backInfo) != ProductFileFault::kNone)
        std::abort();
    if (TableBytes(*back) != TableBytes(t)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = "/tmp/" + FileName();
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    } else {
        return 0;
    }
    auto table = std::make_unique<ProductTable>();
    ProductFileInfo info;
    if (ReadProductFile("\\" + FileName(), *table, &info) == ProductFileFault::kNone)
        Check(*table, info);
    std::remove(path.c_str());

    // The memory form once more, without the file calls.
    auto direct = std::make_unique<ProductTable>();
    if (DecodeProductFile(data, size, *direct, &info) == ProductFileFault::kNone)
        Check(*direct, info);
    return 0;
}
