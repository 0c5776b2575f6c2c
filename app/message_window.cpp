#include "app/message_window.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace kesto::app {
namespace {

constexpr int kLongestLine = 256;

}  // namespace

MessageWindow::MessageWindow(QWidget* parent) : QDialog(parent), text_(new QPlainTextEdit(this)) {
    setWindowTitle(QStringLiteral("メッセージ"));
    setModal(false);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Read-only texts hide the caret by default; the caret chooses the line to jump to.
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* jump = new QPushButton(QStringLiteral("ｼﾞｬﾝﾌﾟ"), this);
    auto* cancel = new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this);
    jump->setDefault(true);
    connect(jump, &QPushButton::clicked, this, [this] { emit jumpRequested(caretLine()); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(jump);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(480, 240);
}

void MessageWindow::showLines(const std::vector<std::string>& lines) {
    QString text;
    for (const std::string& line : lines) {
        text += QString::fromStdString(line) + QLatin1Char('\n');
    }
    text_->setPlainText(text);
    if (!isVisible()) {
        if (lastGeometry_.isValid()) {
            setGeometry(lastGeometry_);
        }
        show();
    }
}

QString MessageWindow::caretLine() const {
    return text_->textCursor().block().text().left(kLongestLine);
}

void MessageWindow::placeCaretOnLine(int line) {
    QTextCursor cursor(text_->document()->findBlockByNumber(line));
    text_->setTextCursor(cursor);
}

void MessageWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    emit visibilityChanged(true);
}

void MessageWindow::hideEvent(QHideEvent* event) {
    lastGeometry_ = geometry();
    QDialog::hideEvent(event);
    emit visibilityChanged(false);
}

}  // namespace kesto::app
