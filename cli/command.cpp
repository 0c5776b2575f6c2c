#include "command.h"

#include <algorithm>

#include "document/data_folder.h"

namespace kesto::cli {

namespace {
std::vector<Command>& registry() {
    static std::vector<Command> list;
    return list;
}
}  // namespace

void registerCommand(Command command) {
    registry().push_back(std::move(command));
}

const std::vector<Command>& commands() {
    auto& list = registry();
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    return list;
}

bool ParsedArgs::has(const std::string& name) const {
    return std::any_of(options.begin(), options.end(),
                       [&](const auto& o) { return o.first == name; });
}

std::string ParsedArgs::value(const std::string& name, const std::string& fallback) const {
    for (const auto& [n, v] : options) {
        if (n == name) {
            return v;
        }
    }
    return fallback;
}

ParsedArgs parseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valued,
                     const std::vector<std::string>& flags) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 1 && a[0] == '-') {
            if (std::find(valued.begin(), valued.end(), a) != valued.end()) {
                if (i + 1 >= args.size()) {
                    throw UsageError("option " + a + " needs a value");
                }
                parsed.options.emplace_back(a, args[++i]);
            } else if (std::find(flags.begin(), flags.end(), a) != flags.end()) {
                parsed.options.emplace_back(a, "");
            } else {
                throw UsageError("unknown option " + a);
            }
        } else {
            parsed.positional.push_back(a);
        }
    }
    return parsed;
}

std::string programFolderOf(const ParsedArgs& args) {
    std::string folder = args.value("--program-folder");
    if (folder.empty()) {
        return dataFolder();
    }
    if (folder.back() != '/') {
        folder += '/';
    }
    return folder;
}

}  // namespace kesto::cli
