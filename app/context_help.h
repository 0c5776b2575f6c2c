// Context help for every window of the program: F1 in a dialog opens the help at the dialog's
// topic; in "what's this" mode (Shift+F1 or the toolbar button) a click on an area with its own
// text shows that text, whose link opens the help, and a click on any other field of a window
// opens the help at that window's topic.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kesto::app {

// The help topic ("file.html#anchor") of a window, by its title; the contents page for a window
// the help does not describe.
QString helpTopicOf(const QWidget* window);

// A what's-this text: `text` and a link to `topic` of the help.
QString whatsThisText(const QString& text, const QString& topic);

class ContextHelp : public QObject {
    Q_OBJECT

  public:
    // Watches every widget of the application; `open` shows the help at a topic.
    ContextHelp(std::function<void(const QString&)> open, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(const QString&)> open_;
};

}  // namespace kesto::app
