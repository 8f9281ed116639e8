#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// Window measures are given in twips (1440 to the inch). These convert them to pixels of
// the widget's screen and back, through its logical DPI; a null widget uses the primary
// screen.
int twipsToPixelsX(const QWidget *widget, double twips);
int twipsToPixelsY(const QWidget *widget, double twips);
double pixelsToTwipsX(const QWidget *widget, int pixels);
double pixelsToTwipsY(const QWidget *widget, int pixels);

QSize twipsToPixels(const QWidget *widget, double width, double height);
QPoint twipsToPixelPoint(const QWidget *widget, double x, double y);
