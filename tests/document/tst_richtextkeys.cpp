#include "document/richtextcontrol.h"

#include <QAction>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

// Scintilla binds several Ctrl keys the editor's menus use; released, the window's shortcuts win.
class TestRichTextKeys : public QObject {
    Q_OBJECT
private slots:
    void windowShortcutWins_data();
    void windowShortcutWins();
};

void TestRichTextKeys::windowShortcutWins_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("released");
    QTest::addColumn<int>("triggered");

    QTest::newRow("Ctrl+L") << int(Qt::Key_L) << true << 1;
    QTest::newRow("Ctrl+T") << int(Qt::Key_T) << true << 1;
    QTest::newRow("Ctrl+D") << int(Qt::Key_D) << true << 1;
    QTest::newRow("Ctrl+U") << int(Qt::Key_U) << true << 1;
    // Without releasing, Scintilla takes the key: shows that the check can fail.
    QTest::newRow("Ctrl+L kept by Scintilla") << int(Qt::Key_L) << false << 0;
}

void TestRichTextKeys::windowShortcutWins()
{
    QFETCH(int, key);
    QFETCH(bool, released);
    QFETCH(int, triggered);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *control = new RichTextControl(&window);
    layout->addWidget(control);
    const QList<QKeySequence> shortcuts = {QKeySequence(Qt::CTRL | Qt::Key_L), QKeySequence(Qt::CTRL | Qt::Key_T),
                                           QKeySequence(Qt::CTRL | Qt::Key_D), QKeySequence(Qt::CTRL | Qt::Key_U)};
    QAction action(&window);
    action.setShortcut(QKeySequence(Qt::CTRL | Qt::Key(key)));
    window.addAction(&action);
    QSignalSpy spy(&action, &QAction::triggered);
    if (released)
        control->releaseKeys(shortcuts);

    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    control->setText(QStringLiteral("First Line\r\nsecond line"));
    control->setSelStart(2);
    control->setSelLength(3);

    QTest::keyClick(control, Qt::Key(key), Qt::ControlModifier);
    QCOMPARE(spy.count(), triggered);
    if (released)
        QCOMPARE(control->text(), QStringLiteral("First Line\r\nsecond line"));
}

QTEST_MAIN(TestRichTextKeys)
#include "tst_richtextkeys.moc"
