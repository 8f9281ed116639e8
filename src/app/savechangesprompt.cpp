#include "savechangesprompt.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

SaveChangesPrompt::SaveChangesPrompt(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveChanges"));
    setWindowTitle(QStringLiteral("Save Changes"));
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setModal(false);

    auto *icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    auto *text = new QLabel(QStringLiteral("The File Has Changes Since Your Last Save.  Would You Like To Save The "
                                           "Changes Now?"),
                            this);
    text->setWordWrap(true);
    text->setMinimumWidth(280);

    auto *yesButton = new QPushButton(QStringLiteral("&Yes"), this);
    yesButton->setObjectName(QStringLiteral("Command3"));
    yesButton->setDefault(true);
    auto *noButton = new QPushButton(QStringLiteral("&No"), this);
    noButton->setObjectName(QStringLiteral("Command2"));
    auto *cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("Command1"));

    auto *message = new QHBoxLayout;
    message->addWidget(icon, 0, Qt::AlignTop);
    message->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(yesButton);
    buttons->addWidget(noButton);
    buttons->addWidget(cancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(message);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(yesButton, &QPushButton::clicked, this, &SaveChangesPrompt::yes);
    connect(noButton, &QPushButton::clicked, this, &SaveChangesPrompt::no);
    connect(cancelButton, &QPushButton::clicked, this, &SaveChangesPrompt::reject);
}

void SaveChangesPrompt::ask()
{
    if (!isVisible()) {
        adjustSize();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    raise();
    activateWindow();
}

void SaveChangesPrompt::reject()
{
    // Esc and the close box answer "Cancel"; whoever answers decides when the prompt hides.
    emit cancel();
}
