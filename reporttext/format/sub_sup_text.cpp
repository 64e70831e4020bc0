// Drawing and measuring labels with '_' and '^' markers. A label is split into
// pieces: runs of plain characters in the selected font and single marked
// characters in the small font, each with its offset along y.
#include "reporttext/format/sub_sup_text.h"

#include <string>
#include <vector>

#include "platform/gdi/gdi.h"

namespace {

enum class Script { kPlain, kSub, kSuper };

struct Piece {
    std::string text;
    Script script;
};

std::vector<Piece> SplitLabel(const char* text) {
    std::vector<Piece> pieces;
    auto appendPlain = [&pieces](char c) {
        if (pieces.empty() || pieces.back().script != Script::kPlain)
            pieces.push_back(Piece{"", Script::kPlain});
        pieces.back().text.push_back(c);
    };
    for (const char* p = text; *p != '\0'; ++p) {
        const char c = *p;
        if (c != '_' && c != '^') {
            appendPlain(c);
        } else if (p[1] == '\0') {
            appendPlain(c);  // a marker at the end stands for itself
        } else if (p[1] == c) {
            appendPlain(c);  // a doubled marker draws the marker
            ++p;
        } else {
            pieces.push_back(Piece{std::string(1, p[1]), c == '_' ? Script::kSub : Script::kSuper});
            ++p;
        }
    }
    return pieces;
}

// The selected font and the small font of the marked characters.
struct LabelFonts {
    win::HFONT small = nullptr;
    int height = 0;  // tmHeight of the selected font, logical units
};

bool NeedsSmallFont(const std::vector<Piece>& pieces) {
    for (const Piece& p : pieces)
        if (p.script != Script::kPlain) return true;
    return false;
}

LabelFonts MakeLabelFonts(win::HDC hdc, const std::vector<Piece>& pieces) {
    LabelFonts fonts;
    win::TEXTMETRICA tm;
    if (win::GetTextMetricsA(hdc, &tm)) fonts.height = tm.tmHeight;
    if (!NeedsSmallFont(pieces)) return fonts;
    win::LOGFONTA lf;
    const win::HGDIOBJ current = win::GetCurrentObject(hdc, win::OBJ_FONT);
    if (current == nullptr || win::GetObjectA(current, sizeof lf, &lf) == 0) return fonts;
    const int height = lf.lfHeight != 0 ? lf.lfHeight : tm.tmHeight;
    const int width = lf.lfWidth != 0 ? lf.lfWidth : tm.tmAveCharWidth;
    lf.lfHeight = height * 2 / 3;
    lf.lfWidth = width / 2;
    fonts.small = win::CreateFontIndirectA(&lf);
    return fonts;
}

int PieceWidth(win::HDC hdc, const Piece& piece, const LabelFonts& fonts) {
    win::HGDIOBJ previous = nullptr;
    if (piece.script != Script::kPlain && fonts.small != nullptr)
        previous = win::SelectObject(hdc, fonts.small);
    win::SIZE size;
    const int width = win::GetTextExtentPoint32A(hdc, piece.text.c_str(),
                                                 static_cast<int>(piece.text.size()), &size)
                          ? size.cx
                          : 0;
    if (previous != nullptr) win::SelectObject(hdc, previous);
    return width;
}

int LabelWidth(win::HDC hdc, const std::vector<Piece>& pieces, const LabelFonts& fonts) {
    int width = 0;
    for (const Piece& p : pieces) width += PieceWidth(hdc, p, fonts);
    return width;
}

}  // namespace

void TextOutSubSup(win::HDC hdc, int x, int y, const char* text, int /*length*/) {
    if (text == nullptr || text[0] == '\0') return;
    const std::vector<Piece> pieces = SplitLabel(text);
    const int saved = win::SaveDC(hdc);
    if (saved == 0) return;
    const LabelFonts fonts = MakeLabelFonts(hdc, pieces);
    // The pieces are drawn left to right from the label's left end, so a
    // right or centre alignment places the whole label first.
    const win::UINT align = win::GetTextAlign(hdc);
    const win::UINT horizontal = align & win::TA_CENTER;
    if (horizontal == win::TA_RIGHT || horizontal == win::TA_CENTER) {
        const int width = LabelWidth(hdc, pieces, fonts);
        x -= horizontal == win::TA_RIGHT ? width : width / 2;
    }
    win::SetTextAlign(hdc, align & ~(win::TA_CENTER | win::TA_UPDATECP));
    const int quarter = fonts.height / 4;
    const win::HGDIOBJ regular = win::GetCurrentObject(hdc, win::OBJ_FONT);
    for (const Piece& p : pieces) {
        int dy = 0;
        if (p.script != Script::kPlain && fonts.small != nullptr) {
            win::SelectObject(hdc, fonts.small);
            dy = p.script == Script::kSub ? quarter : -quarter;
        }
        win::TextOutA(hdc, x, y + dy, p.text.c_str(), static_cast<int>(p.text.size()));
        x += PieceWidth(hdc, p, fonts);
        if (p.script != Script::kPlain && fonts.small != nullptr) win::SelectObject(hdc, regular);
    }
    win::RestoreDC(hdc, saved);
    if (fonts.small != nullptr) win::DeleteObject(fonts.small);
}

uint16_t GetSubSupTextWidth(win::HDC hdc, const char* text, int /*length*/) {
    if (text == nullptr || text[0] == '\0') return 0;
    const std::vector<Piece> pieces = SplitLabel(text);
    const LabelFonts fonts = MakeLabelFonts(hdc, pieces);
    const int width = LabelWidth(hdc, pieces, fonts);
    if (fonts.small != nullptr) win::DeleteObject(fonts.small);
    return static_cast<uint16_t>(width & 0xFFFF);
}

void TextOutTyped(win::HDC hdc, int x, int y, std::string_view text) {
    if (text.empty()) return;
    win::TextOutA(hdc, x, y, text.data(), static_cast<int>(text.size()));
}

int GetTypedTextWidth(win::HDC hdc, std::string_view text) {
    win::SIZE size{};
    if (text.empty() ||
        !win::GetTextExtentPoint32A(hdc, text.data(), static_cast<int>(text.size()), &size))
        return 0;
    return size.cx;
}

std::string TypedTextInLabel(std::string_view typed) {
    std::string label;
    for (const char c : typed) {
        if (c == '_' || c == '^') label.push_back(c);
        label.push_back(c);
    }
    return label;
}
