// The module-wide error code: 0 for none, 1..19 select a message. Engine stages
// set it and return; whoever shows its message sets it back to 0.
#pragma once

#include <cstdint>

namespace cantivo {

enum ErrorCode : std::int32_t {
    kNoError = 0,
    kErrNoMemory = 1,
    kErrRulesNotFound = 2,
    kErrIllegalSourceData = 3,
    kErrCantCreateMainDialog = 4,
    kErrCantCreateFile = 5,
    kErrBadFileFormat = 6,
    kErrCantOpenFile = 7,
    kErrInteger2To64 = 8,
    kErrClipboard = 9,
    kErrSmpteNotSupported = 10,
    kErrUnrecognizedSmf = 11,
    kErrIllegalResultData = 12,
    kErrCantLoadRuleFile = 13,
    kErrBadRuleFileFormat = 14,
    kErrInteger0To200 = 15,
    kErrInteger0To30 = 16,
    kErrInteger0To127 = 17,
    kErrInteger10To250 = 18,
    kErrInternalMfx = 19,
};

std::int32_t GetErrorCode();
void SetErrorCode(std::int32_t code);

// The text of a code; empty for 0 and for codes outside the table.
const char* ErrorMessage(std::int32_t code);

// A modal box with the current code's text, the stop icon and OK.
void ShowError();

// How a failure is reported to the user: sets the code, shows its message and
// sets the code back to 0.
void ReportError(std::int32_t code);

}  // namespace cantivo
