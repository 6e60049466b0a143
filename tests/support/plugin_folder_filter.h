// A filter connected in the build's own plug-in folder, where our rule modules
// and the bundled styles lie beside the test programs.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <vector>

#include "engine/module_folder.h"
#include "options/options_settings.h"
#include "platform/files.h"
#include "styles/style_loader.h"
#include "tests/support/message_capture.h"
#include "tests/support/owned_filter.h"
#include "tools/host/event_queue.h"
#include "tools/host/host_services.h"

namespace cantivo::test {

class PluginFolderFilter : public ::testing::Test {
protected:
    void SetUp() override {
        g_Options = OptionsSettings{};
        const auto bin = std::filesystem::path(platform::ThisModuleFilePath()).parent_path();
        SetModuleFolder(bin.string() + '/');
        host.AddRef();  // the filter releases the host object it is given
        ASSERT_EQ(filter->Connect(&host), S_OK);
    }
    void TearDown() override { filter->Disconnect(); }

    // Names a bundled style and loads it as the page does.
    bool LoadBundled(const char* folder, const char* name, bool interactive) {
        std::strcpy(filter->m_szStyleFolder, folder);
        std::strcpy(filter->m_szStyleName, name);
        return LoadStyle(*filter, nullptr, interactive, false);
    }
    std::vector<HostEvent> Run(const std::vector<HostEvent>& events) {
        host::EventQueue in(events);
        host::EventQueue out;
        EXPECT_EQ(filter->ProcessEvents(0, 0, &in, &out), S_OK);
        return out.events;
    }

    MessageCapture messages;
    host::Sequencer host{480, 500000, 4, 2};
    OwnedFilter filter = NewFilter();
};

}  // namespace cantivo::test
