#include "model/document_json.h"

namespace kesto {
namespace {

using ojson = nlohmann::ordered_json;

const nlohmann::json& arrayAt(const nlohmann::json& j, const std::string& path) {
    if (!j.is_array()) {
        jsonRefuse(path, "expected an array");
    }
    return j;
}

ojson combosToJson(const OwnedList<CStringTable>& list) {
    ojson a = ojson::array();
    for (const auto& e : list) {
        a.push_back(e.expression);
    }
    return a;
}

void combosFromJson(const nlohmann::json& j, const std::string& path,
                    OwnedList<CStringTable>& list) {
    list.clear();
    std::size_t i = 0;
    for (const auto& e : arrayAt(j, path)) {
        jsonRead(e, path + "[" + std::to_string(i++) + "]", list.append().expression);
    }
}

ojson stressesToJson(const OwnedList<CStress>& list) {
    ojson a = ojson::array();
    for (const auto& s : list) {
        a.push_back(ojson{{"name", s.name}, {"n", s.n}, {"m", s.m}, {"q", s.q}});
    }
    return a;
}

// Replaces `list` by the array of objects at `j`, each allowed only `keys` and read by
// `read(JsonIn&, row)`.
template <class Row, class Read>
void objectsFromJson(const nlohmann::json& j, const std::string& path, OwnedList<Row>& list,
                     std::initializer_list<const char*> keys, Read read) {
    list.clear();
    std::size_t i = 0;
    for (const auto& e : arrayAt(j, path)) {
        const std::string p = path + "[" + std::to_string(i++) + "]";
        jsonCheckObject(e, p, keys);
        Row& row = list.append();
        JsonIn in{e, p};
        read(in, row);
    }
}

void stressesFromJson(const nlohmann::json& j, const std::string& path, OwnedList<CStress>& list) {
    objectsFromJson(j, path, list, {"name", "n", "m", "q"}, [](JsonIn& in, CStress& s) {
        in.field("name", s.name);
        in.field("n", s.n);
        in.field("m", s.m);
        in.field("q", s.q);
    });
}

// The page's own field list on the JSON side, with the basic stresses as [X list, Y list].
struct PageJsonOut : JsonFieldList<JsonOut> {
    using JsonFieldList::JsonFieldList;
    void listPair(const char* name, const std::array<OwnedList<CStress>, 2>& lists) {
        json_.j[name] = ojson::array({stressesToJson(lists[0]), stressesToJson(lists[1])});
    }
};

struct PageJsonIn : JsonFieldList<JsonIn> {
    using JsonFieldList::JsonFieldList;
    void listPair(const char* name, std::array<OwnedList<CStress>, 2>& lists) {
        if (const auto* b = json_.get(name)) {
            const std::string p = json_.path + "." + name;
            if (!b->is_array() || b->size() != 2) {
                jsonRefuse(p, "expected [X list, Y list]");
            }
            stressesFromJson((*b)[0], p + "[0]", lists[0]);
            stressesFromJson((*b)[1], p + "[1]", lists[1]);
        }
    }
};

// The conditions' own field list on the JSON side: the stress cases as objects, the combination
// lists as their expressions.
struct ConditionsJsonOut : JsonFieldList<JsonOut> {
    using JsonFieldList::JsonFieldList;
    void list(const char* name, const OwnedList<CStressName>& cases) {
        ojson a = ojson::array();
        for (const auto& s : cases) {
            a.push_back(ojson{{"label", s.label},
                              {"factorM", s.factorM},
                              {"factorQ", s.factorQ},
                              {"factorN", s.factorN}});
        }
        json_.j[name] = a;
    }
    void list(const char* name, const OwnedList<CStringTable>& combos) {
        json_.j[name] = combosToJson(combos);
    }
};

struct ConditionsJsonIn : JsonFieldList<JsonIn> {
    using JsonFieldList::JsonFieldList;
    void list(const char* name, OwnedList<CStressName>& cases) {
        if (const auto* names = json_.get(name)) {
            objectsFromJson(*names, json_.path + "." + name, cases,
                            {"label", "factorM", "factorQ", "factorN"},
                            [](JsonIn& in, CStressName& s) {
                                in.field("label", s.label);
                                in.field("factorM", s.factorM);
                                in.field("factorQ", s.factorQ);
                                in.field("factorN", s.factorN);
                            });
        }
    }
    void list(const char* name, OwnedList<CStringTable>& combos) {
        if (const auto* l = json_.get(name)) {
            combosFromJson(*l, json_.path + "." + name, combos);
        }
    }
};

}  // namespace

ojson pageToJson(const CKesto& page) {
    JsonOut out;
    PageJsonOut list(out);
    fields(list, page);
    return out.j;
}

namespace {

// Everything but the pages, which come last under "pages".
ojson documentHeadToJson(const DocumentData& doc) {
    const CKestoCnt& c = doc.conditions;
    JsonOut cond;
    ConditionsJsonOut list(cond);
    conditionsBody(list, c);
    ojson j;
    j["formatSignature"] = doc.formatSignature;
    j["buildingName"] = doc.buildingName;
    j["buildingDate"] = doc.buildingDate;
    j["buildingComment"] = doc.buildingComment;
    j["unitSystem"] = doc.unitSystem;
    j["conditions"] = cond.j;
    j["pages"] = ojson::array();
    return j;
}

}  // namespace

ojson documentToJson(const DocumentData& doc) {
    ojson j = documentHeadToJson(doc);
    for (const auto& page : doc.conditions.pages) {
        j["pages"].push_back(pageToJson(page));
    }
    return j;
}

void writeDocumentJson(const DocumentData& doc, std::ostream& out) {
    std::string head = documentHeadToJson(doc).dump(2);
    const auto& pages = doc.conditions.pages;
    if (pages.empty()) {
        out << head;
        return;
    }
    // The head ends with "[]\n}"; each page is laid out two levels deeper than on its own.
    head.resize(head.size() - 4);
    out << head << "[\n";
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::string text = pageToJson(pages[i]).dump(2);
        out << "    ";
        for (const char c : text) {
            out << c;
            if (c == '\n') {
                out << "    ";
            }
        }
        out << (i + 1 < pages.size() ? ",\n" : "\n");
    }
    out << "  ]\n}";
}

