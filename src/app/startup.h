#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

class EditorContext;
class EditorWindow;
class TipList;

// Brings the editor up in its fixed order: state, command-line script, toolbar, font,
// menu captions, first-run reset, recent entries, clipboard program, then the tip of the
// day, the welcome window and the main window. The /FIX switch repairs and ends instead.
class Startup : public QObject {
    Q_OBJECT
public:
    // random: uniform numbers 0 <= r < 1 for picking tips, seeded by the caller.
    Startup(EditorContext &context, QString argumentText, std::function<double()> random);
    ~Startup() override;

    // False when the program is to end at once (after the repair).
    bool run();

    EditorWindow *editor() const { return m_editor.get(); }

signals:
    // The user ended the program.
    void ended();

private:
    void prepareEditor();
    void showTipOfTheDay();
    void showWelcomeOrEditor();
    void repair();

    EditorContext &m_context;
    QString m_argumentText;
    QString m_startDirectory;
    std::unique_ptr<TipList> m_tips;
    std::unique_ptr<EditorWindow> m_editor;
};
