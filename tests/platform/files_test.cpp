#include <gtest/gtest.h>

#include "platform/dynamic_library.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

namespace cantivo::platform {
namespace {

// Windows-style paths on the folder the test made.
std::string Win(const test::TempFolder& folder, const std::string& relative) { return folder.Path() + relative; }

TEST(Files, NamesUnderAFolderMatchWithoutRegardToCase) {
    test::TempFolder folder;
    folder.Touch("STYLES/Jazz/Swing.cnv", "abc");
    EXPECT_TRUE(FileExists(Win(folder, "styles\\JAZZ\\swing.CNV")));
    EXPECT_FALSE(FileExists(Win(folder, "STYLES\\Jazz\\Waltz.cnv")));
    EXPECT_FALSE(FileExists(Win(folder, "STYLES\\Jazz")));
    const auto bytes = ReadWholeFile(Win(folder, "Styles\\jazz\\SWING.cnv"));
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "abc");
}

TEST(DynamicLibrary, MissingOrForeignFilesDoNotLoad) {
    test::TempFolder folder;
    folder.Touch("R3.DLL", "not a library");
    EXPECT_FALSE(DynamicLibrary(Win(folder, "R9.DLL")));
    DynamicLibrary bogus(Win(folder, "R3.DLL"));
    EXPECT_FALSE(bogus);
    EXPECT_EQ(bogus.Symbol("QV12Convert"), nullptr);
}

}  // namespace
}  // namespace cantivo::platform
