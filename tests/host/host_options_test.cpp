#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <sstream>
#include <tuple>

#include "tools/cantivo/host_options.h"

namespace cantivo::host {
namespace {

// A command line's words, split at the spaces.
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

HostOptions Parsed(const std::string& line) {
    const ParsedCommandLine parsed = ParseCommandLine(Words(line));
    EXPECT_TRUE(parsed.options) << parsed.error;
    return parsed.options.value_or(HostOptions{});
}

std::string ErrorOf(const std::string& line) {
    const ParsedCommandLine parsed = ParseCommandLine(Words(line));
    EXPECT_FALSE(parsed.options) << line;
    return parsed.error;
}

TEST(HostOptions, ReadsARunWithEveryKindOfSetting) {
    const HostOptions o = Parsed(
        "in.mid --style Jazz/Swing -o out.mid --depth velocity=150 --random=start=10 --depth variable=0 --mute "
        "Modulation --unmute wheel --velocity 90 --pan=0 --no-wheel --report json --piano-roll roll.svg "
        "--bars 3-5 -j 4");
    EXPECT_EQ((std::tuple{o.action, o.inputs, o.output, o.pianoRoll, o.jobs, o.styleFolder, o.styleName, o.report,
                          o.useCom}),
              (std::tuple{HostAction::kRun, std::vector<std::string>{"in.mid"}, "out.mid", "roll.svg", 4u, "Jazz",
                          "Swing", ReportFormat::kJson, false}));
    ASSERT_TRUE(o.bars);
    EXPECT_EQ((std::pair{o.bars->first, o.bars->last}), (std::pair{3u, 5u}));
    EXPECT_EQ((std::tuple{o.depth[3], o.depth[7], o.random[1], o.muted[6], o.muted[5], o.muted[3]}),
              (std::tuple{150, 0, 10, true, false, std::nullopt}));
    EXPECT_EQ((std::tuple{o.velocity, o.pan, o.expression, o.dropWheel, o.dropModulation}),
              (std::tuple{90, 0, std::nullopt, true, false}));
    // What a batch hands on to each file's run: the settings, not the outputs.
    EXPECT_EQ(o.settingArguments, Words("--style Jazz/Swing --depth velocity=150 --random start=10 --depth variable=0 "
                                        "--mute Modulation --unmute wheel --velocity 90 --pan 0 --no-wheel"));
}

TEST(HostOptions, ManyInputsAStyleFileAStateFileAndTheOptionsCommand) {
    const HostOptions o = Parsed("a.mid songs --style some/where/Mine.CNV -o out --report");
    EXPECT_EQ((std::tuple{o.inputs, o.styleFile, o.styleName, o.report, o.jobs}),
              (std::tuple{std::vector<std::string>{"a.mid", "songs"}, "some/where/Mine.CNV", "", ReportFormat::kText,
                          1u}));
    // A state file chooses the style, and the report alone is enough to do.
}

// Asking for help is never an error, whatever else is wrong.
TEST(HostOptions, ActionsThatNeedNothingElse) {
    const std::pair<const char*, HostAction> cases[] = {
        {"in.mid --help --depth bogus=1", HostAction::kHelp}, {"options Ctrl=5 -h", HostAction::kHelp}};
    for (const auto& [line, action] : cases) EXPECT_EQ(Parsed(line).action, action) << line;
}

TEST(HostOptions, OptionsForOneRunAreHandedOnToEachFileOfABatch) {
    EXPECT_FALSE(Parsed("in.mid --style a/b -o x").optionsOverrides.Any());
    const HostOptions o = Parsed("in.mid --style a/b -o x --thin wheel=8 --thin=tempo=off --expression-controller 74 "
                                 "--phrase-controller 0 --phrase-threshold 3");
    const OptionsOverrides& changed = o.optionsOverrides;
    EXPECT_EQ((std::tuple{changed.Any(), changed.thinning, changed.expressionController, changed.phraseController,
                          changed.phraseThreshold}),
              (std::tuple{true, std::array<std::optional<std::int32_t>, 5>{0, std::nullopt, 8, std::nullopt, std::nullopt},
                          74, 0, 3}));
    EXPECT_EQ(o.settingArguments, Words("--style a/b --thin wheel=8 --thin tempo=off --expression-controller 74 "
                                        "--phrase-controller 0 --phrase-threshold 3"));
}

TEST(HostOptions, RefusesBadLinesAndSaysWhy) {
    const std::pair<const char*, const char*> cases[] = {
        {"--bogus", "unknown option '--bogus'"},
        {"in.mid --style", "--style needs a value"},
        {"in.mid --style Swing -o x", "--style: expected FOLDER/NAME or a path ending in .cnv, got 'Swing'"},
        {"in.mid --style ../b -o x", "--style: expected FOLDER/NAME or a path ending in .cnv, got '../b'"},
        {"in.mid --style a/b --depth velocity=201 -o x", "--depth: expected an integer 0..200, got '201'"},
        {"in.mid --style a/b --depth velocity -o x", "--depth: expected NAME=VALUE, got 'velocity'"},
        {"in.mid --style a/b --depth tempo=1 -o x", "--depth: unknown parameter 'tempo'"},
        {"in.mid --style a/b --random variable=5 -o x", "--random: variable has a depth only"},
        {"in.mid --style a/b --pan 64x -o x", "--pan: expected an integer 0..127, got '64x'"},
        {"in.mid --style a/b --report=yes", "--report: expected text or json, got 'yes'"},
        {"in.mid --style a/b -o x --jobs 65", "--jobs: expected an integer 1..64, got '65'"},
        {"in.mid --style a/b --piano-roll r.svg --bars 5-3", "--bars: the last bar comes before the first in '5-3'"},
        {"in.mid --style a/b -o x --bars 1-2", "--bars chooses what --piano-roll draws"},
        {"in.mid --style x/M.cnv -o x --save-state s.sta", "--save-state needs a style of the library"},
        {"--style a/b -o x", "no input file given"},
        {"in.mid -o x", "no style chosen: give --style FOLDER/NAME, --style FILE.cnv or --state FILE"},
        {"in.mid --style a/b", "nothing to do: give -o OUTPUT, --report or --piano-roll FILE"},
        {"in.mid --style a/b -o x --thin wheel=1", "--thin: expected an integer 2..64, got '1'"},
        {"in.mid --style a/b -o x --thin loud=4", "--thin: expected KIND=N or KIND=off"},
        {"in.mid --style a/b -o x --expression-controller 5", "--expression-controller: expected 7, 11, 2 or 74, got '5'"},
        {"options Ctrl", "options: expected NAME=VALUE, got 'Ctrl'"},
    };
    for (const auto& [line, message] : cases)
        EXPECT_EQ(ErrorOf(line).substr(0, std::strlen(message)), message) << line;
}

}  // namespace
}  // namespace cantivo::host
