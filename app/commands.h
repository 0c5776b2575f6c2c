// The commands of the main window: menu texts, status-bar prompts, tool tips and short-cut keys,
// given once and turned into the actions the menus and the toolbar share.
#pragma once

#include <QAction>
#include <array>

namespace kesto::app {

enum class Command {
    fileNew,
    fileOpen,
    fileSave,
    fileSaveAs,
    filePrint,
    filePrintPreview,
    printSetup,
    exportPdf,
    importStresses,
    exportStresses,
    exit,
    undo,
    redo,
    firstPage,
    previousPage,
    jump,
    nextPage,
    lastPage,
    insertPage,
    deletePage,
    convertUnits,
    building,
    conditions,
    stressConditions,
    siUnit,
    gravityUnit,
    concreteTable,
    steelGradeTable,
    hShapeTable,
    tubeTable,
    boltTable,
    printFont,
    printPage,
    calculatePage,
    calculateAll,
    toolBar,
    statusBar,
    messages,
    detailFile,
    helpTopics,
    contextHelp,
    about,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::about) + 1;

using CommandActions = std::array<QAction*, kCommandCount>;

// One action per command, owned by `owner`, with its text, prompt, tool tip, keys and icon.
CommandActions createCommandActions(QObject* owner);

}  // namespace kesto::app
