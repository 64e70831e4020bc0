// Loading the Liberation faces through FreeType, choosing a face for a font
// request, and realising a request at a device size.
//
// Cell metrics follow the convention of the program's original platform for
// TrueType faces: the cell height is the OS/2 table's winAscent plus
// winDescent; a positive requested height is that cell height, a negative
// one the em height; the internal leading is the cell less the em, and the
// external leading is the part of the horizontal header's line gap that the
// cell does not already hold. The average character width is the OS/2
// xAvgCharWidth. Advances are the design advances scaled and rounded to
// whole pixels glyph by glyph, so a line measures the same on every device.
#include "platform/text/font_faces.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_ADVANCES_H

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>

#include "platform/files/plain_file_read.h"
#include "platform/text/font_codepages.h"

namespace win {
namespace {

FT_Library Library() {
    static FT_Library library = nullptr;
    static bool tried = false;
    if (!tried) {
        tried = true;
        if (FT_Init_FreeType(&library) != 0) library = nullptr;
    }
    return library;
}

std::string Lower(const char* s) {
    std::string out;
    for (; s != nullptr && *s != '\0'; ++s) {
        out.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(*s))));
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The largest face file read: past any TrueType face of one script, and read
// in well under a second.
constexpr std::size_t kFontFileMaxBytes = std::size_t{32} << 20;

std::string FontFileName(const FaceChoice& c) {
    std::string name = std::string("Liberation") + FamilyName(c.family) + "-";
    if (c.bold && c.italic) {
        name += "BoldItalic";
    } else if (c.bold) {
        name += "Bold";
    } else if (c.italic) {
        name += "Italic";
    } else {
        name += "Regular";
    }
    return name + ".ttf";
}

// The bytes of a choice's face file, from the first folder that holds it as a
// plain file of a face's size (TARVEX_FONT_DIR, then the system's folders); a
// file that is there but is not one (a pipe, a folder, a device, a file of
// gigabytes) is passed over with a word on standard error. Empty when no
// folder holds one.
std::string FontFileBytes(const FaceChoice& c) {
    const std::string name = FontFileName(c);
    std::vector<std::string> dirs;
    if (const char* env = std::getenv("TARVEX_FONT_DIR")) dirs.emplace_back(env);
    dirs.emplace_back("/usr/share/fonts/truetype/liberation");
    dirs.emplace_back("/usr/share/fonts/truetype/liberation2");
    dirs.emplace_back("/usr/share/fonts/liberation");
    for (const std::string& dir : dirs) {
        const std::string path = dir + "/" + name;
        struct stat st;
        if (::stat(path.c_str(), &st) != 0) continue;  // not there: the next folder
        std::string bytes;
        std::string why;
        if (ReadPlainFile(path, kFontFileMaxBytes, "a face file", bytes, why) && !bytes.empty())
            return bytes;
        std::fprintf(stderr, "tarvex: font %s passed over: %s\n", path.c_str(),
                     why.empty() ? "empty" : why.c_str());
    }
    return std::string();
}

void ReadDesignMetrics(FaceData* f) {
    FT_Face face = f->measure;
    f->unitsPerEm = face->units_per_EM > 0 ? face->units_per_EM : 2048;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
        f->winAscent = os2->usWinAscent;
        f->winDescent = os2->usWinDescent;
        f->avgCharWidth = os2->xAvgCharWidth;
        f->strikeoutPosition = os2->yStrikeoutPosition;
        f->strikeoutSize = os2->yStrikeoutSize;
    } else {
        f->winAscent = face->ascender;
        f->winDescent = -face->descender;
        f->avgCharWidth = face->max_advance_width / 2;
        f->strikeoutPosition = f->unitsPerEm / 4;
        f->strikeoutSize = f->unitsPerEm / 20;
    }
    if (hhea != nullptr) {
        const int cell = f->winAscent + f->winDescent;
        const int hheaCell = hhea->Ascender - hhea->Descender;
        f->lineGap = std::max(0, hhea->Line_Gap - (cell - hheaCell));
        f->maxAdvance = hhea->advance_Width_Max;
    } else {
        f->maxAdvance = face->max_advance_width;
    }
    f->underlinePosition = face->underline_position;
    f->underlineThickness = face->underline_thickness;
    f->fixedPitch = FT_IS_FIXED_WIDTH(face) != 0;
}

