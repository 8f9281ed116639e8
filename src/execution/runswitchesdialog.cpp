#include "runswitchesdialog.h"

#include "platform/twips.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

namespace {
constexpr double WidthTwips = 5040;
constexpr double HeightTwips = 2790;
constexpr double RightColumnTwips = 1680;
constexpr double RightWidthTwips = 3240;
} // namespace

RunSwitchesDialog::RunSwitchesDialog(QWidget *window, std::function<void(const QString &)> start,
                                     std::function<void(const QString &)> setHint)
    : QDialog(window, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_start(std::move(start)), m_setHint(std::move(setHint))
{
    setObjectName(QStringLiteral("PopRuns"));
    setWindowTitle(QStringLiteral("Run Script"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twipsToPixels(window, WidthTwips, HeightTwips));

    const auto place = [window](QWidget *widget, double left, double top, double width, double height) {
        widget->setGeometry(QRect(twipsToPixelPoint(window, left, top), twipsToPixels(window, width, height)));
    };

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setAlignment(Qt::AlignCenter);
    picture->setFrameShape(QFrame::StyledPanel);
    const QIcon icon = QIcon::fromTheme(QStringLiteral("utilities-terminal"),
                                        QIcon::fromTheme(QStringLiteral("system-run")));
    place(picture, 120, 120, RightColumnTwips - 240, HeightTwips - 240);
    picture->setPixmap(icon.pixmap(picture->width() * 2 / 3));

    const auto checkBox = [&](const char *name, const char *caption, double top) {
        auto *box = new QCheckBox(QString::fromLatin1(caption), this);
        box->setObjectName(QString::fromLatin1(name));
        place(box, RightColumnTwips, top, RightWidthTwips, 285);
        return box;
    };
    m_unsafe = checkBox("CheckRunU", "-U (Allow Unsafe Operation)", 120);
    m_taint = checkBox("CheckRunT", "-T (Turn On Tainting Checks)", 420);
    m_warnings = checkBox("CheckRunw", "-w (warnings on)", 720);

    auto *frame = new QGroupBox(QStringLiteral("Other Switches"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, RightColumnTwips, 1020, RightWidthTwips, 780);
    m_other = new QLineEdit(frame);
    m_other->setObjectName(QStringLiteral("RunSwitch"));
    QFont font(QStringLiteral("Arial"), 9);
    font.setBold(true);
    m_other->setFont(font);
    m_other->setGeometry(QRect(twipsToPixelPoint(window, 120, 330), twipsToPixels(window, RightWidthTwips - 240, 330)));

    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("Command2"));
    place(cancel, RightColumnTwips, 2040, 1560, 420);
    m_run = new QPushButton(QStringLiteral("Run Script"), this);
    m_run->setObjectName(QStringLiteral("Command1"));
    place(m_run, RightColumnTwips + RightWidthTwips - 1560, 2040, 1560, 420);
    // Return in the text box must not run: only the button does.
    cancel->setAutoDefault(false);
    m_run->setAutoDefault(false);

    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_run, &QPushButton::clicked, this, &RunSwitchesDialog::runScript);

    for (QWidget *hinted : {static_cast<QWidget *>(this), static_cast<QWidget *>(m_run), static_cast<QWidget *>(m_other)}) {
        hinted->setMouseTracking(true);
        hinted->installEventFilter(this);
    }

    if (window) {
        const QPoint centre = window->frameGeometry().center();
        move(centre - QPoint(width() / 2, height() / 2));
    }
}

void RunSwitchesDialog::runScript()
{
    const runfile::Switches switches{m_unsafe->isChecked(), m_taint->isChecked(), m_warnings->isChecked(),
                                     m_other->text()};
    m_other->setText(runfile::switchedSwitches(switches));
    m_start(runfile::switchedCommandLine(switches));
    accept();
}

bool RunSwitchesDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // Moves over a child reach the dialog too; only the bare background has its hint.
        if (watched == this && !childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            m_setHint(QStringLiteral("Run Script With Switches"));
        else if (watched == m_run)
            m_setHint(QStringLiteral("Run Script With Specified Switches"));
        else if (watched == m_other)
            m_setHint(QStringLiteral("Specify Other Switches"));
    }
    return QDialog::eventFilter(watched, event);
}
