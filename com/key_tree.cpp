#include "com/key_tree.h"

namespace cantivo {

void DeleteKeyTree(KeyTreeStore& store, const std::string& path) {
    unsigned index = 0;
    while (const auto name = store.SubkeyAt(path, index)) {
        DeleteKeyTree(store, path + "\\" + *name);
        if (store.SubkeyAt(path, index) == name) ++index;
    }
    store.DeleteKey(path);
}

}  // namespace cantivo
