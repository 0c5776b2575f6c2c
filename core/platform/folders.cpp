#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kesto {
namespace fs = std::filesystem;
namespace {

// The system's reason for a failed copy, in the user's words.
std::string reasonFor(const std::error_code& ec) {
    if (ec == std::errc::no_such_file_or_directory) {
        return "ファイルがありません";
    }
    if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
        ec == std::errc::read_only_file_system) {
        return "書き込みが許可されていません";
    }
    if (ec == std::errc::no_space_on_device) {
        return "ディスクの空きが足りません";
    }
    if (ec == std::errc::is_a_directory) {
        return "ファイルではなくフォルダです";
    }
    if (ec == std::errc::not_a_directory) {
        return "途中の名前がフォルダではありません";
    }
    return ec.message();
}

// UTF-8 text to a path and back, on every system.
fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

}  // namespace

PathStyle nativePathStyle() {
#ifdef _WIN32
    return PathStyle::windows;
#else
    return PathStyle::posix;
#endif
}

const char* setupProgramName() {
#ifdef _WIN32
    return "setup.exe";
#else
    return "setup";
#endif
}

bool folderExists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(pathOf(path), ec);
}

bool createFolder(const std::string& path) {
    std::error_code ec;
    return fs::create_directory(pathOf(path), ec) && !ec;
}

bool folderIsWritable(const std::string& path) {
    const fs::path folder = pathOf(path);
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        return false;
    }
    const fs::path probe = folder / ".kesto-write-test~";
    const bool written = std::ofstream(probe, std::ios::binary).good();
    fs::remove(probe, ec);
    return written;
}

std::optional<std::string> copyFileReplacing(const std::string& from, const std::string& to) {
    const fs::path source = pathOf(from);
    const fs::path target = pathOf(to);
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) {
        return reasonFor(std::make_error_code(fs::exists(source, ec)
                                                  ? std::errc::is_a_directory
                                                  : std::errc::no_such_file_or_directory));
    }
    if (fs::is_directory(target, ec)) {
        return reasonFor(std::make_error_code(std::errc::is_a_directory));
    }
    fs::path temp = target;
    temp += ".installing~";
    std::error_code ignored;
    fs::remove(temp, ignored);
    if (fs::copy_file(source, temp, fs::copy_options::overwrite_existing, ec) && !ec) {
        fs::rename(temp, target, ec);
    }
    if (ec) {
        fs::remove(temp, ignored);
        return reasonFor(ec);
    }
    return std::nullopt;
}

std::vector<std::string> filesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(pathOf(folder), ec)) {
        if (entry.is_regular_file(ec)) {
            names.push_back(utf8Of(entry.path().filename()));
        }
    }
    return names;
}

std::string homeFolder() {
#ifdef _WIN32
    return environment("USERPROFILE");
#else
    return environment("HOME");
#endif
}

std::string userDataFolder() {
#ifdef _WIN32
    const std::string base = environment("APPDATA");
    return base.empty() ? std::string() : base + "\\Drem\\Kesto\\";
#else
    std::string base = environment("XDG_DATA_HOME");
    if (base.empty() || base.front() != '/') {
        const std::string home = homeFolder();
        if (home.empty()) {
            return {};
        }
        base = home + "/.local/share";
    }
    return base + "/Drem/Kesto/";
#endif
}

}  // namespace kesto
