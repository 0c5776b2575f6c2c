#include "calc/check_message.h"

#include <string_view>

namespace kesto {
namespace {

std::string checkMessage(const std::string& text, int dir, int term, const std::string& comboName) {
    const char* direction = dir == 0 ? "Ｘ方向" : "Ｙ方向";
    const char* termText = term == kLongTerm    ? "長期許容"
                           : term == kShortTerm ? "短期許容"
                                                : "保有耐力";
    // Pieces appended rather than formatted, as a large building makes hundreds of thousands;
    // each text ends at its first NUL, as when it was formatted as a C string.
    const std::string_view name(comboName.c_str());
    const std::string_view body(text.c_str());
    std::string message;
    message.reserve(32 + name.size() + body.size());
    message += direction;
    message += termText;
    if (!comboName.empty()) {
        message += '(';
        message += name;
        if (name.size() == comboName.size()) {
            message += ')';
        }
    }
    message += ' ';
    message += body;
    return message;
}

}  // namespace

void addNgMessage(PageContext& ctx, const std::string& text, int dir, int term,
                  const std::string& comboName) {
    std::string message = checkMessage(text, dir, term, comboName);
    ctx.detail(message);
    ctx.page.ngMessages.push_back(std::move(message));
}

}  // namespace kesto
