// "Programのインストール": the installation folder and the files of "Program.txt" to copy. The
// rules (the list file, the folder, the copy) are the core's; the dialog shows and collects.
#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "base/installation.h"
#include "dialogs/dialog_support.h"

class QLineEdit;
class QListWidget;

namespace kesto::dialogs {

class InstallerDialog : public AskingDialog {
  public:
    // `distributionFolder` holds "Program.txt" and the files it names; empty for the current
    // folder.
    explicit InstallerDialog(QWidget* parent = nullptr, QString distributionFolder = {});

    // Reads the list into the dialog; "プログラムリストがありません" when there is none.
    void readProgramList();

    // Asks for a folder (the system's folder dialog); an empty text when cancelled.
    using FolderChooser = std::function<QString(QWidget* parent, const QString& current)>;
    void setFolderChooser(FolderChooser chooser) { chooseFolder_ = std::move(chooser); }
    // Starts the setup program of the installation folder (without waiting for it).
    using ProgramStarter = std::function<void(const QString& program)>;
    void setProgramStarter(ProgramStarter starter) { startProgram_ = std::move(starter); }

    void accept() override;

  private:
    void browse();

    QString distributionFolder_;
    std::vector<ProgramEntry> entries_;
    QLineEdit* folder_;
    QListWidget* files_;
    FolderChooser chooseFolder_;
    ProgramStarter startProgram_;
};

// Runs the installer in the current folder; the exit status of the program.
int runInstaller();

}  // namespace kesto::dialogs
