// convert [OPTIONS] IN OUT: reads IN (a PNM picture, or a BMP or PCX file
// through the library), and writes OUT by its ending (BMP or PCX through the
// library, or a PPM of the working rectangle's colours).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "imaging/bmp/bmp.h"
#include "imaging/colour/bilevel_grey.h"
#include "imaging/colour/colour_reduction.h"
#include "imaging/colour/depth_conversion.h"
#include "imaging/frame/image_alloc.h"
#include "imaging/frame/packed_rows.h"
#include "imaging/geometry/geometry.h"
#include "imaging/jpeg/jpeg.h"
#include "imaging/pcx/pcx.h"
#include "imaging/png/png.h"
#include "imaging/tiff/tiff.h"
#include "platform/files/whole_file_write.h"
#include "platform/system/clipboard.h"
#include "tools/image_harness/harness.h"
#include "tools/image_harness/pnm.h"

namespace {

struct Options : InputOptions {
    bool runLength = false;
    uint32_t pngOption = 0;
    bool hasTrns = false;
    uint32_t trns = 0;
    int reduce = 0;  // colours of a reduction to 8 bits, 0 for none
    int method = 2;
    std::string fixed;  // "cube" or "vga": a fixed-palette conversion
    std::string dither = "ordered";
    std::string transform;  // "grey", "tone", "hsv" or "from-hsv"
    int bilevel = -1;       // a mode of ConvertToBilevel, -1 for none
    bool fromBilevel = false;
    bool smooth = false;
    int resizeWidth = 0;  // --resize WxH, 0 for none
    int resizeHeight = 0;
    int filter = 0;
    bool rotate = false;
    double angle = 0;
    int sampling = 0;
    bool mirror = false;
    bool flip = false;
    int quality = 75;
    uint32_t jpegFlags = 0;
    bool hasDensity = false;
    uint32_t density[3] = {1, 1, 0};
    int thumbSize = 0;
    uint32_t compression = 0;
    int writePage = -1;
    std::string out;
};

bool ParseOptions(int argc, char** argv, Options* o, std::string* error) {
    // (Reductions and methods out of range go to the library, which refuses them.)
    std::vector<std::string> names;
    for (int i = 0; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--rect" && hasValue) {
            int v[4];
            if (std::sscanf(argv[++i], "%d,%d,%d,%d", &v[0], &v[1], &v[2], &v[3]) != 4) {
                *error = "--rect wants X0,Y0,X1,Y1";
                return false;
            }
            o->hasRect = true;
            for (int k = 0; k < 4; ++k) o->rect[k] = v[k];
        } else if (arg == "--target" && hasValue) {
            if (std::sscanf(argv[++i], "%dx%d", &o->targetWidth, &o->targetHeight) != 2 ||
                o->targetWidth <= 0 || o->targetHeight <= 0) {
                *error = "--target wants WxH";
                return false;
            }
        } else if (arg == "--depth" && hasValue) {
            o->depth = std::atoi(argv[++i]);
            if (o->depth != 1 && o->depth != 8 && o->depth != 24) {
                *error = "--depth wants 1, 8 or 24";
                return false;
            }
        } else if (arg == "--reduce" && hasValue) {
            o->reduce = std::atoi(argv[++i]);
        } else if (arg == "--method" && hasValue) {
            o->method = std::atoi(argv[++i]);
        } else if (arg == "--fixed" && hasValue) {
            o->fixed = argv[++i];
            if (o->fixed != "cube" && o->fixed != "vga") {
                *error = "--fixed wants cube or vga";
                return false;
            }
        } else if (arg == "--dither" && hasValue) {
            o->dither = argv[++i];
            if (o->dither != "ordered" && o->dither != "diffuse") {
                *error = "--dither wants ordered or diffuse";
                return false;
            }
        } else if (arg == "--bilevel" && hasValue) {
            o->bilevel = std::atoi(argv[++i]);
        } else if (arg == "--from-bilevel") {
            o->fromBilevel = true;
        } else if (arg == "--smooth") {
            o->smooth = true;
        } else if (arg == "--grey" || arg == "--tone" || arg == "--hsv" || arg == "--from-hsv") {
            o->transform = arg.substr(2);
        } else if (arg == "--memory") {
            o->memory = true;
        } else if (arg == "--resize" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &o->resizeWidth, &o->resizeHeight) != 2 ||
                o->resizeWidth <= 0 || o->resizeHeight <= 0) {
                *error = "--resize wants WxH";
                return false;
            }
        } else if (arg == "--filter" && i + 1 < argc) {
            o->filter = std::atoi(argv[++i]);
        } else if (arg == "--rotate" && i + 1 < argc) {
            o->rotate = true;
            o->angle = std::atof(argv[++i]);
        } else if (arg == "--sampling" && i + 1 < argc) {
            o->sampling = std::atoi(argv[++i]);
        } else if (arg == "--mirror") {
            o->mirror = true;
        } else if (arg == "--flip") {
            o->flip = true;
        } else if (arg == "--option" && i + 1 < argc) {
            o->pngOption = static_cast<uint32_t>(std::stoul(argv[++i]));
        } else if (arg == "--trns" && i + 1 < argc) {
            o->hasTrns = true;
            o->trns = static_cast<uint32_t>(std::stoul(argv[++i], nullptr, 0));
        } else if (arg == "--quality" && hasValue) {
            o->quality = std::atoi(argv[++i]);
        } else if (arg == "--flags" && hasValue) {
            o->jpegFlags = static_cast<uint32_t>(std::stoul(argv[++i], nullptr, 0));
        } else if (arg == "--density" && hasValue) {
            if (std::sscanf(argv[++i], "%u,%u,%u", &o->density[0], &o->density[1],
                            &o->density[2]) != 3) {
                *error = "--density wants X,Y,UNITS";
                return false;
            }
            o->hasDensity = true;
        } else if (arg == "--thumb-size" && hasValue) {
            o->thumbSize = std::atoi(argv[++i]);
        } else if (arg == "--compression" && hasValue) {
            o->compression = static_cast<uint32_t>(std::stoul(argv[++i], nullptr, 0));
        } else if (arg == "--page" && hasValue) {
            o->tiffPage = o->writePage = std::atoi(argv[++i]);
        } else if (arg == "--index" && hasValue) {
            o->tiffIndex = std::atoi(argv[++i]);
        } else if (arg == "--alpha" && hasValue) {
            o->alphaOut = argv[++i];
        } else if (arg == "--mode" && hasValue) {
            o->jpegMode = std::atoi(argv[++i]);
        } else if (arg == "--rle") {
            o->runLength = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            *error = "unknown option " + arg;
            return false;
        } else {
            names.push_back(arg);
        }
    }
    if (names.size() != 2) {
        *error = "convert wants IN and OUT";
        return false;
    }
    o->in = names[0];
    o->out = names[1];
    return true;
}

