// The style library: module folder + "STYLES\", one level of style folders,
// each holding style files "<name>.cnv".
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cantivo {

// The style file's path; none when a name could leave its folder (it holds a
// path separator or is "." or "..") or is empty.
std::optional<std::string> StyleFilePath(const std::string& moduleFolder, const std::string& styleFolder,
                                         const std::string& styleName);

// Style folders, dot-named ones left out, in alphabetical order without regard
// to case; empty when the library is missing.
std::vector<std::string> ListStyleFolders(const std::string& moduleFolder);

// Styles of one folder: files ending in ".cnv" in any case, listed without it,
// in the same order.
std::vector<std::string> ListStyles(const std::string& moduleFolder, const std::string& styleFolder);

// The first entry that begins with `stored`, letter case ignored, else the
// first entry; none for an empty list.
std::optional<std::size_t> FindStoredEntry(const std::vector<std::string>& entries, const std::string& stored);

}  // namespace cantivo
