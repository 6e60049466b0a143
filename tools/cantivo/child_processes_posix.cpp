#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "tools/cantivo/child_processes.h"

extern char** environ;

namespace cantivo::host {

ChildProcesses::~ChildProcesses() {
    while (!running_.empty()) WaitForAny();
}

bool ChildProcesses::Start(std::size_t index, const std::string& program, const std::vector<std::string>& args,
                           const std::string& errorFile, std::string& problem) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int result = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) {
        problem = "cannot start " + program + ": " + std::strerror(result);
        return false;
    }
    running_.push_back({index, pid});
    return true;
}

ProcessEnd ChildProcesses::WaitForAny() {
    for (;;) {
        int status = 0;
        const pid_t pid = waitpid(-1, &status, 0);
        if (pid < 0 && errno == EINTR) continue;
        for (auto child = running_.begin(); child != running_.end(); ++child) {
            // Should no child be left to wait for, the first is taken as lost.
            if (pid >= 0 && child->handle != pid) continue;
            const ProcessEnd end{child->index, pid >= 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1};
            running_.erase(child);
            return end;
        }
    }
}

}  // namespace cantivo::host
