#include "app/settings_profile.h"

namespace kesto::app {
namespace {

QString settingsKey(const std::string& section, const std::string& key) {
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(key);
}

}  // namespace

std::string SettingsProfile::getString(const std::string& section, const std::string& key,
                                       const std::string& fallback) const {
    const QVariant v = settings_.value(settingsKey(section, key));
    return v.isValid() ? v.toString().toStdString() : fallback;
}

int SettingsProfile::getInt(const std::string& section, const std::string& key,
                            int fallback) const {
    bool ok = false;
    const int v = settings_.value(settingsKey(section, key)).toString().trimmed().toInt(&ok);
    return ok ? v : fallback;
}

void SettingsProfile::setString(const std::string& section, const std::string& key,
                                const std::string& value) {
    settings_.setValue(settingsKey(section, key), QString::fromStdString(value));
}

void SettingsProfile::setInt(const std::string& section, const std::string& key, int value) {
    settings_.setValue(settingsKey(section, key), value);
}

}  // namespace kesto::app
