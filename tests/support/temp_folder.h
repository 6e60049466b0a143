// A folder of the test's own, removed at the end; its path ends in the
// platform's separator, as the module folder does.
#pragma once

#include <filesystem>
#include <string>

namespace cantivo::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return root_ / name; }
    // Creates an empty file (or one with `content`) at a path relative to the folder.
    void Touch(const std::string& relative, const std::string& content = {}) const;

private:
    std::filesystem::path root_;
    std::string path_;
};

}  // namespace cantivo::test
