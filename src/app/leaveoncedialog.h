#pragma once

#include <QDialog>

// A dialog that reports exactly once how it was left, whichever way that was: one of its
// buttons (done) or the title-bar close box.
class LeaveOnceDialog : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

    void done(int result) override;

protected:
    // Called once; result is QDialog::Accepted only when the dialog was accepted.
    virtual void leaving(int result) = 0;
    void closeEvent(QCloseEvent *event) override;

private:
    void leaveOnce(int result);

    bool m_left = false;
};
