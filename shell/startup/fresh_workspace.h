// The workspace of a fresh start, kept once the start-up has set it, so that
// New and opening a file begin from it rather than from the work before.
#pragma once

#include <cstdint>
#include <vector>

// Keeps the workspace as the start-up left it: every record the work file
// holds, and the records beside them that no file holds (the constant values,
// the well profiles, the multi-mix blend, the curve fit ...).
void KeepFreshWorkspace();

// Puts the kept workspace back and reads the settings files again as a fresh
// start does, so that what the user chose since (units, display settings)
// holds. Does nothing before KeepFreshWorkspace.
void StartFreshWorkspace();

// The work file image of the kept workspace, on which an older file's records
// are laid; the image of the workspace as it is when nothing is kept.
[[nodiscard]] std::vector<uint8_t> FreshWorkspaceImage();
