#include "rules/kit/rule_text.h"

#include <cstdlib>
#include <sstream>

namespace cantivo::rules {

RuleText::RuleText(const void* ruleData) {
    const auto* bytes = static_cast<const char*>(ruleData);
    std::string text;
    for (std::size_t i = 0; i < kMaxBytes && bytes[i] != '\0'; ++i) text += bytes[i];
    std::istringstream words(text);
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals == std::string::npos || equals == 0) continue;
        char* end = nullptr;
        const long value = std::strtol(word.c_str() + equals + 1, &end, 10);
        if (*end == '\0') values_[word.substr(0, equals)] = static_cast<std::int32_t>(value);
    }
}

std::int32_t RuleText::Get(const std::string& name, std::int32_t fallback) const {
    const auto found = values_.find(name);
    return found == values_.end() ? fallback : found->second;
}

}  // namespace cantivo::rules