// The whole file in a locked global block of exactly its size.
void* FileBlock(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return nullptr;
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE, data.size());
    auto* p = static_cast<char*>(win::GlobalLock(block));
    if (p != nullptr) std::memcpy(p, data.data(), data.size());
    return p;
}

void FreeBlock(void* p) {
    win::HGLOBAL block = win::GlobalHandle(p);
    win::GlobalUnlock(block);
    win::GlobalFree(block);
}

// The picture's pixels into the image's working rectangle (cut to the smaller
// of the two), as the chosen depth holds them.
std::string FillFromPnm(const PnmPicture& p, ImageDesc& image) {
    const int bits = image.header->biBitCount;
    std::map<uint32_t, int> index;  // PPM colours in the order they first appear
    if (bits == 8 && p.kind == '6') {
        for (uint32_t c : p.rgb) {
            if (index.count(c) == 0) {
                const int i = static_cast<int>(index.size());
                if (i == 256) return "more than 256 colours";
                index[c] = i;
                image.palette[i] =
                    win::RGBQUAD{static_cast<uint8_t>(c), static_cast<uint8_t>(c >> 8),
                                 static_cast<uint8_t>(c >> 16), 0};
            }
        }
        image.colorCount = static_cast<int32_t>(index.size());
        image.flags = IsGreyPalette(&image) ? IMG_FLAG_GREY : 0;
        if (image.dibSection != nullptr) (void)SetDibSectionPalette(&image);
    }
    if (bits == 1 && p.kind != '4') return "--depth 1 wants a PBM";
    const int columns = std::min(image.endX - image.startX + 1, p.width);
    const int rows = std::min(image.endY - image.startY + 1, p.height);
    for (int y = 0; y < rows; ++y) {
        uint8_t* row =
            image.bits + static_cast<std::size_t>(image.header->biHeight - 1 - (image.startY + y)) *
                             image.stride;
        for (int x = 0; x < columns; ++x) {
            const uint32_t c = p.rgb[static_cast<std::size_t>(y) * p.width + x];
            const int at = image.startX + x;
            if (bits == 1) {
                const int white = c != 0 ? 1 : 0;  // grey ramp: 0 black, 1 white
                row[at / 8] = static_cast<uint8_t>((row[at / 8] & ~(0x80 >> (at % 8))) |
                                                   (white << (7 - at % 8)));
            } else if (bits == 8) {
                row[at] = static_cast<uint8_t>(p.kind == '6' ? index[c] : (c & 0xFF));
            } else {
                row[3 * at] = static_cast<uint8_t>(c);
                row[3 * at + 1] = static_cast<uint8_t>(c >> 8);
                row[3 * at + 2] = static_cast<uint8_t>(c >> 16);
            }
        }
    }
    return "";
}

}  // namespace

