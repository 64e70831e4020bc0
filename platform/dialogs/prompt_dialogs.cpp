// The boxes a person answers when a display is attached: message boxes and
// the open/save file-name dialog, built from dialog templates and the
// built-in controls like any other dialog.
#include <algorithm>
#include <cstring>

#include "platform/controls/controls.h"
#include "platform/dialogs/dialog.h"
#include "platform/dialogs/message_box.h"
#include "platform/files/file_io.h"
#include "platform/gdi/gdi.h"
#include "platform/system/system.h"
#include "platform/window/window.h"

namespace win::detail {
namespace {

constexpr int kTextId = 0xFFFF;
constexpr int kNameEdit = 1152;
constexpr int kFileList = 1120;
constexpr int kFolderLabel = 1088;

struct ButtonSpec {
    int id;
    const char* text;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL:
            return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        case MB_YESNOCANCEL:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        case MB_YESNO:
            return {{IDYES, "&Yes"}, {IDNO, "&No"}};
        default:
            return {{IDOK, "OK"}};
    }
}

UINT gBoxType = 0;

INT_PTR BoxProc(HWND d, UINT m, WPARAM w, LPARAM) {
    if (m == WM_INITDIALOG) return TRUE;
    if (m != WM_COMMAND) return FALSE;
    int id = LOWORD(w);
    if (id == IDCANCEL && GetDlgItem(d, IDCANCEL) == nullptr) {
        // Escape or the close box on a Yes/No box: only an OK box takes it.
        if ((gBoxType & MB_TYPEMASK) == MB_OK) EndDialog(d, IDOK);
        return TRUE;
    }
    if (GetDlgItem(d, id) != nullptr) EndDialog(d, id);
    return TRUE;
}

// Name pattern of the first filter pair ("Work files\0*.krv\0\0" gives "*.krv").
std::string FirstPattern(const char* filter) {
    if (filter == nullptr || filter[0] == '\0') return "*.*";
    const char* pattern = filter + std::strlen(filter) + 1;
    return pattern[0] != '\0' ? pattern : "*.*";
}

struct FileAsk {
    std::string pattern;
    std::string initial;
    std::string result;
};
FileAsk* gAsk = nullptr;

// Lists the folder and pattern asked for; the folder label shows where the
// files lie on this computer, the name field only the pattern.
void Relist(HWND d) {
    char pathPattern[MAX_PATH];
    std::snprintf(pathPattern, sizeof pathPattern, "%s", gAsk->pattern.c_str());
    DlgDirList(d, pathPattern, kFileList, kFolderLabel, DDL_DIRECTORY);
    gAsk->pattern = pathPattern;
    char folder[MAX_PATH];
    GetCurrentDirectory(sizeof folder, folder);
    SetDlgItemText(d, kFolderLabel, MapPath(folder).c_str());
}

// "C:\\*.KRV" and "C:\*.KRV" name the same files.
std::string SingleSeparators(const std::string& path) {
    std::string out;
    for (char c : path) {
        if (c == '\\' && !out.empty() && out.back() == '\\') continue;
        out.push_back(c);
    }
    return out;
}

INT_PTR FileProc(HWND d, UINT m, WPARAM w, LPARAM) {
    switch (m) {
        case WM_INITDIALOG:
            if (gAsk->initial.find_first_of("*?") != std::string::npos) {
                gAsk->pattern = SingleSeparators(gAsk->initial);
                Relist(d);
                SetDlgItemText(d, kNameEdit, gAsk->pattern.c_str());
                return TRUE;
            }
            SetDlgItemText(d, kNameEdit, gAsk->initial.c_str());
            Relist(d);
            return TRUE;
        case WM_COMMAND: {
            char name[MAX_PATH];
            if (LOWORD(w) == kFileList && (HIWORD(w) == LBN_SELCHANGE || HIWORD(w) == LBN_DBLCLK)) {
                if (SendDlgItemMessage(d, kFileList, LB_GETCURSEL, 0, 0) == LB_ERR) return TRUE;
                bool folder = DlgDirSelectEx(d, name, sizeof name, kFileList) != FALSE;
                if (folder && HIWORD(w) == LBN_DBLCLK) {
                    SetCurrentDirectory(name);
                    Relist(d);
                } else if (!folder) {
                    SetDlgItemText(d, kNameEdit, name);
                    if (HIWORD(w) == LBN_DBLCLK) SendMessage(d, WM_COMMAND, IDOK, 0);
                }
                return TRUE;
            }
            if (LOWORD(w) == IDOK) {
                GetDlgItemText(d, kNameEdit, name, sizeof name);
                std::string typed = name;
                if (typed.find_first_of("*?") != std::string::npos) {
                    gAsk->pattern = SingleSeparators(typed);
                    Relist(d);
                    SetDlgItemText(d, kNameEdit, gAsk->pattern.c_str());
                    return TRUE;
                }
                if (typed.empty()) return TRUE;
                bool absolute =
                    typed[0] == '\\' || typed[0] == '/' || (typed.size() > 1 && typed[1] == ':');
                char folder[MAX_PATH];
                GetCurrentDirectory(sizeof folder, folder);
                std::string base = folder;
                if (!base.empty() && base.back() != '\\') base += '\\';
                gAsk->result = absolute ? typed : base + typed;
                EndDialog(d, IDOK);
                return TRUE;
            }
            if (LOWORD(w) == IDCANCEL) {
                EndDialog(d, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        }
        default:
            return FALSE;
    }
}


// A word wider than `width` pixels (a long path) is broken between letters,
// so that no part of it runs past the box.
std::string BreakLongWords(HDC dc, const std::string& text, int width) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of(" \r\n", i);
        if (end == std::string::npos) end = text.size();
        std::string word = text.substr(i, end - i);
        SIZE size{};
        while (!word.empty()) {
            std::size_t fits = word.size();
            for (;;) {
                GetTextExtentPoint32A(dc, word.c_str(), static_cast<int>(fits), &size);
                if (size.cx <= width || fits == 1) break;
                --fits;
            }
            out += word.substr(0, fits);
            word.erase(0, fits);
            if (!word.empty()) out += '\n';
        }
        if (end < text.size()) out += text[end];
        i = end + 1;
    }
    return out;
}

}  // namespace

