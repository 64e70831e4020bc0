// Dialog boxes: building a dialog window and its controls from a template,
// the modal loop (headless: the script's handler answers), EndDialog, and the
// dialog window's own procedure that forwards to the dialog procedure.
#include <algorithm>
#include <map>

#include "platform/dialogs/dialog.h"
#include "platform/drivers/driver.h"
#include "platform/drivers/script.h"
#include "platform/gdi/surface.h"
#include "platform/window/window.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {

// Script side (script.cpp).
DialogHandler TakeDialogHandler(int templateId);

// Headless modal pump: messages for the dialog and its controls, and every
// pending paint, until none is left. Messages queued for other windows wait
// for the modal loop to end, as input to a disabled owner would.
void PumpModal(HWND dialog) {
    MSG msg;
    for (int guard = 0; guard < 100000 && IsWindow(dialog); ++guard) {
        if (TakePostedFor(&msg, dialog)) {
            if (!IsDialogMessage(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
            continue;
        }
        if (PeekMessage(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
            DispatchMessage(&msg);
            continue;
        }
        return;
    }
}

std::vector<HWND>& ModalStack() {
    static std::vector<HWND> stack;
    return stack;
}

HWND ActiveModalDialog() {
    auto& stack = ModalStack();
    while (!stack.empty() && !IsWindow(stack.back())) stack.pop_back();
    return stack.empty() ? nullptr : stack.back();
}

namespace {

std::map<int, DialogTemplate>& Templates() {
    static std::map<int, DialogTemplate> templates;
    return templates;
}

DialogFontProvider& FontProvider() {
    static DialogFontProvider provider = nullptr;
    return provider;
}

DialogData* DataOf(HWND hwnd) {
    Window* w = FindWindowRecord(hwnd);
    return (w != nullptr) ? w->dialog.get() : nullptr;
}

}  // namespace

DialogFont TemplateFont(const DialogTemplate& t) {
    if (FontProvider() != nullptr) {
        DialogFont f = FontProvider()(t.fontName, t.pointSize);
        if (f.baseUnits.cx > 0 && f.baseUnits.cy > 0) return f;
    }
    int points = t.pointSize > 0 ? t.pointSize : 8;
    return DialogFont{nullptr, SIZE{6 * points / 8, 13 * points / 8}};
}

namespace {

RECT ToPixels(SIZE base, short x, short y, short cx, short cy) {
    int px = x * base.cx / 4;
    int py = y * base.cy / 8;
    return RECT{px, py, px + cx * base.cx / 4, py + cy * base.cy / 8};
}

HWND FirstTabStop(HWND dialog) {
    return GetNextDlgTabItem(dialog, nullptr, FALSE);
}

void FocusControl(HWND control) {
    if (control == nullptr) return;
    SetFocus(control);
    if (SendMessage(control, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessage(control, EM_SETSEL, 0, -1);
}

std::string Describe(HWND dialog, int templateId) {
    return "dialog " + std::to_string(templateId) + " \"" + WindowText(dialog) + "\"";
}

// Presses Cancel for a dialog nothing answered, then ends it.
void CancelDialog(HWND dialog) {
    if (!IsWindow(dialog)) return;
    SendMessage(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    if (DialogData* d = DataOf(dialog); d != nullptr && !d->ended) EndDialog(dialog, IDCANCEL);
}

bool Ended(HWND dialog) {
    DialogData* d = DataOf(dialog);
    return d == nullptr || d->ended;
}

void RunScripted(HWND dialog, int templateId, const DialogHandler& handler) {
    PumpModal(dialog);
    handler(dialog);
    PumpModal(dialog);
    if (!Ended(dialog)) {
        ReportScriptFailure(Describe(dialog, templateId) + " is still open after its script");
        CancelDialog(dialog);
    }
}

void RunInteractive(HWND dialog) {
    MSG msg;
    while (!Ended(dialog)) {
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                EndDialog(dialog, IDCANCEL);
                break;
            }
            if (!IsDialogMessage(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessage(&msg);
            }
            continue;
        }
        if (!CurrentDriver().WaitForInput()) {
            CancelDialog(dialog);
            break;
        }
    }
}

}  // namespace

// A dialog that its template does not place opens centred on its owner (the
// desktop without one), moved as little as needed to lie on the desktop.
POINT CentredOn(HWND owner, SIZE size) {
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    RECT around = desk;
    if (owner != nullptr) GetWindowRect(owner, &around);
    LONG x = around.left + (around.right - around.left - size.cx) / 2;
    LONG y = around.top + (around.bottom - around.top - size.cy) / 2;
    x = std::max(desk.left, std::min(x, desk.right - size.cx));
    y = std::max(desk.top, std::min(y, desk.bottom - size.cy));
    return POINT{x, y};
}

HWND CreateDialogWindow(HINSTANCE instance, const DialogTemplate& t, int templateId, HWND owner,
                        DLGPROC proc, LPARAM param, bool modal) {
    EnsureBuiltinClasses();
    DialogFont font = TemplateFont(t);
    RECT r = ToPixels(font.baseUnits, t.x, t.y, t.cx, t.cy);
    DWORD style = t.style & ~(WS_VISIBLE | WS_CHILD);
    DWORD exStyle = (t.style & DS_MODALFRAME) ? WS_EX_DLGMODALFRAME : 0;
    RECT frame{0, 0, r.right - r.left, r.bottom - r.top};
    Window probe;
    probe.style = style;
    probe.exStyle = exStyle;
    Insets in = NonClientInsets(probe);
    int width = frame.right + in.left + in.right;
    int height = frame.bottom + in.top + in.bottom;
    POINT origin{r.left, r.top};
    if ((t.style & DS_CENTER) || (t.x == 0 && t.y == 0)) {
        origin = CentredOn(owner, SIZE{width, height});
    } else if (owner != nullptr) {
        ClientToScreen(owner, &origin);
    }
    HWND dialog = CreateWindowEx(exStyle, kDialogClassName, t.caption.c_str(), style, origin.x,
                                 origin.y, width, height, owner, nullptr, instance, nullptr);
    if (dialog == nullptr) return nullptr;
    auto data = std::make_unique<DialogData>();
    data->proc = proc;
    data->modal = modal;
    data->templateId = templateId;
    data->baseUnits = font.baseUnits;
    data->font = font.font;
    FindWindowRecord(dialog)->font = font.font;
    for (const DialogItemTemplate& item : t.items) {
        RECT ir = ToPixels(font.baseUnits, item.x, item.y, item.cx, item.cy);
        HWND c =
            CreateWindowEx(item.exStyle, item.className.c_str(), item.text.c_str(),
                           item.style | WS_CHILD | WS_VISIBLE, ir.left, ir.top, ir.right - ir.left,
                           ir.bottom - ir.top, dialog, ControlId(item.id), instance, nullptr);
        if (c == nullptr) {
            DestroyWindow(dialog);
            return nullptr;
        }
        if (font.font != nullptr)
            SendMessage(c, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), FALSE);
        if (EqualsNoCase(item.className, "BUTTON") &&
            (item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            data->defaultId = item.id;
    }
    FindWindowRecord(dialog)->dialog = std::move(data);
    if (font.font != nullptr && (t.style & DS_SETFONT))
        SendMessage(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font.font), FALSE);
    HWND first = FirstTabStop(dialog);
    LRESULT wantsFocus = SendMessage(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog)) return nullptr;
    if (modal || (t.style & WS_VISIBLE)) ShowWindow(dialog, SW_SHOW);
    if (wantsFocus && IsWindow(dialog)) FocusControl(FirstTabStop(dialog));
    return IsWindow(dialog) ? dialog : nullptr;
}

namespace {

// The top-level windows a modal dialog blocks: every one that takes input
// when it starts (its owner and the owner's other windows, the result pages
// among them), disabled until it ends, so that a click on one brings the
// dialog forward rather than working the window behind it.
std::vector<HWND> DisableBlockedWindows(HWND owner) {
    std::vector<HWND> disabled;
    std::vector<HWND> windows = TopLevelWindows();
    if (owner != nullptr && std::find(windows.begin(), windows.end(), owner) == windows.end())
        windows.push_back(owner);
    for (HWND w : windows)
        if (IsWindow(w) && IsWindowEnabled(w)) {
            EnableWindow(w, FALSE);
            disabled.push_back(w);
        }
    return disabled;
}

void EnableBlockedWindows(const std::vector<HWND>& disabled) {
    for (HWND w : disabled)
        if (IsWindow(w)) EnableWindow(w, TRUE);
}

}  // namespace

INT_PTR RunModalDialog(HINSTANCE instance, const DialogTemplate& t, int templateId, HWND owner,
                       DLGPROC proc, LPARAM param) {
    const std::vector<HWND> blocked = DisableBlockedWindows(owner);
    HWND dialog = CreateDialogWindow(instance, t, templateId, owner, proc, param, true);
    if (dialog == nullptr) {
        EnableBlockedWindows(blocked);
        return -1;
    }
    DialogHandler handler = TakeDialogHandler(templateId);
    ModalStack().push_back(dialog);
    if (handler) {
        RunScripted(dialog, templateId, handler);
    } else if (CurrentDriver().Interactive()) {
        RunInteractive(dialog);
    } else {
        ReportScriptFailure("Unexpected " + Describe(dialog, templateId) +
                            ": no script answers it");
        CancelDialog(dialog);
    }
    ModalStack().erase(std::remove(ModalStack().begin(), ModalStack().end(), dialog),
                       ModalStack().end());
    INT_PTR result = IsWindow(dialog) && DataOf(dialog) ? DataOf(dialog)->result : IDCANCEL;
    EnableBlockedWindows(blocked);
    if (IsWindow(dialog)) DestroyWindow(dialog);
    if (owner != nullptr && IsWindow(owner)) SetActiveWindow(owner);
    return result;
}

void ResetDialogs() {
    ModalStack().clear();
}

}  // namespace detail

void RegisterDialogTemplate(int id, DialogTemplate dialogTemplate) {
    detail::Templates()[id] = std::move(dialogTemplate);
}

const DialogTemplate* FindDialogTemplate(int id) {
    auto it = detail::Templates().find(id);
    return it == detail::Templates().end() ? nullptr : &it->second;
}

void ClearDialogTemplates() {
    detail::Templates().clear();
}

void SetDialogFontProvider(DialogFontProvider provider) {
    detail::FontProvider() = provider;
}

INT_PTR DialogBoxParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM param) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (t == nullptr || proc == nullptr) return -1;
    DialogTemplate copy = *t;  // the table may change while the dialog runs
    return detail::RunModalDialog(instance, copy, templateId, owner, proc, param);
}

INT_PTR DialogBox(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc) {
    return DialogBoxParam(instance, templateId, owner, proc, 0);
}

INT_PTR DialogBoxIndirectParam(HINSTANCE instance, const DialogTemplate& dialogTemplate, HWND owner,
                               DLGPROC proc, LPARAM param) {
    if (proc == nullptr) return -1;
    return detail::RunModalDialog(instance, dialogTemplate, 0, owner, proc, param);
}

HWND CreateDialogParam(HINSTANCE instance, int templateId, HWND owner, DLGPROC proc, LPARAM param) {
    const DialogTemplate* t = FindDialogTemplate(templateId);
    if (t == nullptr || proc == nullptr) return nullptr;
    DialogTemplate copy = *t;
    return detail::CreateDialogWindow(instance, copy, templateId, owner, proc, param, false);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
    detail::DialogData* d = detail::DataOf(dialog);
    if (d == nullptr) return FALSE;
    d->result = result;
    d->ended = true;
    return TRUE;
}

bool DialogEnded(HWND dialog) {
    return detail::Ended(dialog);
}

BOOL MapDialogRect(HWND dialog, RECT* rect) {
    detail::DialogData* d = detail::DataOf(dialog);
    if (d == nullptr || rect == nullptr) return FALSE;
    *rect = detail::ToPixels(
        d->baseUnits, static_cast<short>(rect->left), static_cast<short>(rect->top),
        static_cast<short>(rect->right - rect->left), static_cast<short>(rect->bottom - rect->top));
    return TRUE;
}

// The base units of the system font (a template without a font of its own).
LONG GetDialogBaseUnits() {
    SIZE base = detail::TemplateFont(DialogTemplate{}).baseUnits;
    return static_cast<LONG>(MAKELONG(static_cast<WORD>(base.cx), static_cast<WORD>(base.cy)));
}

LRESULT DefDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    detail::DialogData* d = detail::DataOf(hwnd);
    switch (msg) {
        case WM_CLOSE:
            SendMessage(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                        reinterpret_cast<LPARAM>(GetDlgItem(hwnd, IDCANCEL)));
            return 0;
        case WM_ERASEBKGND: {
            auto brush = reinterpret_cast<HBRUSH>(
                SendMessage(hwnd, WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(hwnd)));
            if (brush == nullptr) {
                detail::FindWindowRecord(hwnd)->surface.Fill(0x00D4D0C8);
                return 1;
            }
            return detail::EraseWithBrush(hwnd, reinterpret_cast<HDC>(wParam), brush);
        }
        case DM_GETDEFID:
            return d ? MAKELONG(static_cast<WORD>(d->defaultId), 0x534B) : 0;
        case DM_SETDEFID:
            if (d) d->defaultId = static_cast<int>(wParam);
            return TRUE;
        case WM_SETFOCUS: {
            HWND first = GetNextDlgTabItem(hwnd, nullptr, FALSE);
            if (first != nullptr) detail::FocusControl(first);
            return 0;
        }
        default:
            return DefWindowProc(hwnd, msg, wParam, lParam);
    }
}

namespace detail {

LRESULT DialogWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    DialogData* d = DataOf(hwnd);
    if (d == nullptr || d->proc == nullptr) return DefWindowProc(hwnd, msg, wParam, lParam);
    FindWindowRecord(hwnd)->dialogMsgResult = 0;
    INT_PTR r = d->proc(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_INITDIALOG:
            return r;
        default:
            break;
    }
    if (r != 0) {
        Window* still = FindWindowRecord(hwnd);
        return still != nullptr ? still->dialogMsgResult : 0;
    }
    if (!IsWindow(hwnd)) return 0;
    return DefDlgProc(hwnd, msg, wParam, lParam);
}

}  // namespace detail
}  // namespace win
