// Puts the printed reports behind the result pages' PRINT and PRINT ALL
// WINDOWS (the page printers' hooks). The main window's print commands take
// the same routines through the shell's scenario views.
#pragma once

void InstallPrintedReports();
