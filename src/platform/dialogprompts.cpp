#include "dialogprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>

namespace {
QMessageBox::Icon toQt(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information: return QMessageBox::Information;
    case Prompts::Icon::Warning: return QMessageBox::Warning;
    case Prompts::Icon::Critical: return QMessageBox::Critical;
    case Prompts::Icon::Question: return QMessageBox::Question;
    case Prompts::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

std::optional<QString> runFileDialog(const Prompts::FileRequest &request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialDir);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.filters.isEmpty()) {
        // The descriptions are shown as they are; the patterns behind them follow Linux
        // naming, where "*.*" would hide every file without a dot.
        QStringList nameFilters;
        for (const Prompts::FileFilter &filter : request.filters) {
            QStringList patterns = filter.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
            for (QString &pattern : patterns) {
                if (pattern == QLatin1String("*.*"))
                    pattern = QStringLiteral("*");
            }
            nameFilters << filter.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        }
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(nameFilters);
        dialog.selectNameFilter(nameFilters.value(request.selectedFilter));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
} // namespace

QMessageBox::StandardButton DialogPrompts::message(const Message &message)
{
    QMessageBox box(toQt(message.icon), message.title, message.text, message.buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

std::optional<QString> DialogPrompts::openFile(const FileRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> DialogPrompts::saveFile(const FileRequest &request)
{
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<QColor> DialogPrompts::colour(const QColor &initial)
{
    if (m_customColour.isValid())
        QColorDialog::setCustomColor(0, m_customColour);
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    m_customColour = chosen;
    return chosen;
}

std::optional<QString> DialogPrompts::text(const QString &prompt, const QString &title, const QString &initial)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(QApplication::activeWindow(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return answer;
}
