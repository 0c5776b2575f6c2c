// report: the calculation report of a document as UTF-8 text, paged as printing pages it.
#include <stdexcept>

#include "command.h"
#include "document/text_report.h"
#include "platform/files.h"
#include "platform/profile.h"

namespace kesto::cli {
namespace {

int runReport(const std::vector<std::string>& args) {
    const auto parsed =
        parseArgs(args, {"-o", "--output-unit", "--program-folder", "--profile"}, {});
    if (parsed.positional.size() != 1 || !parsed.has("-o")) {
        throw UsageError("expected one document and -o OUT.txt");
    }
    IniProfile profile;
    if (parsed.has("--profile")) {
        profile = IniProfile::load(parsed.value("--profile"));
    }
    KestoDocument doc(programFolderOf(parsed), profile);
    if (const auto opened = doc.open(parsed.positional[0]); !opened.ok()) {
        throw std::runtime_error(opened.error().description);
    }
    if (parsed.has("--output-unit")) {
        const std::string unit = parsed.value("--output-unit");
        if (unit != "gravity" && unit != "si") {
            throw UsageError("--output-unit takes gravity or si");
        }
        PrintSettings settings = doc.printSettings();
        settings.outputUnitSystem = unit == "si" ? 1 : 0;
        doc.setPrintSettings(settings);
    }
    AtomicFileWriter out(parsed.value("-o"), Flush::bySystem);
    renderTextReport(doc, [&out](std::string_view block) { out.append(block); });
    out.commit();
    return kExitOk;
}

const Registration reportCommand{
    {"report",
     "kesto-cli report DOC.kso -o OUT.txt [--output-unit gravity|si] [--profile SETTINGS.ini]",
     runReport}};

}  // namespace
}  // namespace kesto::cli
