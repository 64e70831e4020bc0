// COPY FOR EXCEL: one water's chemistry and indicators as a spreadsheet table
// on the clipboard, in the "XlTable" and "Csv" formats together.
#pragma once

#include "platform/window/win_types.h"

// `water` is an engine water selector (0 surface, 1 injection, 2 formation,
// 3 the multi-mix blend, 5 the source water being edited). Returns 0 once
// both forms are on the clipboard; -1 when the pages are not built yet (no
// message), when memory cannot be had ("... ref. pt xl 102.") or when the
// clipboard cannot be opened ("... ref. pt xl 101."), the messages in a
// "WARNING" box with the information icon owned by `owner`. Nothing is left
// allocated after a failure.
int CopyForExcel(win::HWND owner, int water);
