// The clipboard: registered formats, open/close/empty, data by format. The
// clipboard owns the handles it is given and frees them when emptied.
//
// With a display, the clipboard is shared with other programs through the
// driver: new contents are announced when the clipboard is closed, and when
// another program holds the shared clipboard its text (as CF_TEXT and
// CF_OEMTEXT) and whatever it offers under the names of the program's
// registered formats replace the program's contents the next time the
// program looks.
#include "platform/system/clipboard.h"

#include <cstring>
#include <map>

#include "platform/drivers/driver.h"
#include "platform/gdi/gdi_types.h"
#include "platform/system/clipboard_shared.h"
#include "platform/text/font_codepages.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct ClipboardState {
    std::vector<std::string> formatNames;         // index i holds id kFirstRegisteredFormat + i
    std::vector<std::pair<UINT, void*>> entries;  // in the order they were set
    bool open = false;
    bool changed = false;  // emptied since it was opened
    bool heldElsewhere = false;
    HWND openedBy = nullptr;
    HWND owner = nullptr;
};

ClipboardState& Clip() {
    static ClipboardState state;
    return state;
}

ClipboardObjectReleaser& Releaser() {
    static ClipboardObjectReleaser releaser = nullptr;
    return releaser;
}

bool IsObjectFormat(UINT format) {
    return format == CF_BITMAP || format == CF_PALETTE || format == CF_ENHMETAFILE ||
           format == CF_METAFILEPICT;
}

void Release(UINT format, void* handle) {
    if (handle == nullptr) return;
    if (IsObjectFormat(format)) {
        if (Releaser() != nullptr) Releaser()(format, handle);
        return;
    }
    GlobalFree(static_cast<HGLOBAL>(handle));
}

void ClearEntries() {
    for (auto& [format, handle] : Clip().entries) Release(format, handle);
    Clip().entries.clear();
}

HGLOBAL TextBlock(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* p = static_cast<char*>(GlobalLock(block));
    if (p == nullptr) {
        if (block != nullptr) GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    return block;
}

bool HasEntry(UINT format) {
    for (auto& [f, handle] : Clip().entries) {
        if (f == format && handle != nullptr) return true;
    }
    return false;
}

HGLOBAL BytesBlock(const std::string& bytes) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    auto* p = static_cast<char*>(GlobalLock(block));
    if (p == nullptr) {
        if (block != nullptr) GlobalFree(block);
        return nullptr;
    }
    if (!bytes.empty()) std::memcpy(p, bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

UINT FormatOfName(const std::string& name) {
    auto& names = Clip().formatNames;
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return kFirstRegisteredFormat + static_cast<UINT>(i);
    return 0;
}

// When another program holds the shared clipboard, its text and the blocks it
// offers under our formats' names are what the clipboard holds now.
void TakeSharedContents() {
    auto& c = Clip();
    if (c.open) return;
    std::string text;
    if (!CurrentDriver().ClipboardElsewhere(&text)) return;
    ClearEntries();
    c.owner = nullptr;
    std::vector<NamedClipboardData> named;
    if (!c.formatNames.empty()) CurrentDriver().ClipboardNamedElsewhere(c.formatNames, &named);
    for (const NamedClipboardData& d : named) {
        const UINT format = FormatOfName(d.name);
        if (format == 0 || HasEntry(format)) continue;
        if (HGLOBAL block = BytesBlock(d.bytes)) c.entries.emplace_back(format, block);
    }
    if (text.empty()) return;
    std::string oem = TextFromOthers(TextForOthers(text, ANSI_CHARSET), OEM_CHARSET);
    if (HGLOBAL block = TextBlock(text)) c.entries.emplace_back(CF_TEXT, block);
    if (HGLOBAL block = TextBlock(oem)) c.entries.emplace_back(CF_OEMTEXT, block);
}

std::string EntryText(UINT format) {
    std::vector<std::uint8_t> bytes = ClipboardBytes(format);
    std::string s(bytes.begin(), bytes.end());
    return s.substr(0, s.find('\0'));
}

}  // namespace

std::string TextForOthers(std::string_view bytes, BYTE charSet) {
    std::string lines;
    lines.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') continue;
        lines.push_back(bytes[i]);
    }
    return TextToUtf8(lines, charSet);
}

std::string TextFromOthers(std::string_view utf8, BYTE charSet) {
    std::u32string text = DecodeUtf8(utf8);
    std::u32string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 0) break;  // the program's text ends at a NUL
        if (text[i] == U'\n' && (i == 0 || text[i - 1] != U'\r')) lines.push_back(U'\r');
        lines.push_back(text[i]);
    }
    return EncodeText(lines, charSet);
}

bool ClipboardHoldsData() {
    return !Clip().entries.empty();
}

std::vector<NamedClipboardData> ClipboardNamedDataForOthers() {
    std::vector<NamedClipboardData> out;
    for (auto& [format, handle] : Clip().entries) {
        if (format < kFirstRegisteredFormat || handle == nullptr || IsObjectFormat(format))
            continue;
        const std::size_t index = format - kFirstRegisteredFormat;
        if (index >= Clip().formatNames.size()) continue;
        const std::vector<std::uint8_t> bytes = ClipboardBytes(format);
        out.push_back(
            NamedClipboardData{Clip().formatNames[index], std::string(bytes.begin(), bytes.end())});
    }
    return out;
}

