#include "toolbarstrip.h"

#include "toolbaricons.h"
#include "platform/twips.h"

#include <QToolButton>

const QList<ToolbarStrip::Image> &ToolbarStrip::images()
{
    static const QList<Image> table = {
        {"Image8", 120, "Open File", "document-open", "Op"},
        {"Image9", 480, "Save", "document-save", "Sv"},
        {"Image10", 840, "New Editor", "window-new", "Nw"},
        {"Image15", 1560, "Cut", "edit-cut", "Ct"},
        {"Image16", 1920, "Copy", "edit-copy", "Cp"},
        {"Image17", 2280, "Paste", "edit-paste", "Ps"},
        {"Image13", 2640, "Clipboard", "view-list-details", "Cb"},
        {"Image14", 3000, "Search", "edit-find", "Fd"},
        {"Image1", 3720, "Scratchpad", "accessories-text-editor", "Sp"},
        {"Image19", 4080, "Code Wizard", "tools-wizard", "Wz"},
        {"Image12", 4440, "Sub Library", "accessories-dictionary", "Lb"},
        {"Image24", 4800, "Import HTML", "text-html", "Ht"},
        {"Image20", 5160, "Library Builder", "package-x-generic", "Bd"},
        {"Image25", 5520, "Highlight Sub", "format-text-code", "{}"},
        {"Image26", 5880, "Goto Line", "go-jump", "Gt"},
        {"Image4", 6600, "Check Syntax: Selected Text", "tools-check-spelling", "cs"},
        {"Image3", 6960, "Check Syntax", "tools-check-spelling", "CS"},
        {"Image7", 7320, "Debug", "debug-run", "Db"},
        {"Image27", 7680, "", "debug-step-into", "db"},
        {"Image2", 8040, "Run", "media-playback-start", "Rn"},
        {"Image6", 8400, "Run w/switches", "media-seek-forward", "Rw"},
        {"Image22", 8760, "", "media-playback-start", "rn"},
        {"Image23", 9120, "", "media-seek-forward", "rw"},
        {"Image21", 9480, "Run to cursor", "media-skip-forward", "Rc"},
        {"Image28", 9840, "Run to cursor w/switches", "go-last", "Rs"},
        {"Image5", 10680, "Close Toolbar", "window-close", "X"},
        {"Image11", 11040, "Help", "help-contents", "?"},
    };
    return table;
}

ToolbarStrip::ToolbarStrip(QWidget *clientArea) : m_clientArea(clientArea)
{
    for (const Image &image : images()) {
        auto *button = new QToolButton(clientArea);
        const QString name = QString::fromLatin1(image.name);
        button->setObjectName(name);
        button->setAutoRaise(true);
        button->setIcon(toolbarIcon(QString::fromLatin1(image.iconName), QString::fromUtf8(image.fallbackLabel)));
        if (*image.tooltip)
            button->setToolTip(QString::fromLatin1(image.tooltip));
        button->setFocusPolicy(Qt::NoFocus);
        m_buttons.insert(name, button);
    }
    place();
}

void ToolbarStrip::place()
{
    const int top = twipsToPixelsY(m_clientArea, TopTwips);
    const int height = twipsToPixelsY(m_clientArea, HeightTwips);
    for (const Image &image : images()) {
        const int widthTwips = qstrcmp(image.name, "Image9") == 0 ? WideWidthTwips : WidthTwips;
        QToolButton *button = m_buttons.value(QString::fromLatin1(image.name));
        button->setGeometry(twipsToPixelsX(m_clientArea, image.leftTwips), top,
                            twipsToPixelsX(m_clientArea, widthTwips), height);
        const int side = qMin(button->width(), button->height()) - 6;
        button->setIconSize(QSize(side, side));
    }
}
