// Movable global memory, the kind the event buffer lives in. On Windows these
// are the kernel's own calls; elsewhere a small shared library gives the same
// calls so that the engine and rule modules share one source.
#pragma once

#ifdef _WIN32
#  ifndef WIN32_LEAN_AND_MEAN
#    define WIN32_LEAN_AND_MEAN
#  endif
#  include <windows.h>
#else
#  include <cstddef>
#  include <cstdint>

#  if defined(CANTIVO_MOVABLE_BUILD)
#    define CANTIVO_MOVABLE_API extern "C" __attribute__((visibility("default")))
#  else
#    define CANTIVO_MOVABLE_API extern "C"
#  endif

struct CantivoGlobalBlock;
using HGLOBAL = CantivoGlobalBlock*;
using SIZE_T = std::size_t;
using UINT = unsigned int;

constexpr UINT GMEM_FIXED = 0x0000;
constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Blocks are always movable and zero-filled where they grow. A handle that was
// never handed out or is freed answers 0 or null, as an invalid one does on Windows.
CANTIVO_MOVABLE_API HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
CANTIVO_MOVABLE_API HGLOBAL GlobalReAlloc(HGLOBAL block, SIZE_T bytes, UINT flags);
CANTIVO_MOVABLE_API void* GlobalLock(HGLOBAL block);
// Nonzero while the block stays locked, as on Windows.
CANTIVO_MOVABLE_API int GlobalUnlock(HGLOBAL block);
CANTIVO_MOVABLE_API SIZE_T GlobalSize(HGLOBAL block);
// Null on success, the block when it could not be freed.
CANTIVO_MOVABLE_API HGLOBAL GlobalFree(HGLOBAL block);
#endif
