#pragma once

#include "settingsstore.h"

#include <QSettings>

// The settings store as an INI file; every write reaches the disk at once, so other
// running editors see it and a crash loses nothing.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(const QString &filePath);

    // $XDG_CONFIG_HOME/<application>/<application>.ini for the running program file's name.
    static QString defaultPath(const QString &applicationName);

    QString read(const QString &section, const QString &key) const override;
    void write(const QString &section, const QString &key, const QString &value) override;

private:
    mutable QSettings m_settings;
};
