#include "typingaids.h"

#include "document/richtextcontrol.h"
#include "editing/autoindent.h"
#include "editorcontext.h"
#include "editorwindow.h"
#include "statuspanels.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

TypingAids::TypingAids(EditorWindow &window, EditorContext &context, QMenu &popup, std::function<void()> colourTyped)
    : QObject(&window), m_window(window), m_context(context), m_popup(popup), m_colourTyped(std::move(colourTyped))
{
    RichTextControl *text = window.textControl();
    // The right button belongs to our own menu, not Scintilla's.
    text->setContextMenuPolicy(Qt::NoContextMenu);
    text->SendScintilla(QsciScintillaBase::SCI_USEPOPUP, 0L);
    text->viewport()->setMouseTracking(true);
    text->installEventFilter(this);
    text->viewport()->installEventFilter(this);
    setPopupItem("mnuPSelColor", false);
}

int TypingAids::caret() const
{
    return m_window.textControl()->selStart();
}

void TypingAids::showLine()
{
    const int line = m_window.textControl()->getLineFromChar(caret()) + 1;
    m_window.statusPanels()->setPanelText(StatusPanels::Line, QStringLiteral("Line:") + QString::number(line));
}

bool TypingAids::eventFilter(QObject *watched, QEvent *event)
{
    RichTextControl *text = m_window.textControl();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == text) {
            const auto *key = static_cast<QKeyEvent *>(event);
            keyPressed(autoindent::keyCodeOf(key->key()), !key->text().isEmpty() && key->text().at(0).isPrint());
        }
        break;
    case QEvent::KeyRelease:
        // A held key repeats its key-down steps only; its key-up steps run once, when it is let go.
        if (watched == text && !static_cast<QKeyEvent *>(event)->isAutoRepeat())
            keyReleased(autoindent::keyCodeOf(static_cast<QKeyEvent *>(event)->key()));
        break;
    case QEvent::MouseButtonPress:
        if (watched == text->viewport()) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton) {
                mousePressed(mouse->button(), mouse->globalPosition().toPoint());
                return true;
            }
            mousePressed(mouse->button(), {});
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == text->viewport())
            m_window.state.txtStart = QString::number(caret());
        break;
    case QEvent::MouseMove:
        if (watched == text->viewport()) {
            m_window.setHint(QString());
            m_window.statusPanels()->setPanelText(StatusPanels::File, m_window.currentFile);
            showLine();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void TypingAids::keyPressed(int keyCode, bool isCharacter)
{
    if (isCharacter)
        showLine();
    autoindent::keyDown(m_window.state, keyCode, m_context.preferences().autoTab);
}

void TypingAids::keyReleased(int keyCode)
{
    EditorState &state = m_window.state;
    RichTextControl *text = m_window.textControl();
    showLine();

    PreferencesState &preferences = m_context.preferences();
    preferences.colourDuringEdit = m_context.settings.isOn(keys::ColorCodeDuringEdit);
    if (preferences.colourDuringEdit && (keyCode == autoindent::Space || keyCode == autoindent::Enter))
        m_colourTyped();

    switch (keyCode) {
    case autoindent::Up:
    case autoindent::Down:
    case autoindent::Right:
    case autoindent::PageUp:
    case autoindent::PageDown:
    case autoindent::Left:
        state.txtStart = QString::number(caret());
        showLine();
        break;
    default:
        break;
    }

    const QString indentation =
        autoindent::keyUp(state, keyCode, preferences.autoTab, preferences.backspaceEscapes);
    if (keyCode == autoindent::Enter && preferences.autoTab) {
        showLine();
        m_window.setHint(QStringLiteral("Script Area"));
        if (!indentation.isEmpty())
            text->setSelText(indentation);
    }
}

void TypingAids::setPopupItem(const char *name, bool enabled)
{
    m_popup.findChild<QAction *>(QLatin1String(name))->setEnabled(enabled);
}

void TypingAids::mousePressed(Qt::MouseButton button, const QPoint &globalPosition)
{
    RichTextControl *text = m_window.textControl();
    const bool hasSelection = text->selLength() > 0;
    setPopupItem("mnuPSelColor", hasSelection);
    setPopupItem("mnuSendto", hasSelection);
    setPopupItem("mnuParseHTML", hasSelection);
    if (button == Qt::RightButton) {
        // The script is disabled while the menu is up; frozen redrawing keeps it from
        // flickering grey meanwhile.
        text->setUpdatesEnabled(false);
        text->setEnabled(false);
        QCoreApplication::processEvents();
        m_popup.exec(globalPosition);
        text->setEnabled(true);
        text->setUpdatesEnabled(true);
    }
    setPopupItem("mnuSendto", true);
    setPopupItem("mnuParseHTML", true);
    setPopupItem("mnuPSelColor", false);
}
