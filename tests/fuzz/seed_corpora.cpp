// Writes each fuzz target's seed inputs, made by our own writers, into
// <folder>/<target>/: a few small files a target starts from.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/persisted_settings.h"
#include "midi/midi_writer.h"
#include "platform/files.h"
#include "styles/style_file.h"
#include "tests/fuzz/bundled_styles.h"
#include "tests/fuzz/harness_filter.h"
#include "tests/fuzz/host_event_input.h"
#include "tests/fuzz/resident_rule_modules.h"
#include "tools/host/memory_stream.h"
#include "tools/make_example/example_piece.h"

using namespace cantivo;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    if (!platform::WriteWholeFile((folder / name).string(), bytes)) throw std::runtime_error("cannot write " + name);
}

std::vector<Bytes> MidiSeeds() {
    midi::MidiFile small;
    small.format = 0;
    small.tracks.resize(1);
    small.tracks[0].events = {midi::MakeMeta(0, midi::kMetaTempo, {0x07, 0xA1, 0x20}), midi::MakeNote(0, 0, 60, 90, 240),
                              midi::MakeController(120, 0, 64, 127), midi::MakePitchWheel(240, 0, -4096),
                              midi::MakeSysEx(300, {0x7E, 0x7F, 0x09, 0x01, 0xF7}), midi::MakeNote(480, 1, 62, 0, 0)};
    return {midi::WriteMidi(small), midi::WriteMidi(example::ComposeExample())};
}

std::vector<Bytes> StyleSeeds() {
    StyleFile empty;
    empty.header = BlankStyleHeader();
    std::vector<Bytes> seeds = fuzz::BundledStyles();
    seeds.push_back(WriteStyleFile(empty));
    return seeds;
}

std::vector<Bytes> StreamSeeds() {
    fuzz::HarnessFilter filter(fuzz::OurResidentModules());
    std::vector<Bytes> seeds;
    for (const char* name : {"", "Phrasing"}) {
        std::snprintf(filter->m_szStyleFolder, sizeof filter->m_szStyleFolder, "%s", *name ? "Example" : "");
        std::snprintf(filter->m_szStyleName, sizeof filter->m_szStyleName, "%s", name);
        host::MemoryStream stream;
        filter->Save(&stream, 1);
        seeds.push_back(stream.bytes);
    }
    return seeds;
}

// The layout the host-events target reads: style, mutes, settings, events.
std::vector<Bytes> HostEventSeeds() {
    fuzz::HarnessFilter filter(fuzz::OurResidentModules());
    std::vector<Bytes> seeds;
    for (std::uint8_t style = 0; style < 3; ++style) {
        Bytes bytes = {style, 0};
        const auto* params = reinterpret_cast<const std::uint8_t*>(&filter->m_Params);
        bytes.insert(bytes.end(), params, params + sizeof filter->m_Params);
        fuzz::AppendHostEvents(fuzz::ExamplePhrase(), bytes);
        seeds.push_back(bytes);
    }
    return seeds;
}

// The layout the rule-result target reads: slots, events, then each module's
// moves; here one honest module that keeps the block as it is.
std::vector<Bytes> RuleResultSeeds() {
    const std::vector<HostEvent> phrase(fuzz::ExamplePhrase().begin(), fuzz::ExamplePhrase().begin() + 16);
    Bytes bytes = {0, static_cast<std::uint8_t>(phrase.size())};
    fuzz::AppendHostEvents(phrase, bytes);
    const Bytes keepAndSucceed = {0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    bytes.insert(bytes.end(), keepAndSucceed.begin(), keepAndSucceed.end());
    return {bytes};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::pair<const char*, std::vector<Bytes>> corpora[] = {
        {"midi_file", MidiSeeds()},     {"style_file", StyleSeeds()},           {"stream", StreamSeeds()},
        {"host_events", HostEventSeeds()}, {"rule_result", RuleResultSeeds()},
    };
    for (const auto& [target, seeds] : corpora) {
        for (std::size_t k = 0; k < seeds.size(); ++k) Write(folder / target, "seed" + std::to_string(k), seeds[k]);
    }
    return 0;
}
