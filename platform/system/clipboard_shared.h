// The program's clipboard as other programs on the display see it: its text
// in UTF-8 with LF line ends, and each format it registered by name (its
// bytes as they are, under that name). Pictures never leave the process.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/window/win_types.h"

namespace win::detail {

// The text the clipboard offers other programs: its CF_TEXT entry (ANSI), or
// else its CF_OEMTEXT entry (OEM), up to the first NUL. False when it holds
// neither.
bool ClipboardTextForOthers(std::string* utf8);
// A format registered by name, with the bytes of its block.
struct NamedClipboardData {
    std::string name;
    std::string bytes;
};
// Every entry of a format registered by name that holds a memory block.
[[nodiscard]] std::vector<NamedClipboardData> ClipboardNamedDataForOthers();
// The names of the formats the program registered, in registration order.
[[nodiscard]] std::vector<std::string> RegisteredClipboardFormatNames();

// Whether the clipboard holds anything at all (text or the program's own
// formats), without looking at other programs' clipboard.
[[nodiscard]] bool ClipboardHoldsData();

// Conversions of whole texts: program bytes (ANSI or OEM code page, CR LF
// line ends) to and from what other programs exchange.
[[nodiscard]] std::string TextForOthers(std::string_view bytes, BYTE charSet);
[[nodiscard]] std::string TextFromOthers(std::string_view utf8, BYTE charSet);

}  // namespace win::detail
