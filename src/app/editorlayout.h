#pragma once

#include <QRectF>
#include <QSizeF>

// Where the text control goes in the main window's client area, in twips. The toolbar
// strip is never hidden itself: hiding it means moving the text control over it.
namespace editorlayout {
inline constexpr double ToolbarTop = 520;

// Start-up with the toolbar shown: below the strip, client height less the strip.
QRectF startupWithToolbar(QSizeF client);
// "Show Toolbar" ticked: below the strip, 875 shorter than the client area.
QRectF toolbarShown(QSizeF client);
// Toolbar hidden: at the top, 300 shorter than the client area.
QRectF toolbarHidden(QSizeF client);
// A resize keeps the top; the width follows the client; with the toolbar shown the height
// follows only while the client is higher than 900.
QRectF resized(QRectF current, QSizeF client, bool toolbarOn);
} // namespace editorlayout
