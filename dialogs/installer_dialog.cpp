#include "dialogs/installer_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

namespace kesto::dialogs {
namespace {

QString chooseWithSystemDialog(QWidget* parent, const QString& current) {
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("インストール先フォルダの選択"),
                                             current, QFileDialog::ShowDirsOnly);
}

void startDetached(const QString& program) {
    QProcess::startDetached(program, {});
}

}  // namespace

InstallerDialog::InstallerDialog(QWidget* parent, QString distributionFolder)
    : AskingDialog(parent),
      distributionFolder_(std::move(distributionFolder)),
      chooseFolder_(chooseWithSystemDialog),
      startProgram_(startDetached) {
    setWindowTitle(QStringLiteral("Programのインストール"));
    folder_ = new QLineEdit;
    folder_->setObjectName(QStringLiteral("folder"));
    folder_->setMinimumWidth(320);
    auto* browseButton = new QPushButton(QStringLiteral("参照"));
    browseButton->setObjectName(QStringLiteral("browse"));
    browseButton->setAutoDefault(false);
    connect(browseButton, &QPushButton::clicked, this, &InstallerDialog::browse);
    files_ = new QListWidget;
    files_->setObjectName(QStringLiteral("files"));
    files_->setMinimumSize(420, 360);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder_, 1);
    folderRow->addWidget(browseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ｲﾝｽﾄｰﾙﾃﾞｨﾚｸﾄﾘの設定")));
    layout->addLayout(folderRow);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("ｲﾝｽﾄｰﾙﾌｧｲﾙの設定（ﾁｪｯｸのあるﾌｧｲﾙのみをｺﾋﾟｰ）")));
    layout->addWidget(files_, 1);
    layout->addWidget(okCancelButtons());
}

void InstallerDialog::readProgramList() {
    const QString path = distributionFolder_.isEmpty()
                             ? QString::fromUtf8(kProgramListFileName)
                             : distributionFolder_ + "/" + kProgramListFileName;
    const auto list = kesto::readProgramList(utf8(path), homeFolder());
    if (!list) {
        questions().tell(kNoProgramListMessage);
        return;
    }
    folder_->setText(qs(list->defaultFolder));
    entries_ = list->entries;
    for (const ProgramEntry& entry : entries_) {
        auto* item =
            new QListWidgetItem(qs(" " + entry.fileName + " " + entry.description), files_);
        item->setCheckState(Qt::Checked);
        if (entry.required()) {
            item->setFlags(item->flags() & ~(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable));
        }
    }
}

void InstallerDialog::browse() {
    const QString chosen = chooseFolder_(this, folder_->text());
    if (!chosen.isEmpty()) {
        folder_->setText(QDir::toNativeSeparators(chosen));
    }
}

void InstallerDialog::accept() {
    std::vector<bool> ticked;
    for (int i = 0; i < files_->count(); ++i) {
        ticked.push_back(files_->item(i)->checkState() != Qt::Unchecked);
    }
    const InstallOutcome outcome =
        install(utf8(folder_->text()), entries_, ticked, utf8(distributionFolder_), questions());
    if (!outcome.finished) {
        return;
    }
    if (outcome.setupProgram) {
        startProgram_(qs(*outcome.setupProgram));
    }
    AskingDialog::accept();
}

int runInstaller() {
    InstallerDialog dialog;
    dialog.readProgramList();
    dialog.exec();
    return 0;
}

}  // namespace kesto::dialogs
