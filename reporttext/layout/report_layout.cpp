// Filling a layout: every item moves the end line below itself.
#include "reporttext/layout/report_layout.h"

#include <utility>

namespace {

int Placed(const ReportLayout& layout, int line) {
    return layout.openedLines > 0 && line >= layout.openedFrom ? line + layout.openedLines : line;
}

void Add(ReportLayout& layout, int line, int column, std::string text, win::COLORREF colour,
         ItemKind kind, FontRole font = FontRole::kNormal, Anchor anchor = Anchor::kStart) {
    line = Placed(layout, line);
    layout.items.push_back(LayoutItem{line, column, std::move(text), colour, kind, font, anchor});
    if (line + 1 > layout.endLine) layout.endLine = line + 1;
}

}  // namespace

void ReportLayout::AddText(int line, int column, std::string text, win::COLORREF colour) {
    Add(*this, line, column, std::move(text), colour, ItemKind::kText);
}

void ReportLayout::AddValue(int line, int column, std::string text, win::COLORREF colour) {
    Add(*this, line, column, std::move(text), colour, ItemKind::kValue);
}

void ReportLayout::AddRule(int line, int column, std::string text) {
    Add(*this, line, column, std::move(text), kLayoutBlack, ItemKind::kRule);
}

void ReportLayout::AddTyped(int line, int column, std::string text, FontRole font) {
    Add(*this, line, column, std::move(text), kLayoutBlack, ItemKind::kTyped, font);
}

void ReportLayout::AddText(int line, int column, std::string text, FontRole font) {
    Add(*this, line, column, std::move(text), kLayoutBlack, ItemKind::kText, font);
}

void ReportLayout::AddValueEnd(int line, int endColumn, std::string text, FontRole font) {
    Add(*this, line, endColumn, std::move(text), kLayoutBlack, ItemKind::kValue, font,
        Anchor::kEnd);
}

void ReportLayout::AddAnchored(int line, int column, std::string text, ItemKind kind, FontRole font,
                               Anchor anchor) {
    Add(*this, line, column, std::move(text), kLayoutBlack, kind, font, anchor);
}

void ReportLayout::NameLine(LayoutLine name, int line) {
    line = Placed(*this, line);
    namedLines[static_cast<int>(name)] = line;
    if (line > endLine) endLine = line;
}

void ReportLayout::OpenLines(int from, int count) {
    if (count <= 0) return;
    openedFrom = from;
    openedLines = count;
}

int ReportLayout::NamedLine(LayoutLine name) const {
    return namedLines[static_cast<int>(name)];
}
