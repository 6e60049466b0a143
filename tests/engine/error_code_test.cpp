#include <gtest/gtest.h>

#include "engine/error_code.h"
#include "tests/support/message_capture.h"

namespace cantivo {
namespace {

TEST(ErrorCode, TableHoldsNineteenMessages) {
    EXPECT_STREQ(ErrorMessage(kErrNoMemory), "No memory");
    EXPECT_STREQ(ErrorMessage(kErrRulesNotFound), "Rules Rxxx.DLL not found");
    EXPECT_STREQ(ErrorMessage(kErrBadFileFormat), "Bad file format");
    EXPECT_STREQ(ErrorMessage(kErrCantOpenFile), "Can't open file");
    EXPECT_STREQ(ErrorMessage(kErrSmpteNotSupported), "SMPTE time format not supported");
    EXPECT_STREQ(ErrorMessage(kErrIllegalResultData), "Illegal result data");
    EXPECT_STREQ(ErrorMessage(kErrCantLoadRuleFile), "Can't load rule file");
    EXPECT_STREQ(ErrorMessage(kErrBadRuleFileFormat), "Bad rule file format");
    EXPECT_STREQ(ErrorMessage(kErrInteger10To250), "Integer 10..250");
    EXPECT_STREQ(ErrorMessage(kErrInternalMfx), "Internal MFX error");
    for (int code = 1; code <= 19; ++code) EXPECT_STRNE(ErrorMessage(code), "") << code;
    EXPECT_STREQ(ErrorMessage(0), "");
    EXPECT_STREQ(ErrorMessage(20), "");
    EXPECT_STREQ(ErrorMessage(-1), "");
}

TEST(ErrorCode, ShowErrorShowsTheCurrentCodeWithTheStopIcon) {
    test::MessageCapture capture;
    SetErrorCode(kErrInteger0To127);
    ShowError();
    SetErrorCode(kNoError);
    ShowError();
    ASSERT_EQ(capture.messages.size(), 1u);
    EXPECT_EQ(capture.messages[0], "Integer 0..127");
    EXPECT_EQ(capture.styles[0], platform::kMessageIconStop);
}

}  // namespace
}  // namespace cantivo
