#pragma once

#include "leaveoncedialog.h"

#include <array>
#include <vector>

class Launcher;
class Prompts;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class Settings;
struct PreferencesState;

// "Preferences" (frmPrefs): edits the preferences state live; "Save" writes it to the store.
// Modeless; the window deletes itself when it closes (Qt::WA_DeleteOnClose), the state it
// edits belongs to the caller.
class PreferencesDialog : public LeaveOnceDialog {
    Q_OBJECT
public:
    PreferencesDialog(PreferencesState &state, const Settings &settings, Prompts &prompts, Launcher &launcher,
                      const QString &programFolder, QWidget *parent = nullptr);

signals:
    // After "Save" has written the store; the state is to be discarded afterwards.
    void saved();
    // After "Cancel" (or Esc, or the close box); the state is to be discarded.
    void cancelled();
    // "Define Colors".
    void defineColoursRequested();

protected:
    void leaving(int result) override;

private:
    QWidget *startupTab();
    QWidget *editorTab();
    QWidget *shortcutTab();
    QWidget *launchTab();
    QCheckBox *stateBox(QWidget *parent, const char *name, const QString &caption, bool PreferencesState::*member);
    QLineEdit *stateLine(QWidget *parent, const char *name, QString *field);

    void showState();
    void useColorClicked(bool on);
    void save();
    void associate();
    void browse(int index);

    PreferencesState &m_state;
    const Settings &m_settings;
    Prompts &m_prompts;
    Launcher &m_launcher;
    QString m_programFolder;

    struct BoundBox {
        QCheckBox *box;
        bool PreferencesState::*member;
    };
    struct BoundLine {
        QLineEdit *line;
        QString *field;
    };
    std::vector<BoundBox> m_boxes;
    std::vector<BoundLine> m_lines;
    QCheckBox *m_useColor = nullptr;
    QCheckBox *m_clrCode = nullptr;
    QCheckBox *m_clrEdit = nullptr;
    QPushButton *m_defColors = nullptr;
    QComboBox *m_defFont = nullptr;
    std::array<QLineEdit *, 5> m_launchBoxes{};

    bool m_showingState = false;
};
