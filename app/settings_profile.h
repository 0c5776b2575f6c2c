// The user profile of the desktop program: the core's settings interface on QSettings, so that
// every section and key lives in the per-user store of organisation "Drem", application "Kesto"
// (the registry on Windows, ~/.config/Drem/Kesto.conf elsewhere).
#pragma once

#include <QSettings>

#include "platform/profile.h"

namespace kesto::app {

class SettingsProfile : public Profile {
  public:
    // The store stays owned by the caller and must outlive the profile.
    explicit SettingsProfile(QSettings& settings) : settings_(settings) {}

    std::string getString(const std::string& section, const std::string& key,
                          const std::string& fallback) const override;
    int getInt(const std::string& section, const std::string& key, int fallback) const override;
    void setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
    void setInt(const std::string& section, const std::string& key, int value) override;

  private:
    QSettings& settings_;
};

}  // namespace kesto::app
