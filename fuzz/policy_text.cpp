// The calculation policy texts, with and without the route-3 section.
#include "base/codepage.h"
#include "fuzz_support.h"
#include "report/condition_lines.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    for (const bool route3 : {false, true}) {
        for (const std::string& line : parsePolicyText(fuzz::bytesOf(data, size), route3)) {
            fuzz::require(line.find('\n') == std::string::npos, "a policy line holds a line feed");
            fuzz::require(encodeCp932(line).has_value(), "a policy line cannot be printed");
        }
    }
    return 0;
}
