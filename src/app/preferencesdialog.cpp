#include "preferencesdialog.h"

#include "preferencesstate.h"
#include "settings.h"
#include "platform/twips.h"

#include "platform/commandline.h"
#include "platform/launcher.h"
#include "platform/prompts.h"
#include "platform/windowplacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr double WidthTwips = 5760;
constexpr double HeightTwips = 3210;
constexpr int FontSizes = 8; // "8" to "15"

QLabel *namedLabel(QWidget *parent, const QString &name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QPushButton *namedButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // Enter in a text box must not press a button of the dialog.
    button->setAutoDefault(false);
    return button;
}
} // namespace

PreferencesDialog::PreferencesDialog(PreferencesState &state, const Settings &settings, Prompts &prompts,
                                     Launcher &launcher, const QString &programFolder, QWidget *parent)
    : LeaveOnceDialog(parent), m_state(state), m_settings(settings), m_prompts(prompts), m_launcher(launcher),
      m_programFolder(programFolder)
{
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    centreWhenFirstShown(this);

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    tabs->addTab(startupTab(), QStringLiteral("Startup"));
    tabs->addTab(editorTab(), QStringLiteral("Editor"));
    tabs->addTab(shortcutTab(), QStringLiteral("Shortcut Keys"));
    tabs->addTab(launchTab(), QStringLiteral("Launch"));

    // Part of the state, never shown: the user can neither see nor click it.
    m_clrCode = stateBox(this, "ClrCode", QStringLiteral("Don't Color Code On File Open"),
                         &PreferencesState::dontColourOnOpen);
    m_clrCode->hide();

    QPushButton *cancel = namedButton(this, "Command3", QStringLiteral("Cancel"));
    QPushButton *saveButton = namedButton(this, "Command2", QStringLiteral("Save"));
    saveButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cancel);
    buttons->addSpacing(12);
    buttons->addWidget(saveButton, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(8);
    layout->addWidget(tabs, 1);
    layout->addLayout(buttons);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(saveButton, &QPushButton::clicked, this, &PreferencesDialog::save);

    showState();
    resize(twipsToPixels(this, WidthTwips, HeightTwips));
}

QCheckBox *PreferencesDialog::stateBox(QWidget *parent, const char *name, const QString &caption,
                                       bool PreferencesState::*member)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    m_boxes.push_back({box, member});
    connect(box, &QCheckBox::toggled, this, [this, member](bool on) {
        if (!m_showingState)
            m_state.*member = on;
    });
    return box;
}

QLineEdit *PreferencesDialog::stateLine(QWidget *parent, const char *name, QString *field)
{
    auto *line = new QLineEdit(parent);
    line->setObjectName(QLatin1String(name));
    m_lines.push_back({line, field});
    connect(line, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        if (!m_showingState)
            *field = text;
    });
    return line;
}

