// The five table editors: concrete grades, steel grades, H-shapes, square tubes and anchor
// bolts. Each edits a working copy of its table row by row (register, modify, delete, move)
// through the fields of one row; the table itself changes only when the caller takes the rows
// on OK. One editor is configured per table; the dialog shows any of them alike.
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/editable_list.h"
#include "base/message_text.h"
#include "base/questions.h"
#include "model/conditions.h"

namespace kesto {

inline constexpr const char* kEmptyNameMessage = KESTO_MESSAGE("名称を入力して下さい。");
inline constexpr const char* kDuplicateNameMessage = KESTO_MESSAGE("同じ名称が登録されています。");

enum class FieldKind { text, number, choice, check };

struct FieldSpec {
    std::string label;
    FieldKind kind = FieldKind::number;
    std::string unit;                  // "mm", "cm2", "N/mm2" ...; empty when none
    std::string note;                  // a legend beside the field ("軸部断面積")
    std::vector<std::string> choices;  // the entries of a choice list
};

// A field as the dialog holds it: the text of a text or number field; the index of a choice,
// 0/1 for a check box.
struct FieldInput {
    std::string text;
    int index = 0;

    bool operator==(const FieldInput&) const = default;
};
using FieldInputs = std::vector<FieldInput>;

// The result of an action: what the list did, or the first field that is not a number.
struct EditOutcome {
    ListEdit edit = ListEdit::ignored;
    int badField = -1;

    bool done() const { return badField < 0 && edit == ListEdit::done; }
    // The message the dialog shows, empty when there is none.
    std::string message() const;
};

enum class TableKind { concrete, steelGrade, hShape, tube, bolt };

// Where a section or bolt table is kept: its file name (in the program folder) and comment.
struct TableFileRef {
    std::string programFolder;
    std::string fileName;
    std::string comment;
};

class TableFileChoice;

class TableEditor {
  public:
    virtual ~TableEditor() = default;

    virtual TableKind kind() const = 0;
    virtual const std::vector<FieldSpec>& fields() const = 0;
    virtual std::vector<std::string> names() const = 0;
    virtual int current() const = 0;
    virtual void select(int row) = 0;
    // The fields of the current row; with none, cleared: empty name, numbers 0, first choice,
    // boxes unticked.
    virtual FieldInputs currentFields() const = 0;
    // False for a field that the other fields disable ("直接入力" off greys the concrete grid).
    virtual bool fieldEnabled(int field, const FieldInputs& values) const = 0;

    // "登録", "修正", "削除", "↑", "↓" with the fields as typed. Register and modify may rewrite
    // `values` with what they store (the concrete grid computed from Fc).
    virtual EditOutcome apply(ListAction action, FieldInputs& values) = 0;
    // The check run by the dialog's OK: every number field must read.
    virtual EditOutcome checkFields(const FieldInputs& values) const = 0;

    // Section tables: "名称作成" and "性能再計算" (rounded after JIS Z 8401 when `round`).
    virtual bool hasSectionTools() const = 0;
    virtual EditOutcome makeName(FieldInputs& values) const = 0;
    virtual EditOutcome recomputeProperties(FieldInputs& values, bool round) const = 0;

    // Section and bolt tables: the table file and the dialog "鋼材ファイルの選択" over it.
    virtual bool hasTableFile() const = 0;
    virtual const TableFileRef& tableFile() const = 0;
    virtual std::unique_ptr<TableFileChoice> chooseTableFile() = 0;
};

inline constexpr const char* kNotATableMessage = KESTO_MESSAGE("材料データではありません。");
inline constexpr const char* kEnterFileNameMessage = KESTO_MESSAGE("ファイル名を入力して下さい。");
inline constexpr const char* kSaveCurrentTableQuestion =
    KESTO_MESSAGE("現在の材料データを保存しますか？");
inline constexpr const char* kDiscardCurrentTableQuestion =
    KESTO_MESSAGE("現在の材料データは消去されます。");

// The table file dialog on a private copy of the editor's rows.
class TableFileChoice {
  public:
    virtual ~TableFileChoice() = default;

    std::string fileName;  // as typed, without a folder
    std::string comment;
    bool modified() const { return modified_; }
    // The path the open-file dialog starts at.
    std::string initialPath() const;

