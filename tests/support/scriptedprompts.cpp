#include "scriptedprompts.h"

#include <QTest>

template <typename T> std::optional<T> ScriptedPrompts::take(const char *what)
{
    if (m_answers.empty() || !std::holds_alternative<T>(m_answers.front())) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: %1").arg(QLatin1String(what))), __FILE__, __LINE__);
        return std::nullopt;
    }
    T answer = std::get<T>(m_answers.front());
    m_answers.pop_front();
    return answer;
}

QMessageBox::StandardButton ScriptedPrompts::message(const Message &message)
{
    messages << message;
    if (message.buttons == QMessageBox::Ok
        && (m_answers.empty() || !std::holds_alternative<QMessageBox::StandardButton>(m_answers.front())))
        return QMessageBox::Ok;
    return take<QMessageBox::StandardButton>(qPrintable(message.text)).value_or(QMessageBox::Cancel);
}

std::optional<QString> ScriptedPrompts::openFile(const FileRequest &request)
{
    openRequests << request;
    const auto answer = take<FileAnswer>("open file dialog");
    return answer ? answer->path : std::nullopt;
}

std::optional<QString> ScriptedPrompts::saveFile(const FileRequest &request)
{
    saveRequests << request;
    const auto answer = take<FileAnswer>("save file dialog");
    return answer ? answer->path : std::nullopt;
}

std::optional<QColor> ScriptedPrompts::colour(const QColor &initial)
{
    colourRequests << initial;
    const auto answer = take<ColourAnswer>("colour picker");
    return answer ? answer->colour : std::nullopt;
}

std::optional<QString> ScriptedPrompts::text(const QString &prompt, const QString &, const QString &)
{
    textPrompts << prompt;
    const auto answer = take<TextAnswer>("input box");
    return answer ? answer->text : std::nullopt;
}
