#pragma once

#include <QDialog>

class QWidget;

// The welcome window ("startup"): title, version text, disclaimer and "OK".
// The window deletes itself when it closes (Qt::WA_DeleteOnClose).
class WelcomeWindow : public QDialog {
    Q_OBJECT
public:
    explicit WelcomeWindow(QWidget *parent = nullptr);

    // "Version <major>.<minor>.<revision>" of the running program.
    static QString versionText();

    void done(int result) override;

signals:
    // "OK", a click on the picture, the title, "Korvane Works Presents:", "Disclaimer" or the
    // web address, Esc, or the title-bar close box. Emitted once; the window closes itself
    // right after.
    void acknowledged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void makeClickable(QWidget *widget);
    void acknowledgeOnce();

    bool m_acknowledged = false;
};
