#include <cstdlib>

#include "cantivo/com.h"

extern "C" void* CoTaskMemAlloc(std::size_t bytes) { return std::malloc(bytes); }
extern "C" void CoTaskMemFree(void* block) { std::free(block); }
