// What the harness commands share: status texts, file endings, messages and
// the platform's paths.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "imaging/frame/image_desc.h"
#include "platform/files/file_io.h"
#include "tools/image_harness/harness.h"

std::string StatusText(int32_t status) {
    struct Name {
        int32_t status;
        const char* name;
    };
    static constexpr Name kNames[] = {
        {IMG_OK, "IMG_OK"},
        {IMG_BAD_ARGUMENT, "IMG_BAD_ARGUMENT"},
        {IMG_IO_ERROR, "IMG_IO_ERROR"},
        {IMG_NOT_THIS_FORMAT, "IMG_NOT_THIS_FORMAT"},
        {IMG_OUT_OF_RANGE, "IMG_OUT_OF_RANGE"},
        {IMG_BAD_RLE, "IMG_BAD_RLE"},
        {IMG_CANNOT_CREATE, "IMG_CANNOT_CREATE"},
        {IMG_COMPRESSED_DIB, "IMG_COMPRESSED_DIB"},
        {IMG_NO_MEMORY, "IMG_NO_MEMORY"},
        {IMG_NOT_PCX, "IMG_NOT_PCX"},
        {IMG_BAD_BIT_DEPTH, "IMG_BAD_BIT_DEPTH"},
        {IMG_NO_BITMAP_DATA, "IMG_NO_BITMAP_DATA"},
        {IMG_UNREADABLE, "IMG_UNREADABLE"},
        {IMG_BAD_SOURCE, "IMG_BAD_SOURCE"},
        {IMG_TOO_LARGE, "IMG_TOO_LARGE"},
        {IMG_PNG_ERROR, "IMG_PNG_ERROR"},
        {IMG_DEFLATE_ERROR, "IMG_DEFLATE_ERROR"},
        {IMG_JPEG_ERROR, "IMG_JPEG_ERROR"},
        {IMG_CODED_DATA_ERROR, "IMG_CODED_DATA_ERROR"},
        {IMG_JPEG_THUMB_TOO_LARGE, "IMG_JPEG_THUMB_TOO_LARGE"},
    };
    for (const Name& n : kNames) {
        if (n.status == status) return std::string(n.name) + " (" + std::to_string(status) + ")";
    }
    return "status " + std::to_string(status);
}

std::string Ending(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    std::string ending = path.substr(dot + 1);
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ending;
}

int Fail(int code, const std::string& what) {
    std::fprintf(stderr, "tarvex-image: %s\n", what.c_str());
    return code;
}

void SetUpPaths() {
    win::SetPathRoot("/");
    char cwd[4096];
    if (::getcwd(cwd, sizeof cwd) != nullptr) {
        std::string folder = cwd;
        std::replace(folder.begin(), folder.end(), '/', '\\');
        (void)win::SetCurrentDirectory(folder.c_str());
    }
}
