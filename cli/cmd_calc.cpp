// calc: opens a document as the program does, calculates every page and prints the results.
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>

#include "base/text_format.h"
#include "calc/calculation_commands.h"
#include "command.h"
#include "document/detail_file.h"
#include "document/open_document.h"
#include "platform/files.h"
#include "report/results_table.h"

namespace kesto::cli {
namespace {

using Json = nlohmann::ordered_json;

Json stressList(const OwnedList<CStress>& list) {
    Json out = Json::array();
    for (const CStress& s : list) {
        out.push_back({{"name", s.name}, {"n", s.n}, {"m", s.m}, {"q", s.q}});
    }
    return out;
}

Json pageJson(const CKesto& page) {
    Json j;
    j["mark"] = page.mark;
    j["errorMessages"] = page.errorMessages;
    j["ngMessages"] = page.ngMessages;
    j["comboResults"] = Json::array();
    for (int dir = 0; dir < 2; ++dir) {
        j["comboResults"].push_back(
            {stressList(page.comboResults[dir][0]), stressList(page.comboResults[dir][1])});
    }
    j["ultimateComboResults"] = {stressList(page.ultimateComboResults[0]),
                                 stressList(page.ultimateComboResults[1])};
    Json allowable;
    for (const auto& field : kAllowableResults) {
        allowable[field.name] = page.*field.member;
    }
    allowable["allowJudgement"] = page.allowJudgement;
    j["allowable"] = allowable;
    Json ultimate = Json::array();
    for (int dir = 0; dir < 2; ++dir) {
        Json values = Json::array();
        for (const auto& slot : page.ultimateResults) {
            values.push_back(slot[dir]);
        }
        ultimate.push_back(values);
    }
    j["ultimateResults"] = ultimate;
    j["ultimateJudgement"] = page.ultimateJudgement;
    j["usedAa"] = page.usedAa;
    j["usedAc"] = page.usedAc;
    return j;
}

void printSummary(const CKesto& page) {
    std::cout << page.mark;
    if (!page.errorMessages.empty()) {
        std::cout << "  計算中断\n";
        return;
    }
    for (int dir = 0; dir < 2; ++dir) {
        std::cout << (dir == 0 ? "  X:" : "  Y:");
        for (int slot = 0; slot < 2; ++slot) {
            std::cout << (slot == 0 ? " 長期 " : " 短期 ")
                      << strprintf("%.3f", page.ratioMax[dir][slot]) << ' '
                      << judgementText(page.allowJudgement[dir][slot]);
        }
        std::cout << " 保有耐力 "
                  << strprintf("%.3f", page.ultimateResults[kGoverningUltimateSlot][dir]) << ' '
                  << judgementText(page.ultimateJudgement[dir]);
    }
    std::cout << '\n';
}

int runCalc(const std::vector<std::string>& args) {
    const auto parsed = parseArgs(args, {"--detail", "--program-folder"}, {"--json", "--csv"});
    if (parsed.has("--json") && parsed.has("--csv")) {
        throw UsageError("--json and --csv exclude each other");
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one document");
    }
    const std::string& path = parsed.positional[0];
    const std::string programFolder = programFolderOf(parsed);
    DocumentData doc;
    for (const std::string& problem : openDocument(path, programFolder, doc)) {
        std::cerr << problem << "\n";
    }
    CKestoCnt& cnt = doc.conditions;
    std::vector<std::string> messageLines;
    if (parsed.has("--detail")) {
        cnt.writeDetailFile = 1;
        calculateAllPages(
            cnt, doc.unitSystem,
            detailHeader(std::filesystem::absolute(path).string(), cnt, doc.unitSystem),
            messageLines);
        writeFileAtomic(parsed.value("--detail"), detailFileBytes(cnt.detailLines));
    } else {
        recalculateOnOpen(cnt, doc.unitSystem, messageLines);
    }

    bool findings = false;
    for (const CKesto& page : cnt.pages) {
        findings = hasFindings(page) || findings;
    }
    if (parsed.has("--json")) {
        Json out;
        out["unitSystem"] = doc.unitSystem;
        out["pages"] = Json::array();
        for (const CKesto& page : cnt.pages) {
            out["pages"].push_back(pageJson(page));
        }
        out["messageLines"] = messageLines;
        std::cout << out.dump(2) << "\n";
    } else if (parsed.has("--csv")) {
        std::cout << writeResultsTable(cnt);
    } else {
        for (const std::string& line : messageLines) {
            std::cout << line << "\n";
        }
        for (const CKesto& page : cnt.pages) {
            printSummary(page);
        }
    }
    return findings ? kExitFindings : kExitOk;
}

const Registration calcCommand{
    {"calc", "kesto-cli calc DOC.kso [--json|--csv] [--detail OUT.csv] [--program-folder DIR]",
     runCalc}};

}  // namespace
}  // namespace kesto::cli
