// How the analysis clipboard reports a failure: an information box owned by the
// main window whose text is 79 blanks and whose caption carries the message.
#pragma once

void ReportClipboardFailure(const char* caption);
// The paste's box for a clipboard without an analysis.
void ReportClipboardEmpty();
