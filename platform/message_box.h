// Modal message boxes. A test or a command-line host installs a handler to
// take the message instead of blocking on a window.
#pragma once

#include <functional>
#include <string>

namespace cantivo::platform {

constexpr unsigned kMessageOk = 0x00000000;
constexpr unsigned kMessageIconStop = 0x00000010;

using MessageBoxHandler = std::function<int(const std::string& text, unsigned style)>;

// An empty handler gives the platform's own box back.
void SetMessageBoxHandler(MessageBoxHandler handler);
int ShowMessageBox(const std::string& text, unsigned style);

}  // namespace cantivo::platform
