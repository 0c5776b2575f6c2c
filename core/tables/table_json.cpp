#include "tables/table_json.h"

#include <set>

#include "model/archive.h"
#include "model/document_json.h"

namespace kesto {
namespace {

using ojson = nlohmann::ordered_json;

[[noreturn]] void refuse(const std::string& path, const std::string& problem) {
    throw JsonInputError(path + ": " + problem);
}

// Export and import visit the same row fields under the same names.
struct Out {
    ojson j = ojson::object();
    template <class T>
    void field(const char* name, const T& v) {
        j[name] = v;
    }
    void small(const char* name, const std::uint8_t& v) { j[name] = static_cast<int>(v); }
    void word(const char* name, const int& v) { j[name] = v; }
    void pair(const char* name, const std::array<double, 2>& v) {
        j[name] = ojson::array({v[0], v[1]});
    }
    void flags(const char* name, const std::array<std::uint8_t, 7>& v) {
        ojson a = ojson::array();
        for (const auto f : v) {
            a.push_back(static_cast<int>(f));
        }
        j[name] = a;
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
    void small(const char* name, std::uint8_t& v) { field(name, v); }
    void word(const char* name, int& v) {
        if (const auto* value = get(name)) {
            jsonRead(*value, path + "." + name, v, 0, 65535);
        }
    }
    template <std::size_t N, class T>
    void array(const char* name, std::array<T, N>& v) {
        if (const auto* value = get(name)) {
            const std::string p = path + "." + name;
            if (!value->is_array() || value->size() != N) {
                refuse(p, "expected an array of " + std::to_string(N) + " values");
            }
            for (std::size_t i = 0; i < N; ++i) {
                jsonRead((*value)[i], p + "[" + std::to_string(i) + "]", v[i]);
            }
        }
    }
    void pair(const char* name, std::array<double, 2>& v) { array(name, v); }
    void flags(const char* name, std::array<std::uint8_t, 7>& v) { array(name, v); }
    void finish() {
        for (const auto& [key, value] : j.items()) {
            (void)value;
            if (!seen.count(key)) {
                refuse(path + "." + key, "unknown field");
            }
        }
    }
};

template <class V, class R>
void rowFields(V& v, R& r) requires std::is_same_v<std::remove_const_t<R>, CSteel> {
    v.field("name", r.name);
    v.small("shapeType", r.shapeType);
    v.flags("shapeFlags", r.shapeFlags);
    v.field("depth", r.depth);
    v.field("width", r.width);
    v.field("webThickness", r.webThickness);
    v.field("flangeThickness", r.flangeThickness);
    v.field("filletRadius", r.filletRadius);
    v.field("reservedDim", r.reservedDim);
    v.field("area", r.area);
    v.field("shearAreaX", r.shearAreaX);
    v.field("shearAreaY", r.shearAreaY);
    v.field("inertiaX", r.inertiaX);
    v.field("inertiaY", r.inertiaY);
    v.field("radiusX", r.radiusX);
    v.field("radiusY", r.radiusY);
    v.field("radiusB", r.radiusB);
    v.field("modulusX", r.modulusX);
    v.field("modulusY", r.modulusY);
    v.field("plasticModulusX", r.plasticModulusX);
    v.field("plasticModulusY", r.plasticModulusY);
}

template <class V, class R>
void rowFields(V& v, R& r) requires std::is_same_v<std::remove_const_t<R>, CABolt> {
    v.field("name", r.name);
    v.field("shankDiameter", r.shankDiameter);
    v.field("holeDiameter", r.holeDiameter);
    v.field("shankArea", r.shankArea);
    v.field("threadArea", r.threadArea);
}

template <class V, class R>
void rowFields(V& v, R& r) requires std::is_same_v<std::remove_const_t<R>, CSteelRaw> {
    v.field("name", r.name);
    v.small("gradeKind", r.gradeKind);
    v.field("fThin", r.fThin);
    v.field("fThick", r.fThick);
}

template <class V, class R>
void rowFields(V& v, R& r) requires std::is_same_v<std::remove_const_t<R>, CConcreteRaw> {
    v.field("name", r.name);
    v.word("concreteKind", r.concreteKind);
    v.word("directInput", r.directInput);
    v.field("fc", r.fc);
    v.pair("compression", r.compression);
    v.pair("shear", r.shear);
    v.pair("bondDeformedTop", r.bondDeformedTop);
    v.pair("bondDeformedOther", r.bondDeformedOther);
    v.pair("bondRoundTop", r.bondRoundTop);
    v.pair("bondRoundOther", r.bondRoundOther);
}

template <class T>
ojson rowsToJson(const OwnedList<T>& rows) {
    ojson a = ojson::array();
    for (const T& r : rows) {
        Out out;
        rowFields(out, r);
        a.push_back(std::move(out.j));
    }
    return a;
}

template <class T>
OwnedList<T> rowsFromJson(const nlohmann::json& j) {
    const auto it = j.find("rows");
    OwnedList<T> rows;
    if (it == j.end()) {
        return rows;
    }
    if (!it->is_array()) {
        refuse("rows", "expected an array");
    }
    std::size_t i = 0;
    for (const auto& e : *it) {
        In in{e, "rows[" + std::to_string(i++) + "]", {}};
        if (!e.is_object()) {
            refuse(in.path, "expected an object");
        }
        rowFields(in, rows.append());
        in.finish();
    }
    return rows;
}

ojson tableJson(StoredFileKind kind, const std::string& signature, const std::string& comment,
                ojson rows) {
    ojson j;
    j["kind"] = tableKindName(kind);
    j["signature"] = signature;
    j["comment"] = comment;
    j["rows"] = std::move(rows);
    return j;
}

[[noreturn]] void notOfKind(const std::string& source, StoredFileKind kind) {
    throw FileFormatError(source + ": not a " + tableKindName(kind) + " file");
}

std::string textMember(const nlohmann::json& j, const char* name) {
    std::string v;
    if (const auto it = j.find(name); it != j.end()) {
        jsonRead(*it, name, v);
    }
    return v;
}

}  // namespace

std::string tableKindName(StoredFileKind kind) {
    switch (kind) {
        case StoredFileKind::sectionTable:
            return "sectionTable";
        case StoredFileKind::boltTable:
            return "boltTable";
        case StoredFileKind::steelGradeTable:
            return "steelGradeTable";
        case StoredFileKind::concreteTable:
            return "concreteTable";
        default:
            return "";
    }
}

ojson tableFileToJson(std::string_view bytes, const std::string& source, StoredFileKind kind) {
    switch (kind) {
        case StoredFileKind::sectionTable:
            if (auto f = parseSectionTable(bytes, source)) {
                return tableJson(kind, f->signature, f->comment, rowsToJson(f->rows));
            }
            break;
        case StoredFileKind::boltTable:
            if (auto f = parseBoltTable(bytes, source)) {
                return tableJson(kind, f->signature, f->comment, rowsToJson(f->rows));
            }
            break;
        case StoredFileKind::steelGradeTable: {
            const auto f = parseSteelGradeTable(bytes, source);
            return tableJson(kind, f.signature, "", rowsToJson(f.rows));
        }
        case StoredFileKind::concreteTable:
            return tableJson(kind, "", "", rowsToJson(parseConcreteTable(bytes, source)));
        default:
            break;
    }
    notOfKind(source, kind);
}

ojson sectionRowToJson(const CSteel& row) {
    Out out;
    rowFields(out, row);
    return out.j;
}

bool isTableJson(const nlohmann::json& j) {
    return j.is_object() && j.contains("kind");
}

std::string tableFileFromJson(const nlohmann::json& j) {
    jsonCheckObject(j, "table", {"kind", "signature", "comment", "rows"});
    const std::string kind = textMember(j, "kind");
    const std::string signature = textMember(j, "signature");
    const std::string comment = textMember(j, "comment");
    const auto requireWord = [&](const char* word) {
        if (!signature.empty() && splitSignature(signature).first != word) {
            refuse("signature", std::string("expected the class word ") + word);
        }
    };
    if (kind == tableKindName(StoredFileKind::sectionTable)) {
        requireWord(kSectionClassWord);
        return serializeSectionTable(rowsFromJson<CSteel>(j), comment);
    }
    if (kind == tableKindName(StoredFileKind::boltTable)) {
        requireWord(kBoltClassWord);
        return serializeBoltTable(rowsFromJson<CABolt>(j), comment);
    }
    const auto noComment = [&] {
        if (!comment.empty()) {
            refuse("comment", "this kind of table has no comment");
        }
    };
    if (kind == tableKindName(StoredFileKind::steelGradeTable)) {
        noComment();
        return serializeSteelGradeTable(rowsFromJson<CSteelRaw>(j));
    }
    if (kind == tableKindName(StoredFileKind::concreteTable)) {
        noComment();
        return serializeConcreteTable(rowsFromJson<CConcreteRaw>(j));
    }
    refuse("kind", "expected sectionTable, boltTable, steelGradeTable or concreteTable");
}

}  // namespace kesto
