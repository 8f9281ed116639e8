#include "editorwindow.h"

#include "clientarea.h"
#include "document/recentfiles.h"
#include "document/recentfilesdialog.h"
#include "documentcontroller.h"
#include "editing/editcommands.h"
#include "editing/colourcoding.h"
#include "editing/searchcommands.h"
#include "editing/snippets.h"
#include "execution/runcommands.h"
#include "typingaids.h"
#include "document/richtextcontrol.h"
#include "editorcontext.h"
#include "editorlayout.h"
#include "mainmenu.h"
#include "palettepositions.h"
#include "platform/prompts.h"
#include "preferencesdialog.h"
#include "statuspanels.h"
#include "toolbarstrip.h"
#include "platform/twips.h"
#include "welcomewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QMenuBar>
#include <QScreen>
#include <QToolButton>

namespace {
constexpr double RestoredWidthTwips = 8880;
constexpr double RestoredHeightTwips = 8310;
constexpr double StatusBarHeightTwips = 300;
} // namespace

EditorWindow::EditorWindow(EditorContext &context, QWidget *parent) : QMainWindow(parent), m_context(context)
{
    setObjectName(QStringLiteral("frmEditor"));
    setWindowTitle(QStringLiteral("KOR Velmora: Untitled"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/ondrel.svg")));

    buildMainMenu(menuBar());

    m_client = new ClientArea(this);
    setCentralWidget(m_client);
    m_toolbar = std::make_unique<ToolbarStrip>(m_client);

    // Created after the strip so that it lies above it: hiding the toolbar means covering it.
    m_text = new RichTextControl(m_client);
    m_text->setObjectName(QStringLiteral("txtEdit"));
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_text->setBaseFont(font);

    m_status = new StatusPanels(context.services.lockKeys, m_client);

    m_recent = std::make_unique<RecentFiles>(context.settings, context.services.prompts,
                                             context.services.programFolder + QStringLiteral("/flist.dat"));
    m_document = new DocumentController(*this, context, *m_recent);
    auto *editCommands = new EditCommands(this, *m_text, context.services.clipboard);
    QMenu *popup = buildPopupMenu(this);
    connect(popup->findChild<QAction *>(QStringLiteral("mnuPCut")), &QAction::triggered, editCommands, &EditCommands::cut);
    connect(popup->findChild<QAction *>(QStringLiteral("mnuPCopy")), &QAction::triggered, editCommands, &EditCommands::copy);
    connect(popup->findChild<QAction *>(QStringLiteral("mnuPPaste")), &QAction::triggered, editCommands,
            &EditCommands::paste);
    m_colourCoding = new ColourCoding(this, *m_text, context.colours, context.settings, context.services.prompts, state);
    new TypingAids(*this, context, *popup, [this] { m_colourCoding->colourTyped(); });

    new Snippets(this, *m_text, [this](int n) { return m_context.preferences().phrases[n - 1]; });
    auto *search = new SearchCommands(this, *m_text, state, context.services.prompts,
                                      [this](const QString &hint) { setHint(hint); });
    connect(popup->findChild<QAction *>(QStringLiteral("mnuPHighlight")), &QAction::triggered, search,
            &SearchCommands::highlightSub);
    connect(popup->findChild<QAction *>(QStringLiteral("mnuPGoto")), &QAction::triggered, search,
            &SearchCommands::openGoto);

    action(QStringLiteral("mnuFontSizesItem(2)"))->setChecked(true);

    QList<QKeySequence> shortcuts;
    for (const QAction *item : findChildren<QAction *>()) {
        if (!item->shortcut().isEmpty())
            shortcuts << item->shortcut();
    }
    m_text->releaseKeys(shortcuts);

    // Restored place: centred on the screen.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize restored = twipsToPixels(this, RestoredWidthTwips, RestoredHeightTwips);
    setGeometry(QRect(screen.center() - QPoint(restored.width() / 2, restored.height() / 2), restored));
    placeTextControl({0, 0, pixelsToTwipsX(this, m_client->width()), pixelsToTwipsY(this, m_client->height())});

    connect(m_client, &ClientArea::resized, this, &EditorWindow::onClientResized);
    connect(m_client, &ClientArea::mouseMovedOnSurface, this, [this] { setHint(QString()); });
    qApp->installEventFilter(this);
    connectCommands();
    new RunCommands(this, *m_text, context.services.launcher, context.services.prompts,
                    {[this] { return currentFile; }, [this](const QString &path) { m_document->saveEditorFile(path); },
                     [this](const QString &text) { setHint(text); }});
    m_status->refreshIndicators(m_text->overwriteMode());
}

EditorWindow::~EditorWindow()
{
    qApp->removeEventFilter(this);
}

QAction *EditorWindow::action(const QString &name) const
{
    return findChild<QAction *>(name);
}

void EditorWindow::connectCommands()
{
    DocumentController *document = m_document;
    connect(action(QStringLiteral("mnuNewB")), &QAction::triggered, document, &DocumentController::startNewEditor);
    connect(action(QStringLiteral("mnuFileItem(0)")), &QAction::triggered, document, &DocumentController::openFile);
    connect(action(QStringLiteral("mnuFileItem(1)")), &QAction::triggered, document, &DocumentController::save);
    connect(action(QStringLiteral("mnuFileItem(2)")), &QAction::triggered, document, &DocumentController::saveAs);
    connect(action(QStringLiteral("mnuFileItem(3)")), &QAction::triggered, document, &DocumentController::closeScript);
    connect(m_toolbar->button(QStringLiteral("Image8")), &QToolButton::clicked, document, &DocumentController::openFile);
    connect(m_toolbar->button(QStringLiteral("Image9")), &QToolButton::clicked, this, [this] {
        if (m_document->save())
            m_context.services.prompts.message({QStringLiteral("File Has Been Saved to Disk"), QStringLiteral("Velmora Editor")});
    });
    connect(m_toolbar->button(QStringLiteral("Image10")), &QToolButton::clicked, document,
            &DocumentController::startNewEditor);
    for (int i = 1; i <= 4; ++i) {
        QAction *item = action(QStringLiteral("mnuRec%1").arg(i));
        connect(item, &QAction::triggered, this, [this, item] { m_document->openPath(item->text()); });
    }
    connect(m_recent.get(), &RecentFiles::entriesChanged, this, &EditorWindow::showRecentEntries);
    connect(action(QStringLiteral("mnuRecMore")), &QAction::triggered, this, &EditorWindow::showHistory);
    connect(action(QStringLiteral("mnuFileExit(5)")), &QAction::triggered, this, &QWidget::close);
    connect(action(QStringLiteral("mnuShowTB")), &QAction::triggered, this, &EditorWindow::applyToolbarTick);
    connect(m_toolbar->button(QStringLiteral("Image5")), &QToolButton::clicked, this, &EditorWindow::hideToolbar);
    connect(action(QStringLiteral("mnuPP")), &QAction::triggered, this, &EditorWindow::openPreferences);
    connect(action(QStringLiteral("mnuAbout")), &QAction::triggered, this, &EditorWindow::showAbout);
}

void EditorWindow::showEditor()
{
    showMaximized();
}

QSizeF EditorWindow::clientTwips() const
{
    return {pixelsToTwipsX(this, m_client->width()), pixelsToTwipsY(this, m_client->height())};
}

void EditorWindow::placeTextControl(const QRectF &twips)
{
    m_textTwips = twips;
    m_text->setGeometry(twipsToPixelsX(this, twips.left()), twipsToPixelsY(this, twips.top()),
                        qMax(0, twipsToPixelsX(this, twips.width())), qMax(0, twipsToPixelsY(this, twips.height())));
}

void EditorWindow::onClientResized()
{
    const int statusHeight = twipsToPixelsY(this, StatusBarHeightTwips);
    m_status->setGeometry(0, m_client->height() - statusHeight, m_client->width(), statusHeight);
    placeTextControl(editorlayout::resized(m_textTwips, clientTwips(), state.Sta == QLatin1String("ON")));
}

void EditorWindow::showToolbarAtStartup()
{
    action(QStringLiteral("mnuShowTB"))->setChecked(true);
    state.Sta = QStringLiteral("ON");
    placeTextControl(editorlayout::startupWithToolbar(clientTwips()));
}

void EditorWindow::toggleToolbar()
{
    action(QStringLiteral("mnuShowTB"))->trigger();
}

void EditorWindow::applyToolbarTick(bool ticked)
{
    if (ticked) {
        state.Sta = QStringLiteral("ON");
        placeTextControl(editorlayout::toolbarShown(clientTwips()));
    } else {
        state.Sta = QStringLiteral("OFF");
        placeTextControl(editorlayout::toolbarHidden(clientTwips()));
    }
}

void EditorWindow::hideToolbar()
{
    action(QStringLiteral("mnuShowTB"))->setChecked(false);
    state.Sta = QStringLiteral("OFF");
    placeTextControl(editorlayout::toolbarHidden(clientTwips()));
}

void EditorWindow::setStartupFontSize(int points)
{
    QFont font = m_text->baseFont();
    font.setPointSize(points);
    m_text->setBaseFont(font);
}

void EditorWindow::setCaptions(const char *itemPrefix, int count, const QString *captions)
{
    for (int i = 0; i < count; ++i)
        action(QLatin1String(itemPrefix) + QString::number(i + 1))->setText(captions[i]);
}

void EditorWindow::setLaunchCaptions(const std::array<QString, 5> &captions)
{
    setCaptions("mnuUserLaunch", 5, captions.data());
}

void EditorWindow::setPhraseCaptions(const std::array<QString, 5> &captions)
{
    setCaptions("mnuUserKey", 5, captions.data());
}

void EditorWindow::showRecentEntries()
{
    setCaptions("mnuRec", 4, m_recent->entries().data());
}

void EditorWindow::showHistory()
{
    auto *dialog = new RecentFilesDialog(*m_recent, m_context.settings, this);
    connect(dialog, &RecentFilesDialog::openRequested, m_document, &DocumentController::openPath);
    dialog->show();
}

void EditorWindow::endProgram()
{
    m_ending = true;
    close();
}

void EditorWindow::setHint(const QString &text)
{
    m_hint = text;
    m_status->setPanelText(StatusPanels::Hint, text);
    emit hintChanged(text);
}

void EditorWindow::openPreferences()
{
    if (!m_preferencesDialog) {
        const Services &services = m_context.services;
        m_preferencesDialog = new PreferencesDialog(m_context.preferences(), m_context.settings, services.prompts,
                                                    services.launcher, services.programFolder, this);
        m_preferencesDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_preferencesDialog, &PreferencesDialog::defineColoursRequested, m_colourCoding,
                &ColourCoding::showColourWindow);
        connect(m_preferencesDialog, &PreferencesDialog::saved, this, [this] {
            const PreferencesState &preferences = m_context.preferences();
            setLaunchCaptions(preferences.launches);
            setPhraseCaptions(preferences.phrases);
        });
        // The dialog's controls are the state: it goes when the dialog goes.
        connect(m_preferencesDialog, &QObject::destroyed, this, [this] { m_context.discardPreferences(); });
    }
    m_preferencesDialog->show();
    m_preferencesDialog->raise();
    m_preferencesDialog->activateWindow();
}

void EditorWindow::showAbout()
{
    auto *welcome = new WelcomeWindow(this);
    welcome->setAttribute(Qt::WA_DeleteOnClose);
    welcome->show();
}

void EditorWindow::closeEvent(QCloseEvent *event)
{
    if (!m_ending && !m_document->confirmEnd()) {
        event->ignore();
        return;
    }
    PalettePositions::load(m_context.settings).save(m_context.settings);
    event->accept();
    emit ended();
}

bool EditorWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::ApplicationActivate:
        m_status->refreshIndicators(m_text->overwriteMode());
        break;
    case QEvent::MouseMove:
        // Toolbar images describe themselves on the hint line.
        if (watched->parent() == m_client && watched->inherits("QToolButton")) {
            const QString text = ToolbarStrip::hint(watched->objectName());
            if (!text.isEmpty())
                setHint(text);
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