PnmPicture PictureOf(const ImageDesc& image) {
    PnmPicture p;
    p.width = image.endX - image.startX + 1;
    p.height = image.endY - image.startY + 1;
    const int bits = image.header->biBitCount;
    for (int y = image.startY; y <= image.endY; ++y) {
        const uint8_t* row =
            image.bits + static_cast<std::size_t>(image.header->biHeight - 1 - y) * image.stride;
        for (int x = image.startX; x <= image.endX; ++x) {
            uint32_t c = 0;
            if (bits == 24) {
                c = uint32_t{row[3 * x + 2]} << 16 | uint32_t{row[3 * x + 1]} << 8 | row[3 * x];
            } else if (bits == 16 || bits == 32) {
                // A deep grey pixel, a little-endian word: its high byte as the grey.
                const int bytes = bits / 8;
                c = uint32_t{row[bytes * x + bytes - 1]} * 0x010101u;
            } else {
                const int i = bits == 1 ? (row[x / 8] >> (7 - x % 8)) & 1 : row[x];
                const win::RGBQUAD& e = image.palette[i];
                c = uint32_t{e.rgbRed} << 16 | uint32_t{e.rgbGreen} << 8 | e.rgbBlue;
            }
            p.rgb.push_back(c);
        }
    }
    return p;
}

