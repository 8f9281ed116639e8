#include "app/settings.h"
#include "app/tiplist.h"
#include "app/tipwindow.h"
#include "recordingstore.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QString ShowTipsOn = QStringLiteral("Options/Show Tips at Startup=1");
const QString ShowTipsOff = QStringLiteral("Options/Show Tips at Startup=0");

TipList::Random sequence(QList<double> values)
{
    auto next = std::make_shared<int>(0);
    return [values, next] { return values[(*next)++ % values.size()]; };
}

// One tip window over a recording store, with the tip file in a temporary folder.
struct Fixture {
    explicit Fixture(QList<double> randoms = {0.0}) : tips(sequence(randoms)) {}

    QString tipFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath(QStringLiteral("TIPOFDAY.TXT"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            qFatal("cannot write the tip file");
        return path;
    }
    QString missingFile() const { return dir.filePath(QStringLiteral("TIPOFDAY.TXT")); }

    TipWindow *open(const QString &path)
    {
        window = new TipWindow(settings, tips, path);
        window->show();
        return window;
    }
    ~Fixture() { delete window.data(); }

    QString tipText() const { return window->findChild<QLabel *>(QStringLiteral("lblTipText"))->text(); }
    void nextTip() const { window->findChild<QPushButton *>(QStringLiteral("cmdNextTip"))->click(); }
    QCheckBox *box() const { return window->findChild<QCheckBox *>(QStringLiteral("chkLoadTipsAtStartup")); }

    QTemporaryDir dir;
    RecordingStore store;
    Settings settings{store};
    TipList tips;
    QPointer<TipWindow> window;
};

void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
} // namespace

class TstTipWindow : public QObject {
    Q_OBJECT
private slots:
    void creationStoresShowTipsAtOnce();
    void missingFileShowsMessageAndNextTipChangesNothing();
    void tipFiles_data();
    void tipFiles();
    void nextTipShowsThePickedTip();
    void showTipsBoxIsStoredAtOnce();
    void untickingThenOkStoresZero();
    void everyWayOutFinishesOnce_data();
    void everyWayOutFinishesOnce();
};

void TstTipWindow::creationStoresShowTipsAtOnce()
{
    Fixture f;
    f.open(f.missingFile());
    QCOMPARE(f.store.writes, QStringList{ShowTipsOn});
    QVERIFY(f.box()->isChecked());
    QCOMPARE(f.window->objectName(), QStringLiteral("frmTip"));
    QCOMPARE(f.window->windowTitle(), QStringLiteral("Tip of the Day"));
}

void TstTipWindow::missingFileShowsMessageAndNextTipChangesNothing()
{
    Fixture f;
    f.open(f.missingFile());
    const QString shown = f.tipText();
    // The message's CR LF pairs are shown as line breaks, not as stray characters.
    QVERIFY(!shown.contains(QLatin1Char('\r')));
    QCOMPARE(shown, QString(TipList::missingFileMessage()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    f.nextTip();
    f.nextTip();
    QCOMPARE(f.tipText(), shown);
}

void TstTipWindow::tipFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("tip");

    QTest::newRow("one line") << QByteArray("Only tip\r\n") << QStringLiteral("Only tip");
    QTest::newRow("LF-only ends make one tip") << QByteArray("first\nsecond\nthird\n")
                                               << QStringLiteral("first\nsecond\nthird\n");
    QTest::newRow("empty file") << QByteArray() << QString();
}

void TstTipWindow::tipFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, tip);
    Fixture f({0.0, 0.5, 0.99});
    f.open(f.tipFile(file));
    QCOMPARE(f.tipText(), tip);
    for (int i = 0; i < 3; ++i) {
        f.nextTip();
        QCOMPARE(f.tipText(), tip);
    }
}

void TstTipWindow::nextTipShowsThePickedTip()
{
    Fixture f({0.0, 0.9, 0.4});
    f.open(f.tipFile("alpha\r\nbeta\r\ngamma\r\n"));
    QCOMPARE(f.tipText(), QStringLiteral("alpha"));
    f.nextTip();
    QCOMPARE(f.tipText(), QStringLiteral("gamma"));
    f.nextTip();
    QCOMPARE(f.tipText(), QStringLiteral("beta"));
}

void TstTipWindow::showTipsBoxIsStoredAtOnce()
{
    Fixture f;
    f.open(f.missingFile());
    QTest::mouseClick(f.box(), Qt::LeftButton);
    QCOMPARE(f.store.writes, (QStringList{ShowTipsOn, ShowTipsOff}));
    QTest::mouseClick(f.box(), Qt::LeftButton);
    QCOMPARE(f.store.writes, (QStringList{ShowTipsOn, ShowTipsOff, ShowTipsOn}));
}

void TstTipWindow::untickingThenOkStoresZero()
{
    Fixture f;
    f.open(f.tipFile("tip\r\n"));
    QSignalSpy finished(f.window.data(), &TipWindow::finished);
    f.box()->click();
    QTest::mouseClick(f.window->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(f.store.read(QStringLiteral("Options"), QStringLiteral("Show Tips at Startup")), QStringLiteral("0"));
    QCOMPARE(f.store.writes.last(), ShowTipsOff);
}

void TstTipWindow::everyWayOutFinishesOnce_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("OK") << QStringLiteral("ok");
    QTest::newRow("Enter") << QStringLiteral("enter");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TstTipWindow::everyWayOutFinishesOnce()
{
    QFETCH(QString, way);
    Fixture f;
    f.open(f.tipFile("tip\r\n"));
    QSignalSpy finished(f.window.data(), &TipWindow::finished);

    if (way == QLatin1String("ok"))
        QTest::mouseClick(f.window->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    else if (way == QLatin1String("enter"))
        QTest::keyClick(f.box(), Qt::Key_Return);
    else if (way == QLatin1String("esc"))
        QTest::keyClick(f.box(), Qt::Key_Escape);
    else
        QVERIFY(f.window->close());

    QCOMPARE(finished.count(), 1);
    QVERIFY(!f.window->isVisible());
    // A second close (say the close box after OK) does not announce the end again.
    f.window->close();
    QCOMPARE(finished.count(), 1);
    flushDeletes();
    QVERIFY(f.window.isNull());
}

QTEST_MAIN(TstTipWindow)
#include "tst_tipwindow.moc"
