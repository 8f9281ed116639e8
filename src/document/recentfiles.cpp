#include "recentfiles.h"

#include "app/settings.h"
#include "historyfile.h"
#include "platform/prompts.h"
#include "textfilecodec.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

RecentFiles::RecentFiles(const Settings &settings, Prompts &prompts, QString historyFilePath, QObject *parent)
    : QObject(parent), m_settings(settings), m_prompts(prompts), m_historyFilePath(std::move(historyFilePath))
{
    m_entries.fill(Settings::Untitled);
}

void RecentFiles::load()
{
    std::array<QString, 4> loaded;
    for (int n = 1; n <= 4; ++n)
        loaded[n - 1] = m_settings.recent(n);
    if (loaded == m_entries)
        return;
    m_entries = loaded;
    emit entriesChanged();
}

void RecentFiles::noteOpenedOrSaved(const QString &path)
{
    if (std::find(m_entries.begin(), m_entries.end(), path) != m_entries.end())
        storeEntries();
    else
        pushRecent(path);
}

void RecentFiles::pushRecent(const QString &path)
{
    const QString history = HistoryFile::pushed(readHistory(), m_entries[3]);
    std::move_backward(m_entries.begin(), m_entries.end() - 1, m_entries.end());
    m_entries[0] = path;
    storeEntries();
    emit entriesChanged();

    if (!writeHistory(history)) {
        m_prompts.message({QStringLiteral("Error occurred while trying to close file, please retry."),
                           QStringLiteral("Velmora Editor"), Prompts::Icon::Warning, QMessageBox::Ok});
    }
}

QStringList RecentFiles::history(int maxEntries) const
{
    return HistoryFile::entries(readHistory(), maxEntries);
}

void RecentFiles::storeEntries() const
{
    for (int n = 1; n <= 4; ++n)
        m_settings.store().write(QLatin1String(keys::Options), keys::recentName(n), m_entries[n - 1]);
}

QString RecentFiles::readHistory() const
{
    QFile file(m_historyFilePath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Files written by older versions may be Latin-1; ours are UTF-8.
    return TextFileCodec::decodeCharacters(file.readAll());
}

bool RecentFiles::writeHistory(const QString &text) const
{
    // Written beside the old file and renamed over it, so a failed write keeps the old one.
    QSaveFile file(m_historyFilePath);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}
