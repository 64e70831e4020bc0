// Font faces: which Liberation face answers a font request, the face files
// loaded through FreeType (and wrapped for cairo), and a request realised at
// a device size with the metrics the program reads.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/gdi.h"

typedef struct FT_FaceRec_* FT_Face;
typedef struct _cairo_font_face cairo_font_face_t;

namespace win {

enum class FaceFamily { Sans, Serif, Mono };

struct FaceChoice {
    FaceFamily family = FaceFamily::Sans;
    bool bold = false;
    bool italic = false;
};

// The face names of the program map to the metric-compatible Liberation
// faces: "Arial", "Tahoma", "MS Sans Serif", "System" ... to Sans; "Times
// New Roman" to Serif; "Courier New", "Terminal" and the OEM fixed font to
// Mono. A face name that ends in " Bold" (or " Italic") names that style
// of the family. Without a known name the pitch and family bits decide.
[[nodiscard]] FaceChoice ChooseFace(const LOGFONTA& request);
[[nodiscard]] const char* FamilyName(FaceFamily family);

// A loaded face file with the design metrics in font units.
struct FaceData {
    FT_Face measure = nullptr;  // for advances (FreeType, unscaled)
    FT_Face render = nullptr;   // owned by the cairo face
    std::string file;           // the face file's bytes, which both faces read
    cairo_font_face_t* cairo = nullptr;
    int unitsPerEm = 2048;
    int winAscent = 0;   // cell above the baseline
    int winDescent = 0;  // cell below the baseline
    int lineGap = 0;     // typographic gap beyond the cell
    int avgCharWidth = 0;
    int maxAdvance = 0;
    int underlinePosition = 0;  // negative: below the baseline
    int underlineThickness = 0;
    int strikeoutPosition = 0;
    int strikeoutSize = 0;
    bool fixedPitch = false;
    std::unordered_map<std::uint32_t, int> advances;  // glyph index -> font units
    [[nodiscard]] std::uint32_t GlyphIndex(char32_t c) const;
    [[nodiscard]] int Advance(std::uint32_t glyph);
};

// The face file of a choice, loaded on first use; null when the Liberation
// fonts are missing (text then draws nothing and measures zero).
[[nodiscard]] FaceData* LoadFace(const FaceChoice& choice);

// A font request at a device scale. All sizes in device pixels.
struct RealizedFont {
    FaceData* face = nullptr;
    LOGFONTA request;
    double em = 0.0;      // character height
    double xScale = 1.0;  // horizontal stretch for a requested width
    double angle = 0.0;   // escapement in radians, counter-clockwise on the device
    int height = 0;
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
    int aveCharWidth = 0;
    int maxCharWidth = 0;
};

// yScale and xScale: device pixels per logical unit (absolute values);
// dpi: the device's vertical resolution, for the default size of a request
// of height 0 (12 points).
[[nodiscard]] RealizedFont RealizeFont(const LOGFONTA& request, double yScale, double xScale,
                                       int dpi);

// A line of text laid out left to right in whole device pixels.
struct TextRun {
    std::vector<std::uint32_t> glyphs;
    std::vector<int> offsets;      // pen position of each glyph along the baseline
    std::vector<int> utf8Lengths;  // bytes of `utf8` per glyph
    std::string utf8;
    int width = 0;
};
[[nodiscard]] TextRun LayoutText(const RealizedFont& font, const char* text, int length);

}  // namespace win
