#include "commandlineswitch.h"

StartSwitch classifyArguments(const QString &argumentText)
{
    if (argumentText.isEmpty())
        return StartSwitch::None;
    const QString upper = argumentText.toUpper();
    if (upper == QLatin1String("/DRAXIL"))
        return StartSwitch::Draxil;
    if (upper == QLatin1String("/PROJMGR"))
        return StartSwitch::ProjMgr;
    if (upper == QLatin1String("/FIX"))
        return StartSwitch::Fix;
    return StartSwitch::Script;
}
