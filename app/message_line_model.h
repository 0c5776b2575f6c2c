// The lines of the message window as a list model. A large building has over a million message
// lines, so they are kept in one UTF-8 buffer and each becomes a QString only when it is shown.
#pragma once

#include <QAbstractListModel>
#include <cstddef>
#include <string>
#include <vector>

namespace kesto::app {

class MessageLineModel : public QAbstractListModel {
  public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(const std::vector<std::string>& lines);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  private:
    std::string text_;
    // Where each line ends in text_; a line starts where the one before it ends.
    std::vector<std::size_t> ends_;
};

}  // namespace kesto::app
