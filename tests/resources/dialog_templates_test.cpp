// Every dialog template the program registers, written out control by control
// (class, id, text, style, position and size) and compared with the golden
// listing, so a change to the code that builds the templates cannot move,
// renumber or restyle a control unnoticed. TARVEX_REGEN_GOLDEN=1 rewrites it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/dialogs/dialog.h"
#include "resources/program_resources.h"

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Listing(int id, const win::DialogTemplate& t) {
    char line[160];
    std::snprintf(line, sizeof line, "dialog %d style %08lX at %d,%d size %d,%d font ", id,
                  static_cast<unsigned long>(t.style), t.x, t.y, t.cx, t.cy);
    std::string out = line + Quoted(t.fontName) + " " + std::to_string(t.pointSize) + " " +
                      Quoted(t.caption) + "\n";
    for (const win::DialogItemTemplate& item : t.items) {
        std::snprintf(line, sizeof line, "  %s %d style %08lX ex %08lX at %d,%d size %d,%d ",
                      item.className.c_str(), item.id, static_cast<unsigned long>(item.style),
                      static_cast<unsigned long>(item.exStyle), item.x, item.y, item.cx, item.cy);
        out += line + Quoted(item.text) + "\n";
    }
    return out;
}

TEST(DialogTemplates, MatchTheGoldenListing) {
    win::ClearDialogTemplates();
    RegisterProgramResources();
    std::string text;
    int count = 0;
    for (int id = 0; id < 10000; ++id) {
        if (const win::DialogTemplate* t = win::FindDialogTemplate(id)) {
            text += Listing(id, *t);
            ++count;
        }
    }
    win::ClearDialogTemplates();
    ASSERT_GT(count, 0);
    const std::string path =
        std::string(TARVEX_SOURCE_DIR) + "/tests/resources/golden/dialog_templates.txt";
    const char* regen = std::getenv("TARVEX_REGEN_GOLDEN");
    if (regen != nullptr && std::string(regen) == "1") {
        std::ofstream(path, std::ios::binary) << text;
        return;
    }
    std::stringstream expected;
    expected << std::ifstream(path, std::ios::binary).rdbuf();
    ASSERT_FALSE(expected.str().empty()) << path << " is missing";
    // Line by line, so a failure names the first control that differs.
    std::istringstream was(expected.str()), now(text);
    std::string a, b;
    int number = 0;
    while (true) {
        const bool moreWas = static_cast<bool>(std::getline(was, a));
        const bool moreNow = static_cast<bool>(std::getline(now, b));
        ++number;
        if (!moreWas && !moreNow) break;
        ASSERT_EQ(moreWas ? a : "<end>", moreNow ? b : "<end>") << "line " << number;
    }
}

}  // namespace
