// Single-byte code pages of the program's text: OEM (code page 437) and
// ANSI (Windows-1252), mapped to Unicode for the font files.
#pragma once

#include <string>

#include "platform/gdi/gdi.h"

namespace win {

// The Unicode character of a byte of text in a font of the given character
// set (OEM_CHARSET: code page 437; SYMBOL_CHARSET: the byte itself; any
// other: Windows-1252).
[[nodiscard]] char32_t ByteToUnicode(unsigned char byte, BYTE charSet);
void AppendUtf8(char32_t c, std::string* out);

}  // namespace win
