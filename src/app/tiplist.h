#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The tips of TIPOFDAY.TXT and the current one.
class TipList {
public:
    // A uniform random number r with 0 <= r < 1.
    using Random = std::function<double()>;

    explicit TipList(Random random);

    // Splits the file's text into tips: a line ends at CR LF or at a lone CR, a lone LF
    // does not end a line; every line is a tip, empty ones too, nothing is trimmed.
    static QStringList splitLines(const QString &text);

    // Fills the list from the file and picks a tip. False when the name is empty or
    // there is no such file (the list stays empty).
    bool load(const QString &path);

    // Makes a random tip the current one.
    void pick();

    bool isEmpty() const { return m_tips.isEmpty(); }
    const QStringList &tips() const { return m_tips; }
    int current() const { return m_current; } // from 1; 0 while empty
    QString currentTip() const;

    // The text shown when the file could not be read.
    static QString missingFileMessage();

private:
    Random m_random;
    QStringList m_tips;
    int m_current = 0;
};
