#include <windows.h>

#include "tools/cantivo/child_processes.h"

namespace cantivo::host {

namespace {

// One argument as the C runtime's command-line parser reads it back.
std::string Quoted(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t\n\v\"") == std::string::npos) return arg;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : arg) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, '\\');
    return quoted + "\"";
}

HANDLE InheritableFile(const char* path, DWORD disposition) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    return CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

}  // namespace

ChildProcesses::~ChildProcesses() {
    while (!running_.empty()) WaitForAny();
}

bool ChildProcesses::Start(std::size_t index, const std::string& program, const std::vector<std::string>& args,
                           const std::string& errorFile, std::string& problem) {
    const HANDLE error = InheritableFile(errorFile.c_str(), CREATE_ALWAYS);
    if (error == INVALID_HANDLE_VALUE) {
        problem = "cannot write " + errorFile + " (error " + std::to_string(GetLastError()) + ")";
        return false;
    }
    const HANDLE discard = InheritableFile("NUL", OPEN_EXISTING);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = discard;
    startup.hStdError = error;
    std::string commandLine = Quoted(program);
    for (const std::string& arg : args) commandLine += " " + Quoted(arg);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                       nullptr, &startup, &process);
    const DWORD failure = GetLastError();
    // Closed here at once, so that the next child does not inherit them too.
    CloseHandle(error);
    if (discard != INVALID_HANDLE_VALUE) CloseHandle(discard);
    if (!started) {
        problem = "cannot start " + program + " (error " + std::to_string(failure) + ")";
        return false;
    }
    CloseHandle(process.hThread);
    running_.push_back({index, reinterpret_cast<std::intptr_t>(process.hProcess)});
    return true;
}

ProcessEnd ChildProcesses::WaitForAny() {
    std::vector<HANDLE> handles;
    for (const Child& child : running_) handles.push_back(reinterpret_cast<HANDLE>(child.handle));
    const DWORD waited = WaitForMultipleObjects(static_cast<DWORD>(handles.size()), handles.data(), FALSE, INFINITE);
    const std::size_t which = waited - WAIT_OBJECT_0 < handles.size() ? waited - WAIT_OBJECT_0 : 0;
    DWORD code = 0;
    const bool exited = waited - WAIT_OBJECT_0 < handles.size() && GetExitCodeProcess(handles[which], &code);
    // Should the wait fail, the first child is taken as lost rather than waited for again.
    if (!exited) TerminateProcess(handles[which], 1);
    CloseHandle(handles[which]);
    const ProcessEnd end{running_[which].index, exited ? static_cast<int>(code) : -1};
    running_.erase(running_.begin() + static_cast<std::ptrdiff_t>(which));
    return end;
}

}  // namespace cantivo::host
