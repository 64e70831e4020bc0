// Formatted text in a rectangle: explicit line breaks, word breaks at the
// rectangle's width, left, centred or right lines, vertical placement of a
// single line, the '&' prefix marks of control texts (the marked letter
// underlined), measuring only
// (DT_CALCRECT) and clipping to the rectangle.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "platform/gdi/gdi_dc.h"
#include "platform/gdi/gdi_transform.h"

namespace win {
namespace {

// Drops the '&' marks of a control text ("&&" stays as one '&'); `marked`
// gets the place in the result of the first letter a single '&' marks (the
// one underlined), npos for none.
std::string StripPrefixes(const std::string& text, std::size_t* marked) {
    std::string out;
    *marked = std::string::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && *marked == std::string::npos) *marked = out.size();
        }
        out.push_back(text[i]);
    }
    return out;
}

int Width(HDC hdc, const std::string& s) {
    SIZE size;
    if (!GetTextExtentPoint32A(hdc, s.data(), static_cast<int>(s.size()), &size)) return 0;
    return size.cx;
}

// Breaks one paragraph into lines no wider than `width` at blanks; a word
// wider than the line stands alone on its line.
void BreakWords(HDC hdc, const std::string& paragraph, int width, std::vector<std::string>* lines) {
    std::string line;
    std::size_t i = 0;
    while (i < paragraph.size()) {
        std::size_t end = paragraph.find(' ', i);
        if (end == std::string::npos) end = paragraph.size();
        const std::string word = paragraph.substr(i, end - i);
        const std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && Width(hdc, candidate) > width) {
            lines->push_back(line);
            line = word;
        } else {
            line = candidate;
        }
        i = end + 1;
    }
    lines->push_back(line);
}

}  // namespace

int DrawTextA(HDC hdc, const char* text, int length, RECT* rect, UINT format) {
    DeviceContext* dc = AsDc(hdc);
    if (dc == nullptr || rect == nullptr || text == nullptr) return 0;
    if (length < 0) length = static_cast<int>(std::strlen(text));
    std::string all(text, static_cast<std::size_t>(length));
    std::size_t marked = std::string::npos;
    if ((format & DT_NOPREFIX) == 0) all = StripPrefixes(all, &marked);
    TEXTMETRICA tm;
    if (!GetTextMetricsA(hdc, &tm)) return 0;
    const int lineHeight = tm.tmHeight;
    const int boxWidth = std::abs(rect->right - rect->left);

    std::vector<std::string> lines;
    if ((format & DT_SINGLELINE) != 0) {
        all.erase(
            std::remove_if(all.begin(), all.end(), [](char c) { return c == '\r' || c == '\n'; }),
            all.end());
        lines.push_back(all);
    } else {
        std::size_t start = 0;
        while (start <= all.size()) {
            std::size_t end = all.find('\n', start);
            if (end == std::string::npos) end = all.size();
            std::string paragraph = all.substr(start, end - start);
            if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
            if ((format & DT_WORDBREAK) != 0) {
                BreakWords(hdc, paragraph, boxWidth, &lines);
            } else {
                lines.push_back(paragraph);
            }
            if (end == all.size()) break;
            start = end + 1;
        }
    }

    // Lines run down the device; in a y-up mapping that is toward smaller y.
    const Xform x = DrawXform(dc->state);
    const int dir = x.sy < 0 ? -1 : 1;
    const int textHeight = lineHeight * static_cast<int>(lines.size());
    if ((format & DT_CALCRECT) != 0) {
        int widest = 0;
        for (const std::string& l : lines) widest = std::max(widest, Width(hdc, l));
        if ((format & DT_WORDBREAK) == 0 || widest > boxWidth) rect->right = rect->left + widest;
        rect->bottom = rect->top + dir * textHeight;
        return textHeight;
    }

    int y = rect->top;
    if ((format & DT_SINGLELINE) != 0) {
        const int boxHeight = std::abs(rect->bottom - rect->top);
        if ((format & DT_VCENTER) != 0) y = rect->top + dir * ((boxHeight - lineHeight) / 2);
        if ((format & DT_BOTTOM) != 0) y = rect->top + dir * (boxHeight - lineHeight);
    }
    const int saved = SaveDC(hdc);
    SetTextAlign(hdc, TA_LEFT | TA_TOP);
    if ((format & DT_NOCLIP) == 0) {
        IntersectClipRect(hdc, std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
                          std::max(rect->left, rect->right), std::max(rect->top, rect->bottom));
    }
    for (const std::string& l : lines) {
        int lx = rect->left;
        if ((format & DT_CENTER) != 0) lx = rect->left + (boxWidth - Width(hdc, l)) / 2;
        if ((format & DT_RIGHT) != 0) lx = rect->right - Width(hdc, l);
        TextOutA(hdc, lx, y, l.data(), static_cast<int>(l.size()));
        // The marked letter of a one-line text is underlined, a pixel below
        // the baseline, in the text's colour.
        if (lines.size() == 1 && marked < l.size() && l[marked] != ' ') {
            const int from = lx + Width(hdc, l.substr(0, marked));
            const int to = lx + Width(hdc, l.substr(0, marked + 1));
            const int under = y + dir * (tm.tmAscent + 1);
            RECT bar{from, std::min(under, under + dir), to, std::max(under, under + dir)};
            HBRUSH ink = CreateSolidBrush(GetTextColor(hdc));
            FillRect(hdc, &bar, ink);
            DeleteObject(ink);
        }
        y += dir * lineHeight;
    }
    RestoreDC(hdc, saved);
    return textHeight;
}

}  // namespace win
