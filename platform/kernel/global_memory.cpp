// Global memory blocks. A movable block lives behind a handle of the handle
// table, so a freed or forged handle is refused and live blocks can be
// counted; a fixed block's handle is the address of its bytes, which a set
// of live fixed blocks vouches for before it is freed.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

#include "core/handle_table.h"
#include "test_hooks.h"
#include "windows.h"

namespace {

using tarnwick::port::HandleKind;

struct MovableBlock {
    void* bytes = nullptr;
    std::size_t size = 0;
    int locks = 0;
};

struct FixedBlocks {
    std::mutex guard;
    std::unordered_set<void*> live;  // the addresses handed out
};

FixedBlocks& TheFixedBlocks() {
    static FixedBlocks blocks;
    return blocks;
}

// At least one byte, so that a block of size 0 still has an address.
void* AllocateBytes(std::size_t bytes, bool zero) {
    void* memory = zero ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    return memory;
}

HGLOBAL AllocateMovable(std::size_t bytes, bool zero) {
    auto* block = new (std::nothrow) MovableBlock;
    if (block == nullptr) return nullptr;
    block->bytes = AllocateBytes(bytes, zero);
    block->size = bytes;
    HGLOBAL handle = block->bytes ? tarnwick::port::AddHandle(HandleKind::GlobalMemory, block, true) : nullptr;
    if (handle == nullptr) {
        std::free(block->bytes);
        delete block;
    }
    return handle;
}

// A fixed block keeps its size in a header before the bytes it hands out.
constexpr std::size_t kHeader = alignof(std::max_align_t);

HGLOBAL AllocateFixed(std::size_t bytes, bool zero) {
    if (bytes > SIZE_MAX - kHeader) return nullptr;
    auto* memory = static_cast<unsigned char*>(AllocateBytes(kHeader + bytes, zero));
    if (memory == nullptr) return nullptr;
    std::memcpy(memory, &bytes, sizeof bytes);
    void* handed = memory + kHeader;
    FixedBlocks& fixed = TheFixedBlocks();
    std::lock_guard<std::mutex> lock(fixed.guard);
    if (!fixed.live.insert(handed).second) {
        std::free(memory);
        return nullptr;
    }
    return handed;
}

MovableBlock* MovableOf(HGLOBAL memory) {
    return static_cast<MovableBlock*>(tarnwick::port::LookUpHandle(memory, HandleKind::GlobalMemory));
}

bool IsLiveFixed(HGLOBAL memory) {
    FixedBlocks& fixed = TheFixedBlocks();
    std::lock_guard<std::mutex> lock(fixed.guard);
    return fixed.live.count(memory) != 0;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT flags, std::size_t bytes) {
    const bool zero = flags & GMEM_ZEROINIT;
    return (flags & GMEM_MOVEABLE) ? AllocateMovable(bytes, zero) : AllocateFixed(bytes, zero);
}

LPVOID GlobalLock(HGLOBAL memory) {
    if (MovableBlock* block = MovableOf(memory)) {
        ++block->locks;
        return block->bytes;
    }
    return IsLiveFixed(memory) ? memory : nullptr;
}

// True while the block stays locked; false once its last lock is gone, or
// for a block that was not locked.
BOOL GlobalUnlock(HGLOBAL memory) {
    MovableBlock* block = MovableOf(memory);
    if (block == nullptr || block->locks == 0) return FALSE;
    return --block->locks > 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    if (MovableBlock* block = MovableOf(memory)) {
        tarnwick::port::RemoveHandle(memory);
        std::free(block->bytes);
        delete block;
        return nullptr;
    }
    FixedBlocks& fixed = TheFixedBlocks();
    std::lock_guard<std::mutex> lock(fixed.guard);
    if (fixed.live.erase(memory) == 0) return memory;
    std::free(static_cast<unsigned char*>(memory) - kHeader);
    return nullptr;
}

int TestCountGlobalBlocks() {
    FixedBlocks& fixed = TheFixedBlocks();
    std::lock_guard<std::mutex> lock(fixed.guard);
    return static_cast<int>(tarnwick::port::CountHandles(tarnwick::port::ResourceClass::Kernel) +
                            fixed.live.size());
}

std::size_t GlobalSize(HGLOBAL memory) {
    if (MovableBlock* block = MovableOf(memory)) return block->size;
    if (!IsLiveFixed(memory)) return 0;
    std::size_t size = 0;
    std::memcpy(&size, static_cast<unsigned char*>(memory) - kHeader, sizeof size);
    return size;
}
