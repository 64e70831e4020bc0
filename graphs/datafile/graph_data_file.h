// The graph data file: the numbers behind a 3D graph as plain text for a
// spreadsheet (quoted identification and title lines, the column values, then
// one line per row: its value and its seven plotted values).
#pragma once

#include <cstdint>
#include <string>

#include "platform/window/win_types.h"

constexpr int kGraphDataSide = 7;

// What one data file holds; the texts may be empty or null.
struct GraphDataTable {
    const float* rowValues;     // 7, in the order of the rows of `values`
    const float* columnValues;  // 7, in the order of the columns of `values`
    const double* values;       // 49, row-major
    const char* titles[4];      // the plotted index, its unit, the profile title, the subtitle
};

// The lines of the file, each ended by a bare line feed: the first five
// texts of currentDescription and the four titles that are not empty, quoted
// (an inner double quote doubled); the column values "%f" joined by commas,
// then each row value and its seven values ("N/A" for a value not
// calculated). A non-zero `reverseColumns` writes
// the column line from the last value to the first; a non-zero `reverseRows`
// takes the row values from the last to the first, so each heading stands by
// the values drawn for it.
[[nodiscard]] std::string GraphDataText(const GraphDataTable& table, uint16_t reverseColumns,
                                        uint16_t reverseRows);

// Asks for a ".dat" name ("Select DAT File") owned by `owner` and writes
// GraphDataText there. Returns 0 when the file was written (the user is told
// where) or the user cancelled; 1 when the file cannot be opened, or a write
// or the close fails (the partial file is then deleted). `extraTables` is
// accepted for the callers' sake: the file holds the one 7 x 7 table.
int ExportGraphData(win::HWND owner, int16_t extraTables, uint16_t reverseColumns,
                    uint16_t reverseRows, const GraphDataTable& table);
