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

}  // namespace kesto
