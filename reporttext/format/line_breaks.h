// Breaking a text the user typed over several lines, one rule for the pages
// (character cells) and the printed reports (measured widths).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// How many leading characters of `rest` fit on one line (0 when none does).
using LineFitting = std::function<std::size_t(std::string_view rest)>;

// The lines of `text`: each takes as many characters as fit and, when the text
// goes on past it, ends after its last blank where it has one; a word longer
// than a line is cut where the line ends, and a line holds at least one
// character. The blanks at a break are left out; an empty text gives no lines.
[[nodiscard]] std::vector<std::string> BreakIntoLines(std::string_view text,
                                                      const LineFitting& fitting);

// The same for lines of `columns` character cells.
[[nodiscard]] std::vector<std::string> BreakIntoColumns(std::string_view text, std::size_t columns);