std::vector<std::string> RegisteredClipboardFormatNames() {
    return Clip().formatNames;
}

bool ClipboardTextForOthers(std::string* utf8) {
    if (HasEntry(CF_TEXT)) {
        *utf8 = TextForOthers(EntryText(CF_TEXT), ANSI_CHARSET);
        return true;
    }
    if (HasEntry(CF_OEMTEXT)) {
        *utf8 = TextForOthers(EntryText(CF_OEMTEXT), OEM_CHARSET);
        return true;
    }
    return false;
}

void ResetClipboard() {
    // Memory blocks go with the memory reset; objects are released here.
    for (auto& [format, handle] : Clip().entries) {
        if (IsObjectFormat(format) && Releaser() != nullptr) Releaser()(format, handle);
    }
    Clip() = ClipboardState{};
}

}  // namespace detail

UINT RegisterClipboardFormat(const char* name) {
    if (name == nullptr || name[0] == '\0') return 0;
    auto& names = detail::Clip().formatNames;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (detail::EqualsNoCase(names[i], name))
            return kFirstRegisteredFormat + static_cast<UINT>(i);
    }
    names.push_back(name);
    return kFirstRegisteredFormat + static_cast<UINT>(names.size() - 1);
}

int GetClipboardFormatName(UINT format, char* buffer, int size) {
    auto& names = detail::Clip().formatNames;
    if (format < kFirstRegisteredFormat || format - kFirstRegisteredFormat >= names.size())
        return 0;
    if (buffer == nullptr || size <= 0) return 0;
    const std::string& n = names[format - kFirstRegisteredFormat];
    int len = std::min(static_cast<int>(n.size()), size - 1);
    std::memcpy(buffer, n.data(), static_cast<std::size_t>(len));
    buffer[len] = '\0';
    return len;
}

BOOL OpenClipboard(HWND owner) {
    auto& c = detail::Clip();
    if (c.open || c.heldElsewhere) return FALSE;
    detail::TakeSharedContents();
    c.open = true;
    c.changed = false;
    c.openedBy = owner;
    return TRUE;
}

BOOL CloseClipboard() {
    auto& c = detail::Clip();
    if (!c.open) return FALSE;
    c.open = false;
    c.openedBy = nullptr;
    if (c.changed) {
        c.changed = false;
        CurrentDriver().ClipboardChanged();
    }
    return TRUE;
}

BOOL EmptyClipboard() {
    auto& c = detail::Clip();
    if (!c.open) return FALSE;
    detail::ClearEntries();
    c.owner = c.openedBy;
    c.changed = true;
    return TRUE;
}

void* SetClipboardData(UINT format, void* handle) {
    auto& c = detail::Clip();
    if (!c.open || format == 0) return nullptr;
    c.changed = true;
    for (auto& entry : c.entries) {
        if (entry.first == format) {
            if (entry.second != handle) detail::Release(format, entry.second);
            entry.second = handle;
            return handle;
        }
    }
    c.entries.emplace_back(format, handle);
    return handle;
}

void* GetClipboardData(UINT format) {
    auto& c = detail::Clip();
    if (!c.open) return nullptr;
    for (auto& [f, handle] : c.entries) {
        if (f == format) return handle;
    }
    return nullptr;
}

BOOL IsClipboardFormatAvailable(UINT format) {
    detail::TakeSharedContents();
    return detail::HasEntry(format) ? TRUE : FALSE;
}

UINT EnumClipboardFormats(UINT format) {
    auto& entries = detail::Clip().entries;
    if (!detail::Clip().open) return 0;
    if (format == 0) return entries.empty() ? 0 : entries.front().first;
    for (std::size_t i = 0; i + 1 < entries.size(); ++i) {
        if (entries[i].first == format) return entries[i + 1].first;
    }
    return 0;
}

int CountClipboardFormats() {
    detail::TakeSharedContents();
    return static_cast<int>(detail::Clip().entries.size());
}

HWND GetClipboardOwner() {
    HWND o = detail::Clip().owner;
    return IsWindow(o) ? o : nullptr;
}

void SetClipboardObjectReleaser(ClipboardObjectReleaser releaser) {
    detail::Releaser() = releaser;
}

void SetClipboardHeldElsewhere(bool held) {
    detail::Clip().heldElsewhere = held;
}

std::vector<std::uint8_t> ClipboardBytes(UINT format) {
    for (auto& [f, handle] : detail::Clip().entries) {
        if (f != format || handle == nullptr || detail::IsObjectFormat(f)) continue;
        auto block = static_cast<HGLOBAL>(handle);
        auto* p = static_cast<std::uint8_t*>(GlobalLock(block));
        if (p == nullptr) return {};
        std::vector<std::uint8_t> out(p, p + GlobalSize(block));
        GlobalUnlock(block);
        return out;
    }
    return {};
}

std::string ClipboardText() {
    return detail::EntryText(CF_TEXT);
}

}  // namespace win
