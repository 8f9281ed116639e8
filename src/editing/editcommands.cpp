#include "editcommands.h"

#include "document/richtextcontrol.h"
#include "platform/clipboard.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolButton>

namespace {
constexpr int SmallestFontSize = 8;
const QString FontSizeItem = QStringLiteral("mnuFontSizesItem(%1)");
} // namespace

EditCommands::EditCommands(QWidget *window, RichTextControl &text, Clipboard &clipboard)
    : QObject(window), m_window(window), m_text(text), m_clipboard(clipboard)
{
    m_fontSizesMenu = m_window->findChild<QMenu *>(QStringLiteral("mnuSettingsItem(1)"));

    const std::pair<const char *, const char *> fonts[] = {
        {"mnuFontStyle(0)", "Arial"}, {"mnuTimesNew", "Times New Roman"}, {"mnuCourier", "Courier New"}};
    for (const auto &[name, family] : fonts) {
        if (QAction *item = action(QString::fromLatin1(name)))
            connect(item, &QAction::triggered, this, [this, family = QString::fromLatin1(family)] { setFontName(family); });
    }
    for (int k = 0; k < FontSizeCount; ++k) {
        if (QAction *item = action(FontSizeItem.arg(k)))
            connect(item, &QAction::triggered, this, [this, k] { chooseFontSize(k); });
    }
    if (QAction *item = action(QStringLiteral("mnuWrapOn")))
        connect(item, &QAction::triggered, this, [this] { setWrap(true); });
    if (QAction *item = action(QStringLiteral("mnuWrapOff")))
        connect(item, &QAction::triggered, this, [this] { setWrap(false); });

    connectAction(QStringLiteral("mnuUndo"), &EditCommands::undo);
    connectAction(QStringLiteral("mnuEditItem(0)"), &EditCommands::cut);
    connectAction(QStringLiteral("mnuEditItem(1)"), &EditCommands::copy);
    connectAction(QStringLiteral("mnuEditItem(2)"), &EditCommands::paste);
    connectAction(QStringLiteral("mnuSelectAll"), &EditCommands::selectAll);
    // The toolbar images call the commands directly: they are not subject to the menu's enabling.
    connectButton(QStringLiteral("Image15"), &EditCommands::cut);
    connectButton(QStringLiteral("Image16"), &EditCommands::copy);
    connectButton(QStringLiteral("Image17"), &EditCommands::paste);

    if (QMenu *edit = m_window->findChild<QMenu *>(QStringLiteral("mnuEdit")))
        connect(edit, &QMenu::aboutToShow, this, &EditCommands::updateEditMenu);
}

QAction *EditCommands::action(const QString &name) const
{
    return m_window->findChild<QAction *>(name);
}

void EditCommands::connectAction(const QString &name, void (EditCommands::*command)())
{
    if (QAction *item = action(name))
        connect(item, &QAction::triggered, this, command);
}

void EditCommands::connectButton(const QString &name, void (EditCommands::*command)())
{
    if (auto *button = m_window->findChild<QToolButton *>(name))
        connect(button, &QToolButton::clicked, this, command);
}

void EditCommands::undo()
{
    QWidget *focus = m_window->focusWidget();
    if (!focus || focus == &m_text || m_text.isAncestorOf(focus))
        m_text.undo();
    else if (auto *line = qobject_cast<QLineEdit *>(focus))
        line->undo();
    else if (auto *rich = qobject_cast<QTextEdit *>(focus))
        rich->undo();
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(focus))
        plain->undo();
    else
        QApplication::beep();
}

void EditCommands::cut()
{
    copy();
    m_text.setSelText(QString());
}

void EditCommands::copy()
{
    m_clipboard.clear();
    const QString selected = m_text.selText();
    if (!selected.isEmpty())
        m_clipboard.setText(selected);
}

void EditCommands::paste()
{
    m_text.setSelText(m_clipboard.text());
}

void EditCommands::selectAll()
{
    m_text.setSelStart(0);
    m_text.setSelLength(int(m_text.text().length()));
}

void EditCommands::chooseFontSize(int k)
{
    if (k < 0 || k >= FontSizeCount)
        return;
    QFont font = m_text.baseFont();
    font.setPointSize(SmallestFontSize + k);
    m_text.setBaseFont(font);

    QString caption = QString::number(SmallestFontSize + k);
    for (int i = 0; i < FontSizeCount; ++i) {
        if (QAction *item = action(FontSizeItem.arg(i))) {
            item->setChecked(i == k);
            if (i == k)
                caption = item->text();
        }
    }
    if (m_fontSizesMenu)
        m_fontSizesMenu->setTitle(m_fontSizesMenu->title().left(10) + QLatin1Char(' ') + caption);
    setWrap(false);
}

void EditCommands::setFontName(const QString &family)
{
    QFont font = m_text.baseFont();
    font.setFamily(family);
    m_text.setBaseFont(font);
}

void EditCommands::setWrap(bool on)
{
    m_text.setRightMargin(on ? 0 : NoWrapMargin);
}

void EditCommands::updateEditMenu()
{
    const bool selected = m_text.selLength() > 0;
    setEnabled(QStringLiteral("mnuEditItem(0)"), selected);
    setEnabled(QStringLiteral("mnuEditItem(1)"), selected);
    setEnabled(QStringLiteral("mnuUndo"), true);
    setEnabled(QStringLiteral("mnuEditItem(2)"), true);
    setEnabled(QStringLiteral("mnuSelectAll"), true);
}

void EditCommands::setEnabled(const QString &name, bool enabled)
{
    if (QAction *item = action(name))
        item->setEnabled(enabled);
}
