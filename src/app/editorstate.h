#pragma once

#include <QString>

// The editor's state fields beside the script (their text is the state).
struct EditorState {
    QString Saved = QStringLiteral("YES");     // "YES" unchanged, "NO" changed, "OPEN" an open waits
    QString txtStart = QStringLiteral("0");    // start mark of the next colouring pass and search
    QString tabmark;                           // auto-indent tab count, one "*" per tab
    QString tabspace;                          // auto-indent space count, one "*" per space
    QString TabStat = QStringLiteral("Text1"); // "X" while tabs are counted
    QString TabGo;                             // "NO" once space counting has stopped
    QString Sta;                               // toolbar: "ON" shown, anything else hidden
    QString Batch;                             // text fetched by the update check
    QString txtURL;                            // address used by the update check
};
