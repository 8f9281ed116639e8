#pragma once

#include "runfile.h"
#include "runswitchesdialog.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class Launcher;
class Prompts;
class QWidget;
class RichTextControl;

// The commands that hand the script to perl and to outside programs: run, debug and check
// syntax (whole script, selected text, to cursor) through VMR.TMP and the companion scripts,
// the run-switches dialog, Compile to EXE and the Tools > Launch items. It connects the main
// window's menu items, right-button menu items and toolbar images by object name; the public
// methods serve the other entry points (the program palette).
class RunCommands : public QObject {
    Q_OBJECT
public:
    // What the commands need of the editor beyond the text control.
    struct Hooks {
        std::function<QString()> currentFile;              // the script's path ("" or "Untitled" too)
        std::function<void(const QString &)> saveScript;   // the plain save, with its own message
        std::function<void(const QString &)> setHint;      // the hint line
    };

    RunCommands(QWidget *window, RichTextControl &text, Launcher &launcher, Prompts &prompts, Hooks hooks);

    void run(runfile::Scope scope);
    void debug(runfile::Scope scope);
    void checkSyntax(runfile::Scope scope);
    // Writes the scope, then shows PopRuns without waiting; the dialog starts the run.
    void runWithSwitches(runfile::Scope scope);

    // Program > Compile to EXE: plain save under the current name, then the compiler on it.
    void compile();
    // Starts a Tools > Launch command line in a normal window.
    void launch(const QString &commandLine);

    // The switches dialog while it is open.
    RunSwitchesDialog *switchesDialog() const { return m_switches; }

private:
    void companion(runfile::Companion companion, runfile::Scope scope);
    // Writes the scope to VMR.TMP; for "to cursor" the text before the caret is left selected
    // and the caret's position returned, to be restored once the command has started.
    int writeScope(runfile::Scope scope);
    void restoreCaret(runfile::Scope scope, int caret);
    // Starts a companion command line maximised; says so when no terminal could start it.
    void startCompanion(const QString &name, const QString &commandLine);
    void connectEntries(QWidget *window);

    QWidget *m_window;
    RichTextControl &m_text;
    Launcher &m_launcher;
    Prompts &m_prompts;
    Hooks m_hooks;
    QPointer<RunSwitchesDialog> m_switches;
};
