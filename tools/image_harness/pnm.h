// Binary PBM, PGM and PPM pictures (maxval 255), read and written by the image
// harness itself so that its checks do not depend on the library under test.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PnmPicture {
    char kind = '6';  // '4' PBM, '5' PGM, '6' PPM
    int width = 0;
    int height = 0;
    // Top row first, one 0xRRGGBB value per pixel (PBM: black or white).
    std::vector<uint32_t> rgb;
};

// False with a message when the file is not a binary PNM of maxval 255.
bool ReadPnm(const std::string& path, PnmPicture* picture, std::string* error);
bool WritePpm(const std::string& path, const PnmPicture& picture, std::string* error);
