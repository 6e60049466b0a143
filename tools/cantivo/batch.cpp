#include "tools/cantivo/batch.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <set>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "midi/midi_file_io.h"
#include "platform/files.h"
#include "tools/cantivo/child_processes.h"
#include "tools/cantivo/report_json.h"
#include "tools/cantivo/run_options.h"

namespace cantivo::host {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxMessageBytes = 64 * 1024;

bool IsMidiFileName(const fs::path& path) {
    std::string extension = path.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mid" || extension == ".midi" || extension == ".smf";
}

std::vector<fs::path> MidiFilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_regular_file(ignored) && IsMidiFileName(entry->path())) files.push_back(entry->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path Absolute(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return error ? path : absolute;
}

// What went wrong, from the last line the run printed: "cantivo: INPUT: reason".
std::string Reason(const std::string& messages, const std::string& input, int exitCode) {
    std::string line = messages;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    line = line.substr(line.find_last_of('\n') == std::string::npos ? 0 : line.find_last_of('\n') + 1);
    for (const std::string& prefix : {std::string("cantivo: "), input + ": "})
        if (line.rfind(prefix, 0) == 0) line.erase(0, prefix.size());
    if (!line.empty()) return line;
    return exitCode < 0 ? "the run stopped abnormally" : "the run ended with exit code " + std::to_string(exitCode);
}

// One line on standard error that is rewritten as files finish, when that is a terminal.
class Progress {
public:
    explicit Progress(std::size_t total) : total_(total), shown_(isatty(fileno(stderr)) != 0) {}

    void Show(std::size_t done, const std::string& name) {
        if (!shown_) return;
        const std::string line = "\rcantivo: [" + std::to_string(done) + "/" + std::to_string(total_) + "] " + name;
        std::fputs((line + "\033[K").c_str(), stderr);
        std::fflush(stderr);
    }
    void Clear() {
        if (shown_) std::fputs("\r\033[K", stderr);
    }

private:
    std::size_t total_;
    bool shown_;
};

class BatchRun {
public:
    BatchRun(const HostOptions& options, std::string program)
        : options_(options), program_(std::move(program)), files_(BatchFiles(options)), progress_(files_.size()) {}

    void Run() {
        std::size_t next = 0;
        std::size_t finished = 0;
        while (finished < files_.size()) {
            while (children_.Running() < options_.jobs && next < files_.size()) {
                if (!Start(next++)) ++finished;
            }
            if (children_.Running() == 0) continue;
            const ProcessEnd end = children_.WaitForAny();
            Finish(files_[end.index], end.exitCode);
            progress_.Show(++finished, fs::path(files_[end.index].input).filename().string());
        }
        progress_.Clear();
    }

    const std::vector<BatchFile>& Files() const { return files_; }

private:
    static std::string MessageFile(const BatchFile& file) {
        const fs::path output(file.output);
        return (output.parent_path() / ("." + output.filename().string() + ".messages")).string();
    }

    // False when the file is not started: refused already, or no process could be had.
    bool Start(std::size_t index) {
        BatchFile& file = files_[index];
        if (file.refused) return false;
        std::vector<std::string> args = options_.settingArguments;
        args.insert(args.end(), {file.input, "-o", file.output});
        std::string problem;
        if (children_.Start(index, program_, args, MessageFile(file), problem)) return true;
        file.refused = problem;
        return false;
    }

    void Finish(BatchFile& file, int exitCode) {
        const std::string messageFile = MessageFile(file);
        auto messages = platform::ReadWholeFile(messageFile).value_or(std::vector<std::uint8_t>{});
        messages.resize(std::min(messages.size(), kMaxMessageBytes));
        std::error_code ignored;
        fs::remove(messageFile, ignored);
        const std::string text(messages.begin(), messages.end());
        if (!text.empty()) {
            progress_.Clear();
            std::cerr << text << std::flush;
        }
        if (exitCode != 0) {
            file.refused = Reason(text, file.input, exitCode);
            return;
        }
        const midi::MidiReadResult before = midi::ReadMidiFile(file.input);
        const midi::MidiReadResult after = midi::ReadMidiFile(file.output);
        if (before.Ok() && after.Ok()) {
            file.report = CompareFiles(before.file, after.file);
        } else {
            file.refused = "the processed file cannot be read back";
        }
    }

    const HostOptions& options_;
    std::string program_;
    std::vector<BatchFile> files_;
    ChildProcesses children_;
    Progress progress_;
};

struct Totals {
    std::size_t done = 0;
    std::size_t refused = 0;
    long long notesChanged = 0;
};

Totals Count(const std::vector<BatchFile>& files) {
    Totals totals;
    for (const BatchFile& file : files) {
        if (file.report) {
            ++totals.done;
            totals.notesChanged += file.report->notes.changed;
        } else {
            ++totals.refused;
        }
    }
    return totals;
}

std::string TextSummary(const std::vector<BatchFile>& files, const OptionsSettings* withReports) {
    std::string text;
    if (withReports) {
        for (const BatchFile& file : files)
            if (file.report) text += "== " + file.input + "\n" + FormatReport(*file.report);
        text += "Options: " + OptionsLine(*withReports) + "\n";
    }
    const Totals totals = Count(files);
    text += "Processed " + std::to_string(totals.done) + " of " + std::to_string(files.size()) + " files, " +
            std::to_string(totals.notesChanged) + " notes changed\n";
    if (totals.refused) {
        text += "Refused " + std::to_string(totals.refused) + ":\n";
        for (const BatchFile& file : files)
            if (file.refused) text += "  " + file.input + ": " + *file.refused + "\n";
    }
    return text;
}

std::string JsonSummary(const std::vector<BatchFile>& files, const OptionsSettings& options) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const BatchFile& file : files) {
        nlohmann::ordered_json entry = {{"input", file.input}, {"output", file.output}};
        if (file.report) {
            entry["status"] = "done";
            entry["report"] = ReportJson(*file.report);
        } else {
            entry["status"] = "refused";
            entry["reason"] = file.refused.value_or("");
        }
        list.push_back(entry);
    }
    const Totals totals = Count(files);
    return JsonText({{"files", list},
                     {"options", OptionsJson(options)},
                     {"summary",
                      {{"files", files.size()},
                       {"done", totals.done},
                       {"refused", totals.refused},
                       {"notesChanged", totals.notesChanged}}}});
}

}  // namespace

