// Comma-separated rows to tab-separated ones (csv_tab_rows.h).
#include "platform/system/csv_tab_rows.h"

namespace win {

std::string CsvTabRows(const std::string& csv) {
    std::size_t end = csv.size();
    while (end > 0 && csv[end - 1] == '\0') --end;
    std::string out;
    bool quoted = false;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < end && csv[i + 1] == '"') {
                out.push_back('"');
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                out.push_back(c == '\t' ? ' ' : c);
            }
            continue;
        }
        if (c == '"')
            quoted = true;
        else if (c == ',')
            out.push_back('\t');
        else if (c == '\n' && (out.empty() || out.back() != '\r'))
            out += "\r\n";
        else
            out.push_back(c == '\t' ? ' ' : c);
    }
    return out;
}

}  // namespace win
