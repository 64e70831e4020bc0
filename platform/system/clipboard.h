// The clipboard and movable memory blocks.
//
// Memory blocks: GlobalAlloc (zeroed on request), lock (a stable pointer to
// the bytes), unlock, free, size. The clipboard holds one handle per format;
// registered formats get ids from 0xC000 upward, the same name (compared
// without regard to case) always the same id. Setting data hands the block to
// the clipboard, which frees it when emptied.
#pragma once

#include <string>
#include <vector>

#include "platform/window/win_types.h"

namespace win {

// ---- Movable memory ---------------------------------------------------------------
// Null when the size is above GlobalAllocLimit() or the memory cannot be had.
HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes);
HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, UINT flags);
void* GlobalLock(HGLOBAL block);
BOOL GlobalUnlock(HGLOBAL block);
// nullptr on success, the block itself when it cannot be freed.
HGLOBAL GlobalFree(HGLOBAL block);
[[nodiscard]] std::size_t GlobalSize(HGLOBAL block);
// The block whose locked bytes start at `pointer`.
[[nodiscard]] HGLOBAL GlobalHandle(const void* pointer);
// The bytes from `pointer` to the end of the live block it points into; 0 when
// it points into none. (Readers of memory sources stay inside their block.)
[[nodiscard]] std::size_t GlobalBytesFrom(const void* pointer);
// The largest block GlobalAlloc gives: 256 MB in the test and fuzz builds, 1 GB otherwise.
[[nodiscard]] std::size_t GlobalAllocLimit();
// Tests: make the next `count` allocations fail (as when memory runs out).
void FailNextGlobalAllocs(int count);
// Blocks currently allocated (leak checks in tests).
[[nodiscard]] int LiveGlobalBlocks();

// ---- Clipboard ------------------------------------------------------------------------
UINT RegisterClipboardFormat(const char* name);
inline UINT RegisterClipboardFormatA(const char* n) {
    return RegisterClipboardFormat(n);
}
int GetClipboardFormatName(UINT format, char* buffer, int size);
// Fails while the clipboard is open (by this program or, for tests, by
// "another program").
BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// For memory formats the handle is an HGLOBAL; CF_BITMAP, CF_PALETTE and
// CF_ENHMETAFILE take the drawing objects, which the clipboard releases
// through the releaser below when emptied.
void* SetClipboardData(UINT format, void* handle);
void* GetClipboardData(UINT format);
[[nodiscard]] BOOL IsClipboardFormatAvailable(UINT format);
[[nodiscard]] UINT EnumClipboardFormats(UINT format);
[[nodiscard]] int CountClipboardFormats();
[[nodiscard]] HWND GetClipboardOwner();

using ClipboardObjectReleaser = void (*)(UINT format, void* handle);
void SetClipboardObjectReleaser(ClipboardObjectReleaser releaser);

// Tests and scripts: hold the clipboard as another program would, so
// OpenClipboard fails; read what the clipboard holds.
void SetClipboardHeldElsewhere(bool held);
[[nodiscard]] std::vector<std::uint8_t> ClipboardBytes(UINT format);
// Text of a CF_TEXT entry (up to its first NUL).
[[nodiscard]] std::string ClipboardText();

}  // namespace win
