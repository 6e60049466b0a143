#include "ui/framework/sent_message_wait.h"

#include <windows.h>

namespace cantivo::ui {

void EnterAnsweringSentMessages(platform::CriticalSection& section) {
    // A critical section has no handle to wait on, so the lock is tried again
    // after each sent message and at least every few milliseconds.
    constexpr DWORD kRetryMilliseconds = 5;
    while (!section.TryEnter()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kRetryMilliseconds, QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);  // answers what was sent
    }
}

}  // namespace cantivo::ui