CKesto pageFromJson(const nlohmann::json& e, const std::string& p) {
    if (!e.is_object()) {
        jsonRefuse(p, "expected an object");
    }
    CKesto page;
    JsonIn in{e, p};
    PageJsonIn list(in);
    fields(list, page);
    in.finish();
    return page;
}

DocumentData documentFromJson(const nlohmann::json& j) {
    DocumentData doc;
    if (!j.is_object()) {
        jsonRefuse("document", "expected an object");
    }
    JsonIn top{j, "document"};
    if (const auto* v = top.get("formatSignature")) {
        std::string signature;
        jsonRead(*v, "formatSignature", signature);
        if (signature.rfind("Kesto ", 0) != 0) {
            jsonRefuse("formatSignature", "expected a Kesto signature such as \"Kesto 1.04\"");
        }
    }
    top.field("buildingName", doc.buildingName);
    top.field("buildingDate", doc.buildingDate);
    top.field("buildingComment", doc.buildingComment);
    if (const auto* v = top.get("unitSystem")) {
        jsonRead(*v, "unitSystem", doc.unitSystem, 0, 1);
    }
    CKestoCnt& c = doc.conditions;
    if (const auto* cj = top.get("conditions")) {
        if (!cj->is_object()) {
            jsonRefuse("conditions", "expected an object");
        }
        JsonIn in{*cj, "conditions"};
        ConditionsJsonIn list(in);
        conditionsBody(list, c);
        in.finish();
    }
    if (const auto* pj = top.get("pages")) {
        std::size_t i = 0;
        for (const auto& e : arrayAt(*pj, "pages")) {
            c.pages.append(pageFromJson(e, "pages[" + std::to_string(i++) + "]"));
        }
    }
    top.finish();
    return doc;
}

}  // namespace kesto
