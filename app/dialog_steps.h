// The steps a script runs in a dialog it answers: set, check, press, select,
// click, dblclick, type, key, scroll, thumb, read, dump and snap.
#pragma once

#include "app/run_log.h"
#include "app/script.h"
#include "platform/window/win_types.h"

// Runs one step on the open dialog; a control the dialog lacks, a list row it
// lacks or a picture that cannot be written fails the script.
void RunDialogStep(win::HWND dialog, const ScriptAction& step, RunLog& log);

// The step as the script wrote it (without "dialog ID").
[[nodiscard]] std::string DescribeDialogStep(const ScriptAction& step);
