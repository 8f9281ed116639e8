#pragma once

#include <QHash>
#include <QString>

class QToolButton;
class QWidget;

// The row of picture buttons along the top of the main window's client area, in groups.
// Each button carries its name (Image1 ... Image28) as object name.
class ToolbarStrip {
public:
    struct Image {
        const char *name;
        int leftTwips;
        const char *tooltip; // "" for none
        const char *iconName; // freedesktop icon name
        const char *fallbackLabel; // drawn when the icon theme has no such icon
        const char *hint;          // shown on the hint line while the mouse moves over it
    };

    static const QList<Image> &images();
    static constexpr int TopTwips = 120;
    static constexpr int WidthTwips = 345;
    static constexpr int WideWidthTwips = 360; // Image9
    static constexpr int HeightTwips = 330;

    // Creates the buttons as children of the client area.
    explicit ToolbarStrip(QWidget *clientArea);

    QToolButton *button(const QString &name) const { return m_buttons.value(name); }
    static QString hint(const QString &name);
    // Places the buttons for the client area's current resolution.
    void place();

private:
    QWidget *m_clientArea;
    QHash<QString, QToolButton *> m_buttons;
};
