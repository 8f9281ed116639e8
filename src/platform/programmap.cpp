#include "programmap.h"

#include "commandline.h"

#include <QFile>

namespace {
QString normalName(QString name)
{
    name = name.trimmed().toLower();
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);
    return name;
}
} // namespace

ProgramMap ProgramMap::parse(const QString &text)
{
    ProgramMap map;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        QStringList alternatives;
        for (const QString &alternative : line.mid(eq + 1).split(QLatin1String("||"))) {
            if (!alternative.trimmed().isEmpty())
                alternatives << alternative.trimmed();
        }
        if (!alternatives.isEmpty())
            map.m_entries.insert(normalName(line.left(eq)), alternatives);
    }
    return map;
}

ProgramMap ProgramMap::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()));
}

QStringList ProgramMap::alternatives(const QString &program) const
{
    return m_entries.value(normalName(program));
}

QStringList expandAlternative(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments)
{
    // Substituting word by word keeps a program folder or an argument with blanks one word.
    QStringList words;
    for (QString word : splitCommandLine(alternative)) {
        if (word == QLatin1String("%*")) {
            words << arguments;
            continue;
        }
        word.replace(QLatin1String("%D"), programFolder);
        words << word;
    }
    return words;
}
