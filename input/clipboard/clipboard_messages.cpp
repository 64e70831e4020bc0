// The analysis clipboard's message boxes.
#include "input/clipboard/clipboard_messages.h"

#include "platform/dialogs/message_box.h"
#include "reporttext/format/format_value.h"
#include "shell/records.h"

void ReportClipboardFailure(const char* caption) {
    char blanks[80];
    PadWithBlanks(blanks, 79);
    win::MessageBox(mainWindowState.mainWindow, blanks, caption, win::MB_ICONINFORMATION);
}

void ReportClipboardEmpty() {
    win::MessageBox(mainWindowState.mainWindow, "Clipboard Empty",
                    "Clipboard empty. Analysis not pasted.", win::MB_ICONINFORMATION);
}
