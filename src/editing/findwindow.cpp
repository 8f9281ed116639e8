#include "findwindow.h"

#include "platform/twips.h"
#include "platform/windowplacement.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr double WidthTwips = 5760;
constexpr double FieldLeftTwips = 1320;
constexpr double FieldWidthTwips = 2880;
constexpr double FieldHeightTwips = 315;
constexpr double ButtonLeftTwips = 4440;
constexpr double ButtonWidthTwips = 1215;
constexpr double ButtonHeightTwips = 375;
constexpr double CheckWidthTwips = 1800;
constexpr double CheckHeightTwips = 255;

struct Placement {
    bool replaceShown;
    double caseLeft, caseTop, entireLeft, entireTop, height;
};

Placement placementOf(FindWindow::Layout layout)
{
    switch (layout) {
    case FindWindow::Layout::Find:
        return {false, 120, 600, 1920, 600, 1380};
    case FindWindow::Layout::Replace:
        return {true, 360, 1080, 360, 1440, 2340};
    case FindWindow::Layout::Initial:
        break;
    }
    return {true, 360, 1080, 360, 1440, 2025};
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, double top)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    // Enter in a text box must not press a button.
    b->setAutoDefault(false);
    b->setGeometry(twipsToPixelsX(parent, ButtonLeftTwips), twipsToPixelsY(parent, top),
                   twipsToPixelsX(parent, ButtonWidthTwips), twipsToPixelsY(parent, ButtonHeightTwips));
    return b;
}
} // namespace

FindWindow::FindWindow(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Find"));
    setWindowTitle(QStringLiteral("Search/Find"));
    setModal(false);
    centreWhenFirstShown(this);

    auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    auto y = [this](double twips) { return twipsToPixelsY(this, twips); };

    auto *findLabel = new QLabel(QStringLiteral("Find What:"), this);
    findLabel->setGeometry(x(120), y(150), x(FieldLeftTwips - 180), y(FieldHeightTwips));
    m_findText = new QLineEdit(this);
    m_findText->setObjectName(QStringLiteral("FindText"));
    m_findText->setGeometry(x(FieldLeftTwips), y(120), x(FieldWidthTwips), y(FieldHeightTwips));
    findLabel->setBuddy(m_findText);

    m_rewithLabel = new QLabel(QStringLiteral("Replace with:"), this);
    m_rewithLabel->setGeometry(x(120), y(630), x(FieldLeftTwips - 180), y(FieldHeightTwips));
    m_rewith = new QLineEdit(this);
    m_rewith->setObjectName(QStringLiteral("Rewith"));
    m_rewith->setGeometry(x(FieldLeftTwips), y(600), x(FieldWidthTwips), y(FieldHeightTwips));
    m_rewithLabel->setBuddy(m_rewith);

    m_case = new QCheckBox(QStringLiteral("Match Case"), this);
    m_case->setObjectName(QStringLiteral("case"));
    m_entireFile = new QCheckBox(QStringLiteral("Search Entire File"), this);
    m_entireFile->setObjectName(QStringLiteral("EntFile"));

    QPushButton *findNext = button(this, "Command1", QStringLiteral("Find Next"), 120);
    QPushButton *cancelUnderFind = button(this, "Command2", QStringLiteral("Cancel"), 600);
    m_replaceNext = button(this, "Replace", QStringLiteral("Replace Next"), 600);
    m_replaceAll = button(this, "Command4", QStringLiteral("Replace All"), 1080);
    QPushButton *cancel = button(this, "Command3", QStringLiteral("Cancel"), 1560);
    // In the replace layout "Replace Next" covers the first Cancel.
    m_replaceNext->raise();

    // Escape reaches QDialog::reject, which hides the window like Command3.
    connect(cancelUnderFind, &QPushButton::clicked, this, &QWidget::hide);
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(findNext, &QPushButton::clicked, this, &FindWindow::findNextClicked);
    connect(m_replaceNext, &QPushButton::clicked, this, &FindWindow::replaceNextClicked);
    connect(m_replaceAll, &QPushButton::clicked, this, &FindWindow::replaceAllClicked);

    applyLayout(Layout::Initial);
}

QString FindWindow::phrase() const
{
    return m_findText->text();
}

QString FindWindow::replacement() const
{
    return m_rewith->text();
}

bool FindWindow::matchCase() const
{
    return m_case->isChecked();
}

bool FindWindow::entireFile() const
{
    return m_entireFile->isChecked();
}

void FindWindow::applyLayout(Layout layout)
{
    m_layout = layout;
    const Placement place = placementOf(layout);
    auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    auto y = [this](double twips) { return twipsToPixelsY(this, twips); };
    for (QWidget *control : {static_cast<QWidget *>(m_replaceNext), static_cast<QWidget *>(m_replaceAll),
                             static_cast<QWidget *>(m_rewith), static_cast<QWidget *>(m_rewithLabel)})
        control->setVisible(place.replaceShown);
    m_case->setGeometry(x(place.caseLeft), y(place.caseTop), x(CheckWidthTwips), y(CheckHeightTwips));
    m_entireFile->setGeometry(x(place.entireLeft), y(place.entireTop), x(CheckWidthTwips), y(CheckHeightTwips));
    setFixedSize(x(WidthTwips), y(place.height));
}

