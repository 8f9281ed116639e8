#include "programmap.h"

#include "commandline.h"

#include <QFile>

#include <optional>

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

namespace {
// The option inside "%NAME(option)", or nothing when the word is not of that form.
std::optional<QString> wrapped(const QString &word, QLatin1String name)
{
    if (word.size() < name.size() + 3 || !word.startsWith(QLatin1Char('%')) || !word.endsWith(QLatin1Char(')'))
        || word.mid(1, name.size()) != name || word.at(name.size() + 1) != QLatin1Char('('))
        return std::nullopt;
    return word.mid(name.size() + 2, word.size() - name.size() - 3);
}
} // namespace

ExpandedCommand expandCommand(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments, WindowState state)
{
    const bool maximised = state == WindowState::MaximizedFocus;
    const bool minimised = state == WindowState::MinimizedFocus || state == WindowState::MinimizedNoFocus;
    // Substituting word by word keeps a program folder or an argument with blanks one word.
    ExpandedCommand command;
    const auto expanded = [&programFolder](QString word) { return word.replace(QLatin1String("%D"), programFolder); };
    for (const QString &word : splitCommandLine(alternative)) {
        if (word == QLatin1String("%*")) {
            command.words << arguments;
        } else if (const auto option = wrapped(word, QLatin1String("MAX"))) {
            if (maximised && !option->isEmpty())
                command.words << expanded(*option);
        } else if (const auto option = wrapped(word, QLatin1String("MIN"))) {
            if (minimised && !option->isEmpty())
                command.words << expanded(*option);
        } else if (const auto program = wrapped(word, QLatin1String("NEED"))) {
            command.needs << expanded(*program);
        } else {
            command.words << expanded(word);
        }
    }
    return command;
}

QStringList expandAlternative(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments)
{
    return expandCommand(alternative, programFolder, arguments, WindowState::NormalFocus).words;
}
