#include "app/context_help.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QWhatsThisClickedEvent>
#include <QWidget>

namespace kesto::app {
namespace {

struct WindowTopic {
    const char* title;
    const char* topic;
};

// The windows by their titles, which the program fixes.
constexpr WindowTopic kWindowTopics[] = {
    {"柱脚形状の設定", "column-base.html#shape"},
    {"柱脚回転剛性の確認", "checks.html#stiffness"},
    {"建物名称の設定", "column-base.html#building"},
    {"ジャンプと移動", "index.html#pages"},
    {"基本条件", "conditions.html"},
    {"応力条件の設定", "stresses.html"},
    {"SI単位への変換", "stresses.html#conversion"},
    {"応力の読み込み", "messages.html#csv"},
    {"コンクリート材質の設定", "tables.html#materials"},
    {"鋼材材質設定", "tables.html#materials"},
    {"Ｈ形鋼形状の設定", "tables.html#sections"},
    {"角形鋼管形状の設定", "tables.html#sections"},
    {"ｱﾝｶｰﾎﾞﾙﾄ形状の設定", "tables.html#bolts"},
    {"鋼材ファイルの選択", "tables.html#sections"},
    {"印刷ﾍﾟｰｼﾞ設定", "printing.html#page"},
    {"印刷ﾌｫﾝﾄ設定", "printing.html#font"},
    {"印刷ﾌﾟﾚﾋﾞｭｰ", "printing.html"},
    {"メッセージ", "messages.html"},
};

}  // namespace

QString helpTopicOf(const QWidget* window) {
    const QString title = window != nullptr ? window->windowTitle() : QString();
    for (const WindowTopic& w : kWindowTopics) {
        if (title == QString::fromUtf8(w.title)) {
            return QString::fromUtf8(w.topic);
        }
    }
    return QStringLiteral("index.html");
}

QString whatsThisText(const QString& text, const QString& topic) {
    return QStringLiteral("<p>%1</p><p><a href=\"%2\">ヘルプを開く</a></p>").arg(text, topic);
}

ContextHelp::ContextHelp(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
    qApp->installEventFilter(this);
}

bool ContextHelp::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::WhatsThisClicked &&
        type != QEvent::QueryWhatsThis && type != QEvent::WhatsThis) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return false;
    }
    switch (type) {
        case QEvent::KeyPress: {
            // In the main window F1 is the shortcut of "ヘルプ トピック"; here it reaches a
            // dialog.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier ||
                qobject_cast<QMainWindow*>(widget->window()) != nullptr) {
                return false;
            }
            open_(helpTopicOf(widget->window()));
            return true;
        }
        case QEvent::WhatsThisClicked:
            open_(static_cast<QWhatsThisClickedEvent*>(event)->href());
            return true;
        case QEvent::QueryWhatsThis:
        case QEvent::WhatsThis:
            // A widget with its own text answers itself; the others ask their parents up to the
            // window, which answers with its topic.
            if (!widget->whatsThis().isEmpty() || !widget->isWindow()) {
                return false;
            }
            if (type == QEvent::WhatsThis) {
                open_(helpTopicOf(widget));
            }
            event->accept();
            return true;
        default:
            return false;
    }
}

}  // namespace kesto::app
