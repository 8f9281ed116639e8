#include "editorlayout.h"

namespace editorlayout {

QRectF startupWithToolbar(QSizeF client)
{
    return {0, ToolbarTop, client.width(), client.height() - ToolbarTop};
}

QRectF toolbarShown(QSizeF client)
{
    return {0, ToolbarTop, client.width(), client.height() - 875};
}

QRectF toolbarHidden(QSizeF client)
{
    return {0, 0, client.width(), client.height() - 300};
}

QRectF resized(QRectF current, QSizeF client, bool toolbarOn)
{
    QRectF result = current;
    result.setWidth(client.width());
    if (!toolbarOn)
        result.setHeight(client.height() - 300);
    else if (client.height() > 900)
        result.setHeight(client.height() - 875);
    return result;
}

} // namespace editorlayout
