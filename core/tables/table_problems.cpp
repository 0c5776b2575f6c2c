#include "tables/table_problems.h"

#include "base/text_format.h"

namespace kesto {

std::string problemText(std::string text, const std::string& detail) {
    if (!detail.empty()) {
        text += "\n(" + detail + ")";
    }
    return text;
}

std::string tableReadProblem(const std::string& path, const std::string& detail) {
    return problemText(
        "表ファイル " + path + " は壊れているため読み込めません。表は読み込む前の内容のままです。",
        detail);
}

std::string tableWriteProblem(const std::string& path, const std::string& detail) {
    return problemText("表ファイル " + path + " に書き込めませんでした。表の変更は残っています。",
                       detail);
}

std::string tableNameProblem(const std::string& name, bool read) {
    return "表ファイル名 \"" + shortExcerpt(name, 64) +
           "\" はプログラムフォルダ内のファイル名ではないため、表を" +
           (read ? "読み込みませんでした。" : "書き込みませんでした。");
}

}  // namespace kesto