    // "開く": reads the table at `path` into the private rows. False (the message
    // "材料データではありません。" to show, nothing changed) when it is not such a table.
    bool open(const std::string& path);
    // "新規作成": no rows, no name, no comment.
    void startNew();
    // OK. True when the dialog closes with OK; the editor then holds the private rows, the name
    // and the comment when something was opened or started.
    bool confirm(Questions& questions);

  protected:
    TableFileChoice(TableFileRef file)
        : fileName(file.fileName), comment(file.comment), at_(file) {}
    virtual bool readRows(const std::string& path, std::string& comment) = 0;
    virtual void clearRows() = 0;
    // Writes the editor's current rows to `path` with `comment`.
    virtual bool writeEditorRows(const std::string& path, const std::string& comment) const = 0;
    virtual void handOver() = 0;

  private:
    TableFileRef at_;  // where the editor's table was when the dialog opened
    bool modified_ = false;
};

// The concrete editor's fields: 名称, 種類, 基準強度, "直接入力", then the 12 allowable stresses,
// the long-term row and then the short-term row, each 圧縮, せん断, 異形付着 上端, 異形付着 その他,
// 丸鋼付着 上端, 丸鋼付着 その他.
inline constexpr int kConcreteGridField = 4;

// Editors on copies of the tables; `unitSystem` picks the strength unit labels and the unit of
// the computed concrete allowable stresses.
template <class Row>
class TableEditorOf;
std::unique_ptr<TableEditorOf<CConcreteRaw>> concreteEditor(const OwnedList<CConcreteRaw>& table,
                                                            int unitSystem);
std::unique_ptr<TableEditorOf<CSteelRaw>> steelGradeEditor(const OwnedList<CSteelRaw>& table,
                                                           int unitSystem);
// shapeType 0: H-shapes, 1: square tubes.
std::unique_ptr<TableEditorOf<CSteel>> sectionEditor(int shapeType, const OwnedList<CSteel>& table,
                                                     TableFileRef file);
std::unique_ptr<TableEditorOf<CABolt>> boltEditor(const OwnedList<CABolt>& table,
                                                  TableFileRef file);

// One field of a row type: how it is shown and how a shown value is stored.
template <class Row>
struct FieldBinding {
    FieldSpec entry;
    std::function<FieldInput(const Row&)> show;
    // False: not a number. A number whose text is that of `shown` (the row on display) keeps
    // the shown row's exact value, so that untouched digits beyond the 15 shown survive.
    std::function<bool(Row&, const FieldInput&, const Row* shown)> store;
};

// What distinguishes the tables beyond their fields.
template <class Row>
struct TableRules {
    TableKind kind = TableKind::concrete;
    Row blank;                                     // a new row before the fields are stored
    std::function<void(Row&)> beforeStore;         // concrete: the grid from Fc
    std::function<bool(int, const Row&)> enabled;  // field enabled for this row
    std::function<void(Row&)> nameRule;            // sections: "名称作成"
    std::function<void(Row&, bool)> propertyRule;  // sections: "性能再計算"
    std::function<int(const std::string&, OwnedList<Row>&, std::string&)> readFile;
    std::function<int(const std::string&, const OwnedList<Row>&, const std::string&)> writeFile;
};

template <class Row>
class TableEditorOf : public TableEditor {
  public:
    TableEditorOf(const OwnedList<Row>& table, std::vector<FieldBinding<Row>> bindings,
                  TableRules<Row> rules, TableFileRef file = {})
        : bindings_(std::move(bindings)),
          rules_(std::move(rules)),
          list_(table, {[](const Row& r) { return r.name; }, /*insertAfterCurrent=*/true,
                        /*deleteSelectsNext=*/true, /*modifyTestsUnchangedKey=*/false,
                        /*emptyKeyIsError=*/true}),
          file_(std::move(file)) {
        for (const auto& b : bindings_) {
            specs_.push_back(b.entry);
        }
    }

    // The rows to put in place of the table on OK.
    const OwnedList<Row>& rows() const { return list_.rows(); }

