// Composing a document into text lines: items are laid on a line of character
// cells in drawing order, so a later item covers an earlier one as it does on
// the page.
#include "reporttext/writers/composed_text.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

#include "platform/gdi/gdi_types.h"
#include "platform/text/font_codepages.h"
#include "shell/settings/heading_records.h"

namespace {

constexpr char kDegreeSign = static_cast<char>(0xB0);

const std::array<char, 256>& OemTable() {
    static const std::array<char, 256> table = [] {
        std::map<char32_t, char> ansi;
        for (int b = 255; b >= 0; --b)
            ansi[win::ByteToUnicode(static_cast<unsigned char>(b), win::ANSI_CHARSET)] =
                static_cast<char>(b);
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            if (b < 128) {
                t[b] = static_cast<char>(b);
                continue;
            }
            const auto found =
                ansi.find(win::ByteToUnicode(static_cast<unsigned char>(b), win::OEM_CHARSET));
            t[b] = found != ansi.end() ? found->second : '?';
        }
        return t;
    }();
    return table;
}

// The cells of one item's text.
std::vector<TextCell> ItemCells(const LayoutItem& item) {
    std::vector<TextCell> cells;
    const std::string& t = item.text;
    // Typed texts hold Windows-1252 already; the program's texts are OEM.
    const bool typed = item.kind == ItemKind::kTyped;
    auto add = [&cells, &item, typed](unsigned char c, CellScript script) {
        cells.push_back(
            TextCell{typed ? static_cast<char>(c) : OemToWindows1252(c), item.colour, script});
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(t[i]);
        if (!HasMarkers(item) || (c != '_' && c != '^') || i + 1 == t.size()) {
            add(c, CellScript::kPlain);
        } else if (static_cast<unsigned char>(t[i + 1]) == c) {
            add(c, CellScript::kPlain);
            ++i;
        } else if (c == '^' && t[i + 1] == 'o') {
            cells.push_back(TextCell{kDegreeSign, item.colour, CellScript::kPlain});
            ++i;
        } else {
            add(static_cast<unsigned char>(t[i + 1]),
                c == '_' ? CellScript::kSub : CellScript::kSuper);
            ++i;
        }
    }
    return cells;
}

std::string Trimmed(const std::vector<TextCell>& cells) {
    std::string s;
    for (const TextCell& c : cells) s.push_back(c.ch);
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

void DropTrailingBlanks(std::vector<TextCell>& cells) {
    while (!cells.empty() && cells.back().ch == ' ') cells.pop_back();
}

ComposedLine PlainLine(const char* text) {
    ComposedLine line;
    for (const char* p = text; *p != '\0'; ++p) line.cells.push_back(TextCell{*p});
    DropTrailingBlanks(line.cells);
    if (!line.cells.empty()) {
        std::string s;
        for (const TextCell& c : line.cells) s.push_back(c.ch);
        line.sheet.push_back(SheetCell{s.substr(s.find_first_not_of(' ')), false});
    }
    return line;
}

// A heading line of the file: its 81 bytes, up to a terminator.
std::string HeadingText(const char* line) {
    return std::string(line, strnlen(line, kHeadingLineBytes));
}

void AddHeadings(std::vector<ComposedLine>& lines) {
    // The file's third line is the title; the first two are subtitles, shown
    // with the title when the file's marker moves them up to it.
    const bool subtitles = printSubheadings != 0 || (headingMarker != 0 && printHeadings);
    std::vector<std::string> texts;
    if (printHeadings != 0) texts.push_back(HeadingText(headingLine3));
    if (subtitles) {
        texts.push_back(HeadingText(headingLine1));
        texts.push_back(HeadingText(headingLine2));
    }
    bool any = false;
    for (const std::string& t : texts) {
        if (t.find_first_not_of(' ') == std::string::npos) continue;
        lines.push_back(PlainLine(t.c_str()));
        any = true;
    }
    if (any) lines.push_back(ComposedLine{});
}

void AddLayoutLines(const ReportLayout& layout, std::vector<ComposedLine>& lines) {
    std::vector<ComposedLine> body(static_cast<std::size_t>(layout.endLine));
    std::vector<std::map<int, const LayoutItem*>> sheetItems(body.size());
    for (const LayoutItem& item : layout.items) {
        if (item.line < 0 || item.line >= layout.endLine || item.column < 0) continue;
        std::vector<TextCell>& cells = body[static_cast<std::size_t>(item.line)].cells;
        const std::vector<TextCell> itemCells = ItemCells(item);
        // An item that ends at its column starts as many cells before it.
        int first = item.column;
        if (item.anchor != Anchor::kStart)
            first = std::max(0, item.column - static_cast<int>(itemCells.size()));
        const std::size_t end = static_cast<std::size_t>(first) + itemCells.size();
        if (cells.size() < end) cells.resize(end);
        // The blanks a value is padded with never wipe out the end of a
        // label that runs into its cell (they do cover a rule's underscores).
        bool leading = true;
        for (std::size_t i = 0; i < itemCells.size(); ++i) {
            TextCell& cell = cells[static_cast<std::size_t>(first) + i];
            leading = leading && itemCells[i].ch == ' ';
            if (!leading || cell.ch == ' ' || cell.ch == '_') cell = itemCells[i];
        }
        if (item.kind != ItemKind::kRule)
            sheetItems[static_cast<std::size_t>(item.line)][first] = &item;
    }
    for (std::size_t n = 0; n < body.size(); ++n) {
        DropTrailingBlanks(body[n].cells);
        for (const auto& [column, item] : sheetItems[n]) {
            const std::string text = Trimmed(ItemCells(*item));
            if (text.empty()) continue;
            body[n].sheet.push_back(
                SheetCell{text, item->kind == ItemKind::kValue && IsPlainDecimalText(text)});
        }
        lines.push_back(std::move(body[n]));
    }
}

}  // namespace

char OemToWindows1252(unsigned char oem) {
    return OemTable()[oem];
}

bool IsPlainDecimalText(const std::string& text) {
    std::size_t i = text.size() > 0 && text[0] == '-' ? 1 : 0;
    const std::size_t digitsFrom = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    const std::size_t digits = i - digitsFrom;
    if (digits == 0 || (digits > 1 && text[digitsFrom] == '0')) return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    }
    return i == text.size();
}

std::vector<ComposedLine> ComposeDocument(const ReportDocument& document) {
    std::vector<ComposedLine> lines;
    AddHeadings(lines);
    for (std::size_t p = 0; p < document.parts.size(); ++p) {
        const ReportLayout& part = document.parts[p];
        if (p > 0) lines.push_back(ComposedLine{});
        if (!part.title.empty()) {
            lines.push_back(PlainLine(part.title.c_str()));
            lines.push_back(ComposedLine{});
        }
        AddLayoutLines(part, lines);
    }
    return lines;
}
