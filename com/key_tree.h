// Deleting a registry key with everything below it.
#pragma once

#include <optional>
#include <string>

namespace cantivo {

class KeyTreeStore {
public:
    virtual ~KeyTreeStore() = default;
    // The name of the subkey at `index` below `path`, or nothing when there is
    // none or `path` cannot be opened.
    virtual std::optional<std::string> SubkeyAt(const std::string& path, unsigned index) = 0;
    virtual void DeleteKey(const std::string& path) = 0;
};

// Removes the subkeys depth first, then the key. A subkey that survives its
// deletion (for lack of rights, say) is stepped over, so this always ends.
void DeleteKeyTree(KeyTreeStore& store, const std::string& path);

}  // namespace cantivo