QWidget *PreferencesDialog::startupTab()
{
    auto *page = new QWidget;

    auto *load = new QGroupBox(QStringLiteral("Load On Startup:"), page);
    load->setObjectName(QStringLiteral("Frame1"));
    auto *loadGrid = new QGridLayout(load);
    loadGrid->setVerticalSpacing(2);
    loadGrid->addWidget(stateBox(load, "ShowDialog", QStringLiteral("Show Startup Dialog"),
                                 &PreferencesState::startupDialog), 0, 0);
    loadGrid->addWidget(stateBox(load, "chkLoadTipsAtStartup", QStringLiteral("Show Tips At Startup"),
                                 &PreferencesState::loadTipsAtStartup), 0, 1);
    loadGrid->addWidget(stateBox(load, "chkfiltool", QStringLiteral("File Toolbox on startup"),
                                 &PreferencesState::fileToolbox), 1, 0);
    loadGrid->addWidget(stateBox(load, "EnClip", QStringLiteral("Load Enhanced Clipboard"),
                                 &PreferencesState::enhancedClipboard), 1, 1);
    loadGrid->addWidget(stateBox(load, "ShowToolbar", QStringLiteral("Show Toolbar on Startup"),
                                 &PreferencesState::showToolbar), 2, 0);
    loadGrid->addWidget(stateBox(load, "chkprotool", QStringLiteral("Program Toolbox on startup"),
                                 &PreferencesState::programToolbox), 2, 1);

    auto *recent = new QGroupBox(QStringLiteral("Recent Files"), page);
    recent->setObjectName(QStringLiteral("Frame6"));
    auto *recentLayout = new QHBoxLayout(recent);
    QLineEdit *recentFiles = stateLine(recent, "Rfiles", &m_state.recentFiles);
    recentFiles->setMaximumWidth(recentFiles->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    recentLayout->addWidget(recentFiles);
    recentLayout->addStretch(1);

    m_defFont = new QComboBox(page);
    m_defFont->setObjectName(QStringLiteral("DefFont"));
    m_defFont->setEditable(false);
    for (int points = 8; points < 8 + FontSizes; ++points)
        m_defFont->addItem(QString::number(points));
    connect(m_defFont, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!m_showingState && index >= 0)
            m_state.startupFontIndex = index;
    });
    QLabel *fontLabel = namedLabel(page, QStringLiteral("Label6"), QStringLiteral("Startup Font Size"));
    fontLabel->setBuddy(m_defFont);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(recent, 1);
    bottom->addSpacing(12);
    bottom->addWidget(fontLabel);
    bottom->addWidget(m_defFont);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(load);
    layout->addLayout(bottom);
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::editorTab()
{
    auto *page = new QWidget;

    auto *colour = new QGroupBox(QStringLiteral("Color Coding"), page);
    colour->setObjectName(QStringLiteral("Frame3"));
    m_useColor = new QCheckBox(QStringLiteral("Use Color Coding Features"), colour);
    m_useColor->setObjectName(QStringLiteral("UseColor"));
    connect(m_useColor, &QCheckBox::toggled, this, &PreferencesDialog::useColorClicked);
    m_clrEdit = stateBox(colour, "clrEdit", QStringLiteral("Color Code During Edit"),
                         &PreferencesState::colourDuringEdit);
    m_defColors = namedButton(colour, "DefColors", QStringLiteral("Define Colors"));
    connect(m_defColors, &QPushButton::clicked, this, &PreferencesDialog::defineColoursRequested);
    auto *colourLayout = new QVBoxLayout(colour);
    colourLayout->setSpacing(4);
    colourLayout->addWidget(m_useColor);
    colourLayout->addWidget(m_clrEdit);
    colourLayout->addWidget(m_defColors, 0, Qt::AlignLeft);
    colourLayout->addStretch(1);

    auto *indent = new QGroupBox(QStringLiteral("Auto-Indent/Tab"), page);
    indent->setObjectName(QStringLiteral("Frame2"));
    auto *indentLayout = new QVBoxLayout(indent);
    indentLayout->setSpacing(4);
    indentLayout->addWidget(stateBox(indent, "autotab", QStringLiteral("Enable"), &PreferencesState::autoTab));
    indentLayout->addWidget(stateBox(indent, "chkbkspc", QStringLiteral("Backspace Escapes AutoTab"),
                                     &PreferencesState::backspaceEscapes));
    indentLayout->addStretch(1);

    QPushButton *associateButton = namedButton(page, "Command1", QStringLiteral("Associate Filenames"));
    connect(associateButton, &QPushButton::clicked, this, &PreferencesDialog::associate);

    auto *frames = new QHBoxLayout;
    frames->addWidget(colour, 1);
    frames->addWidget(indent, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(frames);
    layout->addWidget(associateButton, 0, Qt::AlignRight);
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::shortcutTab()
{
    auto *page = new QWidget;
    QLabel *intro = namedLabel(page, QStringLiteral("Label2"),
                               QStringLiteral("You can set up to 5 user defined shortcut keys to phrases or "
                                              "statements you use frequently."));
    intro->setWordWrap(true);

    static const char *const keysText[] = {"Crtl+F1", "Ctrl+F2", "Ctrl+F3", "Ctrl+F4", "Ctrl+F5"};
    static const char *const boxNames[] = {"sc1", "sc2", "sc3", "sc4", "sc5"};
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        QLineEdit *phrase = stateLine(page, boxNames[i], &m_state.phrases[i]);
        QLabel *key = namedLabel(page, QStringLiteral("Label1(%1)").arg(i), QLatin1String(keysText[i]));
        key->setBuddy(phrase);
        grid->addWidget(key, i, 0);
        grid->addWidget(phrase, i, 1);
    }
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(6);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

QWidget *PreferencesDialog::launchTab()
{
    auto *page = new QWidget;
    static const char *const labelNames[] = {"Label3", "Label4", "Label5", "Label7", "Label8"};
    static const char *const boxNames[] = {"lch1", "lch2", "lch3", "lch4", "lch5"};
    static const char *const browseNames[] = {"Command4", "Command5", "Command6", "Command7", "Command8"};
    auto *grid = new QGridLayout(page);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < 5; ++i) {
        m_launchBoxes[i] = stateLine(page, boxNames[i], &m_state.launches[i]);
        // Every row reads "Shift+Ctrl+F1", as the program always showed it.
        QLabel *key = namedLabel(page, QLatin1String(labelNames[i]), QStringLiteral("Shift+Ctrl+F1"));
        key->setBuddy(m_launchBoxes[i]);
        QPushButton *browseButton = namedButton(page, browseNames[i], QStringLiteral("Browse"));
        connect(browseButton, &QPushButton::clicked, this, [this, i] { browse(i); });
        grid->addWidget(key, i, 0);
        grid->addWidget(m_launchBoxes[i], i, 1);
        grid->addWidget(browseButton, i, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);
    return page;
}

void PreferencesDialog::showState()
{
    m_showingState = true;
    for (const BoundBox &bound : m_boxes)
        bound.box->setChecked(m_state.*bound.member);
    for (const BoundLine &bound : m_lines) {
        if (bound.line->text() != *bound.field)
            bound.line->setText(*bound.field);
    }
    m_useColor->setChecked(m_state.useColor);
    m_defFont->setCurrentIndex(qBound(0, m_state.startupFontIndex, FontSizes - 1));
    const bool colourOptions = m_state.colourOptionsEnabled();
    m_clrCode->setEnabled(colourOptions);
    m_clrEdit->setEnabled(colourOptions);
    m_defColors->setEnabled(colourOptions);
    m_showingState = false;
}

void PreferencesDialog::useColorClicked(bool on)
{
    if (m_showingState)
        return;
    m_state.setUseColor(on);
    showState();
}

void PreferencesDialog::save()
{
    m_state.save(m_settings);
    showState();
    accept();
}

void PreferencesDialog::associate()
{
    const QString program = QDir(m_programFolder).filePath(QStringLiteral("associate"));
    if (m_launcher.start(quoteArgument(program), WindowState::NormalFocus))
        return;
    Prompts::Message failure;
    failure.text = QStringLiteral("The file association utility could not be started:\n") + program;
    failure.title = QStringLiteral("Velmora Editor");
    failure.icon = Prompts::Icon::Critical;
    failure.buttons = QMessageBox::Ok;
    m_prompts.message(failure);
}

void PreferencesDialog::browse(int index)
{
    Prompts::FileRequest request;
    request.title = QStringLiteral("Open");
    // Cancelling empties the box: the program has always done so.
    const std::optional<QString> chosen = m_prompts.openFile(request);
    m_launchBoxes[index]->setText(chosen.value_or(QString()));
}

void PreferencesDialog::leaving(int result)
{
    if (result == QDialog::Accepted)
        emit saved();
    else
        emit cancelled();
}

