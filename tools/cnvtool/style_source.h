// The readable source of a style file, as JSON: every header field by name,
// the description split into its text, axis presets and variable label, and
// each slot with its label, module, rule data and parameter block.
//
// Byte fields (header texts, labels, rule data, parameters, reserved bytes)
// are either a string of ASCII characters or {"hex": "..."} holding the raw
// bytes; a dump writes hex wherever text would not give the same bytes back.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>

#include "styles/style_file.h"

namespace cantivo::tools {

// A source that cannot be compiled: names the field and what is wrong.
class SourceError : public std::runtime_error {
public:
    SourceError(const std::string& field, const std::string& problem)
        : std::runtime_error(field + ": " + problem) {}
};

nlohmann::ordered_json StyleToSource(const StyleFile& style);

// Throws SourceError.
StyleFile StyleFromSource(const nlohmann::json& source);

}  // namespace cantivo::tools
