// Sends the page window it is given a message while the run holds the
// filter's lock, and says through named events that it ran and was answered.
#include <windows.h>

#include "cantivo/rule_module.h"

using namespace cantivo;

namespace {

void Signal(const char* name) {
    HANDLE event = OpenEventA(EVENT_MODIFY_STATE, FALSE, name);
    if (event == nullptr) return;
    SetEvent(event);
    CloseHandle(event);
}

}  // namespace

CANTIVO_RULE_EXPORT std::int32_t QV12Convert(HWND page, void*, HGLOBAL*, std::int32_t*, std::int32_t*,
                                             SettingsRegion*, void*, std::uint16_t, std::uint16_t, std::uint16_t,
                                             std::uint8_t) {
    Signal("cantivo-test-run-entered");
    Sleep(200);  // lets the page start waiting for the lock
    // A refresh with a nonzero first parameter is answered with 1 and nothing done.
    DWORD_PTR answer = 0;
    if (page != nullptr && SendMessageTimeoutA(page, WM_USER + 1000, 1, 0, SMTO_NORMAL, 10000, &answer) && answer == 1)
        Signal("cantivo-test-page-answered");
    return 1;
}
