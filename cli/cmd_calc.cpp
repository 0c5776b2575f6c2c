// calc: opens a document as the program does, calculates every page and prints the results.
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <future>
#include <iostream>
#include <memory>
#include <system_error>
#include <unordered_map>

#include "base/json_writer.h"
#include "base/text_format.h"
#include "base/text_lines.h"
#include "calc/calculation_commands.h"
#include "calc/page_calculation.h"
#include "command.h"
#include "document/detail_file.h"
#include "document/open_document.h"
#include "platform/files.h"
#include "report/results_table.h"

namespace kesto::cli {
namespace {

// The document read through for errors on a second thread while the first pages are already
// read again and calculated (reading takes a tenth of a plain run). Nothing is printed before it
// is through, so a damaged document is still refused before anything is printed; the table
// problems of opening the document are printed then, as they would be right after opening it.
class ReadThrough {
  public:
    ReadThrough(std::string_view bytes, const std::string& path) {
        const auto read = [bytes, path] {
            DocumentData head;
            PageReader(bytes, path, head).readThrough();
        };
        try {
            reading_ = std::async(std::launch::async, read);
        } catch (const std::system_error&) {
            read();  // no thread to be had: read through first, here
        }
    }

    bool done() const {
        return !reading_.valid() ||
               reading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    }
    // Waits until the document is read through, throwing what reading it threw, and prints the
    // table problems (once).
    void finish() {
        if (finished_) {
            return;
        }
        if (reading_.valid()) {
            reading_.get();
        }
        finished_ = true;
        for (const std::string& problem : tableProblems) {
            std::cerr << problem << "\n";
        }
    }

    TableProblems tableProblems;

  private:
    std::future<void> reading_;
    bool finished_ = false;
};

// Standard output in blocks: a large building prints hundreds of megabytes, and a write per
// line or a whole text in memory would both cost more than the calculation. The first block
// waits for the document to be read through.
class BlockOutput {
  public:
    explicit BlockOutput(ReadThrough& readThrough) : readThrough_(readThrough) {}

    std::string text;

    // Writes the text once it fills a block, and the document has been read through: the
    // calculation does not wait for that.
    void flushWhenFull() {
        if (text.size() >= kBlockBytes && readThrough_.done()) {
            flush();
        }
    }
    void flush() {
        readThrough_.finish();
        std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        text.clear();
    }

  private:
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
    ReadThrough& readThrough_;
};

void writeStressList(JsonWriter& w, const OwnedList<CStress>& list) {
    w.beginArray();
    for (const CStress& s : list) {
        w.beginObject();
        w.key("name");
        w.value(s.name);
        w.key("n");
        w.value(s.n);
        w.key("m");
        w.value(s.m);
        w.key("q");
        w.value(s.q);
        w.endObject();
    }
    w.endArray();
}

void writePage(JsonWriter& w, const CKesto& page) {
    w.beginObject();
    w.key("mark");
    w.value(page.mark);
    w.key("errorMessages");
    w.value(page.errorMessages);
    w.key("ngMessages");
    w.value(page.ngMessages);
    w.key("comboResults");
    w.beginArray();
    for (const auto& terms : page.comboResults) {
        w.beginArray();
        writeStressList(w, terms[0]);
        writeStressList(w, terms[1]);
        w.endArray();
    }
    w.endArray();
    w.key("ultimateComboResults");
    w.beginArray();
    writeStressList(w, page.ultimateComboResults[0]);
    writeStressList(w, page.ultimateComboResults[1]);
    w.endArray();
    w.key("allowable");
    w.beginObject();
    for (const auto& field : kAllowableResults) {
        w.key(field.name);
        w.value(page.*field.member);
    }
    w.key("allowJudgement");
    w.value(page.allowJudgement);
    w.endObject();
    w.key("ultimateResults");
    w.beginArray();
    for (int dir = 0; dir < 2; ++dir) {
        w.beginArray();
        for (const auto& slot : page.ultimateResults) {
            w.value(slot[dir]);
        }
        w.endArray();
    }
    w.endArray();
    w.key("ultimateJudgement");
    w.value(page.ultimateJudgement);
    w.key("usedAa");
    w.value(page.usedAa);
    w.key("usedAc");
    w.value(page.usedAc);
    w.endObject();
}

void writeSummary(std::string& out, const CKesto& page) {
    out += page.mark;
    if (!page.errorMessages.empty()) {
        out += "  計算中断\n";
        return;
    }
    for (int dir = 0; dir < 2; ++dir) {
        out += dir == 0 ? "  X:" : "  Y:";
        for (int slot = 0; slot < 2; ++slot) {
            out += slot == 0 ? " 長期 " : " 短期 ";
            appendFixed(out, page.ratioMax[dir][slot], 3);
            out += ' ';
            out += judgementText(page.allowJudgement[dir][slot]);
        }
        out += " 保有耐力 ";
        appendFixed(out, page.ultimateResults[kGoverningUltimateSlot][dir], 3);
        out += ' ';
        out += judgementText(page.ultimateJudgement[dir]);
    }
    out += '\n';
}

// The message lines the JSON closes with, held until every page is printed. The same lines
// come back page after page (the same findings, the same marks in a repeated building), so
// each distinct line is kept once.
class RepeatedLines {
  public:
    void push_back(const std::string& line) {
        const auto [at, added] =
            index_.try_emplace(line, static_cast<std::uint32_t>(distinct_.size()));
        if (added) {
            distinct_.push_back(&at->first);  // keys stay in place as the map grows
        }
        order_.push_back(at->second);
    }
    std::size_t size() const { return order_.size(); }
    const std::string& operator[](std::size_t i) const { return *distinct_[order_[i]]; }

