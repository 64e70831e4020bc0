// Reading back what was drawn: a window's client area or a memory context's
// bitmap as 32-bit pixels, and binary PPM files of such pictures (the
// format the tests keep their reference pictures in).
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/files/whole_file_write.h"
#include "platform/gdi/gdi_render.h"
#include "platform/gdi/surface.h"
#include "platform/text/code_page.h"

namespace win {
namespace {

Image32 Copy(const Surface& view) {
    Image32 image;
    if (view.Empty()) return image;
    image.width = view.width;
    image.height = view.height;
    image.pixels.resize(static_cast<std::size_t>(view.width) * view.height);
    for (int y = 0; y < view.height; ++y) {
        const std::uint32_t* row = view.Row(y);
        for (int x = 0; x < view.width; ++x) {
            image.pixels[static_cast<std::size_t>(y) * view.width + x] = row[x] & 0x00FFFFFFu;
        }
    }
    return image;
}

}  // namespace

Image32 ReadWindowPixels(HWND hwnd) {
    return Copy(detail::WindowSurface(hwnd));
}

Image32 ReadDcPixels(HDC hdc) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr) return Image32{};
    PixelSource src = ReadPixels(*dc);
    return Copy(src.view);
}

bool WritePpm(const std::string& path, const Image32& image) {
    if (image.width <= 0 || image.height <= 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    // Made whole in memory, then written through the whole-file writer: a
    // failed write leaves the file that was there as it was.
    std::string bytes = "P6\n" + std::to_string(image.width) + " " +
                        std::to_string(image.height) + "\n255\n";
    const std::size_t header = bytes.size();
    bytes.resize(header + static_cast<std::size_t>(image.width) * image.height * 3);
    char* out = bytes.data() + header;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.At(x, y);
            *out++ = static_cast<char>((p >> 16) & 0xFF);
            *out++ = static_cast<char>((p >> 8) & 0xFF);
            *out++ = static_cast<char>(p & 0xFF);
        }
    }
    return ReplaceLinuxFileContents(path, bytes.data(), bytes.size()) != FALSE;
}

bool ReadPpm(const std::string& path, Image32* image) {
    std::ifstream in(path, std::ios::binary);
    if (!in || image == nullptr) return false;
    std::string magic;
    int width = 0;
    int height = 0;
    int maxValue = 0;
    in >> magic >> width >> height >> maxValue;
    in.get();  // the single blank after the header
    if (magic != "P6" || width <= 0 || height <= 0 || width > 65535 || height > 65535 ||
        maxValue != 255) {
        return false;
    }
    Image32 out;
    out.width = width;
    out.height = height;
    out.pixels.resize(static_cast<std::size_t>(width) * height);
    std::string row(static_cast<std::size_t>(width) * 3, '\0');
    for (int y = 0; y < height; ++y) {
        if (!in.read(row.data(), static_cast<std::streamsize>(row.size()))) return false;
        for (int x = 0; x < width; ++x) {
            out.pixels[static_cast<std::size_t>(y) * width + x] =
                (static_cast<std::uint32_t>(static_cast<unsigned char>(row[3 * x])) << 16) |
                (static_cast<std::uint32_t>(static_cast<unsigned char>(row[3 * x + 1])) << 8) |
                static_cast<unsigned char>(row[3 * x + 2]);
        }
    }
    *image = std::move(out);
    return true;
}

}  // namespace win
