// A recursive lock, as a Windows critical section is.
#pragma once

#ifdef _WIN32
#  include <windows.h>
#else
#  include <mutex>
#endif

namespace cantivo::platform {

class CriticalSection {
public:
#ifdef _WIN32
    CriticalSection() { InitializeCriticalSection(&section_); }
    ~CriticalSection() { DeleteCriticalSection(&section_); }
    void Enter() { EnterCriticalSection(&section_); }
    void Leave() { LeaveCriticalSection(&section_); }
    bool TryEnter() { return TryEnterCriticalSection(&section_) != 0; }
#else
    void Enter() { mutex_.lock(); }
    void Leave() { mutex_.unlock(); }
    bool TryEnter() { return mutex_.try_lock(); }
#endif
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;
#ifndef _WIN32
    CriticalSection() = default;
#endif

private:
#ifdef _WIN32
    CRITICAL_SECTION section_;
#else
    std::recursive_mutex mutex_;
#endif
};

class SectionGuard {
public:
    explicit SectionGuard(CriticalSection& section) : section_(section) { section_.Enter(); }
    ~SectionGuard() { section_.Leave(); }
    SectionGuard(const SectionGuard&) = delete;
    SectionGuard& operator=(const SectionGuard&) = delete;

private:
    CriticalSection& section_;
};

}  // namespace cantivo::platform
