#include "platform/posix/registry_text.h"

#include <cstddef>

namespace cantivo::platform {

namespace {

constexpr std::size_t kMaxLine = 4096;
constexpr std::size_t kMaxKeys = 4096;
constexpr std::size_t kMaxValuesPerKey = 1024;

void WriteKey(const RegistryNode& node, const std::string& path, std::string& text) {
    if (!path.empty()) text += '[' + path + "]\n";
    static constexpr char kHex[] = "0123456789abcdef";
    for (const auto& [name, bytes] : node.values) {
        text += name + '=';
        for (std::uint8_t byte : bytes) {
            text += kHex[byte >> 4];
            text += kHex[byte & 0x0F];
        }
        text += '\n';
    }
    for (const auto& [name, subkey] : node.subkeys) WriteKey(*subkey, path.empty() ? name : path + '\\' + name, text);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool ParseHex(std::string_view hex, std::vector<std::uint8_t>& bytes) {
    if (hex.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes.push_back(static_cast<std::uint8_t>(high << 4 | low));
    }
    return true;
}

// The key at a path, made when missing; null for a path with an empty name.
RegistryNode* KeyAt(RegistryNode& root, std::string_view path, std::size_t& keys) {
    RegistryNode* node = &root;
    while (!path.empty()) {
        const std::size_t split = path.find('\\');
        const std::string name(path.substr(0, split));
        if (name.empty()) return nullptr;
        auto& subkey = node->subkeys[name];
        if (!subkey) {
            if (++keys > kMaxKeys) return nullptr;
            subkey = std::make_unique<RegistryNode>();
        }
        node = subkey.get();
        path = split == std::string_view::npos ? std::string_view() : path.substr(split + 1);
    }
    return node;
}

}  // namespace

std::string RegistryText(const RegistryNode& root) {
    std::string text;
    WriteKey(root, "", text);
    return text;
}

void ReadRegistryText(std::string_view text, RegistryNode& root) {
    RegistryNode* key = nullptr;
    std::size_t keys = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.size() > kMaxLine) continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            key = KeyAt(root, line.substr(1, line.size() - 2), keys);
            continue;
        }
        const std::size_t equals = line.rfind('=');
        std::vector<std::uint8_t> bytes;
        if (key == nullptr || equals == std::string_view::npos || equals == 0 || !ParseHex(line.substr(equals + 1), bytes))
            continue;
        if (key->values.size() < kMaxValuesPerKey) key->values[std::string(line.substr(0, equals))] = std::move(bytes);
    }
}

}  // namespace cantivo::platform
