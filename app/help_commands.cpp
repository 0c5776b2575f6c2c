// The help commands of the main window: the help window, context help and the about box.
#include <QCoreApplication>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "app/about_box.h"
#include "app/context_help.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/message_window.h"
#include "app/page_view.h"

namespace kesto::app {

void MainWindow::setUpHelp() {
    using enum Command;
    connect(action(helpTopics), &QAction::triggered, this,
            [this] { showHelp(QStringLiteral("index.html")); });
    connect(action(contextHelp), &QAction::triggered, this,
            [] { QWhatsThis::enterWhatsThisMode(); });
    connect(action(about), &QAction::triggered, this, [this] { showAbout(); });
    new ContextHelp([this](const QString& topic) { showHelp(topic); }, this);

    view_->setWhatsThis(whatsThisText(
        QStringLiteral("現在のページの柱脚図、入力と結果の表、設計条件です。図をクリックすると"
                       "柱脚形状を、表の値をクリックするとその値を編集できます。"),
        QStringLiteral("index.html#window")));
    messages_->setWhatsThis(
        whatsThisText(QStringLiteral("計算のエラー（E：）とＮＧ（W：）の一覧です。「[符号]」の行で"
                                     "「ｼﾞｬﾝﾌﾟ」を押すとそのページを表示します。"),
                      QStringLiteral("messages.html")));
    toolBar_->setWhatsThis(whatsThisText(QStringLiteral("よく使うコマンドのボタンです。"),
                                         QStringLiteral("index.html#toolbar")));
    this->statusBar()->setWhatsThis(whatsThisText(
        QStringLiteral("コマンドの説明と、ページの位置（現在のページ／ページ数）です。"),
        QStringLiteral("index.html#statusbar")));
}

void MainWindow::showHelp(const QString& topic) {
    if (help_ == nullptr) {
        help_ = new HelpWindow(helpFolder(QCoreApplication::applicationDirPath()), this);
    }
    help_->showTopic(topic);
}

void MainWindow::showAbout() {
    AboutBox box(QString::fromStdString(document_->programFolder()), this);
    box.exec();
}

}  // namespace kesto::app
