#include "runfile.h"

#include "document/textfilecodec.h"
#include "platform/commandline.h"

#include <QSaveFile>

namespace runfile {

QByteArray tempFileBytes(const QByteArray &utf8Text)
{
    const TextFileFormat lfUtf8{TextFileFormat::Encoding::Utf8, TextFileFormat::LineEnds::Lf};
    if (utf8Text.isEmpty())
        return QByteArrayLiteral("\n");
    return TextFileCodec::encode(TextFileCodec::withFinalLineEnd(utf8Text), lfUtf8).bytes;
}

bool writeTempFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // A run may be started while the previous script still reads the file; writing in place
    // would be what it sees next.
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString companionName(Companion companion)
{
    switch (companion) {
    case Companion::Run:
        return QStringLiteral("run.bat");
    case Companion::Debug:
        return QStringLiteral("debug.bat");
    case Companion::Syntax:
        break;
    }
    return QStringLiteral("syntax.bat");
}

QString companionCommandLine(Companion companion)
{
    return companionName(companion) + QLatin1Char(' ') + TempFileName;
}

QString switchedSwitches(const Switches &switches)
{
    QString text = switches.other;
    if (switches.warnings)
        text.prepend(QStringLiteral("-w "));
    if (switches.taint)
        text.prepend(QStringLiteral("-T "));
    if (switches.unsafe)
        text.prepend(QStringLiteral("-U "));
    return text;
}

QString switchedCommandLine(const Switches &switches)
{
    return QStringLiteral("run.bat ") + switchedSwitches(switches) + QLatin1Char(' ') + TempFileName;
}

QString compileCommandLine(const QString &scriptPath)
{
    return QStringLiteral("perl2exe.exe ") + (scriptPath.isEmpty() ? QString() : quoteArgument(scriptPath));
}

} // namespace runfile
