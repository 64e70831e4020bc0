// The program's clipboard as other programs on the display see it: plain
// text only, in UTF-8 with LF line ends. The program's own registered formats
// (and pictures) never leave the process.
#pragma once

#include <string>
#include <string_view>

#include "platform/window/win_types.h"

namespace win::detail {

// The text the clipboard offers other programs: its CF_TEXT entry (ANSI), or
// else its CF_OEMTEXT entry (OEM), up to the first NUL. False when it holds
// neither.
bool ClipboardTextForOthers(std::string* utf8);
// Whether the clipboard holds anything at all (text or the program's own
// formats), without looking at other programs' clipboard.
[[nodiscard]] bool ClipboardHoldsData();

// Conversions of whole texts: program bytes (ANSI or OEM code page, CR LF
// line ends) to and from what other programs exchange.
[[nodiscard]] std::string TextForOthers(std::string_view bytes, BYTE charSet);
[[nodiscard]] std::string TextFromOthers(std::string_view utf8, BYTE charSet);

}  // namespace win::detail
