// Plain text out of rich text (RTF 1.x): groups, control words with their
// numeric parameter and one optional delimiting blank, control symbols, and
// the destinations that hold no body text.
#include "platform/system/rtf_plain_text.h"

#include <cctype>
#include <string_view>
#include <vector>

namespace win {
namespace {

// Destinations whose text is not part of the body.
bool SkippedDestination(std::string_view word) {
    for (std::string_view d : {"fonttbl", "colortbl", "stylesheet", "info", "pict", "header",
                               "footer", "listtable", "listoverridetable", "generator"}) {
        if (word == d) return true;
    }
    return false;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string RtfPlainText(const std::string& rtf) {
    std::string out;
    std::vector<bool> skipping{false};  // per open group
    std::size_t i = 0;
    const std::size_t n = rtf.size();
    bool groupStart = false;  // the next control word opens the group
    while (i < n && rtf[i] != '\0') {
        const char c = rtf[i];
        if (c == '{') {
            skipping.push_back(skipping.back());
            groupStart = true;
            ++i;
            continue;
        }
        if (c == '}') {
            if (skipping.size() > 1) skipping.pop_back();
            groupStart = false;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {  // line ends of the source are not text
            ++i;
            continue;
        }
        if (c != '\\') {
            if (!skipping.back()) out.push_back(c);
            groupStart = false;
            ++i;
            continue;
        }
        // A control word or symbol.
        if (i + 1 >= n) break;
        const char next = rtf[i + 1];
        if (std::isalpha(static_cast<unsigned char>(next))) {
            std::size_t j = i + 1;
            while (j < n && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const std::string_view word(rtf.data() + i + 1, j - i - 1);
            if (j < n && (rtf[j] == '-' || std::isdigit(static_cast<unsigned char>(rtf[j])))) {
                ++j;
                while (j < n && std::isdigit(static_cast<unsigned char>(rtf[j]))) ++j;
            }
            if (j < n && rtf[j] == ' ') ++j;  // the delimiter belongs to the word
            if (groupStart && SkippedDestination(word)) skipping.back() = true;
            if (!skipping.back()) {
                if (word == "par" || word == "line") out += "\r\n";
                if (word == "tab") out.push_back('\t');
            }
            groupStart = false;
            i = j;
            continue;
        }
        if (next == '*' && groupStart) {  // an optional destination: never body text
            skipping.back() = true;
            i += 2;
            continue;
        }
        if (next == '\'' && i + 3 < n && HexValue(rtf[i + 2]) >= 0 &&
            HexValue(rtf[i + 3]) >= 0) {
            if (!skipping.back())
                out.push_back(static_cast<char>(HexValue(rtf[i + 2]) * 16 + HexValue(rtf[i + 3])));
            groupStart = false;
            i += 4;
            continue;
        }
        if (next == '\\' || next == '{' || next == '}') {
            if (!skipping.back()) out.push_back(next);
        } else if (next == '~') {
            if (!skipping.back()) out.push_back(' ');
        }
        groupStart = false;
        i += 2;
    }
    return out;
}

}  // namespace win
