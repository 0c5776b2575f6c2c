#include "document/json_import.h"

#include <optional>

#include "base/json_fields.h"
#include "base/json_text.h"
#include "model/document_json.h"
#include "tables/table_json.h"

namespace kesto {
namespace {

using nlohmann::json;

// Runs a conversion whose errors carry the field path only, adding the file name.
template <class Convert>
auto inFile(const std::string& source, Convert convert) {
    try {
        return convert();
    } catch (const JsonInputError& e) {
        throw JsonInputError(source + ": " + e.what());
    }
}

// The pages of a document as they arrive. Until the conditions are known the pages wait as
// records; from then on each is stored at once.
class PageSink {
  public:
    void take(json&& element, std::size_t index, const json& top) {
        CKesto page = pageFromJson(element, "pages[" + std::to_string(index) + "]");
        if (!stored_ && top.contains("conditions")) {
            start(conditionsOf(top));
        }
        if (stored_) {
            stored_->add(page);
        } else {
            waiting_.append(std::move(page));
        }
    }

    std::string document(const DocumentData& head) {
        if (!stored_) {
            start(head.conditions);
        }
        return stored_->document(head);
    }

  private:
    static CKestoCnt conditionsOf(const json& top) {
        return documentFromJson(json{{"conditions", top.at("conditions")}}).conditions;
    }

    void start(const CKestoCnt& conditions) {
        stored_.emplace(conditions);
        for (const CKesto& page : waiting_) {
            stored_->add(page);
        }
        waiting_.clear();
    }

    std::optional<StreamedPages> stored_;
    OwnedList<CKesto> waiting_;
};

}  // namespace

std::string importJson(std::string_view text, const std::string& source) {
    PageSink pages;
    const json top = readJsonText(text, source, "pages",
                                  [&](json&& element, std::size_t index, const json& before) {
                                      inFile(source, [&] {
                                          pages.take(std::move(element), index, before);
                                          return 0;
                                      });
                                  });
    return inFile(source, [&] {
        if (isTableJson(top)) {
            return tableFileFromJson(top);
        }
        return pages.document(documentFromJson(top));
    });
}

}  // namespace kesto
