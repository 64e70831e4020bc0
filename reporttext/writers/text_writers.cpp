// Writers of the plain-text, rich-text, CSV and fast-table forms.
#include "reporttext/writers/text_writers.h"

#include <cstdio>
#include <cstdlib>

#include "common/byte_io.h"

namespace {

std::string Margin(uint32_t leftMargin) {
    // A margin beyond a line's width is a damaged setting, not a layout.
    return std::string(leftMargin > 255 ? 255 : leftMargin, ' ');
}

// ---- Rich text ----------------------------------------------------------------------

std::vector<win::COLORREF> ColourTable(const std::vector<ComposedLine>& lines) {
    std::vector<win::COLORREF> colours{kLayoutBlack};
    for (const ComposedLine& line : lines)
        for (const TextCell& c : line.cells) {
            bool known = false;
            for (win::COLORREF k : colours) known = known || k == c.colour;
            if (!known) colours.push_back(c.colour);
        }
    return colours;
}

int ColourIndex(const std::vector<win::COLORREF>& colours, win::COLORREF colour) {
    for (std::size_t i = 0; i < colours.size(); ++i)
        if (colours[i] == colour) return static_cast<int>(i) + 1;  // \cf0 is the default
    return 1;
}

void AppendRtfChar(std::string& out, char ch) {
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c == '\\' || c == '{' || c == '}') {
        out.push_back('\\');
        out.push_back(ch);
    } else if (c > 127 || c < 32) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\'%02x", c);
        out += hex;
    } else {
        out.push_back(ch);
    }
}

void AppendRtfLine(std::string& out, const ComposedLine& line,
                   const std::vector<win::COLORREF>& colours, const std::string& margin,
                   int& colour) {
    if (!line.cells.empty()) out += margin;
    for (const TextCell& c : line.cells) {
        const int index = ColourIndex(colours, c.colour);
        if (index != colour) {
            out += "\\cf" + std::to_string(index) + " ";
            colour = index;
        }
        if (c.script == CellScript::kPlain) {
            AppendRtfChar(out, c.ch);
        } else {
            out += c.script == CellScript::kSub ? "{\\sub " : "{\\super ";
            AppendRtfChar(out, c.ch);
            out += "}";
        }
    }
}

// ---- CSV ------------------------------------------------------------------------------

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

// ---- Fast table -------------------------------------------------------------------------

class TableWriter {
  public:
    explicit TableWriter(std::vector<uint8_t>& out) : out_(out) {}

    void Table(uint16_t rows, uint16_t columns) {
        Header(XlTableRecord::kTable, 4);
        U16(rows);
        U16(columns);
    }
    void Cell(const SheetCell* cell) {
        if (cell == nullptr) {
            Blank();
        } else if (cell->number) {
            Number(std::strtod(cell->text.c_str(), nullptr));
        } else {
            String(cell->text);
        }
    }
    void Finish() { Close(); }

  private:
    void Header(uint16_t type, uint16_t size) {
        U16(type);
        U16(size);
    }
    void U16(uint16_t v) {
        out_.push_back(static_cast<uint8_t>(v & 0xFF));
        out_.push_back(static_cast<uint8_t>(v >> 8));
    }
    // Starts a record of `type` unless the open one is of that type and has
    // room for `more` bytes.
    void Open(uint16_t type, std::size_t more) {
        if (openType_ == type && out_.size() - openData_ + more <= 0xFFFF) return;
        Close();
        openType_ = type;
        Header(type, 0);
        openData_ = out_.size();
    }
    void Close() {
        if (openType_ == 0) return;
        if (openType_ == XlTableRecord::kBlank) U16(blanks_);
        bytes::PutU16(out_.data() + openData_ - 2, static_cast<uint16_t>(out_.size() - openData_));
        openType_ = 0;
        blanks_ = 0;
    }
    void Blank() {
        if (openType_ != XlTableRecord::kBlank || blanks_ == 0xFFFF) {
            Close();
            openType_ = XlTableRecord::kBlank;
            Header(XlTableRecord::kBlank, 0);
            openData_ = out_.size();
        }
        ++blanks_;
    }
    void Number(double v) {
        Open(XlTableRecord::kFloat, 8);
        uint8_t b[8];
        bytes::PutF64(b, v);
        out_.insert(out_.end(), b, b + 8);
    }
    void String(const std::string& s) {
        const std::size_t n = s.size() > 255 ? 255 : s.size();
        Open(XlTableRecord::kString, n + 1);
        out_.push_back(static_cast<uint8_t>(n));
        out_.insert(out_.end(), s.begin(), s.begin() + static_cast<std::ptrdiff_t>(n));
    }

    std::vector<uint8_t>& out_;
    uint16_t openType_ = 0;
    std::size_t openData_ = 0;
    uint16_t blanks_ = 0;
};

}  // namespace

std::string WritePlainText(const std::vector<ComposedLine>& lines, uint32_t leftMargin) {
    const std::string margin = Margin(leftMargin);
    std::string out;
    for (const ComposedLine& line : lines) {
        if (!line.cells.empty()) out += margin;
        for (const TextCell& c : line.cells) out.push_back(c.ch);
        out += "\r\n";
    }
    out.push_back('\0');
    return out;
}

std::string WriteRichText(const std::vector<ComposedLine>& lines, uint32_t leftMargin) {
    const std::vector<win::COLORREF> colours = ColourTable(lines);
    std::string out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0"
        "{\\fonttbl{\\f0\\fmodern\\fprq1\\fcharset0 Courier New;}}\r\n{\\colortbl;";
    for (win::COLORREF c : colours)
        out += "\\red" + std::to_string(win::GetRValue(c)) + "\\green" +
               std::to_string(win::GetGValue(c)) + "\\blue" + std::to_string(win::GetBValue(c)) +
               ";";
    out += "}\r\n\\f0\\fs20\\cf1 ";
    const std::string margin = Margin(leftMargin);
    int colour = 1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out += "\\par\r\n";
        AppendRtfLine(out, lines[i], colours, margin, colour);
    }
    return out;
}

std::string WriteCsv(const std::vector<ComposedLine>& lines) {
    std::string out;
    for (const ComposedLine& line : lines) {
        for (std::size_t i = 0; i < line.sheet.size(); ++i) {
            if (i > 0) out.push_back(',');
            out += CsvField(line.sheet[i].text);
        }
        out += "\r\n";
    }
    return out;
}

std::vector<uint8_t> WriteXlTable(const std::vector<ComposedLine>& lines) {
    std::size_t columns = 1;
    for (const ComposedLine& line : lines)
        if (line.sheet.size() > columns) columns = line.sheet.size();
    const std::size_t rows = lines.size() > 0xFFFF ? 0xFFFF : lines.size();
    if (columns > 0xFFFF) columns = 0xFFFF;
    std::vector<uint8_t> out;
    TableWriter w(out);
    w.Table(static_cast<uint16_t>(rows), static_cast<uint16_t>(columns));
    for (std::size_t r = 0; r < rows; ++r)
        for (std::size_t c = 0; c < columns; ++c)
            w.Cell(c < lines[r].sheet.size() ? &lines[r].sheet[c] : nullptr);
    w.Finish();
    return out;
}
