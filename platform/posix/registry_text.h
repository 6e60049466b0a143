// The POSIX registry's keys in memory, and the text they are kept in between
// runs: one "[path]" line per key, below it one "name=hex bytes" line per value.
#pragma once

#include <strings.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace cantivo::platform {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

// One key; values keep their raw bytes.
struct RegistryNode {
    std::map<std::string, std::unique_ptr<RegistryNode>, Caseless> subkeys;
    std::map<std::string, std::vector<std::uint8_t>, Caseless> values;
};

std::string RegistryText(const RegistryNode& root);

// Adds what the text holds below `root`. The text may come from anywhere:
// lines that do not parse are skipped, and sizes are bounded.
void ReadRegistryText(std::string_view text, RegistryNode& root);

}  // namespace cantivo::platform
