// The one text buffer every text report is written into (movable global
// memory), with its write position and the switches that shape the text.
#pragma once

#include <cstdint>

#include "platform/window/win_types.h"

struct ReportBuffer {
    uint32_t bytesWritten;
    uint32_t writePosition;
    win::HGLOBAL handle;
    uint32_t leftMargin;  // blanks before each line
    uint32_t rtfMode;     // 1 rich text, 0 plain text
    uint32_t column;
};
extern ReportBuffer reportBuffer;

void ResetReportBufferRecords();
