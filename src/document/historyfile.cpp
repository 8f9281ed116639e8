#include "historyfile.h"


namespace HistoryFile {

namespace {
const QString LineEnd = QStringLiteral("\r\n");
constexpr int FirstEntryStart = 3; // past the head "#" CR LF
constexpr int SeparatorLength = 3; // "#" CR LF
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

} // namespace HistoryFile
