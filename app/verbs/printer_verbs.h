// The printer verbs of scripts: the answer to the next print or printer set-up
// dialog (a printer and its orientation, or a cancel), and a press of Cancel in
// the cancel dialog of a print job once a given page of its document has ended.
#pragma once

#include "app/script.h"

// Queues the answer of a printer verb; it waits for the dialog or page it is
// meant for.
void QueuePrinterAnswer(const ScriptAction& a);
