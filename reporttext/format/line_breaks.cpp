// Breaking typed texts into lines.
#include "reporttext/format/line_breaks.h"

#include <algorithm>

std::vector<std::string> BreakIntoLines(std::string_view text, const LineFitting& fitting) {
    std::vector<std::string> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t fits = std::min(fitting(rest), rest.size());
        if (fits < rest.size()) {
            const std::size_t blank = rest.rfind(' ', fits);
            fits = blank != std::string_view::npos && blank > 0 ? blank
                                                                : std::max<std::size_t>(1, fits);
        }
        lines.emplace_back(rest.substr(0, fits));
        const std::size_t next = rest.find_first_not_of(' ', fits);
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next);
    }
    return lines;
}

std::vector<std::string> BreakIntoColumns(std::string_view text, std::size_t columns) {
    return BreakIntoLines(text, [columns](std::string_view) { return columns; });
}
