#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/error_code.h"
#include "tests/support/message_capture.h"

namespace cantivo {
namespace {

TEST(ErrorCode, NineteenDistinctMessagesAndNoneOutsideThem) {
    std::set<std::string> texts;
    for (int code = 1; code <= 19; ++code) texts.insert(ErrorMessage(code));
    EXPECT_EQ(texts.size(), 19u);
    EXPECT_FALSE(texts.contains(""));
    for (const int outside : {0, 20, -1}) EXPECT_STREQ(ErrorMessage(outside), "") << outside;
    // A few that users meet.
    EXPECT_STREQ(ErrorMessage(kErrNoMemory), "No memory");
    EXPECT_STREQ(ErrorMessage(kErrBadFileFormat), "Bad file format");
    EXPECT_STREQ(ErrorMessage(kErrInternalMfx), "Internal MFX error");
}

TEST(ErrorCode, ShowErrorShowsTheCurrentCodeWithTheStopIcon) {
    test::MessageCapture capture;
    SetErrorCode(kErrInteger0To127);
    ShowError();
    SetErrorCode(kNoError);
    ShowError();
    EXPECT_EQ(capture.messages, std::vector<std::string>{"Integer 0..127"});
    EXPECT_EQ(capture.styles, std::vector<unsigned>{platform::kMessageIconStop});
}

}  // namespace
}  // namespace cantivo
