#pragma once

#include <QDialog>

// "Save Changes" (SaveChanges): asks, without blocking the main window, whether the changed
// script is to be saved first. It is hidden, not closed, between questions.
class SaveChangesPrompt : public QDialog {
    Q_OBJECT
public:
    explicit SaveChangesPrompt(QWidget *parent = nullptr);

    // Shows it centred on the screen, or raises it when it is up already.
    void ask();

signals:
    void yes();
    void no();
    void cancel(); // "Cancel", Esc or the close box

protected:
    void reject() override;
};
