#pragma once

#include "editing/colourtable.h"
#include "preferencesstate.h"
#include "settings.h"

#include <optional>

class Clipboard;
class Launcher;
class LockKeys;
class Prompts;

// The desktop services the editor uses, handed in by main() or by a test.
struct Services {
    SettingsStore &store;
    Launcher &launcher;
    Prompts &prompts;
    Clipboard &clipboard;
    LockKeys &lockKeys;
    QString programFolder;
};

// The editor's program-wide state beside its windows: the services, the settings, the
// colour word table and the preferences state (created from the store when first needed,
// discarded when the preferences dialog closes).
class EditorContext {
public:
    explicit EditorContext(const Services &services) : services(services), settings(services.store) {}

    PreferencesState &preferences()
    {
        if (!m_preferences)
            m_preferences = PreferencesState::fromStore(settings);
        return *m_preferences;
    }
    void discardPreferences() { m_preferences.reset(); }

    Services services;
    Settings settings;
    ColourTable colours;

private:
    std::optional<PreferencesState> m_preferences;
};
