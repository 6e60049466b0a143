#include "platform/registry.h"

#include <strings.h>

#include <map>
#include <memory>
#include <mutex>

namespace cantivo::platform {

namespace {

struct Caseless {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

// One key of the process-wide store; values keep their raw bytes.
struct Node {
    std::map<std::string, std::unique_ptr<Node>, Caseless> subkeys;
    std::map<std::string, std::vector<std::uint8_t>, Caseless> values;
};

std::mutex& StoreLock() {
    static std::mutex lock;
    return lock;
}

Node& RootNode(RegistryRoot root) {
    static Node roots[3];
    static const bool seeded = [] {
        // As on Windows, "Software" exists under both user and machine roots.
        roots[0].subkeys["Software"] = std::make_unique<Node>();
        roots[1].subkeys["Software"] = std::make_unique<Node>();
        return true;
    }();
    (void)seeded;
    return roots[static_cast<int>(root)];
}

template <typename F>
void ForEachName(const std::string& path, F&& visit) {
    std::string name;
    for (char c : path + '\\') {
        if (c == '\\') {
            if (!name.empty() && !visit(name)) return;
            name.clear();
        } else {
            name += c;
        }
    }
}

Node* Walk(Node* start, const std::string& path, bool create) {
    Node* node = start;
    ForEachName(path, [&](const std::string& name) {
        auto found = node->subkeys.find(name);
        if (found == node->subkeys.end()) {
            if (!create) {
                node = nullptr;
                return false;
            }
            found = node->subkeys.emplace(name, std::make_unique<Node>()).first;
        }
        node = found->second.get();
        return true;
    });
    return node;
}

}  // namespace

RegistryKey::~RegistryKey() = default;

RegistryKey::RegistryKey(RegistryKey&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept {
    handle_ = other.handle_;
    other.handle_ = nullptr;
    return *this;
}

RegistryKey RegistryKey::Open(RegistryRoot root, const std::string& path) {
    std::lock_guard guard(StoreLock());
    return RegistryKey(Walk(&RootNode(root), path, false));
}

RegistryKey RegistryKey::Create(RegistryRoot root, const std::string& path) {
    std::lock_guard guard(StoreLock());
    return RegistryKey(Walk(&RootNode(root), path, true));
}

RegistryKey RegistryKey::Open(const std::string& subkey) const {
    std::lock_guard guard(StoreLock());
    return RegistryKey(handle_ ? Walk(static_cast<Node*>(handle_), subkey, false) : nullptr);
}

RegistryKey RegistryKey::Create(const std::string& subkey) const {
    std::lock_guard guard(StoreLock());
    return RegistryKey(handle_ ? Walk(static_cast<Node*>(handle_), subkey, true) : nullptr);
}

std::optional<std::uint32_t> RegistryKey::QueryDword(const std::string& name) const {
    std::lock_guard guard(StoreLock());
    if (!handle_) return std::nullopt;
    const auto& values = static_cast<Node*>(handle_)->values;
    const auto found = values.find(name);
    if (found == values.end() || found->second.size() > 4) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < found->second.size(); ++i) value |= std::uint32_t{found->second[i]} << (8 * i);
    return value;
}

bool RegistryKey::SetDword(const std::string& name, std::uint32_t value) {
    return SetBinary(name, {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)});
}

bool RegistryKey::SetBinary(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::lock_guard guard(StoreLock());
    if (!handle_) return false;
    static_cast<Node*>(handle_)->values[name] = bytes;
    return true;
}

std::vector<std::string> RegistryKey::ValueNames() const {
    std::lock_guard guard(StoreLock());
    std::vector<std::string> names;
    if (handle_)
        for (const auto& [name, bytes] : static_cast<Node*>(handle_)->values) names.push_back(name);
    return names;
}

bool DeleteRegistryTree(RegistryRoot root, const std::string& path) {
    std::lock_guard guard(StoreLock());
    const auto split = path.find_last_of('\\');
    Node* parent = split == std::string::npos ? &RootNode(root) : Walk(&RootNode(root), path.substr(0, split), false);
    const std::string name = split == std::string::npos ? path : path.substr(split + 1);
    return parent && parent->subkeys.erase(name) > 0;
}

}  // namespace cantivo::platform
