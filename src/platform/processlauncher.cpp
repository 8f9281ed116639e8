#include "processlauncher.h"

#include "commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

QString resolveProgram(const QString &program)
{
    if (program.isEmpty())
        return {};
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(QDir::current(), program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    const QFileInfo local(QDir::current(), program);
    if (local.isFile() && local.isExecutable())
        return local.absoluteFilePath();
    return QStandardPaths::findExecutable(program);
}

ProcessLauncher::ProcessLauncher(QString programFolder, ProgramMap map)
    : m_programFolder(std::move(programFolder)), m_map(std::move(map))
{
}

bool ProcessLauncher::start(const QString &commandLine, WindowState state)
{
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();

    QStringList alternatives = m_map.alternatives(program);
    if (alternatives.isEmpty())
        alternatives << quoteArgument(program) + QStringLiteral(" %*");

    for (const QString &alternative : alternatives) {
        ExpandedCommand expanded = expandCommand(alternative, m_programFolder, words, state);
        QStringList &command = expanded.words;
        if (command.isEmpty() || !std::all_of(expanded.needs.cbegin(), expanded.needs.cend(), [](const QString &need) {
                return !resolveProgram(need).isEmpty();
            }))
            continue;
        const QString executable = resolveProgram(command.takeFirst());
        if (executable.isEmpty())
            continue;
        if (QProcess::startDetached(executable, command, QDir::currentPath()))
            return true;
    }
    return false;
}
