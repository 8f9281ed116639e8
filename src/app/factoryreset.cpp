#include "factoryreset.h"

#include "editing/colourtable.h"
#include "preferencesstate.h"
#include "settings.h"

void factoryReset(const Settings &settings, PreferencesState &preferences, ColourTable &colours,
                  const QString &programFolder)
{
    preferences.fileToolbox = false;
    preferences.programToolbox = false;
    preferences.enhancedClipboard = false;

    settings.write(keys::FirstRun, QStringLiteral("0"));
    settings.write(keys::EnhancedClipboard, QStringLiteral("0"));
    settings.write(keys::InitDir, programFolder + QLatin1Char('/'));

    colours = ColourTable::factory();

    settings.writeFlag(keys::ShowProgramToolbox, preferences.programToolbox);
    settings.writeFlag(keys::ShowFileToolbox, preferences.fileToolbox);

    colours.save(settings);
}
