// Helpers shared by the tests: byte strings written as hex, the example documents, and
// temporary folders.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/codepage.h"
#include "platform/files.h"

namespace kesto::test {

// "0A 4B 65" -> the three bytes.
inline std::string bytesOf(std::string_view hex) {
    std::string out;
    int nibbles = 0;
    int value = 0;
    for (char c : hex) {
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        if (v < 0)
            continue;
        value = value * 16 + v;
        if (++nibbles == 2) {
            out.push_back(static_cast<char>(value));
            nibbles = 0;
            value = 0;
        }
    }
    return out;
}

// The example documents the build puts in the program folder.
inline std::vector<std::string> exampleDocuments() {
    std::vector<std::string> paths;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(KESTO_PROGRAM_FOLDER) + "examples")) {
        paths.push_back(entry.path().string());
    }
    return paths;
}

// A folder of its own under the system's temporary folder, removed with its content.
class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kesto-test-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator, as program folders are passed.
    std::string folder() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    // Writes UTF-8 text as code page 932.
    void writeCp932(const std::string& name, std::string_view utf8) const {
        writeFileAtomic(file(name), *encodeCp932(utf8));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace kesto::test
