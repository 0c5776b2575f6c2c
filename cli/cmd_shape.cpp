// validate and stiffness: the checks of the column-base shape dialog and the texts of the
// rotational-stiffness dialog for every page of a document, without changing the file.
#include <charconv>
#include <cmath>
#include <iostream>
#include <nlohmann/json.hpp>

#include "calc/rotational_stiffness.h"
#include "calc/shape_input.h"
#include "command.h"
#include "document/open_document.h"
#include "model/document_json.h"

namespace kesto::cli {
namespace {

using Json = nlohmann::ordered_json;

DocumentData openForReading(const ParsedArgs& parsed) {
    DocumentData doc;
    for (const std::string& problem :
         openDocument(parsed.positional[0], programFolderOf(parsed), doc)) {
        std::cerr << problem << "\n";
    }
    return doc;
}

Json optionalText(const std::optional<std::string>& text) {
    return text ? Json(*text) : Json(nullptr);
}

// The fields of `after` whose values differ from `before`.
Json changedFields(const CKesto& before, const CKesto& after) {
    const Json a = pageToJson(before);
    const Json b = pageToJson(after);
    Json changed = Json::object();
    for (const auto& [key, value] : b.items()) {
        if (a.at(key) != value) {
            changed[key] = value;
        }
    }
    return changed;
}

int runValidate(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"--program-folder"}, {});
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one document");
    }
    const DocumentData doc = openForReading(parsed);
    Json pages = Json::array();
    bool failed = false;
    for (const CKesto& page : doc.conditions.pages) {
        CKesto values = page;
        const auto message = checkShapeInput(doc.conditions, values);
        failed = failed || message.has_value();
        pages.push_back({{"mark", page.mark},
                         {"message", optionalText(message)},
                         {"normalised", changedFields(page, values)}});
    }
    std::cout << Json{{"pages", pages}}.dump(2) << "\n";
    return failed ? kExitFindings : kExitOk;
}

double parseLength(const std::string& text) {
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) {
        throw UsageError("--lb needs a length in mm, not \"" + text + "\"");
    }
    return v;
}

Json stiffnessJson(const CKestoCnt& cnt, const CKesto& page, double lb, int unitSystem) {
    Json j{{"mark", page.mark}, {"message", nullptr}};
    for (const char* key : {"E", "Ab", "nt", "dt", "dc", "Kbs", "psi", "d", "fa", "ft", "nlb"}) {
        j[key] = nullptr;
    }
    if (const auto problem = stiffnessMaterialProblem(cnt, page)) {
        j["message"] = *problem;
        return j;
    }
    if (const auto a = anchorageTexts(cnt, page, unitSystem)) {
        j["psi"] = a->psi;
        j["d"] = a->d;
        j["fa"] = a->fa;
        j["ft"] = a->ft;
        j["nlb"] = a->nlb;
    }
    const StiffnessOutcome s = rotationalStiffness(cnt, page, lb, unitSystem);
    if (s.status == StiffnessOutcome::kZeroLength) {
        j["message"] = kZeroBoltLengthMessage;
    } else if (s.status == StiffnessOutcome::kShown) {
        j["E"] = s.texts.e;
        j["Ab"] = s.texts.ab;
        j["nt"] = s.texts.nt;
        j["dt"] = s.texts.dt;
        j["dc"] = s.texts.dc;
        j["Kbs"] = s.texts.kbs;
    }
    return j;
}

int runStiffness(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"--page", "--lb", "--program-folder"}, {});
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one document");
    }
    const std::optional<double> lb =
        parsed.has("--lb") ? std::optional(parseLength(parsed.value("--lb"))) : std::nullopt;
    const DocumentData doc = openForReading(parsed);
    Json pages = Json::array();
    for (const CKesto& page : doc.conditions.pages) {
        if (!parsed.has("--page") || page.mark == parsed.value("--page")) {
            pages.push_back(
                stiffnessJson(doc.conditions, page, lb.value_or(page.boltLength), doc.unitSystem));
        }
    }
    if (parsed.has("--page") && pages.empty()) {
        throw UsageError("no page is marked \"" + parsed.value("--page") + "\"");
    }
    std::cout << Json{{"pages", pages}}.dump(2) << "\n";
    return kExitOk;
}

const Registration validateCommand{
    {"validate", "kesto-cli validate DOC.kso [--program-folder DIR]", runValidate}};
const Registration stiffnessCommand{
    {"stiffness", "kesto-cli stiffness DOC.kso [--page MARK] [--lb MM] [--program-folder DIR]",
     runStiffness}};

}  // namespace
}  // namespace kesto::cli
