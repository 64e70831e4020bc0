// Steps the print and printer set-up commands share on the kept print dialog
// record: clearing it, running the dialog with extra flags, and keeping copies
// of the device mode and device names of the last good dialog.
#pragma once

#include "platform/window/win_types.h"

// The record as on first use: all clear, structure size 66, no owner.
void ClearPrintDialogRecord();
// Saves Flags in savedFlags, adds `extraFlags` and runs the dialog. The result
// of the dialog call.
win::BOOL RunPrintDialog(win::DWORD extraFlags);
// Replaces savedDevMode and savedDevNames with copies of the record's blocks,
// each when the record holds one.
void KeepDialogChoice();
// A copy of a movable block (nullptr for none or a failed allocation).
[[nodiscard]] win::HGLOBAL CopyBlock(win::HGLOBAL block);
