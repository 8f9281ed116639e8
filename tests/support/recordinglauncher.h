#pragma once

#include "platform/launcher.h"

#include <QList>

// Records each command line and window state; answers with a settable result.
class RecordingLauncher : public Launcher {
public:
    struct Start {
        QString commandLine;
        WindowState state;
    };
    QList<Start> starts;
    bool succeed = true;

    bool start(const QString &commandLine, WindowState state) override
    {
        starts << Start{commandLine, state};
        return succeed;
    }
};
