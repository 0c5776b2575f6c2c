#include "tables/table_problems.h"

#include "base/message_text.h"
#include "base/text_format.h"

namespace kesto {
namespace {

std::string withDetail(std::string text, const std::string& detail) {
    if (!detail.empty()) {
        text += "\n(" + detail + ")";
    }
    return text;
}

}  // namespace

std::string tableReadProblem(const std::string& path, const std::string& detail) {
    return withDetail(strprintf(KESTO_MESSAGE("表ファイル %s は壊れているため読み込めません。"
                                              "表は読み込む前の内容のままです。"),
                                path.c_str()),
                      detail);
}

std::string tableWriteProblem(const std::string& path, const std::string& detail) {
    return withDetail(
        strprintf(KESTO_MESSAGE("表ファイル %s に書き込めませんでした。表の変更は残っています。"),
                  path.c_str()),
        detail);
}

}  // namespace kesto
