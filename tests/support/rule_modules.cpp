#include "tests/support/rule_modules.h"

#include <filesystem>
#include <fstream>

#include "platform/files.h"

namespace cantivo::test {

void InstallRuleModule(const TempFolder& folder, int module, int as) {
    const std::filesystem::path built =
        std::filesystem::path(platform::ThisModuleFilePath()).parent_path() / "test-rules" /
        ("R" + std::to_string(module) + ".DLL");
    std::filesystem::copy_file(built, folder / ("R" + std::to_string(as) + ".DLL"),
                               std::filesystem::copy_options::overwrite_existing);
}

std::vector<Call> ReadRecordedCalls(const std::string& path) {
    std::vector<Call> calls;
    std::ifstream in(path, std::ios::binary);
    Call next{};
    while (in.read(reinterpret_cast<char*>(&next.call), sizeof next.call)) {
        next.records.resize(static_cast<std::size_t>(next.call.bytesInUse) / sizeof(EventRecord));
        in.read(reinterpret_cast<char*>(next.records.data()),
                static_cast<std::streamsize>(next.records.size() * sizeof(EventRecord)));
        calls.push_back(next);
    }
    return calls;
}

}  // namespace cantivo::test