namespace {

// Width, height and depth of the image that holds IN.
int32_t Measure(const InputOptions& o, const std::string& ending, const PnmPicture& pnm, int* width,
                int* height, int* depth) {
    if (ending == "bmp") {
        win::BITMAPINFOHEADER h;
        int32_t status = IMG_OK;
        if (o.memory) {
            void* block = FileBlock(o.in);
            status = GetBmpHeaderFromMemory(block, &h);
            if (block != nullptr) FreeBlock(block);
        } else {
            status = GetBmpHeader(o.in.c_str(), &h);
        }
        if (status != IMG_OK) return status;
        *width = h.biWidth;
        *height = h.biHeight;
        *depth = h.biBitCount == 1 ? 1 : h.biBitCount <= 8 ? 8 : 24;
    } else if (ending == "png") {
        PngInfo info;
        const int32_t status = GetPngInfo(o.in.c_str(), &info);
        if (status != IMG_OK) return status;
        *width = static_cast<int>(info.width);
        *height = static_cast<int>(info.height);
        *depth = static_cast<int>(info.imageDepth);
    } else if (ending == "jpg" || ending == "jpeg") {
        JpegInfo info;
        if (o.memory) {
            void* block = FileBlock(o.in);
            const int32_t status = GetJpegInfoMemory(block, &info);
            if (block != nullptr) FreeBlock(block);
            if (status != IMG_OK) return status;
        } else {
            const int32_t status = GetJpegInfoFile(o.in.c_str(), &info);
            if (status != IMG_OK) return status;
        }
        *width = info.width;
        *height = info.height;
        *depth = info.bitsPerPixel;
    } else if (ending == "tif" || ending == "tiff") {
        TiffInfo info;
        void* block = o.memory ? FileBlock(o.in) : nullptr;
        const int32_t status =
            GetTiffInfoCore(o.memory ? nullptr : o.in.c_str(), nullptr, block, &info,
                            o.tiffIndex >= 0 ? o.tiffIndex : o.tiffPage, o.tiffIndex >= 0 ? 1 : 0);
        if (block != nullptr) FreeBlock(block);
        if (status != IMG_OK) return status;
        *width = info.width;
        *height = info.height;
        *depth = info.bitsPerPixel >= 4 && info.bitsPerPixel <= 6 ? 8 : info.bitsPerPixel;
    } else if (ending == "pcx") {
        PcxInfo info;
        const int32_t status = GetPcxInfo(o.in.c_str(), &info);
        if (status != IMG_OK) return status;
        *width = info.width;
        *height = info.height;
        *depth = info.imageDepth;
    } else {
        *width = pnm.width;
        *height = pnm.height;
        *depth = pnm.kind == '4' ? 1 : pnm.kind == '5' ? 8 : 24;
        if (o.depth != 0) *depth = o.depth;
    }
    return IMG_OK;
}

int32_t Load(const InputOptions& o, const std::string& ending, ImageDesc& image) {
    if (ending == "pcx") return LoadPcx(o.in.c_str(), &image);
    if (ending == "tif" || ending == "tiff") {
        ImageDesc alpha;
        const bool withAlpha = !o.alphaOut.empty();
        if (withAlpha) {
            const int32_t status =
                AllocImage(&alpha, image.header->biWidth, image.header->biHeight, 8);
            if (status != IMG_OK) return status;
        }
        void* block = o.memory ? FileBlock(o.in) : nullptr;
        const int32_t status = LoadTifCore(
            withAlpha ? &alpha : nullptr, o.memory ? nullptr : o.in.c_str(), nullptr, block, &image,
            o.tiffIndex >= 0 ? o.tiffIndex : o.tiffPage, o.tiffIndex >= 0 ? 1 : 0);
        if (block != nullptr) FreeBlock(block);
        if (withAlpha) {
            PnmPicture grey = PictureOf(alpha);
            grey.kind = '5';
            std::string error;
            (void)WritePpm(o.alphaOut, grey, &error);
            FreeImage(&alpha);
        }
        return status;
    }
    if (ending == "jpg" || ending == "jpeg") {
        if (!o.memory) {
            return o.jpegMode >= 0 ? LoadJpgEx(o.in.c_str(), &image, o.jpegMode)
                                   : LoadJpg(o.in.c_str(), &image);
        }
        void* block = FileBlock(o.in);
        const int32_t status = o.jpegMode >= 0 ? LoadJpgFromMemoryEx(block, &image, o.jpegMode)
                                               : LoadJpgFromMemory(block, &image);
        if (block != nullptr) FreeBlock(block);
        return status;
    }
    if (!o.memory) {
        return ending == "png" ? LoadPng(o.in.c_str(), &image) : LoadBmp(o.in.c_str(), &image);
    }
    void* block = FileBlock(o.in);
    const int32_t status =
        ending == "png" ? LoadPngFromMemory(block, &image) : LoadBmpFromMemory(block, &image);
    if (block != nullptr) FreeBlock(block);
    return status;
}

// The block a memory writer made (with its status) written to `path`, then freed.
int32_t WriteBlock(int32_t status, void* block, const std::string& path) {
    if (status != IMG_OK) return status;
    const std::size_t size = win::GlobalSize(win::GlobalHandle(block));
    const bool written = win::ReplaceFileContents(path.c_str(), block, size) != win::FALSE;
    FreeBlock(block);
    return written ? IMG_OK : IMG_CANNOT_CREATE;
}

int32_t Save(const Options& o, const std::string& ending, ImageDesc& image) {
    if (ending == "pcx") return SavePcx(o.out.c_str(), &image);
    if (ending == "tif" || ending == "tiff") {
        if (o.hasDensity) SetTiffResolution(o.density[0], o.density[1], o.density[2]);
        if (o.memory) {
            void* block = nullptr;
            const int32_t status = SaveTifToMemory(&block, &image, o.compression);
            return WriteBlock(status, block, o.out);
        }
        return o.writePage >= 0 ? SaveTifPage(o.out.c_str(), &image, o.compression, o.writePage)
                                : SaveTif(o.out.c_str(), &image, o.compression);
    }
    if (ending == "jpg" || ending == "jpeg") {
        if (o.hasDensity) SetJpegDensity(o.density[0], o.density[1], o.density[2]);
        if (o.thumbSize != 0) {
            const int32_t status = SetJpegThumbnailSize(o.thumbSize);
            if (status != IMG_OK) return status;
        }
        if (!o.memory) return SaveJpg(o.out.c_str(), &image, o.quality, o.jpegFlags);
        void* block = nullptr;
        const int32_t status = SaveJpgToMemory(&block, &image, o.quality, o.jpegFlags);
        return WriteBlock(status, block, o.out);
    }
    const bool png = ending == "png";
    const uint32_t trns = o.hasTrns ? 1 : 0;
    if (!o.memory) {
        return png ? SavePngEx(o.out.c_str(), &image, o.pngOption, trns, &o.trns)
                   : SaveBmp(o.out.c_str(), &image, o.runLength ? 1 : 0);
    }
    void* block = nullptr;
    const int32_t status = png ? SavePngExToMemory(&block, &image, o.pngOption, trns, &o.trns)
                               : SaveBmpToMemory(&block, &image, o.runLength ? 1 : 0);
    return WriteBlock(status, block, o.out);
}

// --resize, --rotate, --mirror and --flip, in that order; the image is
// replaced by the result.
int Geometry(const Options& o, ImageDesc* image) {
    const auto into = [&](int width, int height, auto operation, const char* what) {
        ImageDesc result;
        int32_t status = AllocImage(&result, width, height, image->header->biBitCount);
        if (status == IMG_OK) {
            result.flags = image->flags;
            status = operation(&result);
        }
        FreeImage(image);
        *image = result;
        if (status != IMG_OK) {
            FreeImage(image);
            return Fail(kExitFailed, std::string(what) + ": " + StatusText(status));
        }
        return kExitOk;
    };
    int code = kExitOk;
    if (o.resizeWidth > 0) {
        code = into(
            o.resizeWidth, o.resizeHeight,
            [&](ImageDesc* r) { return ResizeImage(image, r, o.filter); }, "ResizeImage");
    }
    if (code == kExitOk && o.rotate) {
        // The rotated picture's bounding box, as the library reckons it.
        const double radians = std::fmod(o.angle, 360.0) * 3.141592654 / 180;
        const auto s = std::llabs(static_cast<int64_t>(std::sin(radians) * 32768));
        const auto c = std::llabs(static_cast<int64_t>(std::cos(radians) * 32768));
        const int64_t w = RectWidth(*image);
        const int64_t h = RectHeight(*image);
        code = into(
            static_cast<int>(std::max<int64_t>(1, (c * w + s * h + 32767) >> 15)),
            static_cast<int>(std::max<int64_t>(1, (s * w + c * h + 32767) >> 15)),
            [&](ImageDesc* r) { return RotateImage(o.angle, image, r, o.sampling); },
            "RotateImage");
    }
    if (code == kExitOk && o.mirror) {
        const int32_t status = MirrorImage(image, image);
        if (status != IMG_OK) code = Fail(kExitFailed, "MirrorImage: " + StatusText(status));
    }
    if (code == kExitOk && o.flip) {
        const int32_t status = FlipRectVertical(image, image);
        if (status != IMG_OK) code = Fail(kExitFailed, "FlipRectVertical: " + StatusText(status));
    }
    return code;
}

}  // namespace

