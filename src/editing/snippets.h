#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class RichTextControl;

// Tools > Shortcuts: the nine stock Perl fragments (each item's caption is its fragment) and
// the five user phrases on Ctrl+F1 to Ctrl+F5. Each replaces the selection, or is inserted at
// the caret, and leaves the caret right after it.
class Snippets : public QObject {
    Q_OBJECT
public:
    // phrase(n), n from 1 to 5: the user's phrase as the preferences hold it right now.
    Snippets(QWidget *window, RichTextControl &text, std::function<QString(int)> phrase);

    static const char *const StockItems[9];

private:
    RichTextControl &m_text;
    std::function<QString(int)> m_phrase;
};
