#include "app/help_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWindow>

namespace kesto::app {
namespace {

constexpr int kTopicRole = Qt::UserRole;

QToolButton* toolButton(const QString& text, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(text);
    button->setAutoRaise(true);
    return button;
}

}  // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      library_(folder),
      searchField_(new QLineEdit(this)),
      leftPane_(new QStackedWidget(this)),
      contents_(new QTreeWidget(this)),
      results_(new QListWidget(this)),
      browser_(new QTextBrowser(this)) {
    setWindowTitle(QStringLiteral("Kesto ヘルプ"));
    resize(900, 640);

    searchField_->setPlaceholderText(QStringLiteral("ヘルプ内を検索"));
    searchField_->setClearButtonEnabled(true);
    contents_->setHeaderHidden(true);
    leftPane_->addWidget(contents_);
    leftPane_->addWidget(results_);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(searchField_);
    leftLayout->addWidget(leftPane_);

    auto* back = toolButton(QStringLiteral("◀ 戻る"), this);
    auto* forward = toolButton(QStringLiteral("進む ▶"), this);
    auto* home = toolButton(QStringLiteral("目次"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({250, 650});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    browser_->setSearchPaths({library_.folder()});
    browser_->setOpenExternalLinks(true);
    buildContents();

    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(home, &QToolButton::clicked, this, [this] {
        searchField_->clear();
        showTopic(QStringLiteral("index.html"));
    });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, kTopicRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { showTopic(item->data(0, kTopicRole).toString()); });
    connect(results_, &QListWidget::currentRowChanged, this, &HelpWindow::openResult);
    connect(searchField_, &QLineEdit::returnPressed, this,
            [this] { search(searchField_->text()); });
    connect(searchField_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.trimmed().isEmpty()) {
            searchedWords_.clear();
            leftPane_->setCurrentWidget(contents_);
        }
    });
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] { markWords(); });
    showTopic(QStringLiteral("index.html"));
}

void HelpWindow::buildContents() {
    for (const HelpTopic& topic : library_.topics()) {
        auto* item = new QTreeWidgetItem(contents_, {topic.title});
        item->setData(0, kTopicRole, topic.file);
        for (const HelpSection& section : topic.sections) {
            auto* child = new QTreeWidgetItem(item, {section.title});
            child->setData(0, kTopicRole, topic.file + QLatin1Char('#') + section.anchor);
        }
    }
    if (contents_->topLevelItemCount() > 0) {
        contents_->topLevelItem(0)->setExpanded(true);
    }
}

void HelpWindow::showTopic(const QString& topic) {
    QUrl url = QUrl::fromLocalFile(library_.folder() + QLatin1Char('/') +
                                   topic.section(QLatin1Char('#'), 0, 0));
    const QString anchor = topic.section(QLatin1Char('#'), 1);
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    browser_->setSource(url);
    // Help asked for from a modal dialog must not be blocked by it: it goes in front of it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
        winId();
        windowHandle()->setTransientParent(modal->windowHandle());
    }
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentTopic() const {
    const QUrl url = browser_->source();
    const QString file = url.fileName();
    return url.hasFragment() ? file + QLatin1Char('#') + url.fragment() : file;
}

void HelpWindow::search(const QString& words) {
    searchedWords_ = words.simplified();
    results_->clear();
    leftPane_->setCurrentWidget(results_);
    const auto found = library_.search(searchedWords_);
    if (found.empty()) {
        results_->addItem(QStringLiteral("見つかりません"));
        results_->item(0)->setFlags(Qt::NoItemFlags);
        return;
    }
    for (const HelpTopic* topic : found) {
        auto* item = new QListWidgetItem(topic->title, results_);
        item->setData(kTopicRole, topic->file);
    }
    results_->setCurrentRow(0);
}

void HelpWindow::openResult(int row) {
    const QListWidgetItem* item = results_->item(row);
    if (item != nullptr && item->data(kTopicRole).isValid()) {
        showTopic(item->data(kTopicRole).toString());
        markWords();
    }
}

// Marks every place of the searched words and scrolls to the first.
void HelpWindow::markWords() {
    QList<QTextEdit::ExtraSelection> marks;
    const QStringList words = searchedWords_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QTextDocument* document = browser_->document();
    QTextCharFormat format;
    format.setBackground(QColor(255, 230, 110));
    QTextCursor first;
    for (const QString& word : words) {
        for (QTextCursor c = document->find(word); !c.isNull(); c = document->find(word, c)) {
            marks.append({c, format});
            if (first.isNull() || c.position() < first.position()) {
                first = c;
            }
        }
    }
    browser_->setExtraSelections(marks);
    if (!first.isNull() && !browser_->source().hasFragment()) {
        browser_->setTextCursor(first);
        browser_->ensureCursorVisible();
    }
}

}  // namespace kesto::app
