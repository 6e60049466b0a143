// Many files in one go: every input file, and every MIDI file of an input
// folder, is processed into the output folder under its own name. Each file
// is run by this program as a process of its own, since the filter keeps
// process-wide state (its error code, the current folder); `jobs` run at once.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/cantivo/change_report.h"
#include "tools/cantivo/host_options.h"

namespace cantivo::host {

// Several inputs, or a folder.
bool IsBatch(const HostOptions& options);

// What a batch cannot do with these options, as a command-line error.
std::optional<std::string> BatchUsageProblem(const HostOptions& options);

struct BatchFile {
    std::string input;
    std::string output;
    std::optional<std::string> refused;  // why the file was not processed
    std::optional<ChangeReport> report;  // once processed
};

// The files of the batch in the order given, a folder's by name; those that
// cannot be processed (a name taken twice, an output over its input) come
// refused already.
std::vector<BatchFile> BatchFiles(const HostOptions& options);

// Runs the batch, prints the summary (and the reports asked for) on standard
// output and the progress on standard error; the exit code.
int RunBatch(const HostOptions& options, const std::string& program);

}  // namespace cantivo::host
