// Filling a layout: every item moves the end line below itself.
#include "reporttext/layout/report_layout.h"

#include <utility>

namespace {

void Add(ReportLayout& layout, int line, int column, std::string text, win::COLORREF colour,
         ItemKind kind, FontRole font = FontRole::kNormal, Anchor anchor = Anchor::kStart) {
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
    namedLines[static_cast<int>(name)] = line;
    if (line > endLine) endLine = line;
}

int ReportLayout::NamedLine(LayoutLine name) const {
    return namedLines[static_cast<int>(name)];
}
