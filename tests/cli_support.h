// Runs kesto-cli in a shell and captures its exit status and output.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "test_support.h"

namespace kesto::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// `args` is appended to the command line as it stands (quote paths with blanks).
inline CliRun runCli(const TempFolder& temp, const std::string& args) {
    const std::string out = temp.file("cli.out");
    const std::string err = temp.file("cli.err");
    const std::string command =
        std::string(KESTO_CLI) + " " + args + " >'" + out + "' 2>'" + err + "' </dev/null";
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

}  // namespace kesto::test
