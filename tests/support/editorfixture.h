#pragma once

#include "app/editorcontext.h"
#include "fixedlockkeys.h"
#include "memoryclipboard.h"
#include "recordinglauncher.h"
#include "recordingstore.h"
#include "scriptedprompts.h"

#include <QTemporaryDir>

// Every service the editor needs, as test doubles over a real settings file and an empty
// program folder, and the editor context built on them.
struct EditorFixture {
    RecordingStore store;
    RecordingLauncher launcher;
    ScriptedPrompts prompts;
    MemoryClipboard clipboard;
    FixedLockKeys lockKeys;
    QTemporaryDir programFolder;
    EditorContext context{Services{store, launcher, prompts, clipboard, lockKeys, programFolder.path()}};

    // Writes the keys a later start would find, so start-up shows only the main window.
    void skipFirstRunTipsAndWelcome()
    {
        store.write("Options", "First Run", "0");
        store.write("Options", "Show Tips at Startup", "0");
        store.write("Options", "Startup Dialog", "0");
        store.writes.clear();
    }
};
