#include "app/welcomewindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

class TstWelcomeWindow : public QObject {
    Q_OBJECT
private slots:
    void versionText();
    void clicks_data();
    void clicks();
    void escapeAcknowledgesOnce();
};

void TstWelcomeWindow::versionText()
{
    const QString expected = QStringLiteral("Version " VELMORA_TEST_VERSION);
    QCOMPARE(WelcomeWindow::versionText(), expected);

    WelcomeWindow window;
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("XVer"))->text(), expected);
    auto *hidden = window.findChild<QLineEdit *>(QStringLiteral("FVer"));
    QCOMPARE(hidden->text(), expected);
    window.show();
    QVERIFY(!hidden->isVisible());
}

void TstWelcomeWindow::clicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("at"); // null: the control's centre
    QTest::addColumn<bool>("acknowledges");

    QTest::newRow("OK") << QStringLiteral("Command1") << QPoint() << true;
    // A corner of the window where only the picture lies.
    QTest::newRow("background picture") << QStringLiteral("Image1") << QPoint(3, 3) << true;
    QTest::newRow("title") << QStringLiteral("Label4(0)") << QPoint() << true;
    QTest::newRow("title shadow") << QStringLiteral("Label4(1)") << QPoint() << true;
    QTest::newRow("Korvane Works Presents") << QStringLiteral("Label5") << QPoint() << true;
    QTest::newRow("Disclaimer") << QStringLiteral("Label2") << QPoint() << true;
    QTest::newRow("web address") << QStringLiteral("Label1") << QPoint() << true;
    QTest::newRow("version") << QStringLiteral("XVer") << QPoint() << false;
    QTest::newRow("disclaimer text") << QStringLiteral("Text2") << QPoint() << false;
}

void TstWelcomeWindow::clicks()
{
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(bool, acknowledges);

    QPointer<WelcomeWindow> window = new WelcomeWindow;
    window->show();
    QSignalSpy acknowledged(window.data(), &WelcomeWindow::acknowledged);
    auto *target = window->findChild<QWidget *>(control);
    QVERIFY(target);
    if (auto *text = qobject_cast<QPlainTextEdit *>(target))
        target = text->viewport();
    QTest::mouseClick(target, Qt::LeftButton, {}, at.isNull() ? target->rect().center() : at);

    QCOMPARE(acknowledged.count(), acknowledges ? 1 : 0);
    QCOMPARE(window->isVisible(), !acknowledges);

    // The close box acknowledges a window still open; one already acknowledged stays at one.
    window->close();
    QCOMPARE(acknowledged.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

// Esc closes the window like the close box, so it never closes without going on.
void TstWelcomeWindow::escapeAcknowledgesOnce()
{
    QPointer<WelcomeWindow> window = new WelcomeWindow;
    window->show();
    QSignalSpy acknowledged(window.data(), &WelcomeWindow::acknowledged);
    QTest::keyClick(window.data(), Qt::Key_Escape);
    QCOMPARE(acknowledged.count(), 1);
    QVERIFY(!window->isVisible());
    delete window.data();
}

QTEST_MAIN(TstWelcomeWindow)
#include "tst_welcomewindow.moc"
