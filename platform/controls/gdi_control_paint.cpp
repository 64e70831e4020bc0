// How the built-in controls look, and the fonts of dialog templates: the
// windowing half keeps each control's state and calls this painter inside
// the control's paint, with the paint context, the parent's colours and the
// control's font; dialog templates name a face and a point size, which
// become a font here together with the dialog's base units (the average
// width of the letters and the cell height).
#include <algorithm>
#include <map>
#include <string>

#include "platform/controls/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"

namespace win {
namespace {

constexpr COLORREF kFrame = RGB(64, 64, 64);
constexpr COLORREF kLight = RGB(255, 255, 255);
constexpr COLORREF kShadow = RGB(128, 128, 128);
constexpr COLORREF kSelection = RGB(0, 0, 128);

void Fill(HDC dc, RECT r, COLORREF colour) {
    HBRUSH b = CreateSolidBrush(colour);
    FillRect(dc, &r, b);
    DeleteObject(b);
}

void Frame(HDC dc, RECT r, COLORREF colour) {
    HBRUSH b = CreateSolidBrush(colour);
    FrameRect(dc, &r, b);
    DeleteObject(b);
}

RECT Inset(RECT r, int d) {
    return RECT{r.left + d, r.top + d, r.right - d, r.bottom - d};
}

// A raised (button) or sunken (field) edge.
void Edge(HDC dc, RECT r, bool raised) {
    const COLORREF topLeft = raised ? kLight : kShadow;
    const COLORREF bottomRight = raised ? kShadow : kLight;
    Fill(dc, RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
    Fill(dc, RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
    Fill(dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    Fill(dc, RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void Text(HDC dc, const std::string& text, RECT r, UINT format, COLORREF colour) {
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

// The parent's text colour (the system's unless it chose one); grey when the
// control is disabled.
COLORREF TextColour(const ControlPaintInfo& info) {
    return info.enabled ? info.textColour : static_cast<COLORREF>(GetSysColor(COLOR_GRAYTEXT));
}

void Background(const ControlPaintInfo& info, COLORREF fallback) {
    if (info.background != nullptr) {
        FillRect(info.hdc, &info.client, info.background);
    } else {
        Fill(info.hdc, info.client, fallback);
    }
}

void PaintStatic(const ControlPaintInfo& info) {
    Background(info, GetSysColor(COLOR_BTNFACE));
    UINT format = DT_WORDBREAK;
    if ((info.style & 0x3) == SS_CENTER) format |= DT_CENTER;
    if ((info.style & 0x3) == SS_RIGHT) format |= DT_RIGHT;
    Text(info.hdc, info.text, info.client, format, TextColour(info));
}

void PaintGroupBox(const ControlPaintInfo& info, int lineHeight) {
    Background(info, GetSysColor(COLOR_BTNFACE));
    RECT box = info.client;
    box.top += lineHeight / 2;
    Frame(info.hdc, box, kShadow);
    SIZE size{};
    GetTextExtentPoint32A(info.hdc, info.text.c_str(), static_cast<int>(info.text.size()), &size);
    RECT label{8, 0, 12 + size.cx, lineHeight};
    Fill(info.hdc, label, GetSysColor(COLOR_BTNFACE));
    Text(info.hdc, info.text, RECT{10, 0, info.client.right, lineHeight}, DT_SINGLELINE | DT_NOCLIP,
         TextColour(info));
}

void PaintButton(const ControlPaintInfo& info) {
    Fill(info.hdc, info.client, GetSysColor(COLOR_BTNFACE));
    RECT r = info.client;
    Frame(info.hdc, r, kFrame);
    if (info.isDefault) {
        r = Inset(r, 1);
        Frame(info.hdc, r, kFrame);
    }
    Edge(info.hdc, Inset(r, 1), info.checkState == 0);
    Text(info.hdc, info.text, info.client, DT_SINGLELINE | DT_CENTER | DT_VCENTER,
         TextColour(info));
    if (info.focused) Frame(info.hdc, Inset(info.client, 4), kShadow);
}

void PaintCheck(const ControlPaintInfo& info, bool radio) {
    Background(info, GetSysColor(COLOR_BTNFACE));
    const int box = std::min<int>(13, info.client.bottom);
    const int top = (info.client.bottom - box) / 2;
    RECT b{0, top, box, top + box};
    HBRUSH white = CreateSolidBrush(kLight);
    HPEN pen = CreatePen(PS_SOLID, 1, kFrame);
    HGDIOBJ oldBrush = SelectObject(info.hdc, white);
    HGDIOBJ oldPen = SelectObject(info.hdc, pen);
    if (radio) {
        Ellipse(info.hdc, b.left, b.top, b.right, b.bottom);
    } else {
        Rectangle(info.hdc, b.left, b.top, b.right, b.bottom);
    }
    if (info.checkState != BST_UNCHECKED) {
        SelectObject(info.hdc, GetStockObject(BLACK_BRUSH));
        RECT mark = Inset(b, 3);
        if (radio) {
            Ellipse(info.hdc, mark.left, mark.top, mark.right, mark.bottom);
        } else {
            Rectangle(info.hdc, mark.left, mark.top, mark.right, mark.bottom);
        }
    }
    SelectObject(info.hdc, oldBrush);
    SelectObject(info.hdc, oldPen);
    DeleteObject(white);
    DeleteObject(pen);
    const RECT label{box + 4, 0, info.client.right, info.client.bottom};
    Text(info.hdc, info.text, label, DT_SINGLELINE | DT_VCENTER, TextColour(info));
    // The focus mark: a frame around the label, as wide as its text.
    if (info.focused) {
        RECT words = label;
        DrawTextA(info.hdc, info.text.c_str(), static_cast<int>(info.text.size()), &words,
                  DT_SINGLELINE | DT_CALCRECT);
        const int height = words.bottom - words.top;
        const int top = (info.client.bottom - height) / 2;
        Frame(info.hdc,
              RECT{label.left - 2, std::max(0, top - 1),
                   std::min(static_cast<int>(info.client.right), static_cast<int>(words.right) + 2),
                   std::min(static_cast<int>(info.client.bottom), top + height + 1)},
              kShadow);
    }
}

void PaintEdit(const ControlPaintInfo& info, int lineHeight) {
    Background(info, kLight);
    Frame(info.hdc, info.client, kFrame);
    const std::string shown = info.text;
    const int x0 = 3;
    // The line centred, but its descent kept inside the frame: in a field as
    // low as the font, a "g", a "p" or a digit-group comma stands clear of the
    // bottom frame; the line's top may then use the font's leading, which
    // holds no ink but accents, under the top frame.
    TEXTMETRICA tm{};
    const bool measured = GetTextMetricsA(info.hdc, &tm) != 0;
    const int height = measured ? static_cast<int>(tm.tmHeight) : lineHeight;
    const int leading = measured ? static_cast<int>(tm.tmInternalLeading) : 0;
    const int bottom = static_cast<int>(info.client.bottom);
    const int y0 = std::max(1 - leading,
                            std::min(std::max(2, (bottom - height) / 2), bottom - 1 - height));
    auto widthTo = [&](int n) {
        SIZE s{};
        GetTextExtentPoint32A(info.hdc, shown.c_str(), n, &s);
        return static_cast<int>(s.cx);
    };
    const int n = static_cast<int>(shown.size());
    const int a = std::clamp(std::min(info.selectionStart, info.selectionEnd), 0, n);
    const int b = std::clamp(std::max(info.selectionStart, info.selectionEnd), 0, n);
    if (info.focused && a < b) {
        Fill(info.hdc, RECT{x0 + widthTo(a), y0, x0 + widthTo(b), y0 + lineHeight}, kSelection);
    }
    SetTextColor(info.hdc, TextColour(info));
    SetBkMode(info.hdc, TRANSPARENT);
    TextOutA(info.hdc, x0, y0, shown.c_str(), a);
    if (b > a) {
        SetTextColor(info.hdc, info.focused ? kLight : TextColour(info));
        TextOutA(info.hdc, x0 + widthTo(a), y0, shown.c_str() + a, b - a);
    }
    SetTextColor(info.hdc, TextColour(info));
    TextOutA(info.hdc, x0 + widthTo(b), y0, shown.c_str() + b, n - b);
    if (info.focused) {
        const int caret = x0 + widthTo(std::clamp(info.selectionEnd, 0, n));
        Fill(info.hdc, RECT{caret, y0, caret + 1, y0 + lineHeight}, RGB(0, 0, 0));
    }
}

// The left edge, in pixels from the row's start, of each tab stop of a list
// with LBS_USETABSTOPS: the stops are dialog units of the list's dialog;
// without stops of its own a list has one every 32 dialog units.
int TabStopX(const ControlPaintInfo& info, int column) {
    const int units = info.tabStops != nullptr && !info.tabStops->empty()
                          ? (column <= static_cast<int>(info.tabStops->size())
                                 ? (*info.tabStops)[static_cast<std::size_t>(column - 1)]
                                 : info.tabStops->back() +
                                       32 * (column - static_cast<int>(info.tabStops->size())))
                          : 32 * column;
    RECT r{0, 0, units, 0};
    if (!MapDialogRect(GetParent(info.hwnd), &r))
        r.right = units * LOWORD(GetDialogBaseUnits()) / 4;
    return r.right;
}

// A row's text: in a list with tab stops each tab-separated column starts at
// its stop, elsewhere the text as it stands.
void ListRowText(const ControlPaintInfo& info, const std::string& text, RECT row, COLORREF colour) {
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if ((info.style & LBS_USETABSTOPS) == 0 || text.find('\t') == std::string::npos) {
        Text(info.hdc, text, row, format, colour);
        return;
    }
    const LONG left = row.left;
    size_t start = 0;
    for (int column = 0;; ++column) {
        const size_t tab = text.find('\t', start);
        RECT cell = row;
        if (column > 0) cell.left = left + TabStopX(info, column);
        Text(info.hdc,
             text.substr(start, tab == std::string::npos ? std::string::npos : tab - start), cell,
             format, colour);
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
}

void PaintListBox(const ControlPaintInfo& info) {
    Background(info, kLight);
    Frame(info.hdc, info.client, kFrame);
    if (info.items == nullptr) return;
    const int h = std::max(1, info.itemHeight);
    int y = 1;
    for (int i = std::max(0, info.topIndex); i < static_cast<int>(info.items->size()); ++i) {
        if (y >= info.client.bottom) break;
        RECT row{1, y, info.client.right - 1, y + h};
        const bool selected = i == info.selectedIndex;
        if (selected) Fill(info.hdc, row, kSelection);
        row.left += 2;
        ListRowText(info, (*info.items)[static_cast<std::size_t>(i)], row,
                    selected ? kLight : TextColour(info));
        y += h;
    }
}

// The arrow in an arrow box of a scroll bar: a triangle pointing up or left
// (`first`) or down or right, a third of the box's size.
void Arrow(HDC dc, RECT r, bool vertical, bool first, COLORREF colour) {
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    const int half = std::max(1, std::min(w, h) / 4);
    const int cx = r.left + w / 2;
    const int cy = r.top + h / 2;
    POINT p[3];
    if (vertical) {
        const int tip = first ? cy - half / 2 - 1 : cy + half / 2 + 1;
        const int base = first ? tip + half : tip - half;
        p[0] = POINT{cx, tip};
        p[1] = POINT{cx - half, base};
        p[2] = POINT{cx + half, base};
    } else {
        const int tip = first ? cx - half / 2 - 1 : cx + half / 2 + 1;
        const int base = first ? tip + half : tip - half;
        p[0] = POINT{tip, cy};
        p[1] = POINT{base, cy - half};
        p[2] = POINT{base, cy + half};
    }
    HBRUSH brush = CreateSolidBrush(colour);
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    Polygon(dc, p, 3);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);
}

void PaintScrollBar(const ControlPaintInfo& info) {
    Fill(info.hdc, info.client, RGB(224, 224, 224));
    const RECT c = info.client;
    const int length = info.vertical ? c.bottom : c.right;
    const int thickness = info.vertical ? c.right : c.bottom;
    const ScrollBarGeometry g = MeasureScrollBar(info.scroll, length, thickness);
    auto box = [&](int from, int to) {
        return info.vertical ? RECT{0, from, c.right, to} : RECT{from, 0, to, c.bottom};
    };
    // The focus mark: the arrows and the thumb in the selection colour, the
    // arrows' points white, so a bar of two arrows alone shows it too.
    const COLORREF face = info.focused ? kSelection : GetSysColor(COLOR_BTNFACE);
    bool first = true;
    for (RECT r : {box(0, g.arrow), box(length - g.arrow, length)}) {
        Fill(info.hdc, r, face);
        Edge(info.hdc, r, true);
        Arrow(info.hdc, r, info.vertical, first, info.focused ? kLight : TextColour(info));
        first = false;
    }
    if (g.thumbLength == 0) return;
    const RECT t = box(g.thumbStart, g.thumbStart + g.thumbLength);
    Fill(info.hdc, t, face);
    Edge(info.hdc, t, true);
}

void PaintControl(const ControlPaintInfo& info) {
    if (info.hdc == nullptr) return;
    const int saved = SaveDC(info.hdc);
    SelectObject(info.hdc, info.font != nullptr ? static_cast<HGDIOBJ>(info.font)
                                                : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(info.hdc, &tm);
    switch (info.kind) {
        case ControlKind::Static:
            PaintStatic(info);
            break;
        case ControlKind::GroupBox:
            PaintGroupBox(info, tm.tmHeight);
            break;
        case ControlKind::PushButton:
            PaintButton(info);
            break;
        case ControlKind::CheckBox:
            PaintCheck(info, false);
            break;
        case ControlKind::RadioButton:
            PaintCheck(info, true);
            break;
        case ControlKind::Edit:
            PaintEdit(info, tm.tmHeight);
            break;
        case ControlKind::ListBox:
            PaintListBox(info);
            break;
        case ControlKind::ScrollBar:
            PaintScrollBar(info);
            break;
    }
    RestoreDC(info.hdc, saved);
}

// Dialog fonts are kept for the whole run, one per face and size, so every
// dialog of a template shares one font object.
DialogFont FontForDialog(const std::string& faceName, int pointSize) {
    static auto& cache = *new std::map<std::pair<std::string, int>, DialogFont>;
    const int points = pointSize > 0 ? pointSize : 8;
    const auto key = std::make_pair(faceName, points);
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    LOGFONTA lf;
    lf.lfHeight = -(points * 96 + 36) / 72;  // points at 96 pixels per inch
    lf.lfWeight = FW_NORMAL;
    lf.lfQuality = PROOF_QUALITY;
    const std::string face = faceName.empty() ? std::string("MS Sans Serif") : faceName;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    FontObject* font = NewFont(lf);
    font->stock = true;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    // Base units: the average width of the 52 letters, and the cell height.
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE letters{};
    GetTextExtentPoint32A(dc, kLetters, 52, &letters);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    DeleteDC(dc);
    DialogFont result{font, SIZE{(letters.cx / 26 + 1) / 2, tm.tmHeight}};
    if (result.baseUnits.cx <= 0 || result.baseUnits.cy <= 0) result.baseUnits = SIZE{};
    cache.emplace(key, result);
    return result;
}

}  // namespace

void PaintBuiltinControl(const ControlPaintInfo& info) {
    PaintControl(info);
}

void InstallControlPainting() {
    SetControlPainter(&PaintControl);
    SetDialogFontProvider(&FontForDialog);
}

}  // namespace win
