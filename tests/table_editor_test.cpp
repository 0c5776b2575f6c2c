#include <gtest/gtest.h>

#include "base/number_text.h"
#include "scripted_questions.h"
#include "tables/section_properties.h"
#include "tables/table_editor.h"
#include "tables/table_files.h"
#include "tables/table_store.h"
#include "test_support.h"

namespace kesto {
namespace {

OwnedList<CABolt> bolts(std::initializer_list<const char*> names) {
    OwnedList<CABolt> rows;
    double d = 10;
    for (const char* n : names) {
        rows.append(CABolt{n, d, d + 1.5, d / 10, d / 20});
        d += 2;
    }
    return rows;
}

std::vector<std::string> namesOf(const TableEditor& e) {
    return e.names();
}

FieldInputs boltFields(const std::string& name, const std::string& shank = "24") {
    return {{name}, {shank}, {"25.5"}, {"4.52"}, {"3.53"}};
}

TEST(NumberText, AcceptsDecimalNumbersOnly) {
    EXPECT_EQ(parseNumberText(" 12.5 "), 12.5);
    EXPECT_EQ(parseNumberText("-.5"), -0.5);
    EXPECT_EQ(parseNumberText("+1e3"), 1000.0);
    for (const char* bad :
         {"", " ", "12a", "1,5", "0x10", "inf", "nan", "--1", "+-1", "1e999", "１２"}) {
        EXPECT_FALSE(parseNumberText(bad).has_value()) << bad;
    }
    EXPECT_EQ(formatNumberText(27.16), "27.16");
    EXPECT_EQ(formatNumberText(1840), "1840");
    EXPECT_EQ(formatNumberText(-0.0), "0");
    EXPECT_EQ(formatNumberText(8.4 * 1.5), "12.6");  // 15 significant digits
    EXPECT_EQ(formatNumberText(1.0 / 3.0), "0.333333333333333");
}

TEST(TableEditor, RegisterInsertsAfterTheCurrentRow) {
    auto editor = boltEditor({}, {});
    EXPECT_EQ(editor->current(), -1);
    EXPECT_EQ(editor->currentFields(), (FieldInputs{{""}, {"0"}, {"0"}, {"0"}, {"0"}}));
    auto fields = boltFields("M20");
    ASSERT_TRUE(editor->apply(ListAction::registerRow, fields).done());
    EXPECT_EQ(editor->current(), 0);
    EXPECT_EQ(editor->rows()[0], (CABolt{"M20", 24, 25.5, 4.52, 3.53}));
    fields = boltFields("M2");
    ASSERT_TRUE(editor->apply(ListAction::registerRow, fields).done());
    fields = boltFields("M20");
    EXPECT_EQ(editor->apply(ListAction::registerRow, fields).message(), kDuplicateNameMessage);
    fields = boltFields("");
    EXPECT_EQ(editor->apply(ListAction::registerRow, fields).message(), kEmptyNameMessage);
    editor->select(0);
    fields = boltFields("M16");
    ASSERT_TRUE(editor->apply(ListAction::registerRow, fields).done());
    EXPECT_EQ(namesOf(*editor), (std::vector<std::string>{"M20", "M16", "M2"}));
    EXPECT_EQ(editor->current(), 1);
}

TEST(TableEditor, ModifyTestsTheNameOnlyWhenItChanged) {
    auto editor = boltEditor(bolts({"M20", "M2", "M24"}), {});
    auto fields = boltFields("M20", "30");
    EXPECT_TRUE(editor->apply(ListAction::modifyRow, fields).done());
    EXPECT_EQ(editor->rows()[0].shankDiameter, 30);
    fields = boltFields("M24");
    EXPECT_EQ(editor->apply(ListAction::modifyRow, fields).edit, ListEdit::duplicate);
    fields = boltFields("M22", "2x");
    const auto outcome = editor->apply(ListAction::modifyRow, fields);
    EXPECT_EQ(outcome.badField, 1);
    EXPECT_EQ(outcome.message(), kNotANumberMessage);
    EXPECT_EQ(editor->checkFields(fields).message(), kNotANumberMessage);
    EXPECT_EQ(fields[1].text, "2x");  // the fields keep what was typed
    EXPECT_EQ(namesOf(*editor), (std::vector<std::string>{"M20", "M2", "M24"}));
}

TEST(TableEditor, DeleteAndMoveAtTheEnds) {
    auto editor = boltEditor(bolts({"A", "B", "C"}), {});
    FieldInputs unused;
    editor->select(2);
    ASSERT_TRUE(editor->apply(ListAction::deleteRow, unused).done());
    EXPECT_EQ(editor->current(), 0);  // the last was deleted: the first row
    EXPECT_EQ(editor->apply(ListAction::moveUp, unused).edit, ListEdit::ignored);
    ASSERT_TRUE(editor->apply(ListAction::moveDown, unused).done());
    EXPECT_EQ(namesOf(*editor), (std::vector<std::string>{"B", "A"}));
    EXPECT_EQ(editor->current(), 1);
    EXPECT_EQ(editor->apply(ListAction::moveDown, unused).edit, ListEdit::ignored);
    editor->select(0);
    ASSERT_TRUE(editor->apply(ListAction::deleteRow, unused).done());
    EXPECT_EQ(editor->current(), 0);  // the row after it
    ASSERT_TRUE(editor->apply(ListAction::deleteRow, unused).done());
    EXPECT_EQ(editor->current(), -1);
    EXPECT_EQ(editor->currentFields()[0].text, "");
}

TEST(TableEditor, SectionToolsAndRegisteringWithoutRecomputing) {
    OwnedList<CSteel> table;
    computeSectionProperties(table.append(defaultHSection()), false);
    auto editor = sectionEditor(0, table, {});
    ASSERT_TRUE(editor->hasSectionTools());
    auto fields = editor->currentFields();
    // Fields: 名称, Ｈ, Ｂ, ｔｗ, ｔｆ, ｒ, Ａｎ ...
    ASSERT_EQ(editor->fields()[6].label, "Ａｎ");
    fields[1].text = "250";
    fields[2].text = "125";
    fields[3].text = "6";
    fields[4].text = "9";
    ASSERT_TRUE(editor->makeName(fields).done());
    EXPECT_EQ(fields[0].text, "H-250x125x6.0x9");
    ASSERT_TRUE(editor->apply(ListAction::registerRow, fields).done());
    const CSteel& stored = editor->rows()[1];
    EXPECT_EQ(stored.depth, 250);
    EXPECT_EQ(stored.shapeType, 0);
    EXPECT_EQ(stored.area, table[0].area);  // not recomputed, every digit kept
    EXPECT_EQ(stored.plasticModulusY, table[0].plasticModulusY);
    // 性能再計算 with and without the JIS Z 8401 rounding.
    auto h = editor->currentFields();
    h[1].text = "200";
    h[2].text = "100";
    h[3].text = "5.5";
    h[4].text = "8";
    h[5].text = "11";
    ASSERT_TRUE(editor->recomputeProperties(h, true).done());
    EXPECT_EQ(h[6].text, "27.16");
    EXPECT_EQ(h[7].text, "1840");
    ASSERT_TRUE(editor->recomputeProperties(h, false).done());
    EXPECT_NEAR(*parseNumberText(h[6].text), 27.1587, 1e-4);

    auto tubes = sectionEditor(1, {}, {});
    auto t = tubes->currentFields();
    ASSERT_EQ(tubes->fields()[3].label, "t");
    t[1].text = t[2].text = "200";
    t[3].text = "6";
    t[4].text = "15";
    ASSERT_TRUE(tubes->makeName(t).done());
    ASSERT_TRUE(tubes->recomputeProperties(t, false).done());
    EXPECT_EQ(t[0].text, "□-200x200x6.0");
    ASSERT_TRUE(tubes->apply(ListAction::registerRow, t).done());
    EXPECT_EQ(tubes->rows()[0].shapeType, 1);
    EXPECT_NEAR(tubes->rows()[0].plasticModulusX, 326.56, 0.01);
}

TEST(TableEditor, ConcreteGridFollowsFcUnlessDirectInput) {
    auto gravity = concreteEditor({}, 0);
    auto f = gravity->currentFields();
    f[0].text = "Fc210";
    f[2].text = "210";
    EXPECT_FALSE(gravity->fieldEnabled(4, f));
    EXPECT_TRUE(gravity->fieldEnabled(2, f));
    ASSERT_TRUE(gravity->apply(ListAction::registerRow, f).done());
    // Long row, then short row: 圧縮, せん断, 異形 上端, 異形 その他, 丸鋼 上端, 丸鋼 その他.
    const std::vector<std::string> expected{"70",  "7",    "14", "21",   "8.4",  "12.6",
                                            "140", "10.5", "21", "31.5", "12.6", "18.9"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(f[4 + i].text, expected[i]) << i;
    }
    EXPECT_EQ(gravity->rows()[0].compression[1], 140);
    EXPECT_EQ(gravity->fields()[2].unit, "kg/cm2");

    auto si = concreteEditor({}, 1);
    auto s = si->currentFields();
    EXPECT_EQ(si->fields()[2].unit, "N/mm2");
    s[0].text = "Fc21";
    s[2].text = "21";
    ASSERT_TRUE(si->apply(ListAction::registerRow, s).done());
    EXPECT_NEAR(si->rows()[0].shear[0], 0.7, 1e-12);
    EXPECT_NEAR(si->rows()[0].bondDeformedOther[0], 0.95, 1e-12);
    EXPECT_NEAR(si->rows()[0].bondDeformedTop[0], 0.76, 1e-12);
    // Direct input keeps what was typed, zeros included.
    s[3].index = 1;
    s[4].text = "8";
    s[5].text = "0";
    EXPECT_TRUE(si->fieldEnabled(4, s));
    ASSERT_TRUE(si->apply(ListAction::modifyRow, s).done());
    EXPECT_EQ(si->rows()[0].compression[0], 8);
    EXPECT_EQ(si->rows()[0].shear[0], 0);
    EXPECT_EQ(steelGradeEditor({}, 0)->fields()[2].unit, "t/cm2");
}

TEST(TableEditor, CancelLeavesTheTableAsItWas) {
    OwnedList<CSteel> table;
    table.append(defaultHSection());
    table.append(defaultTubeSection());
    const std::string before = serializeSectionTable(table, "c");
    {
        auto editor = sectionEditor(0, table, {});
        auto f = editor->currentFields();
        f[0].text = "X";
        editor->apply(ListAction::registerRow, f);
        editor->apply(ListAction::moveUp, f);
        editor->apply(ListAction::modifyRow, f);
        editor->select(2);
        editor->apply(ListAction::deleteRow, f);
        editor->recomputeProperties(f, true);
        editor->apply(ListAction::modifyRow, f);
    }
    EXPECT_EQ(serializeSectionTable(table, "c"), before);
}

using test::ScriptedQuestions;

TEST(TableFileChoice, QuestionsInOrder) {
    test::TempFolder folder;
    ASSERT_EQ(writeBoltTable(folder.file("other.tbl"), bolts({"N1", "N2"}), "新しい"), 0);
    auto editor = boltEditor(bolts({"M20"}), {folder.folder(), "old.tbl", "古い"});
    ScriptedQuestions q;

    auto choice = editor->chooseTableFile();
    EXPECT_TRUE(choice->confirm(q));  // nothing opened: closes, nothing asked or changed
    EXPECT_TRUE(q.asked.empty());
    EXPECT_EQ(choice->initialPath(), folder.folder() + "old.tbl");

    choice = editor->chooseTableFile();
    choice->startNew();
    EXPECT_FALSE(choice->confirm(q));
    EXPECT_EQ(q.asked, (std::vector<std::string>{kEnterFileNameMessage}));

    q.asked.clear();
    EXPECT_FALSE(choice->open(folder.file("missing.tbl")));
    ASSERT_TRUE(choice->open(folder.file("other.tbl")));
    EXPECT_EQ(choice->fileName, "other.tbl");
    EXPECT_EQ(choice->comment, "新しい");
    q.answers = {{kSaveCurrentTableQuestion, true}, {kDiscardCurrentTableQuestion, false}};
    EXPECT_FALSE(choice->confirm(q));
    EXPECT_EQ(q.asked,
              (std::vector<std::string>{kSaveCurrentTableQuestion, kDiscardCurrentTableQuestion}));
    // Yes wrote the editor's rows under the old name and comment; Cancel kept the editor.
    OwnedList<CABolt> saved;
    std::string savedComment;
    ASSERT_EQ(readBoltTable(folder.file("old.tbl"), saved, savedComment), 0);
    EXPECT_EQ(saved, editor->rows());
    EXPECT_EQ(savedComment, "古い");
    EXPECT_EQ(namesOf(*editor), (std::vector<std::string>{"M20"}));

    q.asked.clear();
    q.answers = {{kSaveCurrentTableQuestion, false}, {kDiscardCurrentTableQuestion, true}};
    EXPECT_TRUE(choice->confirm(q));
    EXPECT_EQ(namesOf(*editor), (std::vector<std::string>{"N1", "N2"}));
    EXPECT_EQ(editor->current(), 0);
    EXPECT_EQ(editor->tableFile().fileName, "other.tbl");
    EXPECT_EQ(editor->tableFile().comment, "新しい");
}

TEST(TableFileChoice, RefusesFilesThatAreNoTable) {
    test::TempFolder folder;
    writeFileAtomic(folder.file("h.tbl"), serializeSectionTable({}, ""));
    writeFileAtomic(folder.file("cut.tbl"), serializeBoltTable(bolts({"M1"}), "").substr(0, 20));
    auto editor = boltEditor({}, {folder.folder(), "b.tbl", ""});
    auto choice = editor->chooseTableFile();
    EXPECT_FALSE(choice->open(folder.file("h.tbl")));    // another table's class word
    EXPECT_FALSE(choice->open(folder.file("cut.tbl")));  // damaged
    EXPECT_FALSE(choice->modified());
    EXPECT_EQ(choice->fileName, "b.tbl");
    EXPECT_FALSE(concreteEditor({}, 0)->hasTableFile());
    EXPECT_EQ(concreteEditor({}, 0)->chooseTableFile(), nullptr);
}

}  // namespace
}  // namespace kesto
