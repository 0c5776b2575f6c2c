#include "tables/table_problems.h"

#include "base/message_text.h"
#include "base/text_format.h"

namespace kesto {

std::string problemText(std::string text, const std::string& detail) {
    if (!detail.empty()) {
        text += "\n(" + detail + ")";
    }
    return text;
}

std::string tableReadProblem(const std::string& path, const std::string& detail) {
    return problemText(strprintf(KESTO_MESSAGE("表ファイル %s は壊れているため読み込めません。"
                                               "表は読み込む前の内容のままです。"),
                                 path.c_str()),
                       detail);
}

std::string tableWriteProblem(const std::string& path, const std::string& detail) {
    return problemText(
        strprintf(KESTO_MESSAGE("表ファイル %s に書き込めませんでした。表の変更は残っています。"),
                  path.c_str()),
        detail);
}

std::string tableNameProblem(const std::string& name, bool read) {
    return "表ファイル名 \"" + shortExcerpt(name, 64) +
           "\" はプログラムフォルダ内のファイル名ではないため、表を" +
           (read ? "読み込みませんでした。" : "書き込みませんでした。");
}

}  // namespace kesto
