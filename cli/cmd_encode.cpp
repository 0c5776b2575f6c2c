// encode: turns a UTF-8 text into the code page 932 text with CR LF line ends that the program
// reads beside itself (the policy files are built this way).
#include "base/codepage.h"
#include "command.h"
#include "platform/files.h"

namespace kesto::cli {
namespace {

int runEncode(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"-o"}, {});
    if (parsed.positional.size() != 1 || !parsed.has("-o")) {
        throw UsageError("expected one UTF-8 text file and -o OUT");
    }
    const std::string& path = parsed.positional[0];
    std::string text;
    for (const char c : readFile(path)) {
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            text += '\r';
        }
        text += c;
    }
    const auto encoded = encodeCp932(text);
    if (!encoded) {
        throw std::runtime_error(path + ": a character has no code in code page 932");
    }
    writeFileAtomic(parsed.value("-o"), *encoded);
    return kExitOk;
}

const Registration encodeCommand{{"encode", "kesto-cli encode TEXT.txt -o OUT.txt", runEncode}};

}  // namespace
}  // namespace kesto::cli
