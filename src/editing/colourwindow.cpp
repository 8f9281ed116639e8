#include "colourwindow.h"

#include "colourmatcher.h"
#include "platform/prompts.h"
#include "platform/windowplacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const char *const ButtonNames[ColourTable::Size] = {"Command1", "Command2", "Command3",
                                                    "Command7", "Command8", "Command9"};
constexpr int SwatchWidth = 60;
}

ColourWindow::ColourWindow(ColourTable &table, const Settings &settings, Prompts &prompts, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_table(table), m_settings(settings), m_prompts(prompts)
{
    setObjectName(QStringLiteral("FColors"));
    setWindowTitle(QStringLiteral("Syntax Highlighting"));
    setModal(false);
    centreWhenFirstShown(this);

    auto *rows = new QGridLayout;
    rows->addWidget(new QLabel(QStringLiteral("Word To Be Highlighted"), this), 0, 0);
    rows->addWidget(new QLabel(QStringLiteral("Color"), this), 0, 1);
    for (int row = 0; row < ColourTable::Size; ++row) {
        auto *word = new QLineEdit(this);
        word->setObjectName(QStringLiteral("cword%1").arg(row + 1));
        connect(word, &QLineEdit::textChanged, this, [this, row](const QString &text) {
            m_table.entries[row].word = text;
        });
        auto *swatch = new QLabel(this);
        swatch->setObjectName(QStringLiteral("b%1color").arg(row + 1));
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setAutoFillBackground(true);
        swatch->setMinimumWidth(SwatchWidth);
        auto *button = new QPushButton(QStringLiteral("Change Color"), this);
        button->setObjectName(QLatin1String(ButtonNames[row]));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, row] { changeColour(row); });
        rows->addWidget(word, row + 1, 0);
        rows->addWidget(swatch, row + 1, 1);
        rows->addWidget(button, row + 1, 2);
        m_words[row] = word;
        m_swatches[row] = swatch;
    }

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setAutoDefault(false);
    connect(cancel, &QPushButton::clicked, this, &ColourWindow::reject);
    auto *saveButton = new QPushButton(QStringLiteral("Save"), this);
    saveButton->setAutoDefault(false);
    connect(saveButton, &QPushButton::clicked, this, &ColourWindow::save);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(saveButton);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(rows);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    fillFromTable();
}

void ColourWindow::showWindow()
{
    // The table may have been replaced while the window was hidden (factory values).
    if (!isVisible())
        fillFromTable();
    show();
    raise();
    activateWindow();
}

void ColourWindow::changeColour(int row)
{
    // A closed picker keeps the row's colour: taking the picker's old colour instead would
    // overwrite the user's colour with one he just declined.
    const std::optional<QColor> chosen = m_prompts.colour(m_pickerColour);
    if (!chosen || !chosen->isValid())
        return;
    m_pickerColour = *chosen;
    m_table.entries[row].colour = valueFromColour(*chosen);
    setSwatch(row, m_table.entries[row].colour);
}

void ColourWindow::save()
{
    m_table.save(m_settings);
    hide();
}

void ColourWindow::reject()
{
    hide();
}

void ColourWindow::fillFromTable()
{
    for (int row = 0; row < ColourTable::Size; ++row) {
        const ColourTable::Entry entry = m_table.entries[row]; // setText writes back through textChanged
        m_words[row]->setText(entry.word);
        setSwatch(row, entry.colour);
    }
}

void ColourWindow::setSwatch(int row, int colour)
{
    QPalette palette = m_swatches[row]->palette();
    palette.setColor(QPalette::Window, colourFromValue(colour));
    m_swatches[row]->setPalette(palette);
}
