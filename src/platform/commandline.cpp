#include "commandline.h"

QStringList splitCommandLine(const QString &commandLine)
{
    QStringList words;
    QString word;
    bool inWord = false;
    bool inQuotes = false;
    const int n = commandLine.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = commandLine[i];
        if (c == QLatin1Char('\\')) {
            int slashes = 0;
            while (i < n && commandLine[i] == QLatin1Char('\\')) {
                ++slashes;
                ++i;
            }
            if (i < n && commandLine[i] == QLatin1Char('"')) {
                // 2n backslashes + quote: n backslashes, the quote toggles;
                // 2n+1 backslashes + quote: n backslashes and a literal quote.
                word += QString(slashes / 2, QLatin1Char('\\'));
                if (slashes % 2)
                    word += QLatin1Char('"');
                else
                    inQuotes = !inQuotes;
            } else {
                word += QString(slashes, QLatin1Char('\\'));
                --i;
            }
            inWord = true;
        } else if (c == QLatin1Char('"')) {
            inQuotes = !inQuotes;
            inWord = true;
        } else if (!inQuotes && (c == QLatin1Char(' ') || c == QLatin1Char('\t'))) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

QString quoteArgument(const QString &argument)
{
    if (!argument.isEmpty() && !argument.contains(QLatin1Char(' ')) && !argument.contains(QLatin1Char('\t'))
        && !argument.contains(QLatin1Char('"')))
        return argument;
    QString quoted = QStringLiteral("\"");
    int slashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++slashes;
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted += QString(slashes * 2 + 1, QLatin1Char('\\'));
            quoted += c;
        } else {
            quoted += QString(slashes, QLatin1Char('\\'));
            quoted += c;
        }
        slashes = 0;
    }
    quoted += QString(slashes * 2, QLatin1Char('\\'));
    quoted += QLatin1Char('"');
    return quoted;
}
