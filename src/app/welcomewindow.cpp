#include "welcomewindow.h"

#include "platform/twips.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSvgRenderer>

static void initPictures() { Q_INIT_RESOURCE(pictures); }

namespace {
constexpr double WidthTwips = 6420;
constexpr double HeightTwips = 3975;
constexpr double LeftTwips = 2910;
constexpr double TopTwips = 2190;
constexpr double ShadowOffsetTwips = 120;

const char WebAddress[] = "https://velmora.example/";

const char Disclaimer[] =
    "Velmora is provided \"as is\", without warranty of any kind, express or implied, "
    "including but not limited to the warranties of merchantability, fitness for a "
    "particular purpose and non-infringement.\n\n"
    "In no event shall Korvane Works or the authors be liable for any claim, damages or "
    "other liability, whether in an action of contract, tort or otherwise, arising from, "
    "out of or in connection with the software or the use of it, including lost data, "
    "lost profits or the failure of scripts written or run with it.\n\n"
    "You use Velmora and the scripts it runs at your own risk. Keep copies of your work.";

// A font of the given family, or the desktop's sans font where that family is not installed.
QFont namedFont(const char *family, qreal points, QFont::Weight weight, bool italic)
{
    QFont f;
    f.setFamilies({QLatin1String(family), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    f.setPointSizeF(points);
    f.setWeight(weight);
    f.setItalic(italic);
    return f;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, const QFont &font, const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setFont(font);
    setTextColour(l, colour);
    l->adjustSize();
    return l;
}

QPixmap background(const QWidget *widget, QSize size)
{
    const qreal ratio = widget->devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(QColor(0x14, 0x21, 0x3d));
    QSvgRenderer renderer(QStringLiteral(":/pictures/welcome.svg"));
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}
} // namespace

WelcomeWindow::WelcomeWindow(QWidget *parent) : LeaveOnceDialog(parent)
{
    initPictures();
    setObjectName(QStringLiteral("startup"));
    setWindowTitle(QStringLiteral("Welcome"));
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    const QSize size = twipsToPixels(this, WidthTwips, HeightTwips);
    setFixedSize(size);
    move(twipsToPixelPoint(this, LeftTwips, TopTwips));
    auto x = [this](double twips) { return twipsToPixelsX(this, twips); };
    auto y = [this](double twips) { return twipsToPixelsY(this, twips); };

    // Every control is a child of the window itself, not of the picture: a click on a label
    // without a handler (the version) must not reach the picture's handler through its parent.
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(QRect(QPoint(0, 0), size));
    picture->setPixmap(background(this, size));

    const QColor white(Qt::white);
    const QColor black(Qt::black);

    QLabel *presents = label(this, "Label5", QStringLiteral("Korvane Works Presents:"),
                             namedFont("Tahoma", 15.75, QFont::Normal, true), white);
    presents->move(x(240), y(150));

    const QFont titleFont = namedFont("Tahoma", 30, QFont::Bold, true);
    const QString title = QStringLiteral("Velmora  ");
    QLabel *shadow = label(this, "Label4(1)", title, titleFont, black);
    QLabel *titleLabel = label(this, "Label4(0)", title, titleFont, white);
    titleLabel->move(x(600), y(480));
    shadow->move(titleLabel->x() + x(ShadowOffsetTwips), titleLabel->y());
    titleLabel->raise();

    QLabel *version = label(this, "XVer", versionText(), namedFont("Arial Black", 12, QFont::Black, false), white);
    version->move(x(WidthTwips - 2400), y(1320));

    auto *hiddenVersion = new QLineEdit(versionText(), this);
    hiddenVersion->setObjectName(QStringLiteral("FVer"));
    hiddenVersion->hide();

    QLabel *disclaimerHeading =
        label(this, "Label2", QStringLiteral("Disclaimer"), namedFont("Tahoma", 12, QFont::Bold, false), white);
    disclaimerHeading->move(x(240), y(1680));

    auto *disclaimer = new QPlainTextEdit(this);
    disclaimer->setObjectName(QStringLiteral("Text2"));
    disclaimer->setPlainText(QString::fromUtf8(Disclaimer));
    disclaimer->setReadOnly(true);
    disclaimer->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    disclaimer->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer->setGeometry(x(240), disclaimerHeading->geometry().bottom() + y(45), x(WidthTwips - 480),
                            y(1230));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    ok->resize(x(1200), ok->sizeHint().height());
    ok->move(x(WidthTwips - 240) - ok->width(), y(HeightTwips - 150) - ok->height());

    QFont addressFont = namedFont("Tahoma", 9, QFont::Bold, false);
    QLabel *address = label(this, "Label1", QLatin1String(WebAddress), addressFont, white);
    address->move(x(240), ok->y() + (ok->height() - address->height()) / 2);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget *clickable : {static_cast<QWidget *>(picture), static_cast<QWidget *>(titleLabel),
                               static_cast<QWidget *>(shadow), static_cast<QWidget *>(presents),
                               static_cast<QWidget *>(disclaimerHeading), static_cast<QWidget *>(address)})
        makeClickable(clickable);
    ok->setFocus();
}

QString WelcomeWindow::versionText()
{
    return QStringLiteral("Version %1.%2.%3")
        .arg(VELMORA_VERSION_MAJOR)
        .arg(VELMORA_VERSION_MINOR)
        .arg(VELMORA_VERSION_PATCH);
}

void WelcomeWindow::makeClickable(QWidget *widget)
{
    widget->installEventFilter(this);
}

bool WelcomeWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton;
    // A click counts when the button comes up over the control it went down on.
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint())) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void WelcomeWindow::leaving(int)
{
    emit acknowledged();
}
