// The plain text of a rich text document, for programs that take only text
// (a terminal pasting the clipboard): the characters of the body, \par as a
// line end, \tab as a tab, \'hh as the byte hh of the document's code page;
// the font, colour and style tables and every other control word dropped.
#pragma once

#include <string>

namespace win {

// `rtf` may end in NUL bytes (a clipboard block); the text ends with CR LF
// line ends, in the code page of the document (bytes as \'hh gave them).
[[nodiscard]] std::string RtfPlainText(const std::string& rtf);

}  // namespace win
