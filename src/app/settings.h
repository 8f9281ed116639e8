#pragma once

#include "settingsstore.h"

#include <QString>

// Every key of the settings store, with its section. Code names keys only through here.
struct SettingKey {
    const char *section;
    const char *name;
};

namespace keys {
inline constexpr char Options[] = "Options";
inline constexpr char Locations[] = "Locations";
inline constexpr char SyntaxHighlighting[] = "Syntax Highlighting";

inline constexpr SettingKey AutoTab{Options, "AutoTab"};
inline constexpr SettingKey AtEscape{Options, "AT Escape"};
inline constexpr SettingKey ShowToolbarAtStartup{Options, "Show Toolbar at Startup"};
inline constexpr SettingKey StartupFont{Options, "Startup Font"};
inline constexpr SettingKey RecentFiles{Options, "Recent Files"};
inline constexpr SettingKey ShowProgramToolbox{Options, "Show Program Toolbox"};
inline constexpr SettingKey ShowFileToolbox{Options, "Show File Toolbox"};
inline constexpr SettingKey EnhancedClipboard{Options, "Enhanced Clipboard"};
inline constexpr SettingKey FirstRun{Options, "First Run"};
inline constexpr SettingKey InitDir{Options, "InitDir"};
inline constexpr SettingKey ColorCodeText{Options, "ColorCodeText"};
inline constexpr SettingKey ColorCodeDuringEdit{Options, "ColorCodeDuring Edit"};
inline constexpr SettingKey UseColorFeatures{Options, "Use Color Features"};
inline constexpr SettingKey ShowTipsAtStartup{Options, "Show Tips at Startup"};
inline constexpr SettingKey StartupDialog{Options, "Startup Dialog"};

inline constexpr SettingKey FileBoxLeft{Locations, "File Box Left"};
inline constexpr SettingKey FileBoxTop{Locations, "File Box Top"};
inline constexpr SettingKey ProgBoxLeft{Locations, "Prog Box Left"};
inline constexpr SettingKey ProgBoxTop{Locations, "Prog Box Top"};
inline constexpr SettingKey CreateWizLeft{Locations, "CreateWiz Left"};
inline constexpr SettingKey CreateWizTop{Locations, "CreateWiz Top"};

// Numbered keys, n from 1.
QString launchKeyName(int n);   // "Launch Key<n>", Options
QString shortcutKeyName(int n); // "Shortcut Key<n>", Options
QString recentName(int n);      // "Recent<n>", Options
QString wordName(int n);        // "w<n>", Syntax Highlighting
QString wordColourName(int n);  // "wc<n>", Syntax Highlighting
} // namespace keys

// Reads the store with each key's reading rule. A value that is not a number where a number
// is expected reads like a missing key, "1".
class Settings {
public:
    static inline const QString UserDefinedKey = QStringLiteral("User Defined Key");
    static inline const QString Untitled = QStringLiteral("Untitled");

    explicit Settings(SettingsStore &store) : m_store(store) {}

    SettingsStore &store() const { return m_store; }

    QString text(const SettingKey &key) const;
    void write(const SettingKey &key, const QString &value) const;
    void writeFlag(const SettingKey &key, bool on) const;

    // Rules "a number: any value but 0 means yes" and "a check-box state" (0 unticked,
    // any other number ticked) read alike.
    bool isOn(const SettingKey &key) const;
    // "First Run" equal to 1 means the first start.
    bool firstRun() const;
    // "Startup Font" as a position 0 to 7 in the font size list 8 to 15 (missing: 1).
    int startupFontIndex() const;
    // Rule "text; "" or "1" replaced by a default text".
    static QString orDefault(const QString &value, const QString &defaultText);

    QString launchKey(int n) const;   // as stored
    QString shortcutKey(int n) const; // "" or "1" read as "User Defined Key"
    QString recent(int n) const;      // "" or "1" read as "Untitled"
    QString recentFilesBox() const;   // "" or "1" read as "30"
    // How many entries the history dialog lists for a stored "Recent Files" value: a whole
    // number of 0 or more as it is (0: all), anything else 30, "1" (a missing key) included.
    static int historyLength(const QString &storedValue);
    int historyLength() const { return historyLength(text(keys::RecentFiles)); }

    // A palette position in twips; exactly 1 is replaced by the default.
    double palettePosition(const SettingKey &key, double defaultTwips) const;

    // Numbers as the rules read them: the text's value, or 1 when it is not a number.
    static double numberOr1(const QString &text);

private:
    SettingsStore &m_store;
};
