#include "recentfilesdialog.h"

#include "app/settings.h"
#include "platform/twips.h"
#include "recentfiles.h"

#include <QListWidget>
#include <QPointer>
#include <QPushButton>


namespace {
constexpr double WidthTwips = 3480;
constexpr double HeightTwips = 1800;
constexpr double ListHeightTwips = 1425;
constexpr double MarginTwips = 120;
constexpr double ButtonHeightTwips = 330;
constexpr double CancelWidthTwips = 1095;
constexpr double OpenWidthTwips = 1815;
} // namespace

RecentFilesDialog::RecentFilesDialog(const RecentFiles &recentFiles, const Settings &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("RecentFiles"));
    setWindowTitle(QStringLiteral("Recent Scripts"));
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);

    auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    auto y = [this](double twips) { return twipsToPixelsY(this, twips); };
    setFixedSize(x(WidthTwips), y(HeightTwips));

    m_list->setObjectName(QStringLiteral("RecList"));
    m_list->setGeometry(0, 0, width(), y(ListHeightTwips));
    m_list->addItems(recentFiles.history(settings.historyLength()));

    const int buttonHeight = y(ButtonHeightTwips);
    const int buttonTop = m_list->height() + (height() - m_list->height() - buttonHeight) / 2;

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    cancel->setGeometry(x(MarginTwips), buttonTop, x(CancelWidthTwips), buttonHeight);

    auto *open = new QPushButton(QStringLiteral("Open"), this);
    open->setObjectName(QStringLiteral("Command1"));
    open->setGeometry(width() - x(MarginTwips) - x(OpenWidthTwips), buttonTop, x(OpenWidthTwips), buttonHeight);

    // Esc reaches QDialog::reject, which closes the window like Cancel.
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(open, &QPushButton::clicked, this, &RecentFilesDialog::openSelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &RecentFilesDialog::openSelected);
}

void RecentFilesDialog::openSelected()
{
    // Only a selected item counts: the list may have a current item that the user never chose.
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    const QString path = selected.isEmpty() ? QString() : selected.first()->text();
    const QPointer<RecentFilesDialog> self(this);
    emit openRequested(path);
    if (self)
        close();
}
