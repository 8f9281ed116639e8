#pragma once

#include "windowstate.h"

#include <QHash>
#include <QString>
#include <QStringList>

// The user-editable table (programs.map) that says how a program named in a command line
// is started on this desktop. Lines are "name = command [|| fallback ...]"; '#' starts a comment.
// Besides %D and %*, a command may hold the words %MAX(option) and %MIN(option), which become
// the option when the window is to be maximised or minimised and vanish otherwise, and
// %NEED(program), which vanishes but makes the alternative count only when that program exists.
class ProgramMap {
public:
    static ProgramMap parse(const QString &text);
    static ProgramMap load(const QString &path);

    // The command alternatives for a program name ("x.exe" and "x" are the same name), or
    // an empty list when the name is not mapped.
    QStringList alternatives(const QString &program) const;

private:
    QHash<QString, QStringList> m_entries;
};

struct ExpandedCommand {
    QStringList words; // the program, then its arguments
    QStringList needs; // programs named by %NEED(...)
};

// Expands one alternative: %D becomes the program folder, the word %* the given arguments (each
// one word), the window-state words their option or nothing, %NEED words move to needs.
ExpandedCommand expandCommand(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments, WindowState state);
// The words of expandCommand for a normal window.
QStringList expandAlternative(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments);
