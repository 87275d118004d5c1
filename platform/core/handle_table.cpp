#include "core/handle_table.h"

#include <new>

namespace tarnwick::port {
namespace {

constexpr std::uint32_t kChunkSize = 1024;
constexpr std::uint32_t kMaxChunks = 4096;
constexpr std::uint32_t kNoSlot = 0xFFFFFFFFu;

enum class SlotState : std::uint8_t { Free, Live, Retired };

struct Slot {
    std::uint32_t generation = 1;
    std::uint32_t nextFree = kNoSlot;
    HandleKind kind = HandleKind::Free;
    SlotState state = SlotState::Free;
    bool counted = false;
    void* object = nullptr;
};

struct Table {
    Slot* chunks[kMaxChunks] = {};
    std::uint32_t chunkCount = 0;
    std::uint32_t freeHead = kNoSlot;
    std::uint32_t counts[3] = {};  // by ResourceClass
};

Table& TheTable() {
    static Table table;
    return table;
}

Slot* SlotAt(std::uint32_t index) {
    Table& table = TheTable();
    std::uint32_t chunk = index / kChunkSize;
    if (chunk >= table.chunkCount) return nullptr;
    return &table.chunks[chunk][index % kChunkSize];
}

bool AddChunk() {
    Table& table = TheTable();
    if (table.chunkCount == kMaxChunks) return false;
    Slot* chunk = new (std::nothrow) Slot[kChunkSize];
    if (!chunk) return false;
    std::uint32_t base = table.chunkCount * kChunkSize;
    for (std::uint32_t i = 0; i < kChunkSize; ++i) {
        chunk[i].nextFree = (i + 1 < kChunkSize) ? base + i + 1 : table.freeHead;
    }
    table.chunks[table.chunkCount++] = chunk;
    table.freeHead = base;
    return true;
}

// Handle value: generation in the high half, index + 1 in the low half, so
// that no handle is null.
void* HandleValue(std::uint32_t index, std::uint32_t generation) {
    std::uintptr_t value = (static_cast<std::uintptr_t>(generation) << 32) | (std::uintptr_t{index} + 1);
    return reinterpret_cast<void*>(value);
}

// The slot a handle names while its generation matches, or null.
Slot* SlotOf(const void* handle, std::uint32_t* indexOut = nullptr) {
    auto value = reinterpret_cast<std::uintptr_t>(handle);
    std::uint32_t low = static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
    if (low == 0) return nullptr;
    Slot* slot = SlotAt(low - 1);
    if (!slot || slot->state == SlotState::Free) return nullptr;
    if (slot->generation != static_cast<std::uint32_t>(value >> 32)) return nullptr;
    if (indexOut) *indexOut = low - 1;
    return slot;
}

Slot* LiveSlotOf(const void* handle) {
    Slot* slot = SlotOf(handle);
    return (slot && slot->state == SlotState::Live) ? slot : nullptr;
}

std::uint32_t& CountOf(HandleKind kind) {
    return TheTable().counts[static_cast<int>(ResourceClassOf(kind))];
}

}  // namespace

ResourceClass ResourceClassOf(HandleKind kind) {
    switch (kind) {
        case HandleKind::Window:
        case HandleKind::Cursor:
        case HandleKind::Icon:
        case HandleKind::Accelerators: return ResourceClass::User;
        case HandleKind::GlobalMemory: return ResourceClass::Kernel;
        default: return ResourceClass::Gdi;
    }
}

void* AddHandle(HandleKind kind, void* object, bool counted) {
    Table& table = TheTable();
    if (table.freeHead == kNoSlot && !AddChunk()) return nullptr;
    std::uint32_t index = table.freeHead;
    Slot* slot = SlotAt(index);
    table.freeHead = slot->nextFree;
    slot->kind = kind;
    slot->state = SlotState::Live;
    slot->counted = counted;
    slot->object = object;
    if (counted) ++CountOf(kind);
    return HandleValue(index, slot->generation);
}

void* LookUpHandle(const void* handle, HandleKind kind) {
    Slot* slot = LiveSlotOf(handle);
    return (slot && slot->kind == kind) ? slot->object : nullptr;
}

HandleKind KindOfHandle(const void* handle) {
    Slot* slot = LiveSlotOf(handle);
    return slot ? slot->kind : HandleKind::Free;
}

void* ObjectOfHandle(const void* handle) {
    Slot* slot = LiveSlotOf(handle);
    return slot ? slot->object : nullptr;
}

void RetireHandle(const void* handle) {
    if (Slot* slot = LiveSlotOf(handle)) slot->state = SlotState::Retired;
}

void RemoveHandle(const void* handle) {
    std::uint32_t index = 0;
    Slot* slot = SlotOf(handle, &index);
    if (!slot) return;
    if (slot->counted) --CountOf(slot->kind);
    Table& table = TheTable();
    *slot = Slot{slot->generation + 1, table.freeHead};
    table.freeHead = index;
}

std::uint32_t CountHandles(ResourceClass resourceClass) {
    return TheTable().counts[static_cast<int>(resourceClass)];
}

}  // namespace tarnwick::port
