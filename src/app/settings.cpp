#include "settings.h"

#include <climits>
#include <cmath>

namespace keys {
QString launchKeyName(int n) { return QStringLiteral("Launch Key%1").arg(n); }
QString shortcutKeyName(int n) { return QStringLiteral("Shortcut Key%1").arg(n); }
QString recentName(int n) { return QStringLiteral("Recent%1").arg(n); }
QString wordName(int n) { return QStringLiteral("w%1").arg(n); }
QString wordColourName(int n) { return QStringLiteral("wc%1").arg(n); }
} // namespace keys

double Settings::numberOr1(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) ? value : 1.0;
}

QString Settings::text(const SettingKey &key) const
{
    return m_store.read(QLatin1String(key.section), QLatin1String(key.name));
}

void Settings::write(const SettingKey &key, const QString &value) const
{
    m_store.write(QLatin1String(key.section), QLatin1String(key.name), value);
}

void Settings::writeFlag(const SettingKey &key, bool on) const
{
    write(key, on ? QStringLiteral("1") : QStringLiteral("0"));
}

bool Settings::isOn(const SettingKey &key) const
{
    return numberOr1(text(key)) != 0.0;
}

bool Settings::firstRun() const
{
    return numberOr1(text(keys::FirstRun)) == 1.0;
}

int Settings::startupFontIndex() const
{
    const double value = numberOr1(text(keys::StartupFont));
    const bool isListPosition = value >= 0 && value <= 7 && value == std::floor(value);
    return isListPosition ? int(value) : 1;
}

QString Settings::orDefault(const QString &value, const QString &defaultText)
{
    return value.isEmpty() || value == QLatin1String("1") ? defaultText : value;
}

QString Settings::launchKey(int n) const
{
    return m_store.read(QLatin1String(keys::Options), keys::launchKeyName(n));
}

QString Settings::shortcutKey(int n) const
{
    return orDefault(m_store.read(QLatin1String(keys::Options), keys::shortcutKeyName(n)), UserDefinedKey);
}

QString Settings::recent(int n) const
{
    return orDefault(m_store.read(QLatin1String(keys::Options), keys::recentName(n)), Untitled);
}

QString Settings::recentFilesBox() const
{
    return orDefault(text(keys::RecentFiles), QStringLiteral("30"));
}

int Settings::historyLength(const QString &storedValue)
{
    constexpr int DefaultLength = 30;
    const QString value = storedValue.trimmed();
    // "1" is what a missing key reads as; the preferences dialog shows it as 30 as well.
    if (value == QLatin1String("1"))
        return DefaultLength;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < 0)
        return DefaultLength;
    return int(qMin<qlonglong>(number, INT_MAX));
}

double Settings::palettePosition(const SettingKey &key, double defaultTwips) const
{
    const float value = float(numberOr1(text(key)));
    return value == 1.0f ? defaultTwips : double(value);
}