    TableKind kind() const override { return rules_.kind; }
    const std::vector<FieldSpec>& fields() const override { return specs_; }
    std::vector<std::string> names() const override {
        std::vector<std::string> out;
        for (const Row& r : list_.rows()) {
            out.push_back(r.name);
        }
        return out;
    }
    int current() const override { return list_.current(); }
    void select(int row) override { list_.select(row); }
    FieldInputs currentFields() const override {
        const Row* row = list_.currentRow();
        return show(row != nullptr ? *row : rules_.blank);
    }
    bool fieldEnabled(int field, const FieldInputs& values) const override {
        if (!rules_.enabled) {
            return true;
        }
        Row row = rules_.blank;
        storeInto(row, values, nullptr);
        return rules_.enabled(field, row);
    }

    EditOutcome apply(ListAction action, FieldInputs& values) override {
        if (action != ListAction::registerRow && action != ListAction::modifyRow) {
            return {list_.apply(action)};
        }
        Row row = action == ListAction::modifyRow && list_.currentRow() != nullptr
                      ? *list_.currentRow()
                      : rules_.blank;
        if (const int bad = storeInto(row, values, list_.currentRow()); bad >= 0) {
            return {ListEdit::ignored, bad};
        }
        if (rules_.beforeStore) {
            rules_.beforeStore(row);
        }
        FieldInputs stored = show(row);
        const ListEdit edit = list_.apply(action, std::move(row));
        if (edit == ListEdit::done) {
            values = std::move(stored);
        }
        return {edit};
    }
    EditOutcome checkFields(const FieldInputs& values) const override {
        Row row = rules_.blank;
        return {ListEdit::done, storeInto(row, values, nullptr)};
    }

    bool hasSectionTools() const override { return static_cast<bool>(rules_.propertyRule); }
    EditOutcome makeName(FieldInputs& values) const override {
        return rework(values, [&](Row& r) { rules_.nameRule(r); });
    }
    EditOutcome recomputeProperties(FieldInputs& values, bool round) const override {
        return rework(values, [&](Row& r) { rules_.propertyRule(r, round); });
    }

    bool hasTableFile() const override { return static_cast<bool>(rules_.readFile); }
    const TableFileRef& tableFile() const override { return file_; }
    std::unique_ptr<TableFileChoice> chooseTableFile() override;

  private:
    class FileChoice;

    FieldInputs show(const Row& row) const {
        FieldInputs out;
        for (const auto& b : bindings_) {
            out.push_back(b.show(row));
        }
        return out;
    }
    // Stores every field that reads; returns the first that does not, or -1.
    int storeInto(Row& row, const FieldInputs& values, const Row* shown) const {
        int bad = -1;
        for (std::size_t i = 0; i < bindings_.size() && i < values.size(); ++i) {
            if (!bindings_[i].store(row, values[i], shown) && bad < 0) {
                bad = static_cast<int>(i);
            }
        }
        return bad;
    }
    template <class Rule>
    EditOutcome rework(FieldInputs& values, Rule rule) const {
        Row row = rules_.blank;
        if (const int bad = storeInto(row, values, list_.currentRow()); bad >= 0) {
            return {ListEdit::ignored, bad};
        }
        rule(row);
        values = show(row);
        return {ListEdit::done};
    }

    std::vector<FieldBinding<Row>> bindings_;
    std::vector<FieldSpec> specs_;
    TableRules<Row> rules_;
    EditableList<Row> list_;
    TableFileRef file_;
};

template <class Row>
class TableEditorOf<Row>::FileChoice : public TableFileChoice {
  public:
    explicit FileChoice(TableEditorOf& editor)
        : TableFileChoice(editor.file_), editor_(editor), rows_(editor.rows()) {}

  protected:
    bool readRows(const std::string& path, std::string& newComment) override {
        try {
            return editor_.rules_.readFile(path, rows_, newComment) == 0;
        } catch (const std::exception&) {
            return false;  // a damaged file is no table either
        }
    }
    void clearRows() override { rows_.clear(); }
    bool writeEditorRows(const std::string& path, const std::string& oldComment) const override {
        return editor_.rules_.writeFile(path, editor_.rows(), oldComment) == 0;
    }
    void handOver() override {
        editor_.list_.replaceRows(rows_);
        editor_.file_.fileName = fileName;
        editor_.file_.comment = comment;
    }

  private:
    TableEditorOf& editor_;
    OwnedList<Row> rows_;
};

template <class Row>
std::unique_ptr<TableFileChoice> TableEditorOf<Row>::chooseTableFile() {
    if (!hasTableFile()) {
        return nullptr;
    }
    return std::make_unique<FileChoice>(*this);
}

}  // namespace kesto
