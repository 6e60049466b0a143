// Whether another thread could take a lock now: what a page or a host's
// playback thread would find while the test's thread holds it, or not.
#pragma once

#include <thread>

#include "platform/critical_section.h"

namespace cantivo::test {

inline bool LockIsFree(platform::CriticalSection& lock) {
    bool free = false;
    std::thread([&] {
        free = lock.TryEnter();
        if (free) lock.Leave();
    }).join();
    return free;
}

}  // namespace cantivo::test
