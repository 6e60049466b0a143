// A rule module's settings in its rule data: "name=value" words, ended by a
// NUL, for example "seed=7 lag=12 phrase=4".
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace cantivo::rules {

class RuleText {
public:
    // Reads at most kMaxBytes, so data without a terminator is never overrun far.
    explicit RuleText(const void* ruleData);

    std::int32_t Get(const std::string& name, std::int32_t fallback) const;

    static constexpr std::size_t kMaxBytes = 256;

private:
    std::map<std::string, std::int32_t> values_;
};

}  // namespace cantivo::rules
