// Colour sets, pens and brushes of the bar graphs.
#include "graphs/twod/bar_palette.h"

#include "platform/gdi/gdi.h"
#include "reporttext/format/axis_number.h"

namespace {

constexpr win::COLORREF kColourSet[kGraphColours] = {
    0x000000, 0xA50000, 0x00AB00, 0xBFBF00, 0x0000BF, 0xB500B5, 0x00BFBF, 0xB2B2B2,
    0x4C4C4C, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr win::COLORREF kGreySet[kGraphColours] = {
    0x000000, 0xFFFFFF, 0xC8C8C8, 0xB2B2B2, 0x404040, 0x616161, 0x787878, 0xB2B2B2,
    0x181818, 0xE0E0E0, 0xC8C8C8, 0xF0F0F0, 0x808080, 0x919191, 0xAAAAAA, 0xFFFFFF,
};

void PrintingSet(win::COLORREF (&set)[kGraphColours]) {
    uint8_t t[256];
    BuildGammaTable(t, 0.33);
    const uint8_t t0 = t[0], t24 = t[24], t64 = t[64], t96 = t[96], t128 = t[128], t178 = t[178],
                  t255 = t[255];
    set[0] = win::RGB(t0, t0, t0);
    set[1] = win::RGB(t0, t0, t64);
    set[2] = win::RGB(t0, t64, t0);
    set[3] = win::RGB(t0, t64, t64);
    set[4] = win::RGB(t64, t0, t0);
    set[5] = win::RGB(t64, t0, t64);
    set[6] = win::RGB(t128, t96, t24);
    set[7] = win::RGB(t178, t178, t178);
    set[8] = win::RGB(t24, t24, t24);
    set[9] = win::RGB(t0, t0, t255);
    set[10] = win::RGB(t0, t255, t0);
    set[11] = win::RGB(t0, t255, t255);
    set[12] = win::RGB(t255, t0, t0);
    set[13] = win::RGB(t255, t0, t255);
    set[14] = win::RGB(t255, t255, t0);
    set[15] = win::RGB(t255, t255, t255);
}

}  // namespace

void FillBarPalette(int colorNow, uint32_t printingGraph) {
    if (colorNow == 0 || printingGraph > 1) {
        for (int i = 0; i < kGraphColours; ++i) graphColorTable[i] = kGreySet[i];
    } else if (printingGraph == 0) {
        for (int i = 0; i < kGraphColours; ++i) graphColorTable[i] = kColourSet[i];
    } else {
        PrintingSet(graphColorTable);
    }
    graphBackgroundColor = graphColorTable[0];
}

bool UsePatternSet(uint32_t hatchPatterns, int colorNow, uint32_t printingGraph, int printColor) {
    return hatchPatterns != 0 && (colorNow == 0 || (printingGraph != 0 && printColor == 0));
}

void BarTools::Make(bool patterns) {
    thinPen = win::CreatePen(win::PS_SOLID, 1, graphColorTable[0]);
    if (!patterns) {
        for (int i = 0; i < kGraphColours; ++i) {
            brushes[i] = win::CreateSolidBrush(graphColorTable[i]);
            pens[i] = win::CreatePen(win::PS_SOLID, 2, graphColorTable[i]);
        }
        return;
    }
    const win::COLORREF black = 0x000000;
    const win::COLORREF white = 0xFFFFFF;
    brushes[0] = win::CreateSolidBrush(black);
    brushes[1] = win::CreateSolidBrush(white);
    brushes[2] = win::CreateHatchBrush(win::HS_BDIAGONAL, black);
    brushes[3] = win::CreateHatchBrush(win::HS_FDIAGONAL, black);
    brushes[4] = win::CreateSolidBrush(black);
    brushes[5] = win::CreateHatchBrush(win::HS_DIAGCROSS, black);
    brushes[6] = win::CreateHatchBrush(win::HS_FDIAGONAL, black);
    brushes[7] = win::CreateSolidBrush(0xB2B2B2);
    brushes[8] = win::CreateSolidBrush(0x181818);
    brushes[9] = win::CreateSolidBrush(0x0C0C0C);
    brushes[10] = win::CreateSolidBrush(0x303030);
    brushes[11] = win::CreateSolidBrush(0x3C3C3C);
    brushes[12] = win::CreateSolidBrush(white);
    brushes[13] = win::CreateSolidBrush(0xC4C4C4);
    brushes[14] = win::CreateHatchBrush(win::HS_FDIAGONAL, black);
    brushes[15] = win::CreateSolidBrush(white);
    for (win::HPEN& p : pens) p = win::CreatePen(win::PS_SOLID, 2, black);
}

void BarTools::Release() {
    if (thinPen != nullptr) win::DeleteObject(thinPen);
    thinPen = nullptr;
    for (win::HPEN& p : pens) {
        if (p != nullptr) win::DeleteObject(p);
        p = nullptr;
    }
    for (win::HBRUSH& b : brushes) {
        if (b != nullptr) win::DeleteObject(b);
        b = nullptr;
    }
}