DialogTemplate MessageBoxTemplate(const std::string& text, const std::string& caption,
                                  UINT type) {
    std::vector<ButtonSpec> buttons = ButtonsFor(type);
    DialogTemplate t;
    t.caption = caption;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    // The text in pixels of the box's font: as wide as its longest line, up
    // to two thirds of the desktop, where longer lines break between words.
    DialogFont font = TemplateFont(t);
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    constexpr int kMarginDlu = 12;
    const int widest = (desk.right - desk.left) * 2 / 3 - 2 * kMarginDlu * font.baseUnits.cx / 4 -
                       2 * GetSystemMetrics(SM_CXDLGFRAME);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = font.font != nullptr ? SelectObject(dc, font.font) : nullptr;
    RECT measure{0, 0, 0, 0};
    std::string shown = text;
    DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &measure, DT_CALCRECT);
    if (measure.right > widest) {
        shown = BreakLongWords(dc, text, std::max(widest, 1));
        measure = RECT{0, 0, std::max(widest, 1), 0};
        DrawTextA(dc, shown.c_str(), static_cast<int>(shown.size()), &measure,
                  DT_CALCRECT | DT_WORDBREAK);
    }
    if (old != nullptr) SelectObject(dc, old);
    DeleteDC(dc);
    // Whole dialog units that hold the pixels (a unit is a quarter of the
    // average character width across and an eighth of the line down).
    const int cx = std::max(1, static_cast<int>(font.baseUnits.cx));
    const int cy = std::max(1, static_cast<int>(font.baseUnits.cy));
    const int textWidth = static_cast<int>((measure.right * 4 + cx - 1) / cx) + 1;
    const int textHeight = std::max(8, static_cast<int>((measure.bottom * 8 + cy - 1) / cy) + 1);
    int buttonsWidth = static_cast<int>(buttons.size()) * 56;
    int width = std::max(buttonsWidth + 16, textWidth + 2 * kMarginDlu);
    t.cx = static_cast<short>(width);
    t.cy = static_cast<short>(textHeight + 10 + 8 + 14 + 8);
    t.items.push_back({"STATIC", kTextId, shown, SS_LEFT, kMarginDlu, 10,
                       static_cast<short>(width - 2 * kMarginDlu), static_cast<short>(textHeight)});
    int x = (width - buttonsWidth) / 2 + 3;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        DWORD style =
            (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP | (i == 0 ? WS_GROUP : 0);
        t.items.push_back({"BUTTON", buttons[i].id, buttons[i].text, style, static_cast<short>(x),
                           static_cast<short>(textHeight + 18), 50, 14});
        x += 56;
    }
    return t;
}

int RunMessageBoxDialog(HWND owner, const std::string& text, const std::string& caption,
                        UINT type) {
    DialogTemplate t = MessageBoxTemplate(text, caption, type);
    gBoxType = type;
    INT_PTR r = DialogBoxIndirectParam(nullptr, t, owner, BoxProc, 0);
    return r > 0 ? static_cast<int>(r) : ((type & MB_TYPEMASK) == MB_OK ? IDOK : IDCANCEL);
}

bool RunFileDialog(HWND owner, const std::string& title, const char* filter,
                   const std::string& initial, std::string* path) {
    FileAsk ask{FirstPattern(filter), initial, ""};
    gAsk = &ask;
    DialogTemplate t;
    t.caption = title;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER;
    t.cx = 220;
    t.cy = 150;
    t.items = {
        {"STATIC", kTextId, "File &name:", SS_LEFT, 6, 6, 50, 9},
        {"EDIT", kNameEdit, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 6, 16, 150, 12},
        {"STATIC", kFolderLabel, "", SS_LEFT, 6, 32, 150, 9},
        {"LISTBOX", kFileList, "", LBS_NOTIFY | LBS_SORT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 6,
         44, 150, 96},
        {"BUTTON", IDOK, "OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, 164, 16, 50, 14},
        {"BUTTON", IDCANCEL, "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 164, 34, 50, 14},
    };
    INT_PTR r = DialogBoxIndirectParam(nullptr, t, owner, FileProc, 0);
    gAsk = nullptr;
    if (r != IDOK) return false;
    *path = ask.result;
    return true;
}

}  // namespace win::detail
