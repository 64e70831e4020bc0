// The text forms of a composed report: plain text and rich text for the
// clipboard, and the spreadsheet table in the "Csv" and "XlTable" forms.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reporttext/writers/composed_text.h"

// Each line behind `leftMargin` blanks, ended by CR LF; then a closing NUL.
[[nodiscard]] std::string WritePlainText(const std::vector<ComposedLine>& lines,
                                         uint32_t leftMargin);

// "{\rtf1\ansi\ansicpg1252" with a fixed-pitch font table and a colour table,
// then the lines apart by "\par", colour changes as "\cfN", lowered and raised
// characters as "{\sub x}" and "{\super x}", bytes above 127 as "\'hh". The
// closing of the text (kRtfEnd) is left to WriteRtfEnd.
[[nodiscard]] std::string WriteRichText(const std::vector<ComposedLine>& lines,
                                        uint32_t leftMargin);
inline constexpr const char* kRtfEnd = "\\par }";

// RFC 4180: a row per line and a field per cell, a field quoted only when it
// holds a comma, a quote or a line end, rows ended by CR LF.
[[nodiscard]] std::string WriteCsv(const std::vector<ComposedLine>& lines);

// The spreadsheet fast-table form: a table record (type 0x0010: rows, columns)
// and then the cells row by row, runs of one kind in one record: numbers
// (0x0001, doubles), strings (0x0002, a length byte and the characters) and
// blanks (0x0005, a count); each record is a u16 type and a u16 byte count
// before its data, little-endian.
[[nodiscard]] std::vector<uint8_t> WriteXlTable(const std::vector<ComposedLine>& lines);
namespace XlTableRecord {
enum : uint16_t { kFloat = 0x0001, kString = 0x0002, kBlank = 0x0005, kTable = 0x0010 };
}
