// Script verbs on a window found by its class: its menu commands, keys, mouse
// clicks, scroll bars and wheel, and the log of a menu and of the top-level
// windows.
#pragma once

#include "app/run_log.h"
#include "app/script.h"

// menu, key, click, dblclick, scroll, wheel: input to the program; false (after a
// script failure) when the window or the menu item is not there.
bool RunWindowInput(const ScriptAction& a);
// menustate and windows: written into the log.
void RunWindowReport(const ScriptAction& a, RunLog& log);

[[nodiscard]] bool IsWindowInput(ScriptAction::Verb verb);
