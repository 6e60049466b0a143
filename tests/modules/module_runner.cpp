#include "tests/modules/module_runner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <map>

#include "engine/record_order.h"
#include "platform/dynamic_library.h"
#include "platform/files.h"

namespace cantivo::test {

ModuleCall::ModuleCall() {
    for (ParamEntry& entry : settings.params.aEntry) entry = {100, 0};
    settings.params.wVariableDepth = 100;
}

ModuleCall& ModuleCall::Row(int parameter, std::uint16_t depth, std::uint16_t random) {
    if (parameter == 7) {
        settings.params.wVariableDepth = depth;
    } else {
        settings.params.aEntry[parameter] = {depth, random};
    }
    return *this;
}

std::vector<EventRecord> RunModule(int module, const std::vector<EventRecord>& records, const ModuleCall& call) {
    const auto path = std::filesystem::path(platform::ThisModuleFilePath()).parent_path() /
                      ("R" + std::to_string(module) + ".DLL");
    platform::DynamicLibrary library(path.string());
    EXPECT_TRUE(library) << path;
    auto convert = reinterpret_cast<QV12ConvertFunction>(library.Symbol(kRuleEntryPoint));
    if (!convert) return {};

    auto bytesInUse = static_cast<std::int32_t>(records.size() * sizeof(EventRecord));
    std::int32_t capacity = bytesInUse;
    HGLOBAL events = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, static_cast<SIZE_T>(capacity));
    std::memcpy(GlobalLock(events), records.data(), static_cast<std::size_t>(bytesInUse));
    GlobalUnlock(events);

    std::string text = call.ruleText;
    SettingsRegion settings = call.settings;
    std::uint8_t params[kSlotParamBytes] = {};
    EXPECT_NE(convert(nullptr, text.data(), &events, &capacity, &bytesInUse, &settings, params, call.meter, 0,
                      call.timeBase, call.expressionController),
              0);
    EXPECT_LE(bytesInUse, capacity);
    EXPECT_LE(static_cast<SIZE_T>(capacity), GlobalSize(events));
    const auto* base = static_cast<const EventRecord*>(GlobalLock(events));
    std::vector<EventRecord> result(base, base + bytesInUse / sizeof(EventRecord));
    GlobalUnlock(events);
    GlobalFree(events);
    return result;
}

void ExpectValidBuffer(const std::vector<EventRecord>& records) {
    ASSERT_FALSE(records.empty());
    ASSERT_TRUE(IsEndRecord(records.back()));
    std::map<int, std::uint32_t> soundingUntil;
    for (std::size_t i = 0; i + 1 < records.size(); ++i) {
        const EventRecord& r = records[i];
        ASSERT_FALSE(IsEndRecord(r)) << i;
        if (i > 0) {
            ASSERT_LE(CompareRecords(records[i - 1], r), 0) << "out of order at " << i;
        }
        if (!IsNote(r)) continue;
        EXPECT_LE(RecordTime(r) + NoteDuration(r), RecordTime(records.back())) << i;
        const int voice = r.kind << 4 | (r.data[3] & 0x0F);
        const auto found = soundingUntil.find(voice);
        const std::uint32_t free = found == soundingUntil.end() ? 0 : found->second;
        ASSERT_LE(free, RecordTime(r)) << "key " << int{r.kind} << " overlaps at " << RecordTime(r);
        soundingUntil[voice] = RecordTime(r) + NoteDuration(r);
    }
}

}  // namespace cantivo::test
