#include "platform/registry.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include "platform/posix/registry_text.h"

namespace cantivo::platform {

namespace {

using Node = RegistryNode;

constexpr std::uintmax_t kMaxSettingsFileBytes = 1 << 20;

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

// Where HKEY_CURRENT_USER is kept between runs; empty while it lives in memory only.
std::filesystem::path& SettingsFile() {
    static std::filesystem::path path;
    return path;
}

std::filesystem::path UserSettingsFile() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config != nullptr && *config == '/') return std::filesystem::path(config) / "cantivo" / "registry";
    const char* home = std::getenv("HOME");
    if (home != nullptr && *home == '/') return std::filesystem::path(home) / ".config" / "cantivo" / "registry";
    return {};
}

// Written whole to a file of its own and renamed over the old one, so that a
// program reading meanwhile sees one or the other.
void SaveCurrentUser() {
    const std::filesystem::path& path = SettingsFile();
    if (path.empty()) return;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::filesystem::path temporary = path;
    temporary += ".new-" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << RegistryText(RootNode(RegistryRoot::CurrentUser));
        if (!out.flush()) return;
    }
    std::filesystem::rename(temporary, path, error);
    if (error) std::filesystem::remove(temporary, error);
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

Node* Walk(Node* start, const std::string& path, bool create, bool* created = nullptr) {
    Node* node = start;
    ForEachName(path, [&](const std::string& name) {
        auto found = node->subkeys.find(name);
        if (found == node->subkeys.end()) {
            if (!create) {
                node = nullptr;
                return false;
            }
            found = node->subkeys.emplace(name, std::make_unique<Node>()).first;
            if (created) *created = true;
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
    bool created = false;
    Node* node = Walk(&RootNode(root), path, true, &created);
    if (created) SaveCurrentUser();
    return RegistryKey(node);
}

RegistryKey RegistryKey::Open(const std::string& subkey) const {
    std::lock_guard guard(StoreLock());
    return RegistryKey(handle_ ? Walk(static_cast<Node*>(handle_), subkey, false) : nullptr);
}

RegistryKey RegistryKey::Create(const std::string& subkey) const {
    std::lock_guard guard(StoreLock());
    bool created = false;
    Node* node = handle_ ? Walk(static_cast<Node*>(handle_), subkey, true, &created) : nullptr;
    if (created) SaveCurrentUser();
    return RegistryKey(node);
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
    SaveCurrentUser();
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
    if (!parent || parent->subkeys.erase(name) == 0) return false;
    SaveCurrentUser();
    return true;
}

void KeepCurrentUserBetweenRuns() {
    std::lock_guard guard(StoreLock());
    SettingsFile() = UserSettingsFile();
    std::error_code error;
    const auto size = std::filesystem::file_size(SettingsFile(), error);
    if (SettingsFile().empty() || error || size > kMaxSettingsFileBytes) return;
    std::ifstream in(SettingsFile(), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    ReadRegistryText(text.str(), RootNode(RegistryRoot::CurrentUser));
}

}  // namespace cantivo::platform
