#pragma once

#include "platform/lockkeys.h"

#include <QFrame>

#include <array>

class QLabel;

// The main window's status bar (StatusBar1) with its seven panels: line, file, the four
// key indicators (CAPS, NUM, INS, SCRL) and the hint line. An indicator reads in the normal
// colour while its key is on and greyed while it is off. Panels keep their widths; those
// that do not fit a narrow window are cut off at its right edge.
class StatusPanels : public QFrame {
    Q_OBJECT
public:
    static constexpr int Count = 7;
    enum Panel { Line = 1, File, Caps, Num, Insert, Scroll, Hint };

    StatusPanels(LockKeys &lockKeys, QWidget *parent = nullptr);

    void setPanelText(Panel panel, const QString &text);
    QString panelText(Panel panel) const;
    bool indicatorOn(Panel panel) const;

    // Reads the lock keys again; overtype is the text control's own state.
    void refreshIndicators(bool overtype);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placePanels();
    QLabel *panel(Panel panel) const { return m_panels[panel - 1]; }

    LockKeys &m_lockKeys;
    std::array<QLabel *, Count> m_panels{};
};
