// Text other programs put on the clipboard, as the program takes it in: any
// bytes, read as UTF-8 and turned into the ANSI and OEM code pages with CR LF
// line ends, and out again as UTF-8.
// fuzz-link: tarvex_platform
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/gdi/gdi_types.h"
#include "platform/system/clipboard_shared.h"
#include "platform/text/font_codepages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (win::BYTE charSet : {win::ANSI_CHARSET, win::OEM_CHARSET}) {
        std::string text = win::detail::TextFromOthers(bytes, charSet);
        if (text.find('\0') != std::string::npos) __builtin_trap();
        // What goes back out is well-formed UTF-8.
        for (char32_t c : win::DecodeUtf8(win::detail::TextForOthers(text, charSet)))
            if (c == 0xFFFD) __builtin_trap();
    }
    return 0;
}
