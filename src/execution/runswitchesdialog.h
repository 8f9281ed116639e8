#pragma once

#include "runfile.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

// PopRuns: the small tool window in which the user picks perl switches for a run of the file
// already written. "Run Script" starts the switched command line and closes; "Cancel" or Esc
// only closes. Either way the dialog is discarded, so each opening starts clear.
class RunSwitchesDialog : public QDialog {
    Q_OBJECT
public:
    // start receives the command line; setHint writes the main window's hint line.
    RunSwitchesDialog(QWidget *window, std::function<void(const QString &)> start,
                      std::function<void(const QString &)> setHint);

    // "Run Script" (Command1).
    void runScript();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QCheckBox *m_unsafe;
    QCheckBox *m_taint;
    QCheckBox *m_warnings;
    QLineEdit *m_other;
    QPushButton *m_run;
    std::function<void(const QString &)> m_start;
    std::function<void(const QString &)> m_setHint;
};
