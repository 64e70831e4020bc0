// The analysis clipboard's message boxes.
#include "input/clipboard/clipboard_messages.h"

#include "platform/dialogs/message_box.h"
#include "shell/records.h"

namespace {

constexpr const char* kCaption = "Clipboard";

}  // namespace

void ReportClipboardFailure(const char* message) {
    win::MessageBox(mainWindowState.mainWindow, message, kCaption, win::MB_ICONINFORMATION);
}

void ReportClipboardEmpty() {
    win::MessageBox(mainWindowState.mainWindow, "Clipboard Empty",
                    "Clipboard empty. Analysis not pasted.", win::MB_ICONINFORMATION);
}

void ReportPasteRefused(const std::string& why) {
    const std::string text = why + " Analysis not pasted.";
    win::MessageBox(mainWindowState.mainWindow, text.c_str(), "WARNING", win::MB_ICONINFORMATION);
}
