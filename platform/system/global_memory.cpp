// Movable memory blocks. A block's bytes never move while it lives, so a
// locked pointer stays valid; the lock count is kept for GlobalUnlock's
// answer. Handles are serial numbers, never reused.
#include <cstring>
#include <map>
#include <memory>

#include "platform/system/clipboard.h"
#include "platform/window/window_internal.h"

namespace win {
namespace detail {
namespace {

struct Block {
    std::unique_ptr<std::uint8_t[]> bytes;
    std::size_t size = 0;
    int locks = 0;
};

struct MemoryState {
    std::map<std::uintptr_t, Block> blocks;
    std::uintptr_t nextSerial = 0x00300000;
    int failNext = 0;
};

MemoryState& Memory() {
    static MemoryState state;
    return state;
}

Block* Find(HGLOBAL h) {
    auto it = Memory().blocks.find(SerialFromHandle(h));
    return it == Memory().blocks.end() ? nullptr : &it->second;
}

}  // namespace

void ResetGlobalMemory() {
    Memory() = MemoryState{};
}

}  // namespace detail

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    auto& m = detail::Memory();
    if (m.failNext > 0) {
        --m.failNext;
        return nullptr;
    }
    detail::Block b;
    // Zero-sized blocks still get one byte so a lock has somewhere to point.
    b.bytes = std::make_unique<std::uint8_t[]>(bytes > 0 ? bytes : 1);
    if (flags & GMEM_ZEROINIT) std::memset(b.bytes.get(), 0, bytes > 0 ? bytes : 1);
    b.size = bytes;
    HGLOBAL h = detail::HandleFromSerial<HGLOBAL>(m.nextSerial);
    m.nextSerial += 0x10;
    m.blocks.emplace(detail::SerialFromHandle(h), std::move(b));
    return h;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, UINT flags) {
    detail::Block* b = detail::Find(block);
    if (b == nullptr || b->locks > 0) return nullptr;
    auto fresh = std::make_unique<std::uint8_t[]>(bytes > 0 ? bytes : 1);
    std::memset(fresh.get(), 0, bytes > 0 ? bytes : 1);
    std::memcpy(fresh.get(), b->bytes.get(), std::min(bytes, b->size));
    (void)flags;
    b->bytes = std::move(fresh);
    b->size = bytes;
    return block;
}

void* GlobalLock(HGLOBAL block) {
    detail::Block* b = detail::Find(block);
    if (b == nullptr) return nullptr;
    ++b->locks;
    return b->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL block) {
    detail::Block* b = detail::Find(block);
    if (b == nullptr || b->locks == 0) return FALSE;
    --b->locks;
    return b->locks > 0 ? TRUE : FALSE;
}

HGLOBAL GlobalFree(HGLOBAL block) {
    if (detail::Find(block) == nullptr) return block;
    detail::Memory().blocks.erase(detail::SerialFromHandle(block));
    return nullptr;
}

std::size_t GlobalSize(HGLOBAL block) {
    detail::Block* b = detail::Find(block);
    return b != nullptr ? b->size : 0;
}

HGLOBAL GlobalHandle(const void* pointer) {
    for (auto& [serial, b] : detail::Memory().blocks) {
        if (b.bytes.get() == pointer) return detail::HandleFromSerial<HGLOBAL>(serial);
    }
    return nullptr;
}

void FailNextGlobalAllocs(int count) {
    detail::Memory().failNext = count;
}

int LiveGlobalBlocks() {
    return static_cast<int>(detail::Memory().blocks.size());
}

}  // namespace win
