// A report document composed into its text lines, the common ground of the
// plain-text, rich-text and spreadsheet writers. The lines are the heading
// lines the heading file switches on, then per part its title, a blank line
// and its lines, parts apart by a blank line. Characters are Windows-1252: the
// layouts' OEM bytes are converted and a raised 'o' becomes the degree sign.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/win_types.h"
#include "reporttext/layout/report_layout.h"

enum class CellScript : uint8_t { kPlain, kSub, kSuper };

// One character cell of a text line.
struct TextCell {
    char ch = ' ';
    win::COLORREF colour = kLayoutBlack;
    CellScript script = CellScript::kPlain;
};

// One spreadsheet cell: an item's text without markers or outer blanks.
struct SheetCell {
    std::string text;
    bool number = false;  // a value that is a plain decimal ("12.50", "-3", "100000.")
};

struct ComposedLine {
    std::vector<TextCell> cells;  // trailing blanks dropped
    std::vector<SheetCell> sheet;
};

[[nodiscard]] std::vector<ComposedLine> ComposeDocument(const ReportDocument& document);

// The Windows-1252 byte of a byte of the page font's OEM code page (437); '?'
// where that code page has no such character.
[[nodiscard]] char OemToWindows1252(unsigned char oem);

// Whether a text is a plain decimal: an optional '-', an integer part without a
// superfluous leading zero, and optionally a point and decimals.
[[nodiscard]] bool IsPlainDecimalText(const std::string& text);
