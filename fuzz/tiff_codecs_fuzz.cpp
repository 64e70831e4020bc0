// fuzz-link: tarvex_imaging
//
// The TIFF strip decoders over any bytes: LZW, PackBits, and the CCITT
// decoders (modified Huffman, T.4 one- and two-dimensional, T.6) with the
// row width taken from the first two bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/tiff/tiff_ccitt.h"
#include "imaging/tiff/tiff_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out(65536);
    std::size_t produced = 0;
    (void)LzwDecodeStrip(data, size, out.data(), out.size(), &produced);
    (void)PackBitsDecode(out.data(), out.size(), data, size, &produced);
    if (size < 2) return 0;
    const int width = 1 + ((data[0] << 8 | data[1]) & 0x1FFF);
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
    const int rows = static_cast<int>(std::min<std::size_t>(64, out.size() / rowBytes));
    for (int mode = 0; mode < 4; ++mode) {
        CcittDecodeSetup setup;
        setup.compression = mode == 0 ? 2 : mode == 3 ? 4 : 3;
        setup.t4Options = mode == 2 ? 1 : 0;
        setup.width = width;
        int done = 0;
        (void)CcittDecodeStrip(setup, data + 2, size - 2, out.data(), rows, &done);
    }
    return 0;
}
