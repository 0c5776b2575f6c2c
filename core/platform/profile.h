// The per-user settings store: named values in sections. The desktop program puts its own store
// behind this interface; the batch tool and the tests use an INI file.
#pragma once

#include <map>
#include <string>

namespace kesto {

class Profile {
  public:
    virtual ~Profile() = default;
    virtual std::string getString(const std::string& section, const std::string& key,
                                  const std::string& fallback) const = 0;
    // The fallback also when the stored text is not a whole number.
    virtual int getInt(const std::string& section, const std::string& key, int fallback) const = 0;
    virtual void setString(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
    virtual void setInt(const std::string& section, const std::string& key, int value) = 0;
};

// Settings held as UTF-8 INI text: "[section]" lines and "key=value" lines. Backslash, line
// feed and carriage return in values are stored as "\\", "\n" and "\r". Lines that are neither
// are ignored when read, as are keys before the first section.
class IniProfile : public Profile {
  public:
    IniProfile() = default;
    static IniProfile fromText(const std::string& text);
    // An absent file gives an empty profile; an unreadable one throws FileAccessError.
    static IniProfile load(const std::string& path);

    std::string toText() const;
    // Written atomically; throws FileAccessError.
    void save(const std::string& path) const;

    std::string getString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int getInt(const std::string& section, const std::string& key, int fallback) const override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    void setInt(const std::string& section, const std::string& key, int value) override;

  private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
};

}  // namespace kesto
