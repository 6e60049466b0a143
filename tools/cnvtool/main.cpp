// cnvtool: compiles a style's JSON source into a .cnv file and dumps a .cnv
// back into that source; a compile after a dump gives the same bytes. It also
// checks a .cnv and explains what the style loader would refuse in it.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "styles/style_file.h"
#include "tools/cnvtool/check.h"
#include "tools/cnvtool/style_source.h"

namespace {

using namespace cantivo;

constexpr const char* kUsage =
    "usage: cnvtool compile SOURCE.json STYLE.cnv\n"
    "       cnvtool dump STYLE.cnv [SOURCE.json]\n"
    "       cnvtool check STYLE.cnv\n";

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out.flush());
}

int Fail(const std::string& path, const std::string& problem) {
    std::cerr << "cnvtool: " << path << ": " << problem << "\n";
    return 1;
}

int Compile(const std::string& sourcePath, const std::string& stylePath) {
    const auto text = ReadFile(sourcePath);
    if (!text) return Fail(sourcePath, "cannot be read");
    std::vector<std::uint8_t> bytes;
    try {
        bytes = WriteStyleFile(tools::StyleFromSource(nlohmann::json::parse(text->begin(), text->end())));
    } catch (const nlohmann::json::parse_error& error) {
        return Fail(sourcePath, error.what());
    } catch (const tools::SourceError& error) {
        return Fail(sourcePath, error.what());
    }
    if (!WriteFile(stylePath, bytes.data(), bytes.size())) return Fail(stylePath, "cannot be written");
    return 0;
}

int Dump(const std::string& stylePath, const std::optional<std::string>& sourcePath) {
    const auto bytes = ReadFile(stylePath);
    if (!bytes) return Fail(stylePath, "cannot be read");
    StyleFile style;
    if (const StyleFileFault fault = ReadStyleFile(*bytes, style); fault != StyleFileFault::kNone)
        return Fail(stylePath, std::string("not a valid style file: ") + DescribeFault(fault));
    const std::string text = tools::StyleToSource(style).dump(2) + "\n";
    if (!sourcePath) {
        std::cout << text;
        return std::cout.flush() ? 0 : 1;
    }
    if (!WriteFile(*sourcePath, text.data(), text.size())) return Fail(*sourcePath, "cannot be written");
    return 0;
}

// Exit code 0 when the style loader takes the file, 1 when it refuses it.
int Check(const std::string& stylePath) {
    const auto bytes = ReadFile(stylePath);
    if (!bytes) return Fail(stylePath, "cannot be read");
    const tools::StyleCheck check = tools::CheckStyleFile(*bytes);
    std::cout << stylePath << ": " << tools::FormatCheck(check);
    return std::cout.flush() && check.problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "compile") return Compile(args[1], args[2]);
    if (args.size() == 2 && args[0] == "check") return Check(args[1]);
    if ((args.size() == 2 || args.size() == 3) && args[0] == "dump")
        return Dump(args[1], args.size() == 3 ? std::optional(args[2]) : std::nullopt);
    std::cerr << kUsage;
    return 2;
}
