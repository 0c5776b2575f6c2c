#include "tables/table_editor.h"

#include <type_traits>

#include "base/message_text.h"
#include "base/number_text.h"
#include "tables/material_strength.h"
#include "tables/section_properties.h"
#include "tables/table_files.h"

namespace kesto {
namespace {

// `access` is a generic lambda returning a reference to the field in a row.
FieldSpec fieldSpec(std::string label, FieldKind kind, std::string unit = {}, std::string note = {},
                    std::vector<std::string> choices = {}) {
    FieldSpec entry;
    entry.label = std::move(label);
    entry.kind = kind;
    entry.unit = std::move(unit);
    entry.note = std::move(note);
    entry.choices = std::move(choices);
    return entry;
}

template <class Row, class Access>
FieldBinding<Row> textField(std::string label, Access access) {
    return {fieldSpec(std::move(label), FieldKind::text),
            [access](const Row& r) { return FieldInput{access(r)}; },
            [access](Row& r, const FieldInput& v, const Row*) {
                access(r) = v.text;
                return true;
            }};
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos
               ? std::string()
               : text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <class Row, class Access>
FieldBinding<Row> numberField(std::string label, std::string unit, Access access,
                              std::string note = {}) {
    return {fieldSpec(std::move(label), FieldKind::number, std::move(unit), std::move(note)),
            [access](const Row& r) { return FieldInput{formatNumberText(access(r))}; },
            [access](Row& r, const FieldInput& v, const Row* shown) {
                const auto n = parseNumberText(v.text);
                if (n) {
                    const bool untouched =
                        shown != nullptr && formatNumberText(access(*shown)) == trimmed(v.text);
                    access(r) = untouched ? access(*shown) : *n;
                }
                return n.has_value();
            }};
}

template <class Row, class Access>
FieldBinding<Row> indexField(std::string label, FieldKind kind, std::vector<std::string> choices,
                             Access access) {
    return {fieldSpec(std::move(label), kind, {}, {}, std::move(choices)),
            [access](const Row& r) {
                return FieldInput{{}, static_cast<int>(access(r))};
            },
            [access](Row& r, const FieldInput& v, const Row*) {
                using Stored = std::remove_reference_t<decltype(access(r))>;
                access(r) = static_cast<Stored>(v.index);
                return true;
            }};
}

template <class Row>
FieldBinding<Row> nameField() {
    return textField<Row>(
        "名称", [](auto& r) -> auto& { return r.name; });
}

std::string strengthUnit(int unitSystem, const char* gravityUnit) {
    return unitSystem == 1 ? "N/mm2" : gravityUnit;
}

// The grid of the concrete editor: long-term row, then short-term row, six columns each.

using ConcretePair = CConcreteRaw::LongShort CConcreteRaw::*;
constexpr ConcretePair kConcreteColumns[] = {
    &CConcreteRaw::compression,       &CConcreteRaw::shear,        &CConcreteRaw::bondDeformedTop,
    &CConcreteRaw::bondDeformedOther, &CConcreteRaw::bondRoundTop, &CConcreteRaw::bondRoundOther};
constexpr const char* kConcreteColumnLabels[] = {
    "圧縮", "せん断", "異形付着 上端", "異形付着 その他", "丸鋼付着 上端", "丸鋼付着 その他"};

template <class Row>
using Bindings = std::vector<FieldBinding<Row>>;

template <class Row, class Access>
void addSectionProperty(Bindings<Row>& b, const char* label, const char* unit, Access access) {
    b.push_back(numberField<Row>(label, unit, access));
}

// Shown when the current rows cannot be written on the Yes answer (a program addition).
std::string tableNotWrittenMessage(const std::string& path) {
    return KESTO_MESSAGE("材料データを保存できませんでした。\n") + path;
}

}  // namespace

std::string EditOutcome::message() const {
    if (badField >= 0) {
        return kNotANumberMessage;
    }
    switch (edit) {
        case ListEdit::emptyKey:
            return kEmptyNameMessage;
        case ListEdit::duplicate:
            return kDuplicateNameMessage;
        case ListEdit::done:
        case ListEdit::ignored:
            break;
    }
    return {};
}

std::string TableFileChoice::initialPath() const {
    return at_.programFolder + fileName;
}

bool TableFileChoice::open(const std::string& path) {
    std::string newComment;
    if (!readRows(path, newComment)) {
        return false;
    }
    comment = std::move(newComment);
    const auto slash = path.find_last_of("/\\");
    fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    modified_ = true;
    return true;
}

void TableFileChoice::startNew() {
    clearRows();
    fileName.clear();
    comment.clear();
    modified_ = true;
}

bool TableFileChoice::confirm(Questions& questions) {
    if (!modified_) {
        return true;
    }
    if (fileName.empty()) {
        questions.tell(kEnterFileNameMessage);
        return false;
    }
    if (questions.askYesNo(kSaveCurrentTableQuestion)) {
        const std::string path = at_.programFolder + at_.fileName;
        if (!writeEditorRows(path, at_.comment)) {
            questions.tell(tableNotWrittenMessage(path));
        }
    }
    if (!questions.askOkCancel(kDiscardCurrentTableQuestion)) {
        return false;
    }
    handOver();
    return true;
}

std::unique_ptr<TableEditorOf<CConcreteRaw>> concreteEditor(const OwnedList<CConcreteRaw>& table,
                                                            int unitSystem) {
    using Row = CConcreteRaw;
    const std::string unit = strengthUnit(unitSystem, "kg/cm2");
    Bindings<Row> b{
        nameField<Row>(),
        indexField<Row>(
            "種類", FieldKind::choice,
            {"普通", "第１種軽量", "第２種軽量", "第３種軽量", "第４種軽量"},
            [](auto& r) -> auto& { return r.concreteKind; }),
        numberField<Row>(
            "基準強度", unit, [](auto& r) -> auto& { return r.fc; }),
        indexField<Row>(
            "直接入力", FieldKind::check, {}, [](auto& r) -> auto& { return r.directInput; })};
    for (int term = 0; term < 2; ++term) {
        for (int column = 0; column < 6; ++column) {
            const ConcretePair pair = kConcreteColumns[column];
            b.push_back(numberField<Row>(
                kConcreteColumnLabels[column], unit,
                [ pair, term ](auto& r) -> auto& { return (r.*pair)[term]; },
                term == 0 ? "長期" : "短期"));
        }
    }
    TableRules<Row> rules;
    rules.kind = TableKind::concrete;
    rules.beforeStore = [unitSystem](Row& r) {
        if (r.directInput == 0) {
            fillAllowableStresses(r, unitSystem);
        }
    };
    rules.enabled = [](int field, const Row& r) {
        return field < kConcreteGridField || r.directInput != 0;
    };
    return std::make_unique<TableEditorOf<Row>>(table, std::move(b), std::move(rules));
}

std::unique_ptr<TableEditorOf<CSteelRaw>> steelGradeEditor(const OwnedList<CSteelRaw>& table,
                                                           int unitSystem) {
    using Row = CSteelRaw;
    const std::string unit = strengthUnit(unitSystem, "t/cm2");
    Bindings<Row> b{nameField<Row>(),
                    indexField<Row>(
                        "種類", FieldKind::choice, {"SS400級", "SM490級", "BCR295", "その他"},
                        [](auto& r) -> auto& { return r.gradeKind; }),
                    numberField<Row>(
                        "F値（ｔ≦40）", unit, [](auto& r) -> auto& { return r.fThin; }),
                    numberField<Row>(
                        "F値（ｔ＞40）", unit, [](auto& r) -> auto& { return r.fThick; })};
    TableRules<Row> rules;
    rules.kind = TableKind::steelGrade;
    return std::make_unique<TableEditorOf<Row>>(table, std::move(b), std::move(rules));
}

std::unique_ptr<TableEditorOf<CSteel>> sectionEditor(int shapeType, const OwnedList<CSteel>& table,
                                                     TableFileRef file) {
    using Row = CSteel;
    const bool tube = shapeType == 1;
    Bindings<Row> b{
        nameField<Row>(),
        numberField<Row>(
            "Ｈ", "mm", [](auto& r) -> auto& { return r.depth; }),
        numberField<Row>(
            "Ｂ", "mm", [](auto& r) -> auto& { return r.width; }),
        numberField<Row>(
            tube ? "t" : "ｔｗ", "mm", [](auto& r) -> auto& { return r.webThickness; })};
    if (!tube) {
        b.push_back(numberField<Row>(
            "ｔｆ", "mm", [](auto& r) -> auto& { return r.flangeThickness; }));
    }
    b.push_back(numberField<Row>(
        "ｒ", "mm", [](auto& r) -> auto& { return r.filletRadius; }));
    // Properties in two columns: the X column, then the Y column (ｉｂ heads it for H-shapes).
    addSectionProperty(
        b, "Ａｎ", "cm2", [](auto& r) -> auto& { return r.area; });
    addSectionProperty(
        b, "Ｉｘ", "cm4", [](auto& r) -> auto& { return r.inertiaX; });
    addSectionProperty(
        b, "Ｚｘ", "cm3", [](auto& r) -> auto& { return r.modulusX; });
    addSectionProperty(
        b, "ｉｘ", "cm", [](auto& r) -> auto& { return r.radiusX; });
    addSectionProperty(
        b, "Ａｗｘ", "cm2", [](auto& r) -> auto& { return r.shearAreaX; });
    addSectionProperty(
        b, "Ｚｐｘ", "cm3", [](auto& r) -> auto& { return r.plasticModulusX; });
    if (!tube) {
        addSectionProperty(
            b, "ｉｂ", "cm", [](auto& r) -> auto& { return r.radiusB; });
    }
    addSectionProperty(
        b, "Ｉｙ", "cm4", [](auto& r) -> auto& { return r.inertiaY; });
    addSectionProperty(
        b, "Ｚｙ", "cm3", [](auto& r) -> auto& { return r.modulusY; });
    addSectionProperty(
        b, "ｉｙ", "cm", [](auto& r) -> auto& { return r.radiusY; });
    addSectionProperty(
        b, "Ａｗｙ", "cm2", [](auto& r) -> auto& { return r.shearAreaY; });
    addSectionProperty(
        b, "Ｚｐｙ", "cm3", [](auto& r) -> auto& { return r.plasticModulusY; });

    TableRules<Row> rules;
    rules.kind = tube ? TableKind::tube : TableKind::hShape;
    rules.blank.shapeType = static_cast<std::uint8_t>(shapeType);
    rules.nameRule = [](Row& r) { r.name = makeSectionName(r); };
    rules.propertyRule = [](Row& r, bool round) { computeSectionProperties(r, round); };
    rules.readFile = readSectionTable;
    rules.writeFile = writeSectionTable;
    return std::make_unique<TableEditorOf<Row>>(table, std::move(b), std::move(rules),
                                                std::move(file));
}

std::unique_ptr<TableEditorOf<CABolt>> boltEditor(const OwnedList<CABolt>& table,
                                                  TableFileRef file) {
    using Row = CABolt;
    Bindings<Row> b{
        nameField<Row>(),
        numberField<Row>(
            "軸径", "mm", [](auto& r) -> auto& { return r.shankDiameter; }),
        numberField<Row>(
            "孔径", "mm", [](auto& r) -> auto& { return r.holeDiameter; }),
        numberField<Row>(
            "Af", "cm2", [](auto& r) -> auto& { return r.shankArea; }, "軸部断面積"),
        numberField<Row>(
            "An", "cm2", [](auto& r) -> auto& { return r.threadArea; }, "ネジ部断面積")};
    TableRules<Row> rules;
    rules.kind = TableKind::bolt;
    rules.readFile = readBoltTable;
    rules.writeFile = writeBoltTable;
    return std::make_unique<TableEditorOf<Row>>(table, std::move(b), std::move(rules),
                                                std::move(file));
}

}  // namespace kesto
