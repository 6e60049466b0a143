// A connected filter in a module folder of its own with one rule module file.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "engine/midi_filter.h"
#include "engine/module_folder.h"
#include "engine/persisted_settings.h"
#include "options/options_settings.h"
#include "tests/support/message_capture.h"
#include "tests/support/owned_filter.h"
#include "tests/support/host_doubles.h"
#include "tests/support/records.h"
#include "tests/support/temp_folder.h"
#include "tools/host/event_queue.h"

namespace cantivo::test {

// The user's settings, as a stream save holds them.
inline std::vector<std::uint8_t> PersistedBytes(const CMFCMidiFilter& filter) {
    std::vector<std::uint8_t> bytes;
    for (const auto field : PersistedFields(filter)) bytes.insert(bytes.end(), field.begin(), field.end());
    return bytes;
}

class FilterFixture : public ::testing::Test {
protected:
    void SetUp() override {
        g_Options = OptionsSettings{};
        folder.Touch("r40.dll");  // module 40 alone is enough, named in any case
        SetModuleFolder(folder.Path());
        filter = NewFilter();
        host.AddRef();  // the filter releases the host object it is given
        ASSERT_EQ(filter->Connect(&host), S_OK);
    }
    void TearDown() override { filter->Disconnect(); }

    // Runs one chunk and returns what the filter put out.
    std::vector<HostEvent> Run(std::vector<HostEvent> events) {
        host::EventQueue in(std::move(events));
        host::EventQueue out;
        EXPECT_EQ(filter->ProcessEvents(0, 0, &in, &out), S_OK);
        return out.events;
    }

    // The records of the last run, end record included.
    std::vector<EventRecord> Records() {
        const auto* base = static_cast<const EventRecord*>(GlobalLock(filter->m_hEvents));
        std::vector<EventRecord> records(base, base + filter->m_nEventBytes / sizeof(EventRecord));
        GlobalUnlock(filter->m_hEvents);
        return records;
    }

    TempFolder folder;
    MessageCapture messages;
    TestHost host;
    OwnedFilter filter;
};

}  // namespace cantivo::test
