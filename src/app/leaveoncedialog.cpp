#include "leaveoncedialog.h"

#include <QCloseEvent>

void LeaveOnceDialog::done(int result)
{
    leaveOnce(result);
    QDialog::done(result);
}

void LeaveOnceDialog::closeEvent(QCloseEvent *event)
{
    leaveOnce(QDialog::Rejected);
    QDialog::closeEvent(event);
}

void LeaveOnceDialog::leaveOnce(int result)
{
    if (m_left)
        return;
    m_left = true;
    leaving(result);
}
