#pragma once

#include <QIcon>
#include <QString>

// The desktop theme's icon of that name; where the theme (and the fallback themes) have
// none, a drawn badge with the short label, so a toolbar button is never empty.
QIcon toolbarIcon(const QString &themeName, const QString &fallbackLabel);

// Picks a fallback icon theme for desktops whose own theme has no full-colour action icons.
void chooseFallbackIconTheme();
