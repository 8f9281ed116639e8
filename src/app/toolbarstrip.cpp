#include "toolbarstrip.h"

#include "toolbaricons.h"
#include "platform/twips.h"

#include <QToolButton>

const QList<ToolbarStrip::Image> &ToolbarStrip::images()
{
    static const QList<Image> table = {
        {"Image8", 120, "Open File", "document-open", "Op", "    Open a File"},
        {"Image9", 480, "Save", "document-save", "Sv", "Save Current File"},
        {"Image10", 840, "New Editor", "window-new", "Nw", "Open New Editor"},
        {"Image15", 1560, "Cut", "edit-cut", "Ct", "Cut"},
        {"Image16", 1920, "Copy", "edit-copy", "Cp", "Copy"},
        {"Image17", 2280, "Paste", "edit-paste", "Ps", "Paste"},
        {"Image13", 2640, "Clipboard", "view-list-details", "Cb", "Open Clipboard Manager"},
        {"Image14", 3000, "Search", "edit-find", "Fd", "Search In Script"},
        {"Image1", 3720, "Scratchpad", "accessories-text-editor", "Sp", "Show Scratch Pad"},
        {"Image19", 4080, "Code Wizard", "tools-wizard", "Wz", "Code Wizard"},
        {"Image12", 4440, "Sub Library", "accessories-dictionary", "Lb", "Open Subroutine Library"},
        {"Image24", 4800, "Import HTML", "text-html", "Ht", "Import HTML"},
        {"Image20", 5160, "Library Builder", "package-x-generic", "Bd", "Library Builder"},
        {"Image25", 5520, "Highlight Sub", "format-text-code", "{}", "Highlight sub"},
        {"Image26", 5880, "Goto Line", "go-jump", "Gt", "Goto line"},
        {"Image4", 6600, "Check Syntax: Selected Text", "tools-check-spelling", "cs", "Check Syntax of Selected Text"},
        {"Image3", 6960, "Check Syntax", "tools-check-spelling", "CS", "Check Syntax of Entire Script"},
        {"Image7", 7320, "Debug", "debug-run", "Db", "Debug Current Script"},
        {"Image27", 7680, "", "debug-step-into", "db", ""},
        {"Image2", 8040, "Run", "media-playback-start", "Rn", "Run Current Script"},
        {"Image6", 8400, "Run w/switches", "media-seek-forward", "Rw", "Run Current Script With Switches"},
        {"Image22", 8760, "", "media-playback-start", "rn", "Run selected text"},
        {"Image23", 9120, "", "media-seek-forward", "rw", "Run selected text w/switches"},
        {"Image21", 9480, "Run to cursor", "media-skip-forward", "Rc", "Run To Cursor"},
        {"Image28", 9840, "Run to cursor w/switches", "go-last", "Rs", "Run to cursor with switches"},
        {"Image5", 10680, "Close Toolbar", "window-close", "X", "Hide ToolBar"},
        {"Image11", 11040, "Help", "help-contents", "?", "Help"},
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
        button->setMouseTracking(true);
        m_buttons.insert(name, button);
    }
    place();
}

QString ToolbarStrip::hint(const QString &name)
{
    for (const Image &image : images()) {
        if (name == QLatin1String(image.name))
            return QString::fromLatin1(image.hint);
    }
    return {};
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
