// The About box: templates 21 to 24 and picture 110.
//
// The four templates are one layout at four font sizes (the dialog units
// follow the font): the picture's place at the top, the version line on the
// left and the date line on the right below it, a centred line about the
// program, and OK. The picture is a quiet engineering motif: a pipe in
// section with a layer of scale inside its wall and water in its bore,
// beside lines of flow, on a pale steel-blue ground.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "common/byte_io.h"
#include "platform/dialogs/dialog.h"
#include "platform/gdi/gdi.h"
#include "resources/program_resources.h"
#include "resources/selection_dialog_ids.h"
#include "resources/template_builder.h"

namespace {

constexpr int kPictureWidth = 380;
constexpr int kPictureHeight = 240;
constexpr int kHeaderBytes = 40;

struct Rgb {
    double r, g, b;
};
Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
// Coverage of a band [inner, outer] of distance d, softened over one pixel.
double Band(double d, double inner, double outer) {
    return std::clamp(d - inner + 0.5, 0.0, 1.0) * std::clamp(outer - d + 0.5, 0.0, 1.0);
}

Rgb PixelAt(int x, int y) {
    const Rgb groundTop{228, 235, 241};
    const Rgb groundBottom{203, 216, 228};
    Rgb c = Mix(groundTop, groundBottom, static_cast<double>(y) / kPictureHeight);
    // Lines of flow on the right.
    for (int k = 0; k < 3; ++k) {
        const double centre = 80.0 + 40.0 * k + 7.0 * std::sin((x - 220.0) / 22.0 + k);
        if (x > 226 && x < 362)
            c = Mix(c, Rgb{70, 120, 165}, Band(std::abs(y - centre), 0.0, 1.6) * 0.85);
    }
    // The pipe in section: steel wall, a layer of scale settled thicker at
    // the bottom, water in the bore.
    const double d = std::hypot(x - 118.0, y - 120.0);
    const double bore = std::hypot(x - 118.0, y - 114.0);
    const Rgb water = Mix(Rgb{120, 170, 205}, Rgb{72, 122, 168}, (y - 40.0) / 160.0);
    c = Mix(c, Rgb{196, 170, 128}, std::clamp(78.0 - d + 0.5, 0.0, 1.0));
    c = Mix(c, water, std::clamp(63.0 - bore + 0.5, 0.0, 1.0));
    c = Mix(c, Rgb{104, 114, 126}, Band(d, 78.0, 94.0));
    c = Mix(c, Rgb{150, 160, 170}, Band(d, 86.0, 87.5) * 0.6);  // a highlight on the wall
    // A thin frame.
    if (x == 0 || y == 0 || x == kPictureWidth - 1 || y == kPictureHeight - 1)
        c = Rgb{120, 136, 152};
    return c;
}

std::vector<uint8_t> MakeAboutPicture() {
    const int rowBytes = (kPictureWidth * 3 + 3) & ~3;
    const uint32_t imageBytes = static_cast<uint32_t>(rowBytes) * kPictureHeight;
    std::vector<uint8_t> dib(kHeaderBytes + imageBytes);
    bytes::Writer out(dib.data(), kHeaderBytes);
    out.U32(kHeaderBytes);
    out.I32(kPictureWidth);
    out.I32(kPictureHeight);  // bottom-up rows
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(imageBytes);
    out.I32(3780);
    out.I32(3780);
    out.U32(0);
    out.U32(0);
    for (int y = 0; y < kPictureHeight; ++y) {
        uint8_t* row = dib.data() + kHeaderBytes +
                       static_cast<size_t>(kPictureHeight - 1 - y) * static_cast<size_t>(rowBytes);
        for (int x = 0; x < kPictureWidth; ++x) {
            const Rgb c = PixelAt(x, y);
            row[3 * x] = static_cast<uint8_t>(std::lround(c.b));
            row[3 * x + 1] = static_cast<uint8_t>(std::lround(c.g));
            row[3 * x + 2] = static_cast<uint8_t>(std::lround(c.r));
        }
    }
    return dib;
}

win::DialogTemplate AboutTemplate(int pointSize) {
    win::DialogTemplate t = ModalDialog("About Tarvex", "MS Sans Serif", pointSize);
    t.cx = 220;
    t.cy = 140;
    TemplateBuilder b(t);
    b.Add("w_static", TemplateBuilder::kNoId, "Tarvex Version 5.57", 0, 12, 48, 98, 12);
    b.Add("w_static_rt", TemplateBuilder::kNoId, "December 2026", 0, 110, 48, 98, 12);
    b.Add("w_static_ctr", TemplateBuilder::kNoId,
          "Mineral scale and corrosion prediction for oilfield waters", 0, 12, 70, 196, 26);
    b.Add("BUTTON", win::IDOK, "OK", win::BS_DEFPUSHBUTTON | win::WS_TABSTOP, 85, 114, 50, 14);
    return t;
}

}  // namespace

void RegisterAboutResources() {
    using namespace SelectionDialogId;
    win::RegisterDialogTemplate(kAbout900, AboutTemplate(8));
    win::RegisterDialogTemplate(kAbout1079, AboutTemplate(9));
    win::RegisterDialogTemplate(kAbout1080, AboutTemplate(10));
    win::RegisterDialogTemplate(kAbout1599, AboutTemplate(12));
    RegisterDrawnPicture(
        kAboutPictureId, [](int, int) { return MakeAboutPicture(); }, 0, 0);
}
