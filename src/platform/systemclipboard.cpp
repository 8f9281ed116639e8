#include "systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

void SystemClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

void SystemClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}
