#include "scriptpaths.h"

QString folderOfPath(const QString &path)
{
    if (path == QLatin1String("/") || (path.size() >= 4 && path[3] == QLatin1Char('*')))
        return QStringLiteral("/");
    const int lastSlash = path.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0)
        return QStringLiteral("NO PATH");
    if (lastSlash == path.size() - 1)
        return QStringLiteral("/");
    return path.left(lastSlash);
}

QList<Prompts::FileFilter> scriptFilters()
{
    return {
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
        {QStringLiteral("Text Files (*.txt)"), QStringLiteral("*.txt")},
        {QStringLiteral("Perl Scripts (*.pl)"), QStringLiteral("*.pl")},
        {QStringLiteral("CGI Scripts (*.cgi)"), QStringLiteral("*.cgi")},
        {QStringLiteral("Perl Scripts (*.cgi;*.pl;*.lib)"), QStringLiteral("*.pl;*.cgi;*lib")},
        {QStringLiteral("Library Files (*.lib)"), QStringLiteral("*.lib")},
        {QStringLiteral("PHP Files (*.php*)"), QStringLiteral("*.php*")},
    };
}

QList<Prompts::FileFilter> shortScriptFilters()
{
    return {
        {QStringLiteral("All Files (*.*)"), QStringLiteral("*.*")},
        {QStringLiteral("Text Files (*.txt)"), QStringLiteral("*.txt")},
        {QStringLiteral("Perl Scripts (*.pl)"), QStringLiteral("*.pl")},
        {QStringLiteral("CGI Scripts (*.cgi)"), QStringLiteral("*.cgi")},
        {QStringLiteral("Perl Scripts (*.cgi;*.pl)"), QStringLiteral("*.pl;*.cgi")},
    };
}
