// The common file and print dialogs: the records the program fills before
// asking the user for a file name or a printer, and the calls that run them.
//
// Headless, the answers come from the script (platform/script.h): a file
// dialog takes the next scripted path or cancel; an unscripted dialog fails
// loudly with its title. The print dialog is run by the printing half of the
// platform layer, which fills the device context and the device blocks.
#pragma once

#include "platform/window/win_types.h"

namespace win {

// Open/save file-name dialog record. `filter` is a list of pairs of
// NUL-terminated strings ("Work files", "*.KRV", ...) ended by an empty
// string. `file` receives the chosen full path, `fileTitle` its last part.
struct FileDialogRecord {
    DWORD structSize = sizeof(FileDialogRecord);
    HWND owner = nullptr;
    HINSTANCE instance = nullptr;
    const char* filter = nullptr;
    DWORD filterIndex = 0;  // 1-based pair chosen; 0 = first
    char* file = nullptr;   // in: initial name (may be empty); out: full path
    DWORD fileSize = 0;     // capacity of `file` including the terminator
    char* fileTitle = nullptr;
    DWORD fileTitleSize = 0;
    const char* initialDir = nullptr;
    const char* title = nullptr;
    DWORD flags = 0;               // OFN_* bits
    WORD fileOffset = 0;           // offset of the name part within `file`
    WORD fileExtension = 0;        // offset of the extension within `file` (0: none)
    const char* defExt = nullptr;  // appended (with a dot) when the name has none
};

// Both return TRUE with `file` filled, FALSE when the user cancelled or the
// record is unusable (then CommDlgExtendedError() says which).
[[nodiscard]] BOOL GetOpenFileName(FileDialogRecord* record);
[[nodiscard]] BOOL GetSaveFileName(FileDialogRecord* record);

// 0 after a cancel, otherwise one of these.
inline constexpr DWORD kDialogErrorStructSize = 0x0001;
inline constexpr DWORD kDialogErrorBufferTooSmall = 0x3003;
inline constexpr DWORD kDialogErrorInvalidFileName = 0x3002;
[[nodiscard]] DWORD CommDlgExtendedError();
namespace detail {
// Sets what CommDlgExtendedError answers (the print dialog, run by the
// printing half, reports through it too).
void SetCommDlgExtendedError(DWORD error);
}  // namespace detail

// Print dialog record. The program fills the start values (structure size 66,
// owner, flags, one copy); the printing half fills `printerDC`, `devMode` and
// `devNames` when the user accepts. The printing half may add fields at the
// end; `structSize` keeps the value the program sets.
struct PrintDialogRecord {
    DWORD structSize = 0;
    HWND owner = nullptr;
    HGLOBAL devMode = nullptr;   // printer settings block (printing half's layout)
    HGLOBAL devNames = nullptr;  // driver / device / port names block
    HDC printerDC = nullptr;     // with PD_RETURNDC: the chosen printer's DC
    DWORD flags = 0;             // PD_* bits
    WORD fromPage = 0;
    WORD toPage = 0;
    WORD minPage = 0;
    WORD maxPage = 0;
    WORD copies = 0;
    HINSTANCE instance = nullptr;
};

// Runs the print (or, with PD_PRINTSETUP, printer set-up) dialog. Implemented
// by the printing half.
[[nodiscard]] BOOL PrintDlg(PrintDialogRecord* record);

}  // namespace win