  private:
    std::unordered_map<std::string, std::uint32_t> index_;
    std::vector<const std::string*> distinct_;
    std::vector<std::uint32_t> order_;
};

// What calc prints, page by page as the pages are calculated, then what follows them. A page
// that has been printed is let go, but for what the closing part needs (the CSV table takes
// every page whole): a building of tens of thousands of pages would otherwise be held to the
// end, and fresh memory costs as much as the calculation.
class CalcPrinter {
  public:
    enum class Format { text, json, csv };

    CalcPrinter(Format format, int unitSystem, ReadThrough& readThrough)
        : format_(format), output_(readThrough), json_(output_.text) {
        if (format_ == Format::json) {
            json_.beginObject();
            json_.key("unitSystem");
            json_.value(unitSystem);
            json_.key("pages");
            json_.beginArray();
        }
    }

    // A calculated page and its message lines: printed (the JSON also the page's results), its
    // summary line kept, the page let go or (for the CSV table) kept.
    void page(CKesto& page, const std::vector<std::string>& lines) {
        findings_ = hasFindings(page) || findings_;
        if (format_ == Format::csv) {
            keptPages_.append(std::move(page));
            return;
        }
        if (format_ == Format::json) {
            writePage(json_, page);
        } else {
            writeSummary(summary_, page);
        }
        for (const std::string& line : lines) {
            if (format_ == Format::json) {
                messageLines_.push_back(line);
            } else {
                output_.text += line;
                output_.text += '\n';
            }
        }
        output_.flushWhenFull();
    }

    // The closing part: the message lines of the JSON, the CSV table of the pages under `cnt`,
    // or the summary lines. Returns whether some page has findings.
    bool finish(CKestoCnt& cnt) {
        if (format_ == Format::json) {
            json_.endArray();
            json_.key("messageLines");
            json_.beginArray();
            for (std::size_t i = 0; i < messageLines_.size(); ++i) {
                json_.value(messageLines_[i]);
                output_.flushWhenFull();
            }
            json_.endArray();
            json_.endObject();
            output_.text += '\n';
        } else if (format_ == Format::csv) {
            cnt.pages = std::move(keptPages_);
            output_.text = writeResultsTable(cnt);
        } else {
            output_.flush();
            output_.text = std::move(summary_);
        }
        output_.flush();
        return findings_;
    }

  private:
    Format format_;
    BlockOutput output_;
    JsonWriter json_;
    RepeatedLines messageLines_;
    std::string summary_;
    OwnedList<CKesto> keptPages_;
    bool findings_ = false;
};

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
    // The pages are read through for errors beside the calculation, and one at a time as they
    // are calculated: a building is never held whole, only the page being calculated.
    const std::string bytes = readFile(path);
    ReadThrough readThrough(bytes, path);
    DocumentData head;
    PageReader pages(bytes, path, head);
    DocumentData& doc = keptUntilExit(std::make_unique<DocumentData>());
    readThrough.tableProblems = takeReadDocument(std::move(head), programFolder, doc);
    CKestoCnt& cnt = doc.conditions;
    CalcPrinter printer(parsed.has("--json")  ? CalcPrinter::Format::json
                        : parsed.has("--csv") ? CalcPrinter::Format::csv
                                              : CalcPrinter::Format::text,
                        doc.unitSystem, readThrough);
    CKesto page;
    const PageSource nextPage = [&]() { return pages.next(page) ? &page : nullptr; };
    // The message lines of the page just calculated: the printer takes them page by page, so
    // that the messages of a whole building are not held as well.
    std::vector<std::string> messageLines;
    const auto printPage = [&](CKesto& calculated) {
        printer.page(calculated, messageLines);
        messageLines.clear();
    };
    if (parsed.has("--detail")) {
        cnt.writeDetailFile = 1;
        // A damaged document is refused before a detail file is even created.
        readThrough.finish();
        DetailFileWriter detail(parsed.value("--detail"));
        detail.throwIfNotCreated();  // before anything is printed
        calculatePages(cnt, doc.unitSystem,
                       detailHeader(std::filesystem::absolute(path).string(), cnt, doc.unitSystem),
                       messageLines, nextPage, [&](CKesto& calculated, TextLines& lines) {
                           detail.afterPage(lines);
                           printPage(calculated);
                       });
        detail.finish(cnt.detailLines);
    } else {
        // Without a detail file to write, the detail lines a document asks for would only be
        // held in memory.
        cnt.writeDetailFile = 0;
        calculatePages(cnt, doc.unitSystem, {}, messageLines, nextPage,
                       [&](CKesto& calculated, TextLines&) { printPage(calculated); });
    }
    return printer.finish(cnt) ? kExitFindings : kExitOk;
}

const Registration calcCommand{
    {"calc", "kesto-cli calc DOC.kso [--json|--csv] [--detail OUT.csv] [--program-folder DIR]",
     runCalc}};

}  // namespace
}  // namespace kesto::cli
