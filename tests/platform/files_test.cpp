#include <gtest/gtest.h>

#ifdef _WIN32
#  include <windows.h>
#endif

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

#ifdef _WIN32
// A style is read with no sharing: it fails while another program has the file open.
TEST(Files, ExclusiveReadFailsWhileTheFileIsOpenElsewhere) {
    test::TempFolder folder;
    folder.Touch("Swing.cnv", "abc");
    const std::string path = Win(folder, "Swing.cnv");
    HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadWholeFile(path, ReadMode::kExclusiveSequential));
    EXPECT_TRUE(ReadWholeFile(path));
    CloseHandle(other);
    EXPECT_TRUE(ReadWholeFile(path, ReadMode::kExclusiveSequential));
}
#endif

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
