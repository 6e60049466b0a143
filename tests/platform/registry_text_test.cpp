#include <gtest/gtest.h>

#include "platform/posix/registry_text.h"

namespace cantivo::platform {
namespace {

TEST(RegistryText, KeysAndValuesComeBackAsTheyWere) {
    RegistryNode root;
    ReadRegistryText("[Software\\KELMAR\\QVB20x64\\Options]\nVolB=0b000000\nIPan=11000000\n[Software\\Empty]\n", root);
    ASSERT_TRUE(root.subkeys.count("software"));
    const RegistryNode& software = *root.subkeys.at("Software");
    EXPECT_TRUE(software.subkeys.at("Empty")->values.empty());
    const RegistryNode& options = *software.subkeys.at("kelmar")->subkeys.at("QVB20x64")->subkeys.at("Options");
    EXPECT_EQ(options.values.at("volb"), (std::vector<std::uint8_t>{11, 0, 0, 0}));

    RegistryNode again;
    ReadRegistryText(RegistryText(root), again);
    EXPECT_EQ(RegistryText(again), RegistryText(root));
}

TEST(RegistryText, LinesThatDoNotParseAreSkipped) {
    RegistryNode root;
    const std::string longLine = "[" + std::string(5000, 'x') + "]\n";
    ReadRegistryText("Loose=01\n[Key\\\\Gap]\nLost=02\n[Key]\nOdd=123\nBad=zz\n=01\nNoEquals\n" + longLine +
                         "Kept=0102",
                     root);
    ASSERT_EQ(root.subkeys.size(), 1u);
    const RegistryNode& key = *root.subkeys.at("Key");
    EXPECT_TRUE(key.subkeys.empty());
    ASSERT_EQ(key.values.size(), 1u);
    EXPECT_EQ(key.values.at("Kept"), (std::vector<std::uint8_t>{1, 2}));
}

}  // namespace
}  // namespace cantivo::platform
