// Single-byte code pages of the program's text: OEM (code page 437) and
// ANSI (Windows-1252), mapped to Unicode for the font files.
#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/gdi.h"

namespace win {

// The Unicode character of a byte of text in a font of the given character
// set (OEM_CHARSET: code page 437; SYMBOL_CHARSET: the byte itself; any
// other: Windows-1252).
[[nodiscard]] char32_t ByteToUnicode(unsigned char byte, BYTE charSet);
void AppendUtf8(char32_t c, std::string* out);

// Whole texts between the program's single-byte code pages and UTF-8, as
// other programs on the display exchange text. Decoding takes any bytes: a
// malformed or truncated sequence becomes U+FFFD; a character the code page
// lacks becomes '?'.
[[nodiscard]] std::string TextToUtf8(std::string_view bytes, BYTE charSet);
[[nodiscard]] std::u32string DecodeUtf8(std::string_view utf8);
[[nodiscard]] std::string EncodeText(std::u32string_view text, BYTE charSet);

}  // namespace win
