// Definition of the clipboard analysis flag.
#include "input/clipboard_records.h"

uint32_t analysisOnClipboard;

void ResetClipboardRecords() {
    analysisOnClipboard = 0;
}
