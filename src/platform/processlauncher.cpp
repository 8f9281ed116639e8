#include "processlauncher.h"

#include "commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

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
    Q_UNUSED(state) // window states are carried by the programs.map entries of each program
    QStringList words = splitCommandLine(commandLine);
    if (words.isEmpty())
        return false;
    const QString program = words.takeFirst();

    QStringList alternatives = m_map.alternatives(program);
    if (alternatives.isEmpty())
        alternatives << quoteArgument(program) + QStringLiteral(" %*");

    for (const QString &alternative : alternatives) {
        QStringList command = expandAlternative(alternative, m_programFolder, words);
        if (command.isEmpty())
            continue;
        const QString executable = resolveProgram(command.takeFirst());
        if (executable.isEmpty())
            continue;
        if (QProcess::startDetached(executable, command, QDir::currentPath()))
            return true;
    }
    return false;
}
