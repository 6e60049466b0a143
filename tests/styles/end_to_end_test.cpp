// The bundled styles from end to end: each named in a settings stream, loaded
// without a window, its rule modules run over the example piece. That no
// module leaves notes overlapping, the modules' own tests show.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/error_code.h"
#include "midi/host_events.h"
#include "midi/midi_file_io.h"
#include "styles/style_library.h"
#include "styles/windowless_view.h"
#include "tests/support/plugin_folder_filter.h"
#include "tools/host/memory_stream.h"

namespace cantivo::test {
namespace {

// The settings record a host would keep: style names, and every row unmuted.
std::vector<std::uint8_t> SettingsFor(const std::string& folder, const std::string& name) {
    const OwnedFilter source = NewFilter();
    std::strncpy(source->m_szStyleFolder, folder.c_str(), kNameBytes - 1);
    std::strncpy(source->m_szStyleName, name.c_str(), kNameBytes - 1);
    std::fill(std::begin(source->m_abMuted), std::end(source->m_abMuted), 0u);
    host::MemoryStream stream;
    EXPECT_EQ(source->Save(&stream, 1), S_OK);
    return stream.bytes;
}

std::vector<HostEvent> Notes(const std::vector<HostEvent>& events) {
    std::vector<HostEvent> notes;
    std::copy_if(events.begin(), events.end(), std::back_inserter(notes),
                 [](const HostEvent& e) { return e.type == kHostNote; });
    std::sort(notes.begin(), notes.end(), [](const HostEvent& a, const HostEvent& b) { return a.time < b.time; });
    return notes;
}

using BundledStyles = PluginFolderFilter;

TEST_F(BundledStyles, EveryStyleChangesTheExampleAndKeepsEveryNote) {
    const auto piece = midi::ReadMidiFile(CANTIVO_EXAMPLE_MIDI);
    ASSERT_TRUE(piece.Ok());
    filter->m_pWindowlessView = &WindowlessView();
    const auto folders = ListStyleFolders(ModuleFolder());
    EXPECT_GE(folders.size(), 3u);
    std::size_t styles = 0;
    for (const std::string& folder : folders) {
        for (const std::string& name : ListStyles(ModuleFolder(), folder)) {
            SCOPED_TRACE(folder + "/" + name);
            ++styles;
            host::MemoryStream stream(SettingsFor(folder, name));
            ASSERT_EQ(filter->Load(&stream), S_OK);
            ASSERT_EQ(std::string(filter->m_szStyleName), name);  // taken, not refused as by a dirty filter
            ASSERT_GT(filter->m_nSlotCount, 0u);
            bool changed = false;
            for (const midi::MidiTrack& track : piece.file.tracks) {
                const auto input = midi::ToHostEvents(track);
                const auto before = Notes(input);
                const auto after = Notes(Run(input));
                ASSERT_EQ(GetErrorCode(), kNoError);
                ASSERT_EQ(after.size(), before.size());
                for (std::size_t i = 0; i < after.size() && !changed; ++i)
                    changed = after[i].time != before[i].time || after[i].duration != before[i].duration ||
                              after[i].note.velocity != before[i].note.velocity;
            }
            EXPECT_TRUE(changed);
        }
    }
    EXPECT_GE(styles, 6u);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace cantivo::test
