#include <gtest/gtest.h>

#include <filesystem>

#include "styles/style_library.h"
#include "tests/support/temp_folder.h"

namespace cantivo::test {
namespace {

using Names = std::vector<std::string>;

TEST(StyleLibrary, FoldersAreSortedWithoutCaseAndDotFoldersAndFilesLeftOut) {
    TempFolder module;
    for (const char* name : {"bossa", "Ambient", "cool", ".hidden"})
        std::filesystem::create_directories(module / "STYLES" / name);
    module.Touch("STYLES/loose.cnv", "x");
    module.Touch("STYLES/Zydeco");  // a plain file, not a folder
    EXPECT_EQ(ListStyleFolders(module.Path()), (Names{"Ambient", "bossa", "cool"}));
}

TEST(StyleLibrary, MissingEmptyOrOutsideLibraryListsNothing) {
    TempFolder module;
    EXPECT_TRUE(ListStyleFolders(module.Path()).empty());
    std::filesystem::create_directories(module / "STYLES");
    EXPECT_TRUE(ListStyleFolders(module.Path()).empty());
    EXPECT_TRUE(ListStyles(module.Path(), "Jazz").empty());
    // Nor does a folder name that leaves the library.
    module.Touch("STYLES/Up.cnv");
    module.Touch("Top.cnv");
    for (const char* outside : {"..", ".", "Jazz\\.."}) EXPECT_TRUE(ListStyles(module.Path(), outside).empty()) << outside;
}

TEST(StyleLibrary, StylesAreCnvFilesOfAnyCaseListedWithoutTheExtension) {
    TempFolder module;
    module.Touch("STYLES/Jazz/Swing.fast.cnv");
    module.Touch("STYLES/Jazz/Ballad.CNV");
    module.Touch("STYLES/Jazz/cool.Cnv");
    module.Touch("STYLES/Jazz/notes.txt");
    module.Touch("STYLES/Jazz/cnv");
    module.Touch("STYLES/Jazz/Deeper/Inner.cnv");
    std::filesystem::create_directories(module / "STYLES" / "Jazz" / "Folder.cnv");
    EXPECT_EQ(ListStyles(module.Path(), "Jazz"), (Names{"Ballad", "cool", "Swing.fast"}));
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
