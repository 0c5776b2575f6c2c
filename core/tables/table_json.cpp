#include "tables/table_json.h"

#include "base/archive.h"
#include "base/json_fields.h"

namespace kesto {
namespace {

using ojson = nlohmann::ordered_json;

template <class V, class R>
void rowFields(V& v, R& r) requires std::is_same_v<std::remove_const_t<R>, CSteel> {
    v.field("name", r.name);
    v.small("shapeType", r.shapeType);
    v.array("shapeFlags", r.shapeFlags);
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
    v.array("compression", r.compression);
    v.array("shear", r.shear);
    v.array("bondDeformedTop", r.bondDeformedTop);
    v.array("bondDeformedOther", r.bondDeformedOther);
    v.array("bondRoundTop", r.bondRoundTop);
    v.array("bondRoundOther", r.bondRoundOther);
}

template <class T>
ojson rowsToJson(const OwnedList<T>& rows) {
    ojson a = ojson::array();
    for (const T& r : rows) {
        JsonOut out;
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
        jsonRefuse("rows", "expected an array");
    }
    std::size_t i = 0;
    for (const auto& e : *it) {
        JsonIn in{e, "rows[" + std::to_string(i++) + "]"};
        if (!e.is_object()) {
            jsonRefuse(in.path, "expected an object");
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
    JsonOut out;
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
            jsonRefuse("signature", std::string("expected the class word ") + word);
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
            jsonRefuse("comment", "this kind of table has no comment");
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
    jsonRefuse("kind", "expected sectionTable, boltTable, steelGradeTable or concreteTable");
}

}  // namespace kesto
