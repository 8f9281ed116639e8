#pragma once

#include <QByteArray>
#include <QString>

// The temporary script file VMR.TMP and the command lines that hand it, or the saved script,
// to the companion scripts and the compiler. Pure logic: no widgets, no processes.
namespace runfile {

// Written in the current directory, where the companion scripts find it too.
inline const QString TempFileName = QStringLiteral("VMR.TMP");

enum class Scope { WholeScript, SelectedText, ToCursor };
enum class Companion { Run, Debug, Syntax };

// The bytes of VMR.TMP for a text with CR LF line ends: UTF-8 with LF line ends (perl reads a
// CR before a here-document terminator as part of the text), plus one final LF unless the text
// already ends with a line end. An empty text gives a file holding just the line end.
QByteArray tempFileBytes(const QByteArray &utf8Text);

// Replaces the file whole. The file is renamed into place, so a script still reading the
// previous one is not cut short. False when it cannot be written.
bool writeTempFile(const QString &path, const QByteArray &bytes);

// "run.bat VMR.TMP", "debug.bat VMR.TMP", "syntax.bat VMR.TMP".
QString companionName(Companion companion);
QString companionCommandLine(Companion companion);

// The switched run: "run.bat " + S + " " + "VMR.TMP", where S is the typed text with "-w ",
// "-T " and "-U " put in front of it, in this order, for the ticked boxes.
struct Switches {
    bool unsafe = false; // -U
    bool taint = false;  // -T
    bool warnings = false; // -w
    QString other;
};
QString switchedSwitches(const Switches &switches);
QString switchedCommandLine(const Switches &switches);

// "perl2exe.exe " + the script's path, quoted when it holds blanks or quotes so that it
// arrives as one argument; nothing after the blank when there is no path.
QString compileCommandLine(const QString &scriptPath);

} // namespace runfile
