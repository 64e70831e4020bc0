// tarvex-image: the command-line harness over the image library. It is test
// equipment: it converts pictures between PNM files and the library's formats
// through the library's readers and writers, and prints header queries.
#pragma once

#include <cstdint>
#include <string>

#include "imaging/frame/image_desc.h"
#include "tools/image_harness/pnm.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // the library returned a failure status
inline constexpr int kExitUsage = 2;

int CmdConvert(int argc, char** argv);
int CmdInfo(int argc, char** argv);
int CmdText(int argc, char** argv);
int CmdClipboard(int argc, char** argv);
int CmdShow(int argc, char** argv);
int CmdCapture(int argc, char** argv);
int CmdScaleBitmap(int argc, char** argv);
int CmdThumbnail(int argc, char** argv);
int CmdPrint(int argc, char** argv);
int CmdPages(int argc, char** argv);

// Where a command's picture comes from and the image that holds it.
struct InputOptions {
    std::string in;
    int depth = 0;  // for PNM pictures: 1, 8 or 24; 0 by the kind of file
    bool memory = false;
    bool hasRect = false;
    int32_t rect[4] = {0, 0, 0, 0};
    int targetWidth = 0;
    int targetHeight = 0;
    int jpegMode = -1;     // reading a JPEG file: a forced colour mode, -1 for none
    int tiffPage = -1;     // reading a TIFF file: the page by number, -1 for the first
    int tiffIndex = -1;    // or by index
    std::string alphaOut;  // where a TIFF page's extra samples go (a PGM)
};
// Reads IN into a new image (freed by the caller with FreeImage): a PNM
// picture by the harness, a BMP or PCX file through the library. Returns
// kExitOk, or prints why not and returns the exit code.
int ReadPicture(const InputOptions& options, ImageDesc* image);
// The colours of the image's working rectangle.
[[nodiscard]] PnmPicture PictureOf(const ImageDesc& image);

// "IMG_BAD_RLE (-9)" for a status.
[[nodiscard]] std::string StatusText(int32_t status);
// The file name's ending in lower case, without the dot ("" when none).
[[nodiscard]] std::string Ending(const std::string& path);
// Prints "tarvex-image: what" to standard error; returns `code`.
int Fail(int code, const std::string& what);
// Sets up the platform: the path root is "/", the current folder the shell's.
void SetUpPaths();
