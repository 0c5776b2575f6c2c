// The settings file of the batch tool: what reads is written back to text that reads the same.
#include "platform/profile.h"
#include "fuzz_support.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniProfile profile = IniProfile::fromText(std::string(fuzz::bytesOf(data, size)));
    const std::string text = profile.toText();
    fuzz::require(IniProfile::fromText(text).toText() == text,
                  "a written profile reads back differently");
    return 0;
}
