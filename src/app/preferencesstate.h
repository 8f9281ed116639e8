#pragma once

#include <QString>

#include <array>

class Settings;

// The in-memory preferences: what the preferences dialog edits, and what the typing aids,
// the phrase keys, the launch keys and start-up read at the moment of use.
struct PreferencesState {
    // "Startup" tab
    bool startupDialog = true;        // ShowDialog
    bool loadTipsAtStartup = true;    // chkLoadTipsAtStartup
    bool fileToolbox = true;          // chkfiltool
    bool enhancedClipboard = true;    // EnClip
    bool showToolbar = true;          // ShowToolbar
    bool programToolbox = true;       // chkprotool
    QString recentFiles = QStringLiteral("30"); // Rfiles, as typed
    int startupFontIndex = 1;         // DefFont, 0..7 for 8..15 points

    // "Editor" tab
    bool useColor = true;             // UseColor
    bool colourDuringEdit = true;     // clrEdit
    bool autoTab = true;              // autotab
    bool backspaceEscapes = true;     // chkbkspc
    bool dontColourOnOpen = true;     // ClrCode

    // "Shortcut Keys" and "Launch" tabs
    std::array<QString, 5> phrases;   // sc1..sc5
    std::array<QString, 5> launches;  // lch1..lch5

    static PreferencesState fromStore(const Settings &settings);

    // UseColor clicked: unticking forces ClrCode on and clrEdit off; ticking keeps both.
    void setUseColor(bool on);
    // The colour options (ClrCode, clrEdit, "Define Colors") are enabled only with UseColor.
    bool colourOptionsEnabled() const { return useColor; }

    // "Save": empty or "1" phrase and launch boxes become "User Defined Key", then every
    // key is written in the dialog's order.
    void save(const Settings &settings);
};
