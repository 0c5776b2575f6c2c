// The batch tool's commands. Each command registers itself from its own file.
#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace kesto::cli {

// Wrong arguments: the tool prints the message and the usage text and exits with status 2.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFindings = 1;  // a page has an error or an NG judgement
inline constexpr int kExitFailure = 2;   // usage errors, unreadable or corrupt input

struct Command {
    std::string name;
    std::string usage;  // one or more lines, each starting with "kesto-cli NAME"
    std::function<int(const std::vector<std::string>& args)> run;
};

// Adds a command to the tool; used through a static Registration in each command's file.
void registerCommand(Command command);
const std::vector<Command>& commands();

struct Registration {
    explicit Registration(Command command) { registerCommand(std::move(command)); }
};

// Splits arguments into positionals and options of the form "--name value" or "-o value".
// `valued` lists the options that take a value; `flags` the ones that do not.
struct ParsedArgs {
    std::vector<std::string> positional;
    std::vector<std::pair<std::string, std::string>> options;
    bool has(const std::string& name) const;
    std::string value(const std::string& name, const std::string& fallback = {}) const;
};
ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags);

// The program folder: "--program-folder DIR" or else the folder of the executable.
std::string programFolderOf(const ParsedArgs& args);

// Leaves `object` to the end of the process, for a command that runs once per process. A large
// building is millions of allocations: freeing them one by one when the command ends takes
// longer than reading them, while the system takes the memory back at once. The object stays
// reachable from here until then, so that leak checkers do not count it.
template <class T>
T& keptUntilExit(std::unique_ptr<T> object) {
    static T* kept = nullptr;
    kept = object.release();
    return *kept;
}

}  // namespace kesto::cli
