#pragma once

#include "leaveoncedialog.h"

class QWidget;

// The welcome window ("startup"): title, version text, disclaimer and "OK".
// The window deletes itself when it closes (Qt::WA_DeleteOnClose).
class WelcomeWindow : public LeaveOnceDialog {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget *parent = nullptr);

    // "Version <major>.<minor>.<revision>" of the running program.
    static QString versionText();

signals:
    // "OK", a click on the picture, the title, "Korvane Works Presents:", "Disclaimer" or the
    // web address, Esc, or the title-bar close box. Emitted once; the window closes itself
    // right after.
    void acknowledged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void leaving(int result) override;

private:
    void makeClickable(QWidget *widget);
};
