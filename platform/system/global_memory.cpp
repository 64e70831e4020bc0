// Movable memory blocks. A block's bytes never move while it lives, so a
// locked pointer stays valid; the lock count is kept for GlobalUnlock's
// answer. Handles are serial numbers, never reused.
//
// A block larger than GlobalAllocLimit() is refused, and an allocation the C++
// heap cannot serve gives null, as on Windows: a size read from a hostile file
// then ends in the caller's out-of-memory status, never in an abort.
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <new>

#include "platform/system/clipboard.h"
#include "platform/window/window_internal.h"

// The build chooses the limit (CMakeLists.txt); 1 GB when it does not.
#ifndef TARVEX_GLOBAL_ALLOC_LIMIT_MB
#define TARVEX_GLOBAL_ALLOC_LIMIT_MB 1024
#endif

namespace win {
namespace detail {
namespace {

constexpr std::size_t kGlobalAllocLimit = std::size_t{TARVEX_GLOBAL_ALLOC_LIMIT_MB} << 20;

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
    if (bytes > detail::kGlobalAllocLimit) return nullptr;
    detail::Block b;
    // Zero-sized blocks still get one byte so a lock has somewhere to point.
    b.bytes.reset(new (std::nothrow) std::uint8_t[bytes > 0 ? bytes : 1]);
    if (b.bytes == nullptr) return nullptr;
    if (flags & GMEM_ZEROINIT) std::memset(b.bytes.get(), 0, bytes > 0 ? bytes : 1);
    b.size = bytes;
    HGLOBAL h = detail::HandleFromSerial<HGLOBAL>(m.nextSerial);
    m.nextSerial += 0x10;
    m.blocks.emplace(detail::SerialFromHandle(h), std::move(b));
    return h;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, std::size_t bytes, UINT flags) {
    detail::Block* b = detail::Find(block);
    if (b == nullptr || b->locks > 0 || bytes > detail::kGlobalAllocLimit) return nullptr;
    std::unique_ptr<std::uint8_t[]> fresh(new (std::nothrow) std::uint8_t[bytes > 0 ? bytes : 1]);
    if (fresh == nullptr) return nullptr;
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

std::size_t GlobalBytesFrom(const void* pointer) {
    const auto* p = static_cast<const std::uint8_t*>(pointer);
    if (p == nullptr) return 0;
    for (auto& [serial, b] : detail::Memory().blocks) {
        const std::uint8_t* start = b.bytes.get();
        // std::less gives a total order over pointers into different blocks.
        if (!std::less<const std::uint8_t*>()(p, start) &&
            std::less<const std::uint8_t*>()(p, start + b.size)) {
            return b.size - static_cast<std::size_t>(p - start);
        }
    }
    return 0;
}

HGLOBAL GlobalHandle(const void* pointer) {
    for (auto& [serial, b] : detail::Memory().blocks) {
        if (b.bytes.get() == pointer) return detail::HandleFromSerial<HGLOBAL>(serial);
    }
    return nullptr;
}

std::size_t GlobalAllocLimit() {
    return detail::kGlobalAllocLimit;
}

void FailNextGlobalAllocs(int count) {
    detail::Memory().failNext = count;
}

int LiveGlobalBlocks() {
    return static_cast<int>(detail::Memory().blocks.size());
}

}  // namespace win
