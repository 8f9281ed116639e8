#include "gotowindow.h"

#include "platform/twips.h"
#include "platform/windowplacement.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
constexpr double WidthTwips = 3120;
constexpr double HeightTwips = 1260;
constexpr double MarginTwips = 120;
constexpr double ButtonWidthTwips = 1215;
constexpr double ButtonHeightTwips = 375;
} // namespace

GotoWindow::GotoWindow(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmGoto"));
    setWindowTitle(QStringLiteral("Goto Line #"));
    setModal(false);
    centreWhenFirstShown(this);

    auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    auto y = [this](double twips) { return twipsToPixelsY(this, twips); };
    setFixedSize(x(WidthTwips), y(HeightTwips));

    auto *label = new QLabel(QStringLiteral("Goto Line #?"), this);
    label->setGeometry(x(MarginTwips), y(90), x(WidthTwips - 2 * MarginTwips), y(255));
    m_lineToGo = new QLineEdit(this);
    m_lineToGo->setObjectName(QStringLiteral("Linetogo"));
    m_lineToGo->setGeometry(x(MarginTwips), y(390), x(WidthTwips - 2 * MarginTwips), y(315));
    label->setBuddy(m_lineToGo);

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command1"));
    cancel->setGeometry(x(MarginTwips), y(795), x(ButtonWidthTwips), y(ButtonHeightTwips));
    auto *goTo = new QPushButton(QStringLiteral("Goto Line"), this);
    goTo->setObjectName(QStringLiteral("Command2"));
    goTo->setGeometry(x(WidthTwips - MarginTwips - ButtonWidthTwips), y(795), x(ButtonWidthTwips),
                      y(ButtonHeightTwips));
    // Enter in the box must not press Cancel.
    cancel->setAutoDefault(false);
    goTo->setAutoDefault(false);

    // Escape reaches QDialog::reject, which hides the window like Cancel.
    connect(cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(goTo, &QPushButton::clicked, this, &GotoWindow::goToClicked);
}

QString GotoWindow::typedNumber() const
{
    return m_lineToGo->text();
}

