// Field reads over the platform's _lread, keeping the little-endian layout of
// the files independent of the machine.
#include "shell/settings/file_fields.h"

#include <vector>

#include "common/byte_io.h"
#include "platform/files/file_io.h"

int ReadBytes(win::HFILE file, void* bytes, size_t count) {
    const win::UINT n = win::_lread(file, bytes, static_cast<win::UINT>(count));
    return n == win::kReadWriteError ? -1 : static_cast<int>(n);
}

int ReadWords(win::HFILE file, uint16_t* words, int count) {
    std::vector<uint8_t> image(static_cast<size_t>(count) * 2);
    for (int i = 0; i < count; ++i) bytes::PutU16(&image[static_cast<size_t>(i) * 2], words[i]);
    const int n = ReadBytes(file, image.data(), image.size());
    if (n < 0) return -1;
    for (int i = 0; i < count; ++i) words[i] = bytes::GetU16(&image[static_cast<size_t>(i) * 2]);
    return n;
}

int ReadU32(win::HFILE file, uint32_t& value) {
    uint8_t image[4];
    bytes::PutU32(image, value);
    const int n = ReadBytes(file, image, sizeof image);
    if (n >= 0) value = bytes::GetU32(image);
    return n;
}
