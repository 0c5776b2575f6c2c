#include "platform/profile.h"

#include <charconv>
#include <sstream>

#include "platform/files.h"

namespace kesto {
namespace {

std::string escape(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string unescape(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        } else {
            out += value[i];
        }
    }
    return out;
}

}  // namespace

IniProfile IniProfile::fromText(const std::string& text) {
    IniProfile profile;
    std::istringstream in(text);
    std::string line;
    std::string section;
    bool inSection = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            inSection = true;
            continue;
        }
        const auto eq = line.find('=');
        if (!inSection || eq == std::string::npos || eq == 0) {
            continue;
        }
        profile.sections_[section][line.substr(0, eq)] = unescape(line.substr(eq + 1));
    }
    return profile;
}

IniProfile IniProfile::load(const std::string& path) {
    const auto text = readFileIfExists(path);
    return text ? fromText(*text) : IniProfile{};
}

std::string IniProfile::toText() const {
    std::string out;
    for (const auto& [section, values] : sections_) {
        out += "[" + section + "]\n";
        for (const auto& [key, value] : values) {
            out += key + "=" + escape(value) + "\n";
        }
    }
    return out;
}

void IniProfile::save(const std::string& path) const {
    writeFileAtomic(path, toText());
}

std::string IniProfile::getString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const {
    const auto s = sections_.find(section);
    if (s == sections_.end()) {
        return fallback;
    }
    const auto v = s->second.find(key);
    return v == s->second.end() ? fallback : v->second;
}

int IniProfile::getInt(const std::string& section, const std::string& key, int fallback) const {
    const std::string text = getString(section, key, {});
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return text.empty() || ec != std::errc{} || ptr != end ? fallback : value;
}

void IniProfile::setString(const std::string& section, const std::string& key,
                           const std::string& value) {
    sections_[section][key] = value;
}

void IniProfile::setInt(const std::string& section, const std::string& key, int value) {
    sections_[section][key] = std::to_string(value);
}

}  // namespace kesto
