// The test rule modules, and copying them into a test's module folder.
#pragma once

#include <string>
#include <vector>

#include "tests/rules/recorded_call.h"
#include "tests/support/temp_folder.h"

namespace cantivo::test {

enum TestModule {
    kRecorder = 1,
    kTempoAdder = 2,
    kGrower = 3,
    kFailing = 4,
    kNoEntryPoint = 5,
    kBrokenResult = 6,
    kPageMessenger = 7,  // Windows only
    kSkippedRecorder = 13,
};

// Copies R<module>.DLL into the folder, under the name R<as>.DLL.
void InstallRuleModule(const TempFolder& folder, int module, int as);
inline void InstallRuleModule(const TempFolder& folder, int module) { InstallRuleModule(folder, module, module); }

struct Call {
    RecordedCall call;
    std::vector<EventRecord> records;
};
// Every call the recorder wrote to `path`, in order.
std::vector<Call> ReadRecordedCalls(const std::string& path);

}  // namespace cantivo::test
