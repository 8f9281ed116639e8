#include "scriptedprompts.h"

#include <QTest>

template <typename T> bool ScriptedPrompts::take(T &answer, const char *what)
{
    if (m_answers.empty() || !std::holds_alternative<T>(m_answers.front())) {
        QTest::qFail(qPrintable(QStringLiteral("unexpected prompt: %1").arg(QLatin1String(what))), __FILE__, __LINE__);
        return false;
    }
    answer = std::get<T>(m_answers.front());
    m_answers.pop_front();
    return true;
}

QMessageBox::StandardButton ScriptedPrompts::message(const Message &message)
{
    messages << message;
    if (message.buttons == QMessageBox::Ok
        && (m_answers.empty() || !std::holds_alternative<QMessageBox::StandardButton>(m_answers.front())))
        return QMessageBox::Ok;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    take(answer, qPrintable(message.text));
    return answer;
}

std::optional<QString> ScriptedPrompts::openFile(const FileRequest &request)
{
    openRequests << request;
    FileAnswer answer;
    take(answer, "open file dialog");
    return answer.path;
}

std::optional<QString> ScriptedPrompts::saveFile(const FileRequest &request)
{
    saveRequests << request;
    FileAnswer answer;
    take(answer, "save file dialog");
    return answer.path;
}

std::optional<QColor> ScriptedPrompts::colour(const QColor &initial)
{
    colourRequests << initial;
    ColourAnswer answer;
    take(answer, "colour picker");
    return answer.colour;
}

std::optional<QString> ScriptedPrompts::text(const QString &prompt, const QString &, const QString &)
{
    textPrompts << prompt;
    TextAnswer answer;
    take(answer, "input box");
    return answer.text;
}
