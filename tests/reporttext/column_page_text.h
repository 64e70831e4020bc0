// What a test reads of a page layout that draws from its first line: its lines
// as composed text, the text at a page line and column, the item placed there,
// and a comparison with a golden text (TARVEX_REGEN_GOLDEN=1 rewrites it).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "reporttext/layout/report_layout.h"
#include "reporttext/writers/composed_text.h"

namespace pagetext {

inline std::vector<std::string> Lines(const ReportLayout& layout) {
    ReportDocument document;
    document.parts.push_back(layout);
    std::vector<std::string> lines;
    const std::vector<ComposedLine> composed = ComposeDocument(document);
    for (std::size_t i = 2; i < composed.size(); ++i) {  // past the title and its blank
        std::string line;
        for (const TextCell& c : composed[i].cells) line += c.ch;
        lines.push_back(line);
    }
    return lines;
}

// Page line L (from 1), n characters from column c.
inline std::string At(const ReportLayout& l, int pageLine, int column, std::size_t n) {
    const std::vector<std::string> lines = Lines(l);
    if (pageLine - 1 >= static_cast<int>(lines.size())) return "<no line>";
    const std::string& s = lines[pageLine - 1];
    return static_cast<std::size_t>(column) < s.size() ? s.substr(column, n) : "";
}

inline const LayoutItem* ItemAt(const ReportLayout& l, int pageLine, int column) {
    const LayoutItem* found = nullptr;
    for (const LayoutItem& item : l.items)
        if (item.line == pageLine - 1 && item.column == column) found = &item;
    return found;
}

inline ::testing::AssertionResult MatchesGolden(const ReportLayout& layout,
                                                const std::string& name) {
    std::string text;
    for (const std::string& l : Lines(layout)) text += l + "\n";
    const std::string path =
        std::string(TARVEX_SOURCE_DIR) + "/tests/reporttext/golden/" + name + ".txt";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return ::testing::AssertionSuccess();
    }
    std::stringstream expected;
    expected << std::ifstream(path, std::ios::binary).rdbuf();
    if (expected.str() == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " differs; page now:\n" << text;
}

}  // namespace pagetext
