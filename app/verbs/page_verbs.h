// Script verbs that act on a result page by its class: drag it by its body,
// right-click one of its character cells, close it with its close box, log
// where it is, and save the plain text of what it shows.
#pragma once

#include <string>

#include "app/run_log.h"
#include "app/script.h"

// Runs a page verb; false (after a script failure naming the verb) when no
// window of the class is open or the file cannot be written.
bool RunPageVerb(const ScriptAction& a, RunLog& log);

// Whether the verb gives the program input to process (the runner then lets
// the loop run before the next action).
[[nodiscard]] bool PageVerbIsInput(ScriptAction::Verb verb);
