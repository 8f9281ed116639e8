#pragma once

#include <QWidget>

// The "Working" window: a caption-only tool window shown, centred on the screen and not modal,
// while a long operation blocks the event loop. Its caption carries the message.
class WorkingWindow : public QWidget {
    Q_OBJECT
public:
    explicit WorkingWindow(QWidget *parent = nullptr);

    void showMessage(const QString &caption);
};
