#include "tipwindow.h"

#include "settings.h"
#include "tiplist.h"
#include "platform/twips.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

static void initPictures() { Q_INIT_RESOURCE(pictures); }

namespace {
constexpr double WidthTwips = 5415;
constexpr double HeightTwips = 3255;
constexpr int PictureSize = 40;

QPixmap tipPicture(const QWidget *widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap(QSize(PictureSize, PictureSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/pictures/tip.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, PictureSize, PictureSize));
    return pixmap;
}

void makeWhite(QWidget *widget)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
} // namespace

TipWindow::TipWindow(const Settings &settings, TipList &tips, const QString &tipFilePath, QWidget *parent)
    : LeaveOnceDialog(parent), m_settings(settings), m_tips(tips)
{
    initPictures();
    setObjectName(QStringLiteral("frmTip"));
    setWindowTitle(QStringLiteral("Tip of the Day"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Picture1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    makeWhite(panel);

    auto *picture = new QLabel(panel);
    picture->setPixmap(tipPicture(this));
    picture->setFixedSize(PictureSize, PictureSize);

    auto *heading = new QLabel(QStringLiteral("Did you know..."), panel);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);

    m_tipText = new QLabel(panel);
    m_tipText->setObjectName(QStringLiteral("lblTipText"));
    m_tipText->setTextFormat(Qt::PlainText);
    m_tipText->setWordWrap(true);
    m_tipText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tipText->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    makeWhite(m_tipText);

    auto *panelLayout = new QGridLayout(panel);
    panelLayout->setContentsMargins(10, 10, 10, 10);
    panelLayout->setHorizontalSpacing(10);
    panelLayout->addWidget(picture, 0, 0);
    panelLayout->addWidget(heading, 0, 1, Qt::AlignVCenter);
    panelLayout->addWidget(m_tipText, 1, 0, 1, 2);
    panelLayout->setRowStretch(1, 1);
    panelLayout->setColumnStretch(1, 1);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto *next = new QPushButton(QStringLiteral("&Next Tip"), this);
    next->setObjectName(QStringLiteral("cmdNextTip"));
    next->setAutoDefault(false);

    m_showAtStartup = new QCheckBox(QStringLiteral("&Show Tips at Startup"), this);
    m_showAtStartup->setObjectName(QStringLiteral("chkLoadTipsAtStartup"));

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(next);
    buttons->addStretch(1);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 8);
    layout->addWidget(panel, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(m_showAtStartup, 1, 0);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(next, &QPushButton::clicked, this, &TipWindow::nextTip);
    // Every change of the box is stored at once, the one made here included.
    connect(m_showAtStartup, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.writeFlag(keys::ShowTipsAtStartup, on); });
    m_showAtStartup->setChecked(true);

    if (m_tips.load(tipFilePath))
        showCurrentTip();
    else
        m_tipText->setText(displayText(TipList::missingFileMessage()));

    resize(twipsToPixels(this, WidthTwips, HeightTwips));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - QPoint(width() / 2, height() / 2));
}

QString TipWindow::displayText(const QString &tip)
{
    QString text = tip;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void TipWindow::showCurrentTip()
{
    if (!m_tips.isEmpty())
        m_tipText->setText(displayText(m_tips.currentTip()));
}

void TipWindow::nextTip()
{
    m_tips.pick();
    showCurrentTip();
}

void TipWindow::leaving(int)
{
    emit finished();
}
