#pragma once

#include <QWidget>

// The main window's client area: the surface the toolbar strip, the text control and the
// status bar sit on. It draws the strip's frame lines and reports resizes and mouse moves.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent = nullptr);

signals:
    void resized();
    void mouseMovedOnSurface();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
};
