// A style file from anywhere. The filter reads styles only from the library
// beside the plug-in, so the file is copied for the run into a folder of that
// library whose name begins with a dot (such folders are never listed) and
// removed with it afterwards.
#pragma once

#include <memory>
#include <string>

namespace cantivo::host {

class StagedStyle {
public:
    // None when the file cannot be read, is not a valid style file or cannot
    // be copied; `problem` then says which.
    static std::unique_ptr<StagedStyle> Stage(const std::string& moduleFolder, const std::string& path,
                                              std::string& problem);
    ~StagedStyle();
    StagedStyle(const StagedStyle&) = delete;
    StagedStyle& operator=(const StagedStyle&) = delete;

    // What the filter's settings name: a style folder of the library and a style in it.
    const std::string& Folder() const { return folder_; }
    const std::string& Name() const { return name_; }

private:
    StagedStyle(std::string path, std::string folder, std::string name)
        : path_(std::move(path)), folder_(std::move(folder)), name_(std::move(name)) {}

    std::string path_;  // the staging folder
    std::string folder_;
    std::string name_;
};

}  // namespace cantivo::host
