// The rows of a comma-separated table with tabs between their cells, for
// programs that paste text (a spreadsheet or an editor takes each tab as the
// next column): quoted cells lose their quotes ("" is one quote), a comma or
// line end inside quotes stays in the cell, a tab inside a cell becomes a
// blank. Trailing NUL bytes (a clipboard block) are dropped; rows end in
// CR LF as the table's own lines do.
#pragma once

#include <string>

namespace win {

[[nodiscard]] std::string CsvTabRows(const std::string& csv);

}  // namespace win
