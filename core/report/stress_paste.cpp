#include "report/stress_paste.h"

#include <algorithm>
#include <cmath>

#include "base/csv.h"
#include "base/text_format.h"
#include "model/page.h"

namespace kesto {
namespace {

bool isStressCell(const DisplayCell& cell) {
    return cell.editable() && cell.field && cell.field->field >= FieldRef::kBasicN &&
           cell.field->field <= FieldRef::kUltimateQ;
}

// The lines of the block, each split at its tabs.
std::vector<std::vector<std::string_view>> splitBlock(std::string_view text) {
    if (text.ends_with("\r\n")) {
        text.remove_suffix(2);
    } else if (text.ends_with('\n') || text.ends_with('\r')) {
        text.remove_suffix(1);
    }
    std::vector<std::vector<std::string_view>> rows;
    while (true) {
        const std::size_t end = text.find_first_of("\r\n");
        std::string_view line = text.substr(0, end);
        auto& row = rows.emplace_back();
        while (true) {
            const std::size_t tab = line.find('\t');
            row.push_back(line.substr(0, tab));
            if (tab == std::string_view::npos) {
                break;
            }
            line.remove_prefix(tab + 1);
        }
        if (end == std::string_view::npos) {
            return rows;
        }
        text.remove_prefix(text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1);
    }
}

StressPaste refused(std::string text) {
    return StressPaste{{}, "貼り付けできません。" + std::move(text)};
}

}  // namespace

StressPaste planStressPaste(const std::vector<DisplayCell>& cells, int editOrder,
                            std::string_view text) {
    const auto start = std::find_if(cells.begin(), cells.end(), [&](const DisplayCell& c) {
        return c.editOrder == editOrder && isStressCell(c);
    });
    if (editOrder < 0 || start == cells.end()) {
        return refused("応力の欄を選んでから貼り付けてください。");
    }
    // The value columns of the stress rows, left to right.
    std::vector<int> columns;
    for (const DisplayCell& c : cells) {
        if (isStressCell(c) &&
            std::find(columns.begin(), columns.end(), c.cellColumn) == columns.end()) {
            columns.push_back(c.cellColumn);
        }
    }
    std::sort(columns.begin(), columns.end());
    const auto firstColumn = static_cast<std::size_t>(
        std::find(columns.begin(), columns.end(), start->cellColumn) - columns.begin());

    if (text.find_first_not_of("\r\n") == std::string_view::npos) {
        return refused("クリップボードに貼り付ける値がありません。");
    }
    const auto rows = splitBlock(text);
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, row.size());
    }
    StressPaste plan;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const auto position = strprintf("%zu行%zu列目", r + 1, c + 1);
            const auto value = parseNumberField(rows[r][c]);
            if (!value) {
                return refused(position + "の値が数値ではありません。");
            }
            if (!(std::fabs(*value) <= kLargestEntry)) {
                return refused(position + "の値が -99999 から 99999 の範囲を外れています。");
            }
            const int row = start->cellRow + static_cast<int>(r);
            const auto target = std::find_if(cells.begin(), cells.end(), [&](const DisplayCell& x) {
                return firstColumn + c < columns.size() && x.cellRow == row &&
                       x.cellColumn == columns[firstColumn + c] && isStressCell(x);
            });
            if (target == cells.end()) {
                return refused(
                    strprintf("%zu行×%zu列の値が、選んだ欄から始まる応力の欄に収まり"
                              "ません（%s）。",
                              rows.size(), width, position.c_str()));
            }
            plan.values.emplace_back(*target->field, *value);
        }
    }
    return plan;
}

}  // namespace kesto
