// Windows-1252 text to UTF-16, and UTF-16 to UTF-8.
#include "platform/text/code_page.h"

#include "platform/files/file_io.h"
#include "platform/text/font_codepages.h"

namespace win {

int MultiByteToWideChar(UINT codePage, DWORD, const char* source, int sourceBytes,
                        char16_t* destination, int destinationChars) {
    if ((codePage != CP_ACP && codePage != CP_WINDOWS_1252) || source == nullptr ||
        sourceBytes < -1 || sourceBytes == 0 || destinationChars < 0 ||
        (destinationChars > 0 && destination == nullptr)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    int n = sourceBytes;
    if (n == -1) {
        n = 0;
        while (source[n] != '\0') ++n;
        ++n;  // the NUL is converted too
    }
    // Every character of Windows-1252 lies in the Basic Multilingual Plane: one
    // UTF-16 unit per byte.
    if (destinationChars == 0) return n;
    if (n > destinationChars) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(source);
    for (int i = 0; i < n; ++i)
        destination[i] = static_cast<char16_t>(ByteToUnicode(p[i], ANSI_CHARSET));
    return n;
}

std::string Utf16ToUtf8(const char16_t* text) {
    std::string out;
    if (text == nullptr) return out;
    for (const char16_t* p = text; *p != 0; ++p) {
        char32_t c = *p;
        if (c >= 0xD800 && c <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        AppendUtf8(c, &out);
    }
    return out;
}

}  // namespace win
