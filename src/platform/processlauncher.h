#pragma once

#include "launcher.h"
#include "programmap.h"

// Starts programs for real: splits the command line, maps the program through programs.map,
// and starts the first alternative whose program (and every program it needs) exists, detached,
// in the current directory, with the options the entry names for the window state.
class ProcessLauncher : public Launcher {
public:
    ProcessLauncher(QString programFolder, ProgramMap map);
    bool start(const QString &commandLine, WindowState state) override;

private:
    QString m_programFolder;
    ProgramMap m_map;
};

// Finds a program the way a command line names it: a path (relative to the current
// directory), else a program on the PATH. Returns "" when there is none.
QString resolveProgram(const QString &program);
