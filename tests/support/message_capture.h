// Takes the message boxes shown while it lives, instead of showing them.
#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace cantivo::test {

class MessageCapture {
public:
    MessageCapture() {
        platform::SetMessageBoxHandler([this](const std::string& text, unsigned style) {
            messages.push_back(text);
            styles.push_back(style);
            return 1;
        });
    }
    ~MessageCapture() { platform::SetMessageBoxHandler({}); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> messages;
    std::vector<unsigned> styles;
};

}  // namespace cantivo::test
