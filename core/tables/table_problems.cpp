#include "tables/table_problems.h"

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
    return withDetail(
        "表ファイル " + path + " は壊れているため読み込めません。表は読み込む前の内容のままです。",
        detail);
}

std::string tableWriteProblem(const std::string& path, const std::string& detail) {
    return withDetail("表ファイル " + path + " に書き込めませんでした。表の変更は残っています。",
                      detail);
}

}  // namespace kesto
