#pragma once

#include <QColor>
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <optional>

// Everything the programs ask the user in a modal dialog: message boxes, file dialogs,
// the colour picker and the input box. Windows take it by reference so tests can answer.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Critical, Question };

    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    };

    // One entry of a file dialog's type list: the text shown and its patterns ("*.pl;*.cgi").
    struct FileFilter {
        QString description;
        QString patterns;
        bool operator==(const FileFilter &other) const
        {
            return description == other.description && patterns == other.patterns;
        }
    };

    struct FileRequest {
        QString title;
        QString initialDir;
        QString fileName;
        QList<FileFilter> filters;
        int selectedFilter = 0; // index into filters
    };

    virtual ~Prompts() = default;

    virtual QMessageBox::StandardButton message(const Message &message) = 0;
    // Each returns nothing when the user cancels.
    virtual std::optional<QString> openFile(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFile(const FileRequest &request) = 0;
    virtual std::optional<QColor> colour(const QColor &initial) = 0;
    virtual std::optional<QString> text(const QString &prompt, const QString &title, const QString &initial) = 0;
};
