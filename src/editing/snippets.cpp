#include "snippets.h"

#include "document/richtextcontrol.h"

#include <QAction>
#include <QWidget>

const char *const Snippets::StockItems[9] = {"mnuLineFeed", "MnuTab", "mnuPrt", "mnudie", "mnucmt",
                                             "mnusub",      "mnuHtmT", "mnuif", "mnuext"};

Snippets::Snippets(QWidget *window, RichTextControl &text, std::function<QString(int)> phrase)
    : QObject(window), m_text(text), m_phrase(std::move(phrase))
{
    for (const char *name : StockItems) {
        QAction *item = window->findChild<QAction *>(QLatin1String(name));
        connect(item, &QAction::triggered, this, [this, item] { m_text.setSelText(item->text()); });
    }
    for (int n = 1; n <= 5; ++n) {
        QAction *item = window->findChild<QAction *>(QStringLiteral("mnuUserKey%1").arg(n));
        // The phrase box's current text, which may differ from the caption while the
        // preferences are being edited.
        connect(item, &QAction::triggered, this, [this, n] { m_text.setSelText(m_phrase(n)); });
    }
}
