// The program's single-byte text (the ANSI code page, Windows-1252) as UTF-16,
// and UTF-16 as the UTF-8 of Linux file names.
#pragma once

#include <string>

#include "platform/window/win_types.h"

namespace win {

inline constexpr UINT CP_ACP = 0;  // the ANSI code page: Windows-1252 here
inline constexpr UINT CP_WINDOWS_1252 = 1252;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;

// Converts `sourceBytes` bytes of `source` (-1: up to and including its NUL)
// to UTF-16. With `destinationChars` 0 it only returns the number of UTF-16
// units needed. Returns the units written, or 0 when the code page is not
// CP_ACP or 1252, an argument is bad, or the destination is too small (last
// error ERROR_INSUFFICIENT_BUFFER).
int MultiByteToWideChar(UINT codePage, DWORD flags, const char* source, int sourceBytes,
                        char16_t* destination, int destinationChars);

// UTF-16 (up to its NUL) as UTF-8; an unpaired surrogate becomes U+FFFD.
[[nodiscard]] std::string Utf16ToUtf8(const char16_t* text);

}  // namespace win
