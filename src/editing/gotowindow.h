#pragma once

#include <QDialog>

class QLineEdit;

// The frmGoto window: asks for a line number. "Goto Line" reports the typed text; "Cancel"
// (and Escape) only hides the window, which keeps the number for its next showing.
class GotoWindow : public QDialog {
    Q_OBJECT
public:
    explicit GotoWindow(QWidget *parent = nullptr);

    QString typedNumber() const;

signals:
    void goToClicked();

private:
    QLineEdit *m_lineToGo;
};