// A face from the bytes of a face file, with its design metrics; null when
// FreeType takes no face from them. Kept for the whole run.
FaceData* LoadFaceBytes(std::string bytes) {
    FT_Library lib = Library();
    if (lib == nullptr || bytes.empty()) return nullptr;
    auto data = std::make_unique<FaceData>();
    data->file = std::move(bytes);
    const auto* file = reinterpret_cast<const FT_Byte*>(data->file.data());
    const auto size = static_cast<FT_Long>(data->file.size());
    FT_Face measure = nullptr;
    FT_Face render = nullptr;
    if (FT_New_Memory_Face(lib, file, size, 0, &measure) != 0) return nullptr;
    if (FT_New_Memory_Face(lib, file, size, 0, &render) != 0) {
        FT_Done_Face(measure);
        return nullptr;
    }
    data->measure = measure;
    data->render = render;
    data->cairo = cairo_ft_font_face_create_for_ft_face(render, FT_LOAD_NO_HINTING);
    ReadDesignMetrics(data.get());
    return data.release();
}

}  // namespace

const char* FamilyName(FaceFamily family) {
    switch (family) {
        case FaceFamily::Serif:
            return "Serif";
        case FaceFamily::Mono:
            return "Mono";
        default:
            return "Sans";
    }
}

FaceChoice ChooseFace(const LOGFONTA& request) {
    FaceChoice c;
    c.bold = request.lfWeight >= 600;
    c.italic = request.lfItalic != 0;
    std::string face = Lower(request.lfFaceName);
    for (bool changed = true; changed;) {
        changed = false;
        if (EndsWith(face, " bold")) {
            face.resize(face.size() - 5);
            c.bold = true;
            changed = true;
        }
        if (EndsWith(face, " italic")) {
            face.resize(face.size() - 7);
            c.italic = true;
            changed = true;
        }
    }
    static const std::map<std::string, FaceFamily> kNames = {
        {"arial", FaceFamily::Sans},
        {"tahoma", FaceFamily::Sans},
        {"ms sans serif", FaceFamily::Sans},
        {"ms shell dlg", FaceFamily::Sans},
        {"system", FaceFamily::Sans},
        {"helvetica", FaceFamily::Sans},
        {"verdana", FaceFamily::Sans},
        {"liberation sans", FaceFamily::Sans},
        {"times new roman", FaceFamily::Serif},
        {"times", FaceFamily::Serif},
        {"ms serif", FaceFamily::Serif},
        {"liberation serif", FaceFamily::Serif},
        {"courier new", FaceFamily::Mono},
        {"courier", FaceFamily::Mono},
        {"terminal", FaceFamily::Mono},
        {"fixedsys", FaceFamily::Mono},
        {"lucida console", FaceFamily::Mono},
        {"liberation mono", FaceFamily::Mono}};
    auto it = kNames.find(face);
    if (it != kNames.end()) {
        c.family = it->second;
        return c;
    }
    const BYTE pitch = request.lfPitchAndFamily & 0x03;
    const BYTE family = request.lfPitchAndFamily & 0xF0;
    if (pitch == FIXED_PITCH || family == FF_MODERN ||
        (face.empty() && request.lfCharSet == OEM_CHARSET)) {
        c.family = FaceFamily::Mono;
    } else if (family == FF_ROMAN) {
        c.family = FaceFamily::Serif;
    }
    return c;
}

std::uint32_t FaceData::GlyphIndex(char32_t c) const {
    return FT_Get_Char_Index(measure, static_cast<FT_ULong>(c));
}

