// Taking a lock on a window's thread without stopping its windows: another
// thread that holds the lock may be waiting for one of them to answer.
#pragma once

#include "platform/critical_section.h"

namespace cantivo::ui {

// Enters the section, answering the messages other threads send to this
// thread's windows while it waits.
void EnterAnsweringSentMessages(platform::CriticalSection& section);

}  // namespace cantivo::ui
