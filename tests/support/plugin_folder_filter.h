// A connected filter in the build's own plug-in folder, where our rule modules
// and the bundled styles lie beside the test programs.
#pragma once

#include <cstring>
#include <filesystem>
#include <vector>

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

    // Two bars of a melody with a controller, a wheel move and a host event of its own.
    static std::vector<HostEvent> Phrase() {
        std::vector<HostEvent> events;
        for (int beat = 0; beat < 8; ++beat) events.push_back(Note(beat * 480, 60 + beat, 70 + 5 * beat, 400));
        events.push_back(Controller(240, 7, 100));
        events.push_back(Wheel(960, 2048));
        events.push_back(Other(1200, 0x100, 7));
        return events;
    }
    const std::vector<HostEvent> input = Phrase();
};

}  // namespace cantivo::test
