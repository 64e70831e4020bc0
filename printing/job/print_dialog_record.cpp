// The kept print dialog record and the saved copies of the last choice.
#include "printing/job/print_dialog_record.h"

#include <cstring>

#include "platform/dialogs/common_dialogs.h"
#include "platform/gdi/gdi_types.h"
#include "platform/system/clipboard.h"
#include "printing/print_job_records.h"

namespace {

constexpr win::DWORD kPrintDialogStructSize = 66;

// The bytes of a device mode: the 156-byte record and its driver's extra bytes,
// never more than the block holds.
size_t DevModeBytes(win::HGLOBAL block) {
    const size_t size = win::GlobalSize(block);
    if (size < sizeof(win::DeviceMode)) return size;
    win::DeviceMode mode;
    const void* p = win::GlobalLock(block);
    if (p == nullptr) return 0;
    std::memcpy(&mode, p, sizeof mode);
    win::GlobalUnlock(block);
    const size_t wanted = sizeof(win::DeviceMode) + mode.dmDriverExtra;
    return wanted < size ? wanted : size;
}

win::HGLOBAL CopyBytes(win::HGLOBAL block, size_t bytes) {
    if (block == nullptr || bytes == 0) return nullptr;
    win::HGLOBAL copy = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_ZEROINIT, bytes);
    if (copy == nullptr) return nullptr;
    const void* from = win::GlobalLock(block);
    void* to = win::GlobalLock(copy);
    if (from != nullptr && to != nullptr) std::memcpy(to, from, bytes);
    win::GlobalUnlock(copy);
    win::GlobalUnlock(block);
    if (from == nullptr || to == nullptr) {
        win::GlobalFree(copy);
        return nullptr;
    }
    return copy;
}

void Replace(win::HGLOBAL& kept, win::HGLOBAL copy) {
    if (copy == nullptr) return;
    if (kept != nullptr) win::GlobalFree(kept);
    kept = copy;
}

}  // namespace

win::HGLOBAL CopyBlock(win::HGLOBAL block) {
    return CopyBytes(block, block == nullptr ? 0 : win::GlobalSize(block));
}

void ClearPrintDialogRecord() {
    win::PrintDialogRecord& pd = printJobState.printDialog;
    if (pd.devMode != nullptr) win::GlobalFree(pd.devMode);
    if (pd.devNames != nullptr) win::GlobalFree(pd.devNames);
    pd = win::PrintDialogRecord{};
    pd.structSize = kPrintDialogStructSize;
    pd.owner = nullptr;
}

win::BOOL RunPrintDialog(win::DWORD extraFlags) {
    win::PrintDialogRecord& pd = printJobState.printDialog;
    printJobState.savedFlags = pd.flags;
    pd.flags |= extraFlags;
    return win::PrintDlg(&pd);
}

void KeepDialogChoice() {
    const win::PrintDialogRecord& pd = printJobState.printDialog;
    if (pd.devMode != nullptr)
        Replace(printJobState.savedDevMode, CopyBytes(pd.devMode, DevModeBytes(pd.devMode)));
    if (pd.devNames != nullptr) Replace(printJobState.savedDevNames, CopyBlock(pd.devNames));
}
