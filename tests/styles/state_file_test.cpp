#include <gtest/gtest.h>

#include <cstring>

#include "platform/files.h"
#include "styles/state_file.h"
#include "tests/support/filter_fixture.h"
#include "tests/support/host_doubles.h"

namespace cantivo::test {
namespace {

using StateFile = FilterFixture;

TEST_F(StateFile, HoldsTheStreamRecordAndIsRewrittenTheSame) {
    std::strcpy(filter->m_szStyleFolder, "Jazz");
    std::strcpy(filter->m_szStyleName, "Swing");
    filter->m_Params.aEntry[3].wRandom = 7;
    filter->m_Initial.wPan = 33;
    filter->m_abMuted[5] = 0;
    filter->m_anAxis[3] = 6;

    WriteStateFile(*filter);
    const auto first = platform::ReadWholeFile(folder.Path() + "qvb20.sta");
    ASSERT_TRUE(first);
    ASSERT_EQ(first->size(), 636u);
    host::MemoryStream saved;
    ASSERT_EQ(filter->Save(&saved, 0), S_OK);
    EXPECT_EQ(*first, saved.bytes);  // where each field lies, the stream's own tests pin

    WriteStateFile(*filter);
    EXPECT_EQ(platform::ReadWholeFile(folder.Path() + "qvb20.sta"), first);
}

TEST_F(StateFile, FolderThatCannotTakeTheFileIsSkippedSilently) {
    SetModuleFolder(folder.Path() + "missing" + static_cast<char>(std::filesystem::path::preferred_separator));
    WriteStateFile(*filter);
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_FALSE(platform::ReadWholeFile(folder.Path() + "missing/qvb20.sta"));
    SetModuleFolder(folder.Path());
}

}  // namespace
}  // namespace cantivo::test
