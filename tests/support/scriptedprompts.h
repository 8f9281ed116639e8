#pragma once

#include "platform/prompts.h"

#include <QList>

#include <deque>
#include <variant>

// Answers prompts from a queue and records every one. A message box with only an OK
// button is answered OK by itself; any other prompt without a queued answer of its kind
// fails the running test.
class ScriptedPrompts : public Prompts {
public:
    void queueButton(QMessageBox::StandardButton button) { m_answers.push_back(button); }
    void queueFile(std::optional<QString> path) { m_answers.push_back(FileAnswer{std::move(path)}); }
    void queueColour(std::optional<QColor> colour) { m_answers.push_back(ColourAnswer{colour}); }
    void queueText(std::optional<QString> text) { m_answers.push_back(TextAnswer{std::move(text)}); }

    bool allAnswersUsed() const { return m_answers.empty(); }

    QList<Message> messages;
    QList<FileRequest> openRequests;
    QList<FileRequest> saveRequests;
    QList<QColor> colourRequests;
    QStringList textPrompts;

    QMessageBox::StandardButton message(const Message &message) override;
    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFile(const FileRequest &request) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QString> text(const QString &prompt, const QString &title, const QString &initial) override;

private:
    struct FileAnswer { std::optional<QString> path; };
    struct ColourAnswer { std::optional<QColor> colour; };
    struct TextAnswer { std::optional<QString> text; };
    using Answer = std::variant<QMessageBox::StandardButton, FileAnswer, ColourAnswer, TextAnswer>;

    // Moves the next answer into answer when it is of that kind; fails the test otherwise.
    template <typename T> bool take(T &answer, const char *what);

    std::deque<Answer> m_answers;
};
