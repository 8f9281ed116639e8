#include "workingwindow.h"

#include <QGuiApplication>
#include <QScreen>

namespace {
constexpr int CaptionMargin = 120; // room beside the caption for the title bar's own decoration
}

WorkingWindow::WorkingWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("Working"));
    setCursor(Qt::WaitCursor);
}

void WorkingWindow::showMessage(const QString &caption)
{
    setWindowTitle(caption);
    // Only the title bar shows; a window system refuses a client area of no height, so one pixel.
    setFixedSize(fontMetrics().horizontalAdvance(caption) + CaptionMargin, 1);
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    show();
}