bool IsBatch(const HostOptions& options) {
    std::error_code error;
    return options.inputs.size() > 1 || (options.inputs.size() == 1 && fs::is_directory(options.inputs[0], error));
}

std::optional<std::string> BatchUsageProblem(const HostOptions& options) {
    if (options.output.empty()) return "several files go into a folder: give -o FOLDER";
    if (!options.pianoRoll.empty()) return "--piano-roll draws one file: give one input";
    if (!options.saveState.empty()) return "--save-state goes with one input";
    std::error_code error;
    if (fs::exists(options.output, error) && !fs::is_directory(options.output, error))
        return "-o " + options.output + ": not a folder";
    return std::nullopt;
}

std::vector<BatchFile> BatchFiles(const HostOptions& options) {
    std::vector<fs::path> inputs;
    for (const std::string& input : options.inputs) {
        std::error_code error;
        if (!fs::is_directory(input, error)) {
            inputs.push_back(Absolute(input));
            continue;
        }
        for (const fs::path& file : MidiFilesIn(input)) inputs.push_back(Absolute(file));
    }
    const fs::path outputFolder = Absolute(options.output);
    std::vector<BatchFile> files;
    std::set<fs::path> names;
    for (const fs::path& input : inputs) {
        BatchFile file{input.string(), (outputFolder / input.filename()).string(), std::nullopt, std::nullopt};
        std::error_code error;
        if (!names.insert(input.filename()).second) {
            file.refused = "another input has the same name";
        } else if (fs::equivalent(input, file.output, error)) {
            file.refused = "its output would replace it";
        }
        files.push_back(std::move(file));
    }
    return files;
}

int RunBatch(const HostOptions& options, const std::string& program) {
    std::error_code error;
    fs::create_directories(options.output, error);
    if (error) {
        std::cerr << "cantivo: " << options.output << ": cannot make the folder: " << error.message() << "\n";
        return 1;
    }
    BatchRun run(options, program);
    run.Run();
    const auto& files = run.Files();
    // Each file's run loaded the same settings.
    const OptionsSettings inForce = OptionsInForce(options.optionsOverrides);
    std::cout << (options.report == ReportFormat::kJson
                      ? JsonSummary(files, inForce)
                      : TextSummary(files, options.report == ReportFormat::kText ? &inForce : nullptr));
    const bool anyRefused = Count(files).refused > 0;
    return std::cout.flush() && !anyRefused ? 0 : 1;
}

}  // namespace cantivo::host
