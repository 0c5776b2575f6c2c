#include "app/message_line_model.h"

namespace kesto::app {

void MessageLineModel::setLines(const std::vector<std::string>& lines) {
    beginResetModel();
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size();
    }
    text_.clear();
    text_.reserve(size);
    ends_.clear();
    ends_.reserve(lines.size());
    for (const std::string& line : lines) {
        text_ += line;
        ends_.push_back(text_.size());
    }
    endResetModel();
}

int MessageLineModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ends_.size());
}

QVariant MessageLineModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const std::size_t begin = row == 0 ? 0 : ends_[row - 1];
    return QString::fromUtf8(text_.data() + begin, static_cast<qsizetype>(ends_[row] - begin));
}

}  // namespace kesto::app
