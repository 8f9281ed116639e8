#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class Prompts;
class Settings;

// The four newest script paths (File > Recent, stored as "Recent1" to "Recent4") and the
// history file flist.dat, to whose front every path pushed out of the fourth entry goes.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    RecentFiles(const Settings &settings, Prompts &prompts, QString historyFilePath, QObject *parent = nullptr);

    // Reads the four entries from the store ("" or "1" read as "Untitled").
    void load();
    const std::array<QString, 4> &entries() const { return m_entries; }

    // After an open or a save: a path equal to one of the four leaves them as they are (they
    // are stored again); any other path is pushed.
    void noteOpenedOrSaved(const QString &path);
    // The old fourth entry goes to the front of the history file; the entries shift down and
    // the path becomes the first. A failed write shows the write-error message.
    void pushRecent(const QString &path);

    // The history file's entries, newest first, at most maxEntries of them (0: no limit).
    QStringList history(int maxEntries) const;

    QString historyFilePath() const { return m_historyFilePath; }

signals:
    void entriesChanged();

private:
    void storeEntries() const;
    // The history file's text; "" when it is missing or cannot be read.
    QString readHistory() const;
    bool writeHistory(const QString &text) const;

    const Settings &m_settings;
    Prompts &m_prompts;
    QString m_historyFilePath;
    std::array<QString, 4> m_entries;
};
