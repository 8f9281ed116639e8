#pragma once

#include <QString>
#include <QStringList>

// Splits a command line the Windows way: blanks separate words, double quotes group,
// backslashes are literal except before a double quote.
QStringList splitCommandLine(const QString &commandLine);

// Quotes one argument so that splitCommandLine gives it back unchanged.
QString quoteArgument(const QString &argument);
