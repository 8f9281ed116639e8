#include "platform/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440.0;
// What a desktop without a screen (or a test without an application) would report.
constexpr double FallbackDpi = 96.0;

double dpiX(const QWidget *widget)
{
    if (widget)
        return widget->logicalDpiX();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : FallbackDpi;
}

double dpiY(const QWidget *widget)
{
    if (widget)
        return widget->logicalDpiY();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : FallbackDpi;
}
} // namespace

int twipsToPixelsX(const QWidget *widget, double twips)
{
    return int(std::lround(twips * dpiX(widget) / TwipsPerInch));
}

int twipsToPixelsY(const QWidget *widget, double twips)
{
    return int(std::lround(twips * dpiY(widget) / TwipsPerInch));
}

double pixelsToTwipsX(const QWidget *widget, int pixels)
{
    return pixels * TwipsPerInch / dpiX(widget);
}

double pixelsToTwipsY(const QWidget *widget, int pixels)
{
    return pixels * TwipsPerInch / dpiY(widget);
}

QSize twipsToPixels(const QWidget *widget, double width, double height)
{
    return QSize(twipsToPixelsX(widget, width), twipsToPixelsY(widget, height));
}

QPoint twipsToPixelPoint(const QWidget *widget, double x, double y)
{
    return QPoint(twipsToPixelsX(widget, x), twipsToPixelsY(widget, y));
}
