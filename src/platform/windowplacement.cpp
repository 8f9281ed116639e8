#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// Watches for the window's first show event, centres it, and goes away.
class FirstShowCentring : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Show)
            return false;
        auto *window = static_cast<QWidget *>(watched);
        QRect area;
        if (const QWidget *owner = window->parentWidget())
            area = owner->window()->frameGeometry();
        else if (const QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->geometry();
        if (area.isValid())
            window->move(area.center()
                         - QPoint(window->frameGeometry().width() / 2, window->frameGeometry().height() / 2));
        window->removeEventFilter(this);
        deleteLater();
        return false;
    }
};
} // namespace

void centreWhenFirstShown(QWidget *window)
{
    window->installEventFilter(new FirstShowCentring(window));
}
