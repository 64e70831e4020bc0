// Binary PNM pictures: "P4", "P5" or "P6", width, height, maxval (not for
// PBM), one whitespace byte, then the rows top first. Comments run from "#"
// to the end of the line.
#include "tools/image_harness/pnm.h"

#include <cctype>
#include <fstream>
#include <iterator>

#include "platform/files/whole_file_write.h"

namespace {

// The next number of the header, skipping whitespace and comments.
bool Number(const std::string& data, std::size_t* at, long* value) {
    while (*at < data.size()) {
        const auto c = static_cast<unsigned char>(data[*at]);
        if (c == '#') {
            while (*at < data.size() && data[*at] != '\n') ++*at;
        } else if (std::isspace(c)) {
            ++*at;
        } else {
            break;
        }
    }
    long v = 0;
    std::size_t digits = 0;
    while (*at < data.size() && std::isdigit(static_cast<unsigned char>(data[*at])) && digits < 9) {
        v = v * 10 + (data[*at] - '0');
        ++*at;
        ++digits;
    }
    *value = v;
    return digits > 0;
}

}  // namespace

bool ReadPnm(const std::string& path, PnmPicture* picture, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.size() < 2 || data[0] != 'P' || (data[1] != '4' && data[1] != '5' && data[1] != '6')) {
        *error = path + " is not a binary PBM, PGM or PPM";
        return false;
    }
    PnmPicture p;
    p.kind = data[1];
    std::size_t at = 2;
    long width = 0;
    long height = 0;
    long maxval = 1;
    if (!Number(data, &at, &width) || !Number(data, &at, &height) ||
        (p.kind != '4' && !Number(data, &at, &maxval)) || width <= 0 || height <= 0 ||
        width > 65535 || height > 65535) {
        *error = path + ": bad header";
        return false;
    }
    if (p.kind != '4' && maxval != 255) {
        *error = path + ": only maxval 255 is read";
        return false;
    }
    ++at;  // the one whitespace byte before the rows
    p.width = static_cast<int>(width);
    p.height = static_cast<int>(height);
    const std::size_t rowBytes = p.kind == '4'   ? (p.width + 7) / 8
                                 : p.kind == '5' ? static_cast<std::size_t>(p.width)
                                                 : 3 * static_cast<std::size_t>(p.width);
    if (data.size() < at || data.size() - at < rowBytes * p.height) {
        *error = path + ": the rows end early";
        return false;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data() + at);
    p.rgb.resize(static_cast<std::size_t>(p.width) * p.height);
    for (int y = 0; y < p.height; ++y) {
        const unsigned char* row = bytes + rowBytes * y;
        for (int x = 0; x < p.width; ++x) {
            uint32_t c = 0;
            if (p.kind == '4') {
                c = ((row[x / 8] >> (7 - x % 8)) & 1) ? 0x000000 : 0xFFFFFF;  // 1 is black
            } else if (p.kind == '5') {
                c = row[x] * 0x010101u;
            } else {
                c = uint32_t{row[3 * x]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x + 2];
            }
            p.rgb[static_cast<std::size_t>(y) * p.width + x] = c;
        }
    }
    *picture = std::move(p);
    return true;
}

bool WritePpm(const std::string& path, const PnmPicture& picture, std::string* error) {
    std::string out =
        "P6\n" + std::to_string(picture.width) + " " + std::to_string(picture.height) + "\n255\n";
    out.reserve(out.size() + 3 * picture.rgb.size());
    for (uint32_t c : picture.rgb) {
        const char rgb[3] = {static_cast<char>(c >> 16), static_cast<char>(c >> 8),
                             static_cast<char>(c)};
        out.append(rgb, 3);
    }
    // Written whole or not at all: a failed write leaves an older file as it was.
    if (win::ReplaceFileContents(path.c_str(), out.data(), out.size()) == win::FALSE) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}
