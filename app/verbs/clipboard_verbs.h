// The clipboard verbs of scripts: what it holds into the log, a format saved to
// a file, and text or a file's bytes put there as another program would.
#pragma once

#include "app/run_log.h"
#include "app/script.h"

// list, save, text, load and empty. A format the clipboard does not hold (save)
// or no format of that name (save, load) fails the script.
void RunClipboardVerb(const ScriptAction& a, RunLog& log);
