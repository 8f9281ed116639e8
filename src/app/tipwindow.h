#pragma once

#include "leaveoncedialog.h"

class QCheckBox;
class QLabel;
class Settings;
class TipList;

// "Tip of the Day" (frmTip): one random tip from TIPOFDAY.TXT before the editor comes up.
// Creating it ticks "Show Tips at Startup" (writing "1" at once) and loads the tips.
// The window deletes itself when it closes (Qt::WA_DeleteOnClose); the TipList must outlive it.
class TipWindow : public LeaveOnceDialog {
    Q_OBJECT
public:
    TipWindow(const Settings &settings, TipList &tips, const QString &tipFilePath, QWidget *parent = nullptr);

    // The tip as the label shows it: CR LF and lone CRs become line breaks.
    static QString displayText(const QString &tip);

signals:
    // "OK", Enter, Esc or the title-bar close box: the start-up goes on. Emitted once.
    void finished();

protected:
    void leaving(int result) override;

private:
    void showCurrentTip();
    void nextTip();

    const Settings &m_settings;
    TipList &m_tips;
    QLabel *m_tipText = nullptr;
    QCheckBox *m_showAtStartup = nullptr;
};
