// Temporary program folders for the document and report tests.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "model/codepage.h"
#include "platform/files.h"

namespace kesto::testing {

// A fresh empty folder under the system's temporary folder, removed with its content.
class TempFolder {
  public:
    TempFolder() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("kesto-report-" + std::to_string(rd()) + "-" + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder with a trailing separator, as the program folder is given.
    std::string folder() const { return path_.string() + "/"; }
    std::string file(const std::string& name) const { return folder() + name; }

    // Writes UTF-8 text as code page 932.
    void writeCp932(const std::string& name, std::string_view utf8) const {
        writeFileAtomic(file(name), *encodeCp932(utf8));
    }

  private:
    std::filesystem::path path_;
};

}  // namespace kesto::testing
