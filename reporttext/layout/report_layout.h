// The layout of one result page or report part: what stands where on its grid
// of character cells. A page's builder fills it from the global records alone;
// the page paints it, and the text, rich-text and spreadsheet copies are
// written from the same layout, so what is copied is what is shown.
//
// The program's texts are bytes of the page font's OEM code page; in its labels
// and values a '_' lowers and a '^' raises the one character after it (a
// doubled marker stands for the marker itself). Rules are drawn as they stand.
// The texts the user typed (IDs, comments, product names) keep the
// Windows-1252 bytes the dialogs store and are drawn in the ANSI version of
// the font and copied as they stand, so that every typed character shows and
// none is ever taken for a marker.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

inline constexpr win::COLORREF kLayoutBlack = win::RGB(0, 0, 0);

enum class ItemKind {
    kText,   // a label, heading or identification text
    kValue,  // a number cell; a plain decimal becomes a number in spreadsheets
    kRule,   // a rule of underscores: no markers, left out of spreadsheets
    kTyped,  // a text the user typed: no markers, a text cell in spreadsheets
};

// Where an item stands on a printed report's line. Pages place every item at
// its column; a printer measures the drawn width of the others.
enum class Anchor {
    kStart,           // starts at its column
    kEnd,             // its last character ends at its column
    kBeforePrevious,  // ends where the item drawn just before it starts
};

// The font an item is drawn in on a printed report (pages draw every item in
// their one font): the normal or bold report font, or the normal font of the
// user's own texts (comments, names), which keeps their Windows-1252 bytes.
enum class FontRole {
    kNormal,
    kBold,
    kUserText,
};

// Lines a page records the client y of while it paints.
enum class LayoutLine {
    kBandTop,         // the first line of the values a right click can copy
    kBandBottom,      // the line below the last of them
    kAlkalinityRows,  // the first of the alkalinity rows the alkalinity commands redraw
    kCount,
};
inline constexpr int kLayoutLineCount = static_cast<int>(LayoutLine::kCount);

struct LayoutItem {
    int line = 0;    // 0 is the page's first line
    int column = 0;  // character cell
    std::string text;
    win::COLORREF colour = kLayoutBlack;
    ItemKind kind = ItemKind::kText;
    FontRole font = FontRole::kNormal;
    Anchor anchor = Anchor::kStart;
};

// Whether the item's '_' and '^' are markers: not in rules nor typed texts.
[[nodiscard]] inline bool HasMarkers(const LayoutItem& item) {
    return item.kind != ItemKind::kRule && item.kind != ItemKind::kTyped;
}

struct ReportLayout {
    std::string title;              // the part's title in text reports
    std::vector<LayoutItem> items;  // in drawing order: a later item covers an earlier one
    int namedLines[kLayoutLineCount] = {-1, -1, -1};  // -1 where the page names none
    int endLine = 0;                                  // the line below the last line drawn
    // Lines opened under a typed text that needs more lines than the page
    // keeps for it: what is added later at or below `openedFrom` stands
    // `openedLines` lower.
    int openedFrom = 0;
    int openedLines = 0;

    void AddText(int line, int column, std::string text, win::COLORREF colour = kLayoutBlack);
    void AddValue(int line, int column, std::string text, win::COLORREF colour = kLayoutBlack);
    void AddRule(int line, int column, std::string text);
    // A text the user typed, shown character for character.
    void AddTyped(int line, int column, std::string text, FontRole font = FontRole::kUserText);
    // Printed reports: a text in a chosen font starting at its column, a value
    // ending at its column, and an item placed by its anchor.
    void AddText(int line, int column, std::string text, FontRole font);
    void AddValueEnd(int line, int endColumn, std::string text, FontRole font = FontRole::kNormal);
    void AddAnchored(int line, int column, std::string text, ItemKind kind, FontRole font,
                     Anchor anchor);
    void NameLine(LayoutLine name, int line);
    // Moves every item and named line added from now on at or below `from`
    // down by `count` lines (count 0 opens none).
    void OpenLines(int from, int count);
    // -1 when the page has not named that line.
    [[nodiscard]] int NamedLine(LayoutLine name) const;
};

// A text report: the parts written one after another (a report kind that
// covers several pages has several parts).
struct ReportDocument {
    std::vector<ReportLayout> parts;
};
