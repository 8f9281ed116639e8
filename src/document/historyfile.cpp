#include "historyfile.h"

#include <climits>

namespace HistoryFile {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
constexpr int FirstEntryStart = 3; // past the head "#" CR LF
constexpr int SeparatorLength = 3; // "#" CR LF
constexpr int DefaultListLength = 30;
} // namespace

QString pushed(const QString &text, const QString &entry)
{
    QString result = text;
    result.replace(0, FirstEntryStart, QLatin1Char('#') + LineEnd + entry + QLatin1Char('#') + LineEnd);
    return result + LineEnd;
}

QStringList entries(const QString &text, int maxEntries)
{
    QStringList result;
    int start = FirstEntryStart;
    for (int hash = text.indexOf(QLatin1Char('#'), 1); hash >= 0; hash = text.indexOf(QLatin1Char('#'), hash + 1)) {
        // A "#" inside the three positions after the previous one (a path ending in "#", or
        // a damaged head) has no entry before it; it still moves the next entry's start.
        if (hash >= start) {
            if (maxEntries > 0 && result.size() >= maxEntries)
                break;
            result << text.mid(start, hash - start);
        }
        start = hash + SeparatorLength;
    }
    return result;
}

int listLength(const QString &storedValue)
{
    const QString value = storedValue.trimmed();
    // "1" is what a missing key reads as; the preferences dialog shows it as 30 as well.
    if (value == QLatin1String("1"))
        return DefaultListLength;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < 0)
        return DefaultListLength;
    return int(qMin<qlonglong>(number, INT_MAX));
}

} // namespace HistoryFile
