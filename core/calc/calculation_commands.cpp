#include "calc/calculation_commands.h"

#include "calc/page_calculation.h"

namespace kesto {
namespace {

void startCommand(CKestoCnt& cnt, const std::vector<std::string>& detailHeader,
                  std::vector<std::string>& messageLines) {
    cnt.detailLines.clear();
    if (cnt.writeDetailFile == 1) {
        cnt.detailLines.assign(detailHeader);
    }
    messageLines.clear();
}

}  // namespace

void collectMessages(const CKesto& page, std::vector<std::string>& messageLines) {
    if (page.errorMessages.empty() && page.ngMessages.empty()) {
        return;
    }
    messageLines.push_back("[" + page.mark + "]");
    for (const std::string& m : page.errorMessages) {
        messageLines.push_back("  E：" + m);
    }
    for (const std::string& m : page.ngMessages) {
        messageLines.push_back("  W：" + m);
    }
}

void calculateThisPage(CKestoCnt& cnt, CKesto& page, int unitSystem,
                       const std::vector<std::string>& detailHeader,
                       std::vector<std::string>& messageLines) {
    startCommand(cnt, detailHeader, messageLines);
    calculatePage(cnt, page, unitSystem);
    collectMessages(page, messageLines);
}

int calculateAllPages(CKestoCnt& cnt, int unitSystem, const std::vector<std::string>& detailHeader,
                      std::vector<std::string>& messageLines, const PageProgress& progress,
                      const PageSink& pageSink) {
    const int total = static_cast<int>(cnt.pages.size());
    int done = 0;
    // Asked for the next page right after the sink has had the last one: the progress is told
    // there, and may stop the run.
    const auto nextPage = [&]() -> CKesto* {
        if (done > 0 && progress && !progress(done, total)) {
            return nullptr;
        }
        return done < total ? &cnt.pages[static_cast<std::size_t>(done++)] : nullptr;
    };
    return calculatePages(cnt, unitSystem, detailHeader, messageLines, nextPage, pageSink);
}

int calculatePages(CKestoCnt& cnt, int unitSystem, const std::vector<std::string>& detailHeader,
                   std::vector<std::string>& messageLines, const PageSource& nextPage,
                   const PageSink& pageSink) {
    startCommand(cnt, detailHeader, messageLines);
    int done = 0;
    while (CKesto* page = nextPage()) {
        calculatePage(cnt, *page, unitSystem);
        collectMessages(*page, messageLines);
        if (pageSink) {
            pageSink(*page, cnt.detailLines);
        }
        ++done;
    }
    return done;
}

void recalculateOnOpen(CKestoCnt& cnt, int unitSystem, std::vector<std::string>& messageLines,
                       const PageProgress& progress) {
    messageLines.clear();
    const int total = static_cast<int>(cnt.pages.size());
    int done = 0;
    for (CKesto& page : cnt.pages) {
        calculatePage(cnt, page, unitSystem);
        collectMessages(page, messageLines);
        if (progress) {
            progress(++done, total);
        }
    }
}

}  // namespace kesto
