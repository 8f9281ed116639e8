#pragma once

#include "app/inisettingsstore.h"

#include <QStringList>
#include <QTemporaryDir>

// A real INI settings store in a temporary folder that also records every write, in order,
// as "Section/Key=value".
class RecordingStore : public SettingsStore {
public:
    RecordingStore() : m_ini(m_dir.filePath(QStringLiteral("ondrel.ini"))) {}

    QString read(const QString &section, const QString &key) const override { return m_ini.read(section, key); }
    void write(const QString &section, const QString &key, const QString &value) override
    {
        writes << section + QLatin1Char('/') + key + QLatin1Char('=') + value;
        m_ini.write(section, key, value);
    }

    QString filePath() const { return m_dir.filePath(QStringLiteral("ondrel.ini")); }

    QStringList writes;

private:
    QTemporaryDir m_dir;
    IniSettingsStore m_ini;
};
