// A processing run whose rule modules hand back whatever the input says:
// blocks freed, replaced, resized or scribbled on, sizes and capacities that
// lie, failure returns. The engine's check of the result must hold.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "engine/rule_slot.h"
#include "tests/fuzz/harness.h"

using namespace cantivo;

namespace {

constexpr std::int16_t kLiar = 1;
constexpr std::size_t kMaxEvents = 64;
constexpr std::uint32_t kMaxBlockBytes = 1u << 21;
constexpr std::uint16_t kMaxWrites = 64;

// The rest of the input, for the module to act on.
fuzz::InputReader* g_script = nullptr;

enum class BlockMove : std::uint8_t { kKeep, kFree, kResize, kReplace, kNull };

// Leaks nothing itself: a block it lets go of is freed.
std::int32_t Lie(HWND, void*, HGLOBAL* events, std::int32_t* capacity, std::int32_t* bytesInUse, SettingsRegion*,
                 void*, std::uint16_t, std::uint16_t, std::uint16_t, std::uint8_t) {
    fuzz::InputReader& script = *g_script;
    const auto move = static_cast<BlockMove>(script.Take<std::uint8_t>() % 5);
    const std::uint32_t bytes = script.Take<std::uint32_t>() % kMaxBlockBytes;
    switch (move) {
        case BlockMove::kKeep:
            break;
        case BlockMove::kFree:
            GlobalFree(*events);  // and hands back the old handle
            break;
        case BlockMove::kResize:
            if (HGLOBAL resized = GlobalReAlloc(*events, bytes, GMEM_MOVEABLE)) *events = resized;
            break;
        case BlockMove::kReplace:
            if (HGLOBAL fresh = GlobalAlloc(GHND, bytes)) {
                GlobalFree(*events);
                *events = fresh;
            }
            break;
        case BlockMove::kNull:
            GlobalFree(*events);
            *events = nullptr;
            break;
    }
    // Writes within whatever block the handle now has.
    if (auto* base = static_cast<std::uint8_t*>(GlobalLock(*events))) {
        const std::size_t size = GlobalSize(*events);
        const std::uint16_t writes = script.Take<std::uint16_t>() % kMaxWrites;
        for (std::uint16_t k = 0; k < writes && size > 0; ++k) {
            const std::size_t at = script.Take<std::uint32_t>() % size;
            const auto chunk = script.TakeBytes(std::min<std::size_t>(size - at, script.Take<std::uint8_t>()));
            std::memcpy(base + at, chunk.data(), chunk.size());
        }
        GlobalUnlock(*events);
    }
    if (script.Take<std::uint8_t>() & 1) *capacity = script.Take<std::int32_t>();
    if (script.Take<std::uint8_t>() & 1) *bytesInUse = script.Take<std::int32_t>();
    return script.Take<std::uint8_t>() == 0 ? 0 : 1;
}

fuzz::ResidentRuleModules& LiarModule() {
    static fuzz::ResidentRuleModules modules;
    modules.Set(kLiar, &Lie);
    return modules;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::InputReader input({data, size});
    const std::size_t slots = 1 + input.Take<std::uint8_t>() % 3;
    const std::size_t count = input.Take<std::uint8_t>() % kMaxEvents;
    const auto events = fuzz::TakeHostEvents(input, count);
    g_script = &input;

    fuzz::HarnessFilter filter(LiarModule());
    for (std::size_t k = 0; k < slots; ++k) {
        filter->m_aSlots[k].wModule = kLiar;
        filter->m_aSlots[k].pData = new std::uint8_t[kRuleDataPadding]();  // the slot owns it
    }
    filter->m_bBypass = 0;
    filter.Run(events);
    g_script = nullptr;
    return 0;
}
