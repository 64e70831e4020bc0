// The save offer of the commands that drop the workspace.
#include "shell/commands/save_offer.h"

#include "platform/dialogs/message_box.h"
#include "shell/commands/quit_sequence.h"
#include "shell/commands/work_file_commands.h"
#include "shell/records.h"

bool OfferToSaveWork(win::HWND owner) {
    if (mainWindowState.dataChanged == 0) return true;
    const int answer =
        win::MessageBox(owner, kSaveQuestion, kSaveCaption, win::MB_YESNO | win::MB_ICONQUESTION);
    if (answer != win::IDYES) return true;
    if (ShowSaveAsDialog(owner) != 0) return false;  // cancelled: the work stays
    if (SaveWorkFile(owner) != 0) return false;      // failed: it reported why
    mainWindowState.dataChanged = 0;
    return true;
}
