// Byte-to-Unicode tables of the two single-byte code pages the program's
// fonts use: the OEM code page (IBM PC code page 437: box drawing, Greek
// letters, 0xF8 the degree sign, and below 0x20 symbols such as 0x19 the down
// arrow) for fonts with the OEM character set,
// and the ANSI code page (Windows-1252, a superset of ISO 8859-1) for the
// others. The lower 128 bytes are ASCII in both.
#include "platform/text/font_codepages.h"

namespace win {
namespace {

// Bytes 0x00 to 0x1F of code page 437 as its fonts draw them (faces, card
// suits, arrows ...). Tab, line feed and carriage return keep their meaning
// for text layout, and byte 0 stays the terminator.
constexpr char32_t kOemLow[32] = {
    0x0000, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x0009, 0x000A,
    0x2642, 0x2640, 0x000D, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7,
    0x25AC, 0x21A8, 0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};

// Bytes 0x80 to 0xFF of code page 437.
constexpr char32_t kOem[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

// Bytes 0x80 to 0xFF of Windows-1252; the five unassigned bytes (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the control characters of the same value.
constexpr char32_t kAnsi[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

}  // namespace

char32_t ByteToUnicode(unsigned char byte, BYTE charSet) {
    if (byte < 0x20 && charSet == OEM_CHARSET) return kOemLow[byte];
    if (byte == 0x7F && charSet == OEM_CHARSET) return 0x2302;  // the house sign
    if (byte < 0x80) return byte;
    if (charSet == OEM_CHARSET) return kOem[byte - 0x80];
    if (charSet == SYMBOL_CHARSET) return byte;
    return kAnsi[byte - 0x80];
}

void AppendUtf8(char32_t c, std::string* out) {
    if (c < 0x80) {
        out->push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out->push_back(static_cast<char>(0xC0 | (c >> 6)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out->push_back(static_cast<char>(0xE0 | (c >> 12)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out->push_back(static_cast<char>(0xF0 | (c >> 18)));
        out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string TextToUtf8(std::string_view bytes, BYTE charSet) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) AppendUtf8(ByteToUnicode(static_cast<unsigned char>(b), charSet), &out);
    return out;
}

std::u32string DecodeUtf8(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        int extra = -1;
        if (lead < 0x80)
            extra = 0;
        else if ((lead >> 5) == 0x6)
            extra = 1;
        else if ((lead >> 4) == 0xE)
            extra = 2;
        else if ((lead >> 3) == 0x1E)
            extra = 3;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= utf8.size()) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not characters.
        static constexpr char32_t kLeast[4] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kLeast[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        out.push_back(c);
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

std::string EncodeText(std::u32string_view text, BYTE charSet) {
    const char32_t* table = charSet == OEM_CHARSET ? kOem : kAnsi;
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80 || (charSet == SYMBOL_CHARSET && c < 0x100)) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        char byte = '?';
        if (charSet == OEM_CHARSET) {
            // The symbols the OEM code page draws for its low bytes go back to those bytes.
            for (int k = 1; k < 32; ++k) {
                if (kOemLow[k] == c) byte = static_cast<char>(k);
            }
            if (c == 0x2302) byte = 0x7F;
            if (byte != '?') {
                out.push_back(byte);
                continue;
            }
        }
        for (int k = 0; k < 128; ++k) {
            if (table[k] == c) {
                byte = static_cast<char>(0x80 + k);
                break;
            }
        }
        out.push_back(byte);
    }
    return out;
}

}  // namespace win
