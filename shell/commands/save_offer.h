// The offer to save changed work before it is dropped: New, QUIT, the close box
// and Open File ask it. After Yes a cancelled or failed save stops the command,
// so answering Yes never loses the work.
#pragma once

#include "platform/window/win_types.h"

// With dataChanged set, asks "Data has been modified since you last saved to
// file! Did you wish to save your Workspace(Y/N)" ("DATA HAS CHANGED!"). Yes
// runs the Save As dialog and writes the work file (dataChanged is cleared when
// it is written). True when the command may go on: nothing had changed, the
// answer was No, or the work was saved; false when the save was cancelled or
// failed.
[[nodiscard]] bool OfferToSaveWork(win::HWND owner);
