#include "tiplist.h"

#include "document/textfilecodec.h"

#include <QFile>

TipList::TipList(Random random) : m_random(std::move(random)) {}

QStringList TipList::splitLines(const QString &text)
{
    QStringList lines;
    int start = 0;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        if (text[i] != QLatin1Char('\r'))
            continue;
        lines << text.mid(start, i - start);
        if (i + 1 < n && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    // The text after the last line end is a last line when there is any.
    if (start < n)
        lines << text.mid(start);
    return lines;
}

bool TipList::load(const QString &path)
{
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    m_tips = splitLines(TextFileCodec::decodeCharacters(file.readAll()));
    pick();
    return true;
}

void TipList::pick()
{
    if (m_tips.isEmpty())
        return;
    m_current = int(m_random() * m_tips.size()) + 1;
}

QString TipList::currentTip() const
{
    return m_current > 0 ? m_tips.value(m_current - 1) : QString();
}

QString TipList::missingFileMessage()
{
    return QStringLiteral("That the ") + QStringLiteral("TIPOFDAY.TXT") + QStringLiteral(" file was not found? ")
        + QStringLiteral("\r\n") + QStringLiteral("\r\n") + QStringLiteral("Create a text file named ")
        + QStringLiteral("TIPOFDAY.TXT") + QStringLiteral(" using NotePad with 1 tip per line. ")
        + QStringLiteral("Then place it in the same directory as the application. ");
}
