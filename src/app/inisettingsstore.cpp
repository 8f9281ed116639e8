#include "inisettingsstore.h"

IniSettingsStore::IniSettingsStore(const QString &filePath)
    : m_settings(filePath, QSettings::IniFormat)
{
}

QString IniSettingsStore::defaultPath(const QString &applicationName)
{
    const QSettings locator(QSettings::IniFormat, QSettings::UserScope, applicationName, applicationName);
    return locator.fileName();
}

QString IniSettingsStore::read(const QString &section, const QString &key) const
{
    const QString path = section + QLatin1Char('/') + key;
    if (!m_settings.contains(path))
        return QStringLiteral("1");
    return m_settings.value(path).toString();
}

void IniSettingsStore::write(const QString &section, const QString &key, const QString &value)
{
    m_settings.setValue(section + QLatin1Char('/') + key, value);
    m_settings.sync();
}
