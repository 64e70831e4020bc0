// The windows of a print job: the modeless cancel dialog and the top-level
// windows kept disabled while it is up.
#pragma once

// Enables the windows StartPrintAbort disabled (each once) and forgets them.
void EnableJobWindows();
// Destroys the cancel dialog if it is still up.
void CloseCancelDialog();
