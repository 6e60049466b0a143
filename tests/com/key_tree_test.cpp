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

// Everything below the key goes, but a key that cannot be deleted is stepped
// over with its parents; a key gone already changes nothing.
TEST(DeleteKeyTree, RemovesTheKeyWithEverythingBelowItThatCanGo) {
    FakeStore store;
    store.keys = {"CLSID", "CLSID\\{A}", "CLSID\\{A}\\InprocServer32", "CLSID\\{A}\\Extra", "CLSID\\{A}\\Extra\\Deep",
                  "CLSID\\{A}\\Busy", "CLSID\\{A}\\Busy\\x", "CLSID\\{B}"};
    store.locked = {"CLSID\\{A}\\Busy\\x"};
    DeleteKeyTree(store, "CLSID\\{A}");
    const std::set<std::string> left = {"CLSID", "CLSID\\{A}", "CLSID\\{A}\\Busy", "CLSID\\{A}\\Busy\\x", "CLSID\\{B}"};
    EXPECT_EQ(store.keys, left);
    EXPECT_LT(store.lookups, 50);
    DeleteKeyTree(store, "CLSID\\{B}");
    DeleteKeyTree(store, "CLSID\\{B}");
    EXPECT_EQ(store.keys.size(), left.size() - 1);
}

}  // namespace
}  // namespace cantivo
