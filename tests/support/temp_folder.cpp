#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>

namespace cantivo::test {

namespace {
std::atomic<int> g_sequence{0};
}

TempFolder::TempFolder() {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("cantivo-test-" + std::to_string(stamp) + "-" + std::to_string(g_sequence++));
    std::filesystem::create_directories(root_);
    path_ = root_.string() + static_cast<char>(std::filesystem::path::preferred_separator);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(root_, ignored);
}

void TempFolder::Touch(const std::string& relative, const std::string& content) const {
    const auto file = root_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << content;
}

}  // namespace cantivo::test
