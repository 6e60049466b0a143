#include <gtest/gtest.h>

#include <filesystem>

#include "styles/style_library.h"
#include "tests/support/temp_folder.h"

namespace cantivo::test {
namespace {

using Names = std::vector<std::string>;

TEST(StyleLibrary, MissingOrEmptyLibraryListsNothing) {
    TempFolder module;
    EXPECT_TRUE(ListStyleFolders(module.Path()).empty());
    std::filesystem::create_directories(module / "STYLES");
    EXPECT_TRUE(ListStyleFolders(module.Path()).empty());
    EXPECT_TRUE(ListStyles(module.Path(), "Jazz").empty());
}

// Folders and styles sorted without regard to case; dot folders, plain files
// among the folders, other files and deeper folders left out; nothing listed
// for a folder name that leaves the library.
TEST(StyleLibrary, ListsTheFoldersAndTheirCnvFilesOfAnyCase) {
    TempFolder module;
    for (const char* name : {"bossa", "Ambient", "Jazz", ".hidden", "Jazz/Deeper", "Jazz/Folder.cnv"})
        std::filesystem::create_directories(module / "STYLES" / name);
    for (const char* name : {"loose.cnv", "Zydeco", "Jazz/Swing.fast.cnv", "Jazz/Ballad.CNV", "Jazz/cool.Cnv",
                             "Jazz/notes.txt", "Jazz/cnv", "Jazz/Deeper/Inner.cnv"})
        module.Touch(std::string("STYLES/") + name);
    module.Touch("Top.cnv");
    EXPECT_EQ(ListStyleFolders(module.Path()), (Names{"Ambient", "bossa", "Jazz"}));
    EXPECT_EQ(ListStyles(module.Path(), "Jazz"), (Names{"Ballad", "cool", "Swing.fast"}));
    for (const char* outside : {"..", ".", "Jazz\\.."})
        EXPECT_TRUE(ListStyles(module.Path(), outside).empty()) << outside;
}

TEST(StyleLibrary, StoredNamesAreFoundByPrefixWithoutCase) {
    const Names folders = {"Ambient", "Java", "Jazz"};
    EXPECT_EQ(FindStoredEntry(folders, "Ja"), 1u);
    EXPECT_EQ(FindStoredEntry(folders, "jAZ"), 2u);
    EXPECT_EQ(FindStoredEntry(folders, "Jazz"), 2u);
    EXPECT_EQ(FindStoredEntry(folders, "Jazzy"), 0u);  // no entry: the first
    EXPECT_EQ(FindStoredEntry(folders, ""), 0u);
    EXPECT_FALSE(FindStoredEntry({}, "Ja").has_value());
}

TEST(StyleLibrary, StyleFilePathJoinsTheLibraryFolderAndName) {
    EXPECT_EQ(StyleFilePath("D:\\Plug\\", "Jazz", "Swing"), "D:\\Plug\\STYLES\\Jazz\\Swing.cnv");
    EXPECT_EQ(StyleFilePath("D:\\Plug\\", "Jazz", "Swing.fast"), "D:\\Plug\\STYLES\\Jazz\\Swing.fast.cnv");
    for (const char* bad : {"", ".", "..", "a\\b", "a/b", "\\"}) {
        EXPECT_FALSE(StyleFilePath("D:\\Plug\\", bad, "Swing")) << bad;
        EXPECT_FALSE(StyleFilePath("D:\\Plug\\", "Jazz", bad)) << bad;
    }
}

}  // namespace
}  // namespace cantivo::test
