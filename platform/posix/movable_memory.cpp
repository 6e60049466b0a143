#include "cantivo/movable_memory.h"

#include <cstdlib>
#include <cstring>
#include <new>

struct CantivoGlobalBlock {
    unsigned char* data = nullptr;
    std::size_t size = 0;
    int locks = 0;
};

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    auto* block = new (std::nothrow) CantivoGlobalBlock;
    if (!block) return nullptr;
    // A zero-byte block still gets an address, like a discarded one on Windows gets a handle.
    block->data = static_cast<unsigned char*>(std::calloc(bytes ? bytes : 1, 1));
    if (!block->data) {
        delete block;
        return nullptr;
    }
    block->size = bytes;
    return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT) {
    if (!block) return nullptr;
    auto* grown = static_cast<unsigned char*>(std::realloc(block->data, bytes ? bytes : 1));
    if (!grown) return nullptr;
    if (bytes > block->size) std::memset(grown + block->size, 0, bytes - block->size);
    block->data = grown;
    block->size = bytes;
    return block;
}

void* GlobalLock(HGLOBAL block) {
    if (!block) return nullptr;
    ++block->locks;
    return block->data;
}

int GlobalUnlock(HGLOBAL block) {
    if (!block || block->locks == 0) return 0;
    return --block->locks;
}

SIZE_T GlobalSize(HGLOBAL block) { return block ? block->size : 0; }

HGLOBAL GlobalFree(HGLOBAL block) {
    if (!block) return nullptr;
    std::free(block->data);
    delete block;
    return nullptr;
}
