// The spreadsheet copy of one water.
#include "reporttext/clipboard/copy_for_excel.h"

#include <cstring>
#include <string>
#include <vector>

#include "platform/dialogs/message_box.h"
#include "platform/system/clipboard.h"
#include "reporttext/report/build_report.h"
#include "reporttext/writers/text_writers.h"

namespace {

constexpr const char* kNoClipboard =
    "Windows clipboard not available. Contact Tech Support ref. pt xl 101.";
constexpr const char* kNoMemory =
    "Windows clipboard not available. Contact Tech Support ref. pt xl 102.";

win::HGLOBAL NewBlock(const void* bytes, std::size_t size) {
    win::HGLOBAL block = win::GlobalAlloc(win::GMEM_MOVEABLE | win::GMEM_DDESHARE, size);
    if (block == nullptr) return nullptr;
    void* p = win::GlobalLock(block);
    if (p == nullptr) {
        win::GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, bytes, size);
    win::GlobalUnlock(block);
    return block;
}

void Warn(win::HWND owner, const char* text) {
    win::MessageBox(owner, text, "WARNING", win::MB_OK | win::MB_ICONINFORMATION);
}

}  // namespace

int CopyForExcel(win::HWND owner, int water) {
    ReportDocument document;
    if (!BuildWaterDocument(water, document)) return -1;
    const std::vector<ComposedLine> lines = ComposeDocument(document);
    const std::vector<uint8_t> table = WriteXlTable(lines);
    const std::string csv = WriteCsv(lines);
    win::HGLOBAL tableBlock = NewBlock(table.data(), table.size());
    win::HGLOBAL csvBlock = tableBlock != nullptr ? NewBlock(csv.c_str(), csv.size() + 1) : nullptr;
    if (csvBlock == nullptr) {
        if (tableBlock != nullptr) win::GlobalFree(tableBlock);
        Warn(owner, kNoMemory);
        return -1;
    }
    if (!win::OpenClipboard(owner)) {
        win::GlobalFree(tableBlock);
        win::GlobalFree(csvBlock);
        Warn(owner, kNoClipboard);
        return -1;
    }
    win::EmptyClipboard();
    win::SetClipboardData(win::RegisterClipboardFormat("XlTable"), tableBlock);
    win::SetClipboardData(win::RegisterClipboardFormat("Csv"), csvBlock);
    win::CloseClipboard();
    return 0;
}
