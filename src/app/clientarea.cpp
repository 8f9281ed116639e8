#include "clientarea.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>

ClientArea::ClientArea(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ClientArea::paintEvent(QPaintEvent *)
{
    // Two grey lines at the top edge and a white one at 480 twips frame the toolbar strip.
    QPainter painter(this);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(0, 0, width(), 0);
    painter.setPen(QColor(160, 160, 160));
    painter.drawLine(0, 1, width(), 1);
    painter.setPen(Qt::white);
    const int y = twipsToPixelsY(this, 480);
    painter.drawLine(0, y, width(), y);
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

void ClientArea::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    // Moves over a toolbar image that it did not take reach here too; they are not ours.
    if (!childAt(event->position().toPoint()))
        emit mouseMovedOnSurface();
}
