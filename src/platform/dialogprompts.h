#pragma once

#include "prompts.h"

// Prompts shown with Qt's standard dialogs over the active window.
class DialogPrompts : public Prompts {
public:
    QMessageBox::StandardButton message(const Message &message) override;
    std::optional<QString> openFile(const FileRequest &request) override;
    std::optional<QString> saveFile(const FileRequest &request) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QString> text(const QString &prompt, const QString &title, const QString &initial) override;

private:
    QColor m_customColour; // the picker remembers the last colour chosen in this run
};
