#pragma once

#include "windowstate.h"

#include <QString>

// Starts a program from a command line as an independent process and never waits for it.
class Launcher {
public:
    virtual ~Launcher() = default;
    // Returns false when the program could not be started.
    virtual bool start(const QString &commandLine, WindowState state) = 0;
};