int ReadPicture(const InputOptions& o, ImageDesc* image) {
    std::string error;
    const std::string inEnding = Ending(o.in);
    const bool libraryIn = inEnding == "bmp" || inEnding == "pcx" || inEnding == "png" ||
                           inEnding == "jpg" || inEnding == "jpeg" || inEnding == "tif" ||
                           inEnding == "tiff";
    if (o.memory && inEnding == "pcx") return Fail(kExitUsage, "PCX has no memory form");
    if (libraryIn && o.depth != 0) return Fail(kExitUsage, "--depth is for PNM pictures");
    PnmPicture pnm;
    if (!libraryIn && !ReadPnm(o.in, &pnm, &error)) return Fail(kExitFailed, error);
    int width = 0;
    int height = 0;
    int depth = 0;
    int32_t status = Measure(o, inEnding, pnm, &width, &height, &depth);
    if (status != IMG_OK) return Fail(kExitFailed, o.in + ": header: " + StatusText(status));
    if (o.targetWidth > 0) {
        width = o.targetWidth;
        height = o.targetHeight;
    }
    status = AllocImage(image, width, height, depth);
    if (status != IMG_OK) return Fail(kExitFailed, "AllocImage: " + StatusText(status));
    if (o.hasRect) SetImageRectFromArray(o.rect, image);
    int code = kExitOk;
    if (libraryIn) {
        status = Load(o, inEnding, *image);
        if (status != IMG_OK) code = Fail(kExitFailed, o.in + ": " + StatusText(status));
    } else {
        error = FillFromPnm(pnm, *image);
        if (error == "more than 256 colours") {
            // A PPM of more colours reaches 8 bits through colour reduction.
            FreeImage(image);
            ImageDesc full;
            status = AllocImage(&full, width, height, 24);
            if (status != IMG_OK) return Fail(kExitFailed, "AllocImage: " + StatusText(status));
            if (o.hasRect) SetImageRectFromArray(o.rect, &full);
            (void)FillFromPnm(pnm, full);
            status = AllocImage(image, width, height, 8);
            if (status == IMG_OK) {
                if (o.hasRect) SetImageRectFromArray(o.rect, image);
                status = ReduceColors(256, &full, image);
                if (status != IMG_OK) FreeImage(image);
            }
            FreeImage(&full);
            if (status != IMG_OK) return Fail(kExitFailed, "ReduceColors: " + StatusText(status));
            error.clear();
        }
        if (!error.empty()) code = Fail(kExitUsage, error);
    }
    if (code != kExitOk) FreeImage(image);
    return code;
}

