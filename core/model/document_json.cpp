#include "model/document_json.h"

#include <cmath>
#include <set>

#include "model/codepage.h"

namespace kesto {
namespace {

using ojson = nlohmann::ordered_json;

[[noreturn]] void refuse(const std::string& path, const std::string& problem) {
    throw JsonInputError(path + ": " + problem);
}

// A visitor over the input fields shared by export (Out) and import (In), so both list the
// same fields under the same names.
struct Out {
    ojson j = ojson::object();
    template <class T>
    void field(const char* name, const T& v) {
        j[name] = v;
    }
    void word(const char* name, const int& v) { j[name] = v; }
    void pair(const char* name, const DirPair& v) {
        j[name] =
            ojson::array({ojson::array({v[0][0], v[0][1]}), ojson::array({v[1][0], v[1][1]})});
    }
};

struct In {
    const nlohmann::json& j;
    std::string path;
    std::set<std::string> seen;

    const nlohmann::json* get(const char* name) {
        seen.insert(name);
        const auto it = j.find(name);
        return it == j.end() ? nullptr : &*it;
    }
    template <class T>
    void field(const char* name, T& v) {
        if (const auto* value = get(name)) {
            jsonRead(*value, path + "." + name, v);
        }
    }
    void word(const char* name, int& v) {
        if (const auto* value = get(name)) {
            jsonRead(*value, path + "." + name, v, 0, 65535);
        }
    }
    void pair(const char* name, DirPair& v) {
        if (const auto* value = get(name)) {
            const std::string p = path + "." + name;
            if (!value->is_array() || value->size() != 2) {
                refuse(p, "expected [[X L->R, X R->L], [Y L->R, Y R->L]]");
            }
            for (std::size_t d = 0; d < 2; ++d) {
                const auto& row = (*value)[d];
                if (!row.is_array() || row.size() != 2) {
                    refuse(p + "[" + std::to_string(d) + "]", "expected an array of two numbers");
                }
                for (std::size_t s = 0; s < 2; ++s) {
                    jsonRead(row[s], p + "[" + std::to_string(d) + "][" + std::to_string(s) + "]",
                             v[d][s]);
                }
            }
        }
    }
    void finish() {
        for (const auto& [key, value] : j.items()) {
            (void)value;
            if (!seen.count(key)) {
                refuse(path + "." + key, "unknown field");
            }
        }
    }
};

template <class V, class P>
void pageFields(V& v, P& k) {
    v.field("mark", k.mark);
    v.field("concreteGrade", k.concreteGrade);
    v.field("columnSteelGrade", k.columnSteelGrade);
    v.field("basePlateSteelGrade", k.basePlateSteelGrade);
    v.field("ribSteelGrade", k.ribSteelGrade);
    v.field("boltSteelGrade", k.boltSteelGrade);
    v.field("boltName", k.boltName);
    v.field("columnSection", k.columnSection);
    v.field("columnKind", k.columnKind);
    v.field("rotated", k.rotated);
    v.field("wingPlate", k.wingPlate);
    v.word("boltCountX", k.boltCountX);
    v.word("boltCountY", k.boltCountY);
    v.word("ribCountX", k.ribCountX);
    v.word("ribCountY", k.ribCountY);
    v.field("plateB", k.plateB);
    v.field("plateD", k.plateD);
    v.field("plateT", k.plateT);
    v.field("ribH", k.ribH);
    v.field("ribT", k.ribT);
    v.field("boltGaugeX", k.boltGaugeX);
    v.field("boltGaugeY", k.boltGaugeY);
    v.field("ribGaugeX", k.ribGaugeX);
    v.field("ribGaugeY", k.ribGaugeY);
    v.field("useAnchorBlock", k.useAnchorBlock);
    v.field("concreteShearCheck", k.concreteShearCheck);
    v.field("pedestalB", k.pedestalB);
    v.field("pedestalD", k.pedestalD);
    v.field("anchorBlockB", k.anchorBlockB);
    v.field("anchorBlockD", k.anchorBlockD);
    v.field("boltLength", k.boltLength);
    v.field("inputAa", k.inputAa);
    v.field("inputAc", k.inputAc);
    v.pair("ultimateN", k.ultimateN);
    v.pair("ultimateQ", k.ultimateQ);
    v.pair("ultimateM", k.ultimateM);
}

template <class V, class C>
void conditionFields(V& v, C& c) {
    v.field("routeX", c.routeX);
    v.field("routeY", c.routeY);
    v.field("boltElongation", c.boltElongation);
    v.field("basePlateStressMode", c.basePlateStressMode);
    v.field("distinguishLongShort", c.distinguishLongShort);
    v.field("writeDetailFile", c.writeDetailFile);
    v.field("sectionFromTable", c.sectionFromTable);
    v.field("roundSectionProps", c.roundSectionProps);
    v.field("ribInBoltCantilever", c.ribInBoltCantilever);
    v.field("gammaX", c.gammaX);
    v.field("gammaY", c.gammaY);
    v.field("alphaX", c.alphaX);
    v.field("alphaY", c.alphaY);
    v.field("yieldStrengthFactor", c.yieldStrengthFactor);
    v.field("scallopSize", c.scallopSize);
    v.field("tubeLossAn", c.tubeLossAn);
    v.field("tubeLossZp", c.tubeLossZp);
    v.field("hSteelTableName", c.hSteelTableName);
    v.field("tubeTableName", c.tubeTableName);
    v.field("boltTableName", c.boltTableName);
    v.field("gammaStressName", c.gammaStressName);
    v.field("route3NgCheck", c.route3NgCheck);
    v.field("useAnchorBlock", c.useAnchorBlock);
    v.field("concreteShearCheck", c.concreteShearCheck);
    v.field("boltClearance", c.boltClearance);
    v.field("boltAeMode", c.boltAeMode);
    v.field("boltFsMode", c.boltFsMode);
    v.field("basePlateFb1Mode", c.basePlateFb1Mode);
}

const nlohmann::json& arrayAt(const nlohmann::json& j, const std::string& path) {
    if (!j.is_array()) {
        refuse(path, "expected an array");
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

void stressesFromJson(const nlohmann::json& j, const std::string& path, OwnedList<CStress>& list) {
    list.clear();
    std::size_t i = 0;
    for (const auto& e : arrayAt(j, path)) {
        const std::string p = path + "[" + std::to_string(i++) + "]";
        jsonCheckObject(e, p, {"name", "n", "m", "q"});
        CStress& s = list.append();
        In in{e, p, {}};
        in.field("name", s.name);
        in.field("n", s.n);
        in.field("m", s.m);
        in.field("q", s.q);
    }
}

}  // namespace

void jsonRead(const nlohmann::json& j, const std::string& path, std::string& v) {
    if (!j.is_string()) {
        refuse(path, "expected a string");
    }
    v = j.get<std::string>();
    if (!encodeCp932(v)) {
        refuse(path, "the text has a character that code page 932 cannot hold");
    }
}

void jsonRead(const nlohmann::json& j, const std::string& path, double& v) {
    if (!j.is_number()) {
        refuse(path, "expected a number");
    }
    v = j.get<double>();
}

void jsonRead(const nlohmann::json& j, const std::string& path, int& v, int lo, int hi) {
    if (!j.is_number_integer() || j.get<long long>() < lo || j.get<long long>() > hi) {
        refuse(path,
               "expected a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    }
    v = j.get<int>();
}

void jsonRead(const nlohmann::json& j, const std::string& path, std::uint8_t& v) {
    int i = 0;
    jsonRead(j, path, i, 0, 255);
    v = static_cast<std::uint8_t>(i);
}

void jsonCheckObject(const nlohmann::json& j, const std::string& path,
                     std::initializer_list<const char*> known) {
    if (!j.is_object()) {
        refuse(path, "expected an object");
    }
    for (const auto& [key, value] : j.items()) {
        (void)value;
        bool found = false;
        for (const char* k : known) {
            found = found || key == k;
        }
        if (!found) {
            refuse(path + "." + key, "unknown field");
        }
    }
}

ojson pageToJson(const CKesto& page) {
    Out out;
    pageFields(out, page);
    out.j["basicStresses"] = ojson::array(
        {stressesToJson(page.basicStresses[0]), stressesToJson(page.basicStresses[1])});
    return out.j;
}

ojson documentToJson(const DocumentData& doc) {
    const CKestoCnt& c = doc.conditions;
    Out cond;
    conditionFields(cond, c);
    ojson names = ojson::array();
    for (const auto& s : c.stressNames) {
        names.push_back(ojson{{"label", s.label},
                              {"factorM", s.factorM},
                              {"factorQ", s.factorQ},
                              {"factorN", s.factorN}});
    }
    cond.j["stressNames"] = names;
    cond.j["longTermCombos"] = combosToJson(c.longTermCombos);
    cond.j["shortTermCombos"] = combosToJson(c.shortTermCombos);
    cond.j["ultimateCombos"] = combosToJson(c.ultimateCombos);

    ojson pages = ojson::array();
    for (const auto& page : c.pages) {
        pages.push_back(pageToJson(page));
    }
    ojson j;
    j["formatSignature"] = doc.formatSignature;
    j["buildingName"] = doc.buildingName;
    j["buildingDate"] = doc.buildingDate;
    j["buildingComment"] = doc.buildingComment;
    j["unitSystem"] = doc.unitSystem;
    j["conditions"] = cond.j;
    j["pages"] = pages;
    return j;
}

DocumentData documentFromJson(const nlohmann::json& j) {
    DocumentData doc;
    if (!j.is_object()) {
        refuse("document", "expected an object");
    }
    In top{j, "document", {}};
    if (const auto* v = top.get("formatSignature")) {
        std::string signature;
        jsonRead(*v, "formatSignature", signature);
        if (signature.rfind("Kesto ", 0) != 0) {
            refuse("formatSignature", "expected a Kesto signature such as \"Kesto 1.04\"");
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
            refuse("conditions", "expected an object");
        }
        In in{*cj, "conditions", {}};
        conditionFields(in, c);
        if (const auto* names = in.get("stressNames")) {
            c.stressNames.clear();
            std::size_t i = 0;
            for (const auto& e : arrayAt(*names, "conditions.stressNames")) {
                const std::string p = "conditions.stressNames[" + std::to_string(i++) + "]";
                jsonCheckObject(e, p, {"label", "factorM", "factorQ", "factorN"});
                CStressName& s = c.stressNames.append();
                In sn{e, p, {}};
                sn.field("label", s.label);
                sn.field("factorM", s.factorM);
                sn.field("factorQ", s.factorQ);
                sn.field("factorN", s.factorN);
            }
        }
        if (const auto* l = in.get("longTermCombos")) {
            combosFromJson(*l, "conditions.longTermCombos", c.longTermCombos);
        }
        if (const auto* l = in.get("shortTermCombos")) {
            combosFromJson(*l, "conditions.shortTermCombos", c.shortTermCombos);
        }
        if (const auto* l = in.get("ultimateCombos")) {
            combosFromJson(*l, "conditions.ultimateCombos", c.ultimateCombos);
        }
        in.finish();
    }
    if (const auto* pj = top.get("pages")) {
        std::size_t i = 0;
        for (const auto& e : arrayAt(*pj, "pages")) {
            const std::string p = "pages[" + std::to_string(i++) + "]";
            if (!e.is_object()) {
                refuse(p, "expected an object");
            }
            CKesto& page = c.pages.append();
            In in{e, p, {}};
            pageFields(in, page);
            if (const auto* b = in.get("basicStresses")) {
                if (!b->is_array() || b->size() != 2) {
                    refuse(p + ".basicStresses", "expected [X list, Y list]");
                }
                stressesFromJson((*b)[0], p + ".basicStresses[0]", page.basicStresses[0]);
                stressesFromJson((*b)[1], p + ".basicStresses[1]", page.basicStresses[1]);
            }
            in.finish();
        }
    }
    top.finish();
    return doc;
}

}  // namespace kesto
