#include "cantivo/movable_memory.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <unordered_set>

#include "platform/posix/movable_failures.h"

struct CantivoGlobalBlock {
    unsigned char* data = nullptr;
    std::size_t size = 0;
    int locks = 0;
};

namespace {

// Every handle handed out and not yet freed. A handle outside it is never
// dereferenced: the calls answer as Windows does for an invalid handle, so a
// module that frees the block and hands back the old handle cannot make the
// engine read freed memory.
class LiveBlocks {
public:
    bool Add(HGLOBAL block) {
        std::lock_guard<std::mutex> lock(mutex_);
        try {
            return blocks_.insert(block).second;
        } catch (const std::bad_alloc&) {
            return false;
        }
    }
    bool Remove(HGLOBAL block) {
        std::lock_guard<std::mutex> lock(mutex_);
        return blocks_.erase(block) != 0;
    }
    bool Contains(HGLOBAL block) {
        std::lock_guard<std::mutex> lock(mutex_);
        return blocks_.count(block) != 0;
    }

private:
    std::mutex mutex_;
    std::unordered_set<HGLOBAL> blocks_;
};

LiveBlocks& Live() {
    // Never destroyed: blocks may still be freed while the process exits.
    static auto* live = new LiveBlocks;
    return *live;
}

bool IsLive(HGLOBAL block) { return block && Live().Contains(block); }

std::atomic<long> g_failingCall{-1};
std::atomic<long> g_callsCounted{0};

// True for the call a test asked to fail.
bool InjectedFailure() {
    const long failing = g_failingCall.load(std::memory_order_relaxed);
    return failing >= 0 && g_callsCounted.fetch_add(1, std::memory_order_relaxed) == failing;
}

}  // namespace

void CantivoFailMovableCall(long n) {
    g_failingCall.store(-1, std::memory_order_relaxed);
    g_callsCounted.store(0, std::memory_order_relaxed);
    g_failingCall.store(n, std::memory_order_relaxed);
}

long CantivoMovableCallsCounted() { return g_callsCounted.load(std::memory_order_relaxed); }

HGLOBAL GlobalAlloc(UINT, SIZE_T bytes) {
    if (InjectedFailure()) return nullptr;
    auto* block = new (std::nothrow) CantivoGlobalBlock;
    if (!block) return nullptr;
    // A zero-byte block still gets an address, like a discarded one on Windows gets a handle.
    block->data = static_cast<unsigned char*>(std::calloc(bytes ? bytes : 1, 1));
    if (!block->data || !Live().Add(block)) {
        std::free(block->data);
        delete block;
        return nullptr;
    }
    block->size = bytes;
    return block;
}

HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT) {
    if (!IsLive(block) || InjectedFailure()) return nullptr;
    auto* grown = static_cast<unsigned char*>(std::realloc(block->data, bytes ? bytes : 1));
    if (!grown) return nullptr;
    if (bytes > block->size) std::memset(grown + block->size, 0, bytes - block->size);
    block->data = grown;
    block->size = bytes;
    return block;
}

void* GlobalLock(HGLOBAL block) {
    if (!IsLive(block) || InjectedFailure()) return nullptr;
    ++block->locks;
    return block->data;
}

int GlobalUnlock(HGLOBAL block) {
    if (!IsLive(block) || block->locks == 0) return 0;
    return --block->locks;
}

SIZE_T GlobalSize(HGLOBAL block) { return IsLive(block) ? block->size : 0; }

HGLOBAL GlobalFree(HGLOBAL block) {
    if (!block) return nullptr;
    if (!Live().Remove(block)) return block;
    std::free(block->data);
    delete block;
    return nullptr;
}
