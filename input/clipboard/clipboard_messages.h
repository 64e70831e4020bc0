// How the analysis clipboard reports a failure: an information box owned by the
// main window whose text carries the message.
#pragma once

#include <string>

void ReportClipboardFailure(const char* message);
// The paste's box for a clipboard without an analysis.
void ReportClipboardEmpty();
// The paste's box for an analysis that is not taken, `why` saying which value
// and why ("\"1e+09\" is outside the range of pCO2 (0 to 1,000 Atm.).").
void ReportPasteRefused(const std::string& why);
