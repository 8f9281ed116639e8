#pragma once

#include <QString>

// The per-user store of text values by section and key. A key never written reads as "1".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString &section, const QString &key) const = 0;
    virtual void write(const QString &section, const QString &key, const QString &value) = 0;
};
