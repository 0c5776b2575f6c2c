#include "app/settings_commands.h"

#include <QUndoStack>

#include "dialogs/conditions_sheet.h"
#include "dialogs/stress_conditions_dialog.h"
#include "dialogs/table_editor_dialog.h"

namespace kesto::app {
namespace {

QString commandText(TableKind kind) {
    switch (kind) {
        case TableKind::concrete:
            return QStringLiteral("ｺﾝｸﾘｰﾄ材質");
        case TableKind::steelGrade:
            return QStringLiteral("鋼材材質");
        case TableKind::hShape:
            return QStringLiteral("Ｈ形鋼形状");
        case TableKind::tube:
            return QStringLiteral("角形鋼管形状");
        case TableKind::bolt:
            return QStringLiteral("ｱﾝｶｰﾎﾞﾙﾄ形状");
    }
    return {};
}

// Runs the editor's dialog; after OK, the table as the editor left it, marked modified.
template <class Row>
std::optional<TableState<Row>> runEditor(QWidget* parent, TableEditorOf<Row>& editor) {
    dialogs::TableEditorDialog dialog(editor, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return TableState<Row>{editor.tableFile().fileName, editor.tableFile().comment, editor.rows(),
                           true};
}

template <class Row>
bool pushTable(QUndoStack& stack, KestoDocument& document, TableKind kind,
               std::optional<TableState<Row>> state,
               std::function<TableState<Row>(TableState<Row>)> exchange) {
    if (!state) {
        return false;
    }
    const bool wasModified = document.isModified();
    stack.push(new ExchangeCommand<TableState<Row>>(std::move(exchange), std::move(*state),
                                                    commandText(kind)));
    if (!wasModified) {
        stack.setClean();
    }
    return true;
}

}  // namespace

bool editConditions(QWidget* parent, KestoDocument& document, QUndoStack& stack) {
    dialogs::ConditionsSheet sheet(document.conditions(), parent);
    if (sheet.exec() != QDialog::Accepted) {
        return false;
    }
    stack.push(new ExchangeCommand<CKestoCnt>(
        [&document](const CKestoCnt& c) { return document.setConditions(c); }, sheet.options(),
        QStringLiteral("基本条件")));
    return true;
}

bool editStressConditions(QWidget* parent, KestoDocument& document, QUndoStack& stack) {
    dialogs::StressConditionsDialog dialog(document.stressSetup(), parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    stack.push(new ExchangeCommand<StressSetup>(
        [&document](StressSetup s) { return document.setStressSetup(std::move(s)); },
        dialog.setup(), QStringLiteral("応力条件")));
    return true;
}

bool editTable(QWidget* parent, KestoDocument& document, QUndoStack& stack, TableKind kind) {
    const CKestoCnt& c = document.conditions();
    const int unit = document.unitSystem();
    switch (kind) {
        case TableKind::concrete: {
            auto editor = concreteEditor(c.concreteTable, unit);
            return pushTable<CConcreteRaw>(stack, document, kind, runEditor(parent, *editor),
                                           [&document](TableState<CConcreteRaw> s) {
                                               return document.setConcreteTable(std::move(s));
                                           });
        }
        case TableKind::steelGrade: {
            auto editor = steelGradeEditor(c.steelGradeTable, unit);
            return pushTable<CSteelRaw>(stack, document, kind, runEditor(parent, *editor),
                                        [&document](TableState<CSteelRaw> s) {
                                            return document.setSteelGradeTable(std::move(s));
                                        });
        }
        case TableKind::hShape:
        case TableKind::tube: {
            const auto which = kind == TableKind::hShape ? KestoDocument::SectionTable::hShapes
                                                         : KestoDocument::SectionTable::tubes;
            const TableState<CSteel> now = document.sectionTable(which);
            auto editor = sectionEditor(kind == TableKind::hShape ? 0 : 1, now.rows,
                                        {document.programFolder(), now.fileName, now.title});
            return pushTable<CSteel>(stack, document, kind, runEditor(parent, *editor),
                                     [&document, which](TableState<CSteel> s) {
                                         return document.setSectionTable(which, std::move(s));
                                     });
        }
        case TableKind::bolt: {
            const TableState<CABolt> now = document.boltTable();
            auto editor = boltEditor(now.rows, {document.programFolder(), now.fileName, now.title});
            return pushTable<CABolt>(
                stack, document, kind, runEditor(parent, *editor),
                [&document](TableState<CABolt> s) { return document.setBoltTable(std::move(s)); });
        }
    }
    return false;
}

}  // namespace kesto::app
