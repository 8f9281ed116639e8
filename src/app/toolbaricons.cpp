#include "toolbaricons.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
QIcon drawnBadge(const QString &label)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath badge;
    badge.addRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    painter.fillPath(badge, QColor(0x3b, 0x6e, 0xa8));
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.drawText(QRectF(2, 2, 28, 28), Qt::AlignCenter, label);
    return QIcon(pixmap);
}
} // namespace

QIcon toolbarIcon(const QString &themeName, const QString &fallbackLabel)
{
    const QIcon themed = QIcon::fromTheme(themeName);
    return themed.isNull() ? drawnBadge(fallbackLabel) : themed;
}

void chooseFallbackIconTheme()
{
    // Searched in order of preference; the first installed one backs up the desktop's theme.
    static const char *const candidates[] = {"breeze", "oxygen", "Tango", "Adwaita"};
    for (const char *candidate : candidates) {
        for (const QString &base : QIcon::themeSearchPaths()) {
            if (QFileInfo::exists(base + QLatin1Char('/') + QLatin1String(candidate) + QLatin1String("/index.theme"))) {
                QIcon::setFallbackThemeName(QLatin1String(candidate));
                if (QIcon::themeName().isEmpty() || QIcon::themeName() == QLatin1String("hicolor"))
                    QIcon::setThemeName(QLatin1String(candidate));
                return;
            }
        }
    }
}
