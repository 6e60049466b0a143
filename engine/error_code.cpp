#include "engine/error_code.h"

#include <atomic>

#include "platform/message_box.h"

namespace cantivo {

namespace {

std::atomic<std::int32_t> g_errorCode{kNoError};

constexpr const char* kMessages[] = {
    "",
    "No memory",
    "Rules Rxxx.DLL not found",
    "Illegal source data",
    "Can't create main dialog",
    "Can't create file",
    "Bad file format",
    "Can't open file",
    "Integer 2..64",
    "Clipboard error",
    "SMPTE time format not supported",
    "Unrecognized data in SMF",
    "Illegal result data",
    "Can't load rule file",
    "Bad rule file format",
    "Integer 0..200",
    "Integer 0..30",
    "Integer 0..127",
    "Integer 10..250",
    "Internal MFX error",
};
static_assert(std::size(kMessages) == 20);

}  // namespace

std::int32_t GetErrorCode() { return g_errorCode.load(std::memory_order_relaxed); }

void SetErrorCode(std::int32_t code) { g_errorCode.store(code, std::memory_order_relaxed); }

const char* ErrorMessage(std::int32_t code) {
    return code >= 0 && code < static_cast<std::int32_t>(std::size(kMessages)) ? kMessages[code] : "";
}

void ShowError() {
    const std::int32_t code = GetErrorCode();
    if (code == kNoError) return;
    platform::ShowMessageBox(ErrorMessage(code), platform::kMessageOk | platform::kMessageIconStop);
}

void ReportError(std::int32_t code) {
    SetErrorCode(code);
    ShowError();
    SetErrorCode(kNoError);
}

}  // namespace cantivo
