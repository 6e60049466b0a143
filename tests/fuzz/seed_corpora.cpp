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
#include "tests/fuzz/harness.h"
#include "tools/host/memory_stream.h"
#include "tools/make_example/example_piece.h"

using namespace cantivo;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    if (!platform::WriteWholeFile((folder / name).string(), bytes)) throw std::runtime_error("cannot write " + name);
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

// A note-off with no note-on, which reading drops, leaving a gap longer than a
// delta time holds before the next note: the writer has to bridge it.
Bytes LongGapSeed() {
    const Bytes track = {0xFF, 0xFF, 0xFF, 0x7F, 0x80, 60, 64, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 64,
                         10,   0x80, 60,   64,   0,    0xFF, 0x2F, 0};
    Bytes bytes = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0,
                   static_cast<std::uint8_t>(track.size())};
    bytes.insert(bytes.end(), track.begin(), track.end());
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_fuzz_seeds FOLDER\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::pair<const char*, std::vector<Bytes>> corpora[] = {
        {"midi_file", {midi::WriteMidi(example::ComposeExample()), LongGapSeed()}},
        {"style_file", StyleSeeds()},
        {"stream", StreamSeeds()},
        {"host_events", HostEventSeeds()},
        {"rule_result", RuleResultSeeds()},
    };
    for (const auto& [target, seeds] : corpora) {
        for (std::size_t k = 0; k < seeds.size(); ++k) Write(folder / target, "seed" + std::to_string(k), seeds[k]);
    }
    return 0;
}
