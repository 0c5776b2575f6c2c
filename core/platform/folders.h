// Folders and whole-file copies: what the installer and the per-user data folder ask of the
// system. Paths are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kesto {

// How the system writes paths: the separator, and what names a root folder that is neither
// tested nor created ("/" here, a bare drive such as "C:" on Windows).
enum class PathStyle { posix, windows };
PathStyle nativePathStyle();

// The program a distribution folder holds to register the program with the desktop.
const char* setupProgramName();

bool folderExists(const std::string& path);
// Creates one folder whose parent exists; false when the system refuses.
bool createFolder(const std::string& path);
// Whether the program can create and remove files in the folder (an installation for all users
// usually cannot).
bool folderIsWritable(const std::string& path);

// Copies `from` over `to` with its permissions, writing beside the target and renaming it over
// the target, so a running program being replaced keeps its old file. Nothing when it worked,
// otherwise the reason in Japanese for the user.
std::optional<std::string> copyFileReplacing(const std::string& from, const std::string& to);

// The names of the files (not folders) in a folder; none when it cannot be read.
std::vector<std::string> filesIn(const std::string& folder);

// The user's home folder; empty when unknown.
std::string homeFolder();
// The folder for the user's own copy of the program's data ("$XDG_DATA_HOME/Drem/Kesto/",
// by default "~/.local/share/Drem/Kesto/"), with a trailing separator; empty when unknown.
std::string userDataFolder();

}  // namespace kesto
