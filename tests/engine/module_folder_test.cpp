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

}  // namespace
}  // namespace cantivo
