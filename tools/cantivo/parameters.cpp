#include "tools/cantivo/parameters.h"

#include <algorithm>
#include <cctype>

namespace cantivo::host {

std::optional<int> ParameterIndex(std::string_view shortName) {
    for (const ParameterName& name : kParameterNames) {
        const std::string_view known = name.shortName;
        if (known.size() == shortName.size() &&
            std::equal(known.begin(), known.end(), shortName.begin(),
                       [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); }))
            return name.index;
    }
    return std::nullopt;
}

std::string ParameterNameList() {
    std::string list;
    for (const ParameterName& name : kParameterNames) {
        if (!list.empty()) list += ", ";
        list += name.shortName;
    }
    return list;
}

}  // namespace cantivo::host
