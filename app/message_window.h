// The modeless window "メッセージ": the error and NG messages of the last calculation, one line
// each, with "ｼﾞｬﾝﾌﾟ" to go to the page of the current line.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListView;

namespace kesto::app {

class MessageLineModel;

class MessageWindow : public QDialog {
    Q_OBJECT

  public:
    explicit MessageWindow(QWidget* parent);

    // Fills the window and shows it where it was when last closed.
    void showLines(const std::vector<std::string>& lines);
    // The current line, at most 256 characters.
    QString caretLine() const;
    void placeCaretOnLine(int line);

  signals:
    // "ｼﾞｬﾝﾌﾟ" with `line` current.
    void jumpRequested(const QString& line);
    void visibilityChanged(bool visible);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void copySelectedLines() const;

    MessageLineModel* model_;
    QListView* list_;
    QRect lastGeometry_;
};

}  // namespace kesto::app