int FaceData::Advance(std::uint32_t glyph) {
    auto it = advances.find(glyph);
    if (it != advances.end()) return it->second;
    FT_Fixed advance = 0;
    if (FT_Get_Advance(measure, glyph, FT_LOAD_NO_SCALE, &advance) != 0) advance = 0;
    const int units = static_cast<int>(advance);
    advances.emplace(glyph, units);
    return units;
}

FaceData* LoadFace(const FaceChoice& choice) {
    // Kept for the whole run (the faces stay loaded).
    static auto& cache = *new std::map<int, FaceData*>;
    const int key =
        static_cast<int>(choice.family) * 4 + (choice.bold ? 2 : 0) + (choice.italic ? 1 : 0);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    FaceData* data = LoadFaceBytes(FontFileBytes(choice));
    cache.emplace(key, data);
    return data;
}

RealizedFont RealizeFont(const LOGFONTA& request, double yScale, double xScale, int dpi) {
    RealizedFont f;
    f.request = request;
    f.face = LoadFace(ChooseFace(request));
    f.angle = request.lfEscapement / 10.0 * M_PI / 180.0;
    if (f.face == nullptr) return f;
    FaceData& d = *f.face;
    const double upem = d.unitsPerEm;
    const double cellUnits = d.winAscent + d.winDescent;
    // Sizes are kept between 1 and 16384 device pixels (a glyph beyond that
    // would only cost memory).
    constexpr double kMaxPixels = 16384.0;
    int cell = 0;
    if (request.lfHeight > 0) {
        cell = static_cast<int>(std::clamp(std::round(request.lfHeight * yScale), 1.0, kMaxPixels));
        f.em = cell * upem / cellUnits;
    } else if (request.lfHeight < 0) {
        f.em = std::clamp(std::round(-static_cast<double>(request.lfHeight) * yScale), 1.0,
                          kMaxPixels);
    } else {
        f.em = std::round(12.0 * dpi / 72.0);
    }
    f.ascent = static_cast<int>(std::lround(d.winAscent * f.em / upem));
    f.descent =
        cell > 0 ? cell - f.ascent : static_cast<int>(std::lround(d.winDescent * f.em / upem));
    f.height = f.ascent + f.descent;
    f.internalLeading = std::max(0, f.height - static_cast<int>(std::lround(f.em)));
    f.externalLeading = static_cast<int>(std::lround(d.lineGap * f.em / upem));
    const double naturalAve = d.avgCharWidth * f.em / upem;
    if (request.lfWidth != 0 && naturalAve > 0.0) {
        const double wanted = std::clamp(
            std::round(std::fabs(static_cast<double>(request.lfWidth)) * xScale), 1.0, kMaxPixels);
        f.xScale = wanted / naturalAve;
    }
    f.aveCharWidth = static_cast<int>(std::lround(naturalAve * f.xScale));
    f.maxCharWidth = static_cast<int>(std::lround(d.maxAdvance * f.em / upem * f.xScale));
    return f;
}

TextRun LayoutText(const RealizedFont& font, const char* text, int length) {
    TextRun run;
    if (font.face == nullptr || text == nullptr || length <= 0) return run;
    const double scale = font.em / font.face->unitsPerEm * font.xScale;
    int pen = 0;
    for (int i = 0; i < length; ++i) {
        const char32_t c =
            ByteToUnicode(static_cast<unsigned char>(text[i]), font.request.lfCharSet);
        const std::size_t before = run.utf8.size();
        AppendUtf8(c, &run.utf8);
        const std::uint32_t glyph = font.face->GlyphIndex(c);
        run.glyphs.push_back(glyph);
        run.offsets.push_back(pen);
        run.utf8Lengths.push_back(static_cast<int>(run.utf8.size() - before));
        pen += static_cast<int>(std::lround(font.face->Advance(glyph) * scale));
    }
    run.width = pen;
    return run;
}

}  // namespace win
