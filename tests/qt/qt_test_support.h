// Helpers of the desktop program's tests: a program folder and a profile of their own, and
// answers to the modal message boxes the commands ask.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>

namespace kesto::test {

// A copy of the built program folder's tables and policy texts (not its "KestoBase.def"), so
// that saving and calculating never touch the build, and an empty INI profile beside it.
class TestProgram {
  public:
    TestProgram() : settings_(dir_.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat) {
        const QDir built(QStringLiteral(KESTO_PROGRAM_FOLDER));
        for (const QString& name : built.entryList({"*.tbl", "*.txt"}, QDir::Files)) {
            QFile::copy(built.filePath(name), dir_.filePath(name));
        }
    }
    std::string folder() const { return dir_.path().toStdString() + "/"; }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QSettings& settings() { return settings_; }

  private:
    QTemporaryDir dir_;
    QSettings settings_;
};

// Answers the next modal message box with `button` and keeps its text.
class MessageBoxAnswer {
  public:
    explicit MessageBoxAnswer(QMessageBox::StandardButton button)
        : text_(std::make_shared<QString>()) {
        QTimer::singleShot(0, [text = text_, button] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                *text = box->text();
                box->button(button)->click();
            }
        });
    }
    QString text() const { return *text_; }

  private:
    std::shared_ptr<QString> text_;
};

}  // namespace kesto::test
