#include <gtest/gtest.h>

#include "engine/module_folder.h"

namespace cantivo {
namespace {

TEST(ModulePaths, FolderAndHelpFileSitBesideThePlugin) {
    const ModulePaths paths = ModulePathsFor("D:\\Audio\\Plug\\QVB20X64.DLL");
    EXPECT_EQ(paths.folder, "D:\\Audio\\Plug\\");
    EXPECT_EQ(paths.helpFile, "D:\\Audio\\Plug\\QVB20.chm");
    EXPECT_EQ(ModulePathsFor("QVB20x64.dll").helpFile, "QVB20.chm");
    EXPECT_EQ(ModulePathsFor("").helpFile, "");
}

TEST(ModuleFolder, DefaultsToTheFileHoldingTheEngineUntilSet) {
    const std::string original = ModuleFolder();
    EXPECT_FALSE(original.empty());
    SetModuleFolder("C:\\Elsewhere\\");
    EXPECT_EQ(ModuleFolder(), "C:\\Elsewhere\\");
    SetModuleFolder(original);
}

}  // namespace
}  // namespace cantivo
