#include "preferencesstate.h"

#include "settings.h"

PreferencesState PreferencesState::fromStore(const Settings &settings)
{
    PreferencesState state;
    state.useColor = settings.isOn(keys::UseColorFeatures);
    state.loadTipsAtStartup = settings.isOn(keys::ShowTipsAtStartup);
    state.showToolbar = settings.isOn(keys::ShowToolbarAtStartup);
    state.startupDialog = settings.isOn(keys::StartupDialog);
    state.startupFontIndex = settings.startupFontIndex();
    state.enhancedClipboard = settings.isOn(keys::EnhancedClipboard);
    state.programToolbox = settings.isOn(keys::ShowProgramToolbox);
    state.fileToolbox = settings.isOn(keys::ShowFileToolbox);
    state.backspaceEscapes = settings.isOn(keys::AtEscape);
    state.autoTab = settings.isOn(keys::AutoTab);
    state.colourDuringEdit = settings.isOn(keys::ColorCodeDuringEdit);
    state.dontColourOnOpen = settings.isOn(keys::ColorCodeText);
    for (int i = 0; i < 5; ++i) {
        state.phrases[i] = settings.shortcutKey(i + 1);
        state.launches[i] = settings.launchKey(i + 1);
    }
    state.recentFiles = settings.recentFilesBox();
    return state;
}

void PreferencesState::setUseColor(bool on)
{
    useColor = on;
    if (!on) {
        dontColourOnOpen = true;
        colourDuringEdit = false;
    }
}

void PreferencesState::save(const Settings &settings)
{
    for (QString &phrase : phrases)
        phrase = Settings::orDefault(phrase, Settings::UserDefinedKey);
    for (QString &launch : launches)
        launch = Settings::orDefault(launch, Settings::UserDefinedKey);

    settings.writeFlag(keys::ShowTipsAtStartup, loadTipsAtStartup);
    settings.writeFlag(keys::ShowToolbarAtStartup, showToolbar);
    settings.write(keys::StartupFont, QString::number(startupFontIndex));
    settings.writeFlag(keys::StartupDialog, startupDialog);
    settings.writeFlag(keys::EnhancedClipboard, enhancedClipboard);
    settings.writeFlag(keys::ShowProgramToolbox, programToolbox);
    settings.writeFlag(keys::ShowFileToolbox, fileToolbox);
    const QString options = QLatin1String(keys::Options);
    for (int i = 0; i < 5; ++i)
        settings.store().write(options, keys::shortcutKeyName(i + 1), phrases[i]);
    for (int i = 0; i < 5; ++i)
        settings.store().write(options, keys::launchKeyName(i + 1), launches[i]);
    settings.writeFlag(keys::UseColorFeatures, useColor);
    settings.writeFlag(keys::ColorCodeText, dontColourOnOpen);
    settings.writeFlag(keys::ColorCodeDuringEdit, colourDuringEdit);
    settings.writeFlag(keys::AutoTab, autoTab);
    settings.writeFlag(keys::AtEscape, backspaceEscapes);
    settings.write(keys::RecentFiles, recentFiles);
}
