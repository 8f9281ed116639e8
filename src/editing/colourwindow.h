#pragma once

#include "colourtable.h"

#include <QColor>
#include <QDialog>

#include <array>

class Prompts;
class QLabel;
class QLineEdit;
class Settings;

// The "FColors" window ("Syntax Highlighting"): shows and edits the live colour word table.
// Every edit goes into the table at once, so the next colouring pass uses it; "Save" also writes
// the table to the settings, "Cancel" (or Escape) only hides the window.
class ColourWindow : public QDialog {
    Q_OBJECT
public:
    ColourWindow(ColourTable &table, const Settings &settings, Prompts &prompts, QWidget *parent = nullptr);

    // Fills the rows from the table and shows the window, not modal; centred on the parent the
    // first time, later where it was left.
    void showWindow();

    // Row `row` (0 to 5): asks the colour picker and gives the row the chosen colour.
    void changeColour(int row);
    void save();

public slots:
    void reject() override; // Cancel

private:
    void fillFromTable();
    void setSwatch(int row, int colour);

    ColourTable &m_table;
    const Settings &m_settings;
    Prompts &m_prompts;
    std::array<QLineEdit *, ColourTable::Size> m_words{};
    std::array<QLabel *, ColourTable::Size> m_swatches{};
    QColor m_pickerColour = Qt::black; // the picker is shared by the rows and starts at its own last colour
};
