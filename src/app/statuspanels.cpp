#include "statuspanels.h"

#include "platform/twips.h"

#include <QLabel>

namespace {
constexpr int PanelWidthsTwips[StatusPanels::Count] = {1440, 5000, 500, 500, 500, 900, 4000};
const char *const IndicatorTexts[] = {"CAPS", "NUM", "INS", "SCRL"};
} // namespace

StatusPanels::StatusPanels(LockKeys &lockKeys, QWidget *parent) : QFrame(parent), m_lockKeys(lockKeys)
{
    setObjectName(QStringLiteral("StatusBar1"));
    for (int i = 0; i < Count; ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        if (i >= Caps - 1 && i <= Scroll - 1) {
            label->setText(QLatin1String(IndicatorTexts[i - (Caps - 1)]));
            label->setAlignment(Qt::AlignCenter);
            label->setEnabled(false);
        }
        m_panels[i] = label;
    }
}

void StatusPanels::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placePanels();
}

void StatusPanels::placePanels()
{
    constexpr int Gap = 2;
    int left = Gap;
    for (int i = 0; i < Count; ++i) {
        const int width = twipsToPixelsX(this, PanelWidthsTwips[i]);
        m_panels[i]->setGeometry(left, 1, width, height() - 2);
        left += width + Gap;
    }
}

void StatusPanels::setPanelText(Panel which, const QString &text)
{
    panel(which)->setText(text);
}

QString StatusPanels::panelText(Panel which) const
{
    return panel(which)->text();
}

bool StatusPanels::indicatorOn(Panel which) const
{
    return panel(which)->isEnabled();
}

void StatusPanels::refreshIndicators(bool overtype)
{
    const LockKeys::State state = m_lockKeys.read();
    panel(Caps)->setEnabled(state.caps);
    panel(Num)->setEnabled(state.num);
    panel(Insert)->setEnabled(overtype);
    panel(Scroll)->setEnabled(state.scroll);
}