int CmdConvert(int argc, char** argv) {
    Options o;
    std::string error;
    if (!ParseOptions(argc, argv, &o, &error)) return Fail(kExitUsage, error);
    const std::string outEnding = Ending(o.out);
    if (outEnding != "bmp" && outEnding != "pcx" && outEnding != "png" && outEnding != "ppm" &&
        outEnding != "jpg" && outEnding != "jpeg" && outEnding != "tif" && outEnding != "tiff") {
        return Fail(kExitUsage, "OUT must end in .bmp, .pcx, .png, .jpg, .tif or .ppm");
    }
    if (o.memory && outEnding == "pcx") return Fail(kExitUsage, "PCX has no memory form");
    ImageDesc image;
    int code = ReadPicture(o, &image);
    if (code != kExitOk) return code;
    code = Geometry(o, &image);
    if (code != kExitOk) return code;
    if (o.reduce != 0) {
        ImageDesc reduced;
        int32_t status = AllocImage(&reduced, image.header->biWidth, image.header->biHeight, 8);
        if (status == IMG_OK) {
            SetImageRect(&reduced, 0, 0, image.endX - image.startX, image.endY - image.startY);
            status = ReduceColorsCore(o.reduce, &image, &reduced, o.method);
        }
        FreeImage(&image);
        image = reduced;
        if (status != IMG_OK) {
            FreeImage(&image);
            return Fail(kExitFailed, "ReduceColorsCore: " + StatusText(status));
        }
    }
    if (o.bilevel >= 0 || o.fromBilevel) {
        // 8-bit grey to 1 bit, or 1 bit to 8-bit grey, into a new image of the rectangle's size.
        ImageDesc converted;
        int32_t status = AllocImage(&converted, image.endX - image.startX + 1,
                                    image.endY - image.startY + 1, o.fromBilevel ? 8 : 1);
        if (status == IMG_OK) {
            status = o.fromBilevel ? ConvertFromBilevel(&image, o.smooth ? 1 : 0, &converted)
                                   : ConvertToBilevel(o.bilevel, &image, &converted, nullptr);
        }
        FreeImage(&image);
        image = converted;
        if (status != IMG_OK) {
            FreeImage(&image);
            return Fail(kExitFailed, "bilevel conversion: " + StatusText(status));
        }
    }
    if (!o.fixed.empty() || o.transform == "grey") {
        // Into a new 8-bit image of the rectangle's size.
        ImageDesc converted;
        int32_t status =
            AllocImage(&converted, image.endX - image.startX + 1, image.endY - image.startY + 1, 8);
        if (status == IMG_OK) {
            const int32_t kind = o.fixed == "vga" ? kSixteenColours : 1;
            status = o.transform == "grey"   ? ConvertToGrey(&image, &converted)
                     : o.dither == "diffuse" ? ConvertDepthB(&image, &converted, kind)
                                             : ConvertDepthA(&image, &converted, kind);
        }
        FreeImage(&image);
        image = converted;
        if (status != IMG_OK) {
            FreeImage(&image);
            return Fail(kExitFailed, "conversion: " + StatusText(status));
        }
    } else if (!o.transform.empty()) {
        // In place, through the library's own conversions.
        const int32_t status = o.transform == "tone"  ? ApplyPrintToneCurve(&image, &image)
                               : o.transform == "hsv" ? RgbToHsv(&image, &image)
                                                      : HsvToRgb(&image, &image);
        if (status != IMG_OK) {
            FreeImage(&image);
            return Fail(kExitFailed, "--" + o.transform + ": " + StatusText(status));
        }
    }
    if (outEnding == "ppm") {
        if (!WritePpm(o.out, PictureOf(image), &error)) code = Fail(kExitFailed, error);
    } else {
        const int32_t status = Save(o, outEnding, image);
        if (status != IMG_OK) code = Fail(kExitFailed, o.out + ": " + StatusText(status));
    }
    FreeImage(&image);
    return code;
}
