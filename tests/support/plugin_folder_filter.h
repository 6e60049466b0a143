// A connected filter in the build's own plug-in folder, where our rule modules
// and the bundled styles lie beside the test programs.
#pragma once

#include <cstring>
#include <filesystem>

#include "platform/files.h"
#include "styles/style_loader.h"
#include "tests/support/filter_fixture.h"

namespace cantivo::test {

class PluginFolderFilter : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        const auto bin = std::filesystem::path(platform::ThisModuleFilePath()).parent_path();
        SetModuleFolder(bin.string() + '/');
    }

    // Names a bundled style and loads it as the page does.
    bool LoadBundled(const char* folder, const char* name, bool interactive) {
        std::strcpy(filter->m_szStyleFolder, folder);
        std::strcpy(filter->m_szStyleName, name);
        return LoadStyle(*filter, nullptr, interactive, false);
    }
};

}  // namespace cantivo::test
