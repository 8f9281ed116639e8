#pragma once

#include <QString>
#include <QStringList>

// The text of the history file flist.dat, without the file I/O. The file is a head line
// "#" CR LF, one line "path#" CR LF per entry (newest first) and a tail of empty lines.
namespace HistoryFile {

// The file's new text when entry is pushed to its front: the first three characters (the
// head line; fewer when the text is shorter) become "#" CR LF entry "#" CR LF, and one CR LF
// is appended, so the tail grows by one empty line per push.
QString pushed(const QString &text, const QString &entry);

// The entries of the text, newest first, at most maxEntries of them (0: no limit). The head's
// "#" is skipped; the first entry starts at position 3, each "#" ends the current entry and
// the next one starts three positions after it (past "#" CR LF). Entries are taken as they
// are, placeholders and duplicates included; text after the last "#" is ignored.
QStringList entries(const QString &text, int maxEntries);

} // namespace HistoryFile
