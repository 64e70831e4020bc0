// The four colour tables of the 3D graph and its drawing objects.
#include "graphs/threed/threed_colours.h"

#include "platform/gdi/gdi.h"
#include "reporttext/format/axis_number.h"

namespace {

constexpr win::COLORREF kScreenColour[kGraphColours] = {
    0x000000, 0xA50000, 0x00AB00, 0xBFBF00, 0x0000BF, 0xB500B5, 0x00BFBF, 0xB2B2B2,
    0x4C4C4C, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr uint8_t kScreenGrey[kGraphColours] = {0,  160, 128, 178, 64,  97,  120, 178,
                                                24, 224, 200, 240, 128, 145, 170, 255};
// The printer greys are steps of the gamma table; entry 15 stays white.
constexpr uint8_t kPrinterGrey[kGraphColours] = {0,  160, 128, 178, 64,  97,  120, 178,
                                                 24, 224, 224, 200, 128, 145, 170, 255};
constexpr uint8_t kShadeLevels[kBandShades] = {15, 31, 63, 94, 127, 158, 190};

win::COLORREF Grey(uint8_t level) {
    return win::RGB(level, level, level);
}

void PrinterColours(const uint8_t (&g)[256]) {
    const uint8_t z = g[0], c = g[64], h = g[128];
    const win::COLORREF table[kGraphColours] = {
        Grey(z),
        win::RGB(z, z, c),
        win::RGB(z, c, z),
        win::RGB(z, c, c),
        win::RGB(c, z, z),
        win::RGB(c, z, c),
        win::RGB(h, h, z),
        Grey(g[178]),
        Grey(g[24]),
        win::RGB(0, 0, 255),
        win::RGB(0, 255, 0),
        win::RGB(0, 255, 255),
        win::RGB(255, 0, 0),
        win::RGB(255, 0, 255),
        win::RGB(255, 255, 0),
        Grey(255),
    };
    for (int i = 0; i < kGraphColours; ++i) graphColorTable[i] = table[i];
}

}  // namespace

void ChooseThreeDColours(int16_t colorNow, uint32_t renderTarget) {
    if (colorNow < 0) return;
    const bool screen = renderTarget == 0 || renderTarget == 3;
    uint8_t gamma[256];
    if (colorNow > 0 && screen) {
        for (int i = 0; i < kGraphColours; ++i) graphColorTable[i] = kScreenColour[i];
    } else if (colorNow > 0) {
        BuildGammaTable(gamma, 0.33);
        PrinterColours(gamma);
    } else if (renderTarget == 1) {
        BuildGammaTable(gamma, 0.33);
        for (int i = 0; i < kGraphColours - 1; ++i)
            graphColorTable[i] = Grey(gamma[kPrinterGrey[i]]);
        graphColorTable[kGraphColours - 1] = Grey(255);
    } else {
        for (int i = 0; i < kGraphColours; ++i) graphColorTable[i] = Grey(kScreenGrey[i]);
    }
    graphBackgroundColor = graphColorTable[0];
}

void ThreeDTools::Make() {
    for (int i = 0; i < kGraphColours; ++i) brushes[i] = win::CreateSolidBrush(graphColorTable[i]);
    brushes[kGraphColours] = win::CreateSolidBrush(graphColorTable[15]);
    for (int i = 0; i < kBandShades; ++i) shades[i] = win::CreateSolidBrush(Grey(kShadeLevels[i]));
    hatch = win::CreateHatchBrush(win::HS_BDIAGONAL, 0x000000);
    crossHatch = win::CreateHatchBrush(win::HS_DIAGCROSS, 0x000000);
    constexpr int kPenColours[ThreeDPen::kCount] = {0, 15, 1, 2, 14, 5, 4, 3, 11, 15, 8, 7};
    for (int i = 0; i < ThreeDPen::kCount; ++i)
        pens[i] = win::CreatePen(win::PS_SOLID, 1, graphColorTable[kPenColours[i]]);
}

void ThreeDTools::Release() {
    for (win::HBRUSH& b : brushes) win::DeleteObject(b);
    for (win::HBRUSH& b : shades) win::DeleteObject(b);
    win::DeleteObject(hatch);
    win::DeleteObject(crossHatch);
    for (win::HPEN& p : pens) win::DeleteObject(p);
    *this = ThreeDTools{};
}

win::HPEN ThreeDTools::PenOf(int colour) const {
    switch (colour) {
        case 0:
            return pens[ThreeDPen::kBackground];
        case 1:
            return pens[ThreeDPen::kC1];
        case 2:
            return pens[ThreeDPen::kC2];
        case 3:
            return pens[ThreeDPen::kC3];
        case 4:
            return pens[ThreeDPen::kC4];
        case 5:
            return pens[ThreeDPen::kC5];
        case 7:
            return pens[ThreeDPen::kC7];
        case 8:
            return pens[ThreeDPen::kC8];
        case 11:
            return pens[ThreeDPen::kC11];
        case 14:
            return pens[ThreeDPen::kC14];
        default:
            return pens[ThreeDPen::kWhite];
    }
}
