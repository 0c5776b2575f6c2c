#include "calc/check_message.h"

#include "base/text_format.h"

namespace kesto {
namespace {

std::string checkMessage(const std::string& text, int dir, int term, const std::string& comboName) {
    const char* direction = dir == 0 ? "Ｘ方向" : "Ｙ方向";
    const char* termText = term == kLongTerm    ? "長期許容"
                           : term == kShortTerm ? "短期許容"
                                                : "保有耐力";
    const std::string name = comboName.empty() ? std::string() : "(" + comboName + ")";
    return strprintf("%s%s%s %s", direction, termText, name.c_str(), text.c_str());
}

}  // namespace

void addNgMessage(PageContext& ctx, const std::string& text, int dir, int term,
                  const std::string& comboName) {
    std::string message = checkMessage(text, dir, term, comboName);
    ctx.detail(message);
    ctx.page.ngMessages.push_back(std::move(message));
}

}  // namespace kesto
