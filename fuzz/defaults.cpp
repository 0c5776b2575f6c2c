// The default data file "KestoBase.def": what reads is stored again unchanged.
#include "base/archive.h"
#include "fuzz_support.h"
#include "model/document_file.h"

using namespace kesto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DefaultData defaults;
    try {
        defaults = parseDefaults(fuzz::bytesOf(data, size), "KestoBase.def");
    } catch (const FileFormatError&) {
        return 0;
    }
    const std::string stored = serializeDefaults(defaults.unitSystem, defaults.conditions);
    const DefaultData back = parseDefaults(stored, "stored.def");
    fuzz::require(serializeDefaults(back.unitSystem, back.conditions) == stored,
                  "a stored default data file reads back differently");
    return 0;
}
