#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The user-editable table (programs.map) that says how a program named in a command line
// is started on this desktop. Lines are "name = command [|| fallback ...]"; '#' starts a comment.
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

// Expands one alternative: %D becomes the program folder and the word %* the given arguments,
// each one word. Returns the resulting words.
QStringList expandAlternative(const QString &alternative, const QString &programFolder,
                              const QStringList &arguments);
