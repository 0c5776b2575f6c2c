// kesto-cli: the headless front end over the core. Usage errors and unreadable, foreign or
// corrupt input exit with status 2 and a message on stderr, and write nothing.
#include <exception>
#include <iostream>

#include "command.h"
#include "platform/memory_pages.h"

namespace {

void printUsage(std::ostream& os) {
    os << "usage:\n";
    for (const auto& c : kesto::cli::commands()) {
        os << "  " << c.usage << "\n";
    }
    os << "options common to commands that read tables:\n"
          "  --program-folder DIR   folder of the table and policy files (default: the "
          "folder of kesto-cli)\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace kesto::cli;
    kesto::restartWithLargeMemoryPages(argv);
    if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
        printUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? kExitFailure : kExitOk;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& c : commands()) {
        if (c.name != name) {
            continue;
        }
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            std::cerr << "kesto-cli " << name << ": " << e.what() << "\nusage: " << c.usage << "\n";
            return kExitFailure;
        } catch (const std::exception& e) {
            std::cerr << "kesto-cli " << name << ": " << e.what() << "\n";
            return kExitFailure;
        }
    }
    std::cerr << "kesto-cli: unknown command \"" << name << "\"\n";
    printUsage(std::cerr);
    return kExitFailure;
}
