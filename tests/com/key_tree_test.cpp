#include <gtest/gtest.h>

#include <map>
#include <set>

#include "com/key_tree.h"

namespace cantivo {
namespace {

// Keys by full path; some refuse to be deleted.
class FakeStore final : public KeyTreeStore {
public:
    std::optional<std::string> SubkeyAt(const std::string& path, unsigned index) override {
        ++lookups;
        if (!keys.contains(path)) return std::nullopt;
        unsigned seen = 0;
        for (const std::string& key : keys) {
            if (key.size() <= path.size() + 1 || key.compare(0, path.size() + 1, path + "\\") != 0) continue;
            const std::string rest = key.substr(path.size() + 1);
            if (rest.find('\\') != std::string::npos) continue;
            if (seen++ == index) return rest;
        }
        return std::nullopt;
    }
    void DeleteKey(const std::string& path) override {
        bool hasChildren = false;
        for (const std::string& key : keys) hasChildren |= key.compare(0, path.size() + 1, path + "\\") == 0;
        if (!hasChildren && !locked.contains(path)) keys.erase(path);
    }

    std::set<std::string> keys;
    std::set<std::string> locked;
    int lookups = 0;
};

TEST(DeleteKeyTree, RemovesTheKeyWithEverythingBelowIt) {
    FakeStore store;
    store.keys = {"CLSID", "CLSID\\{A}", "CLSID\\{A}\\InprocServer32", "CLSID\\{A}\\Extra", "CLSID\\{A}\\Extra\\Deep",
                  "CLSID\\{B}"};
    DeleteKeyTree(store, "CLSID\\{A}");
    EXPECT_EQ(store.keys, (std::set<std::string>{"CLSID", "CLSID\\{B}"}));
    DeleteKeyTree(store, "CLSID\\{A}");  // gone already: nothing changes
    EXPECT_EQ(store.keys, (std::set<std::string>{"CLSID", "CLSID\\{B}"}));
}

TEST(DeleteKeyTree, StepsOverAKeyThatCannotBeDeleted) {
    FakeStore store;
    store.keys = {"K", "K\\a", "K\\b", "K\\b\\x", "K\\c"};
    store.locked = {"K\\b\\x"};
    DeleteKeyTree(store, "K");
    EXPECT_EQ(store.keys, (std::set<std::string>{"K", "K\\b", "K\\b\\x"}));
    EXPECT_LT(store.lookups, 50);
}

}  // namespace
}  // namespace cantivo
