// The style library as the host sees it: beside the plug-in, which sits
// beside this program in both builds.
#pragma once

#include <optional>
#include <string>

#include "styles/style_file.h"

namespace cantivo::host {

// This program's folder with its trailing separator.
std::string ProgramFolder();

// The named style file, read and checked before the filter is asked to load
// it; none when it is missing or malformed, and `problem` says which.
std::optional<StyleFile> ReadStyle(const std::string& moduleFolder, const std::string& styleFolder,
                                   const std::string& styleName, std::string& problem);

// One line per style folder, its styles indented below it; empty when the
// library holds no folder.
std::string StyleListing(const std::string& moduleFolder);

}  // namespace cantivo::host
