#include "model/stress.h"

namespace kesto {

std::string symbolOf(const std::string& label) {
    std::string symbol;
    for (char c : label.substr(0, label.find(':'))) {
        if (c != ' ') {
            symbol += c;
        }
    }
    return symbol;
}

bool hasSymbol(std::string_view label, std::string_view symbol) {
    std::size_t matched = 0;
    for (const char c : label.substr(0, label.find(':'))) {
        if (c == ' ') {
            continue;
        }
        if (matched == symbol.size() || symbol[matched] != c) {
            return false;
        }
        ++matched;
    }
    return matched == symbol.size();
}

}  // namespace kesto
