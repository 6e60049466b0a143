// Programs run as processes of their own, each with its standard error going
// to a file and its standard output discarded, waited for in whatever order
// they end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace cantivo::host {

struct ProcessEnd {
    std::size_t index = 0;  // as given to Start
    int exitCode = -1;      // -1 when the process did not end by itself
};

class ChildProcesses {
public:
    ChildProcesses() = default;
    ~ChildProcesses();  // waits for any still running
    ChildProcesses(const ChildProcesses&) = delete;
    ChildProcesses& operator=(const ChildProcesses&) = delete;

    // False when the program cannot be started; `problem` then says why.
    bool Start(std::size_t index, const std::string& program, const std::vector<std::string>& args,
               const std::string& errorFile, std::string& problem);

    std::size_t Running() const { return running_.size(); }

    // Blocks until one of the running processes ends; at least one must run.
    ProcessEnd WaitForAny();

private:
    struct Child {
        std::size_t index;
        std::intptr_t handle;  // a process id, or a Windows process handle
    };
    std::vector<Child> running_;
};

}  // namespace cantivo::host
