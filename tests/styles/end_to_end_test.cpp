// Styles from end to end: a style file named in a settings stream, its rule
// modules loaded by the rule stage, their work in the output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "engine/error_code.h"
#include "engine/module_folder.h"
#include "midi/host_events.h"
#include "midi/midi_file_io.h"
#include "platform/files.h"
#include "styles/style_library.h"
#include "styles/windowless_view.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/owned_filter.h"
#include "tests/support/rule_modules.h"
#include "tests/support/style_files.h"
#include "tests/support/host_doubles.h"

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

void LoadSettings(CMFCMidiFilter& filter, std::vector<std::uint8_t> settings) {
    host::MemoryStream stream(std::move(settings));
    ASSERT_EQ(filter.Load(&stream), S_OK);
}

class StyleEndToEnd : public FilterFixture {
protected:
    void SetUp() override {
        FilterFixture::SetUp();
        filter->m_pWindowlessView = &WindowlessView();
    }
};

TEST_F(StyleEndToEnd, TestModulesNamedByAStyleRunAfterAStreamLoad) {
    InstallRuleModule(folder, kGrower);
    InstallRuleModule(folder, kTempoAdder);
    StyleFile style = SampleStyle();
    const std::int32_t extra = 5;
    std::vector<std::uint8_t> grow(4);
    std::memcpy(grow.data(), &extra, 4);
    style.slots = {Slot("Tempo", kTempoAdder, {120}), Slot("Grow", kGrower, grow)};
    InstallStyleFile(folder, "Jazz", "Swing.cnv", WriteStyleFile(style));

    LoadSettings(*filter, SettingsFor("Jazz", "Swing"));
    EXPECT_EQ(filter->m_bBypass, 0u);
    EXPECT_EQ(filter->m_aSlots[1].wModule, kGrower);

    const auto output = Run({Note(0, 60, 90, 480), Note(480, 62, 90, 480)});
    EXPECT_EQ(GetErrorCode(), kNoError);
    const auto added = std::count_if(output.begin(), output.end(), [](const HostEvent& e) {
        return e.type == kHostController && e.note.key == 20;
    });
    EXPECT_EQ(added, extra);
    EXPECT_EQ(Records()[0].data[0], kTempoRecord);  // the tempo module ran too, and its record stayed inside
    EXPECT_TRUE(messages.messages.empty());
}

// The plug-in's own folder as the build lays it out: rule modules, STYLES and
// the example piece beside the test programs.
class BundledStyles : public ::testing::Test {
protected:
    void SetUp() override {
        g_Options = OptionsSettings{};
        const auto bin = std::filesystem::path(platform::ThisModuleFilePath()).parent_path();
        SetModuleFolder(bin.string() + static_cast<char>(std::filesystem::path::preferred_separator));
        const auto example = midi::ReadMidiFile(bin.parent_path() / "examples" / "example.mid");
        ASSERT_TRUE(example.Ok());
        piece = example.file;
    }

    midi::MidiFile piece;
    MessageCapture messages;
};

std::vector<HostEvent> Notes(const std::vector<HostEvent>& events) {
    std::vector<HostEvent> notes;
    std::copy_if(events.begin(), events.end(), std::back_inserter(notes),
                 [](const HostEvent& e) { return e.type == kHostNote; });
    std::sort(notes.begin(), notes.end(), [](const HostEvent& a, const HostEvent& b) { return a.time < b.time; });
    return notes;
}

void ExpectNoOverlaps(const std::vector<HostEvent>& notes) {
    std::map<int, std::int64_t> soundingUntil;
    for (const HostEvent& note : notes) {
        const int voice = note.note.key << 4 | note.channel;
        const std::int64_t start = note.time;
        EXPECT_GE(start, soundingUntil[voice]) << "key " << int{note.note.key} << " at " << start;
        soundingUntil[voice] = std::int64_t{note.time} + note.duration;
    }
}

TEST_F(BundledStyles, EveryStyleChangesTheExampleAndKeepsEveryNoteWhole) {
    const auto folders = ListStyleFolders(ModuleFolder());
    EXPECT_GE(folders.size(), 3u);
    std::size_t styles = 0;
    for (const std::string& folder : folders) {
        for (const std::string& name : ListStyles(ModuleFolder(), folder)) {
            SCOPED_TRACE(folder + "/" + name);
            ++styles;
            TestHost host;
            const OwnedFilter filter = NewFilter(&WindowlessView());
            host.AddRef();
            ASSERT_EQ(filter->Connect(&host), S_OK);
            LoadSettings(*filter, SettingsFor(folder, name));
            ASSERT_GT(filter->m_nSlotCount, 0u);
            bool changed = false;
            for (const midi::MidiTrack& track : piece.tracks) {
                host::EventQueue in(midi::ToHostEvents(track));
                host::EventQueue out;
                ASSERT_EQ(filter->ProcessEvents(0, 0, &in, &out), S_OK);
                ASSERT_EQ(GetErrorCode(), kNoError);
                const auto before = Notes(in.events);
                const auto after = Notes(out.events);
                ASSERT_EQ(after.size(), before.size());
                ExpectNoOverlaps(after);
                for (std::size_t i = 0; i < after.size() && !changed; ++i)
                    changed = after[i].time != before[i].time || after[i].duration != before[i].duration ||
                              after[i].note.velocity != before[i].note.velocity;
            }
            EXPECT_TRUE(changed);
            filter->Disconnect();
        }
    }
    EXPECT_GE(styles, 6u);
    EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace cantivo::test
