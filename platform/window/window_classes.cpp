// Window classes: registration by name (case-insensitive), class lookup and
// the class words and extra bytes.
#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/controls/controls.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct ClassTable {
    std::vector<std::unique_ptr<WindowClass>> classes;
    ATOM nextAtom = 0xC001;
};

ClassTable& Classes() {
    static ClassTable table;
    return table;
}

}  // namespace

bool EqualsNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::string UpperAscii(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

WindowClass* FindClassRecord(const std::string& name) {
    for (auto& c : Classes().classes) {
        if (EqualsNoCase(c->name, name)) return c.get();
    }
    return nullptr;
}

void ResetClasses() {
    Classes() = ClassTable{};
}

}  // namespace detail

ATOM RegisterClass(const WNDCLASS* wc) {
    using namespace detail;
    EnsureBuiltinClasses();
    if (wc == nullptr || wc->lpszClassName == nullptr || wc->lpszClassName[0] == '\0' ||
        wc->lpfnWndProc == nullptr || wc->cbClsExtra < 0 || wc->cbWndExtra < 0)
        return 0;
    if (FindClassRecord(wc->lpszClassName) != nullptr) return 0;
    auto record = std::make_unique<WindowClass>();
    record->name = wc->lpszClassName;
    record->style = wc->style;
    record->proc = wc->lpfnWndProc;
    record->classExtra = wc->cbClsExtra;
    record->windowExtra = wc->cbWndExtra;
    record->instance = wc->hInstance;
    record->icon = wc->hIcon;
    record->cursor = wc->hCursor;
    record->background = wc->hbrBackground;
    record->menuId = wc->menuId;
    record->extraBytes.assign(static_cast<std::size_t>(wc->cbClsExtra), 0);
    Classes().classes.push_back(std::move(record));
    return Classes().nextAtom++;
}

BOOL UnregisterClass(const char* className, HINSTANCE) {
    using namespace detail;
    if (className == nullptr) return FALSE;
    WindowClass* record = FindClassRecord(className);
    if (record == nullptr) return FALSE;
    // A class with live windows stays registered.
    for (HWND h : AllWindowsPaintOrder()) {
        if (FindWindowRecord(h)->windowClass == record) return FALSE;
    }
    auto& list = Classes().classes;
    list.erase(std::remove_if(list.begin(), list.end(),
                              [record](const auto& c) { return c.get() == record; }),
               list.end());
    return TRUE;
}

BOOL GetClassInfo(HINSTANCE, const char* className, WNDCLASS* out) {
    using namespace detail;
    if (className == nullptr || out == nullptr) return FALSE;
    WindowClass* c = FindClassRecord(className);
    if (c == nullptr) return FALSE;
    out->style = c->style;
    out->lpfnWndProc = c->proc;
    out->cbClsExtra = c->classExtra;
    out->cbWndExtra = c->windowExtra;
    out->hInstance = c->instance;
    out->hIcon = c->icon;
    out->hCursor = c->cursor;
    out->hbrBackground = c->background;
    out->menuId = c->menuId;
    out->lpszClassName = c->name.c_str();
    return TRUE;
}

int GetClassName(HWND hwnd, char* buffer, int size) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr || buffer == nullptr || size <= 0) return 0;
    const std::string& name = w->windowClass->name;
    int n = std::min(static_cast<int>(name.size()), size - 1);
    std::memcpy(buffer, name.data(), static_cast<std::size_t>(n));
    buffer[n] = '\0';
    return n;
}

namespace {

bool ExtraSlot(std::vector<BYTE>& bytes, int index, std::size_t width) {
    return index >= 0 && static_cast<std::size_t>(index) + width <= bytes.size();
}

std::intptr_t ReadExtra(const std::vector<BYTE>& bytes, int index, std::size_t width) {
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < width; ++i)
        v |= static_cast<std::uint64_t>(bytes[static_cast<std::size_t>(index) + i]) << (8 * i);
    if (width == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    if (width == 2) return static_cast<std::int16_t>(static_cast<std::uint16_t>(v));
    return static_cast<std::intptr_t>(v);
}

void WriteExtra(std::vector<BYTE>& bytes, int index, std::size_t width, std::intptr_t value) {
    auto v = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < width; ++i)
        bytes[static_cast<std::size_t>(index) + i] = static_cast<BYTE>(v >> (8 * i));
}

}  // namespace

namespace detail {

// Shared by the window and class extra-byte calls: 0 for an index that does
// not fit, otherwise the previous value.
std::intptr_t AccessExtraBytes(std::vector<BYTE>& bytes, int index, std::size_t width,
                               const std::intptr_t* newValue) {
    if (!ExtraSlot(bytes, index, width)) return 0;
    std::intptr_t old = ReadExtra(bytes, index, width);
    if (newValue != nullptr) WriteExtra(bytes, index, width, *newValue);
    return old;
}

}  // namespace detail

std::intptr_t GetClassLong(HWND hwnd, int index) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    detail::WindowClass& c = *w->windowClass;
    switch (index) {
        case GCL_MENUNAME:
            return c.menuId;
        case GCL_HBRBACKGROUND:
            return reinterpret_cast<std::intptr_t>(c.background);
        case GCL_HCURSOR:
            return reinterpret_cast<std::intptr_t>(c.cursor);
        case GCL_HICON:
            return reinterpret_cast<std::intptr_t>(c.icon);
        case GCL_WNDPROC:
            return reinterpret_cast<std::intptr_t>(c.proc);
        case GCL_STYLE:
            return static_cast<std::intptr_t>(c.style);
        default:
            return detail::AccessExtraBytes(c.extraBytes, index, 4, nullptr);
    }
}

std::intptr_t SetClassLong(HWND hwnd, int index, std::intptr_t value) {
    detail::Window* w = detail::FindWindowRecord(hwnd);
    if (w == nullptr) return 0;
    detail::WindowClass& c = *w->windowClass;
    std::intptr_t old = GetClassLong(hwnd, index);
    switch (index) {
        case GCL_MENUNAME:
            c.menuId = static_cast<int>(value);
            break;
        case GCL_HBRBACKGROUND:
            c.background = reinterpret_cast<HBRUSH>(value);
            break;
        case GCL_HCURSOR:
            c.cursor = reinterpret_cast<HCURSOR>(value);
            break;
        case GCL_HICON:
            c.icon = reinterpret_cast<HICON>(value);
            break;
        case GCL_WNDPROC:
            c.proc = reinterpret_cast<WNDPROC>(value);
            break;
        case GCL_STYLE:
            c.style = static_cast<UINT>(value);
            break;
        default:
            return detail::AccessExtraBytes(c.extraBytes, index, 4, &value);
    }
    return old;
}

}  // namespace win
