#include "app/editorwindow.h"
#include "document/richtextcontrol.h"
#include "editorfixture.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

class TestSnippets : public QObject {
    Q_OBJECT
private slots:
    void stockFragmentReplacesTheSelection_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("fragment");
        QTest::newRow("Ctrl+L") << QKeySequence("Ctrl+L") << "\\n\";";
        QTest::newRow("Ctrl+R") << QKeySequence("Ctrl+R") << "print MAIL \"";
        QTest::newRow("Ctrl+P") << QKeySequence("Ctrl+P") << "print \"";
        QTest::newRow("Ctrl+D") << QKeySequence("Ctrl+D") << "die;";
        QTest::newRow("Ctrl+K") << QKeySequence("Ctrl+K") << "######";
        QTest::newRow("Ctrl+S") << QKeySequence("Ctrl+S") << "sub ";
        QTest::newRow("Ctrl+H") << QKeySequence("Ctrl+H") << "print \"Content-type: text/html\\n\\n\";";
        QTest::newRow("Ctrl+I") << QKeySequence("Ctrl+I") << "if (";
        QTest::newRow("Ctrl+E") << QKeySequence("Ctrl+E") << "exit;";
    }
    void stockFragmentReplacesTheSelection()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, fragment);
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        RichTextControl *text = window.textControl();
        text->setText(QStringLiteral("x abc y"));
        text->setSelStart(2);
        text->setSelLength(3);
        text->setFocus();
        QTest::keySequence(text, keys);
        QCOMPARE(text->text(), QStringLiteral("x ") + fragment + QStringLiteral(" y"));
        QCOMPARE(text->selStart(), 2 + fragment.size());
        QCOMPARE(text->selLength(), 0);
        QCOMPARE(window.state.Saved, QStringLiteral("NO"));
    }

    void userPhrasesComeFromThePreferencesAsTheyStand()
    {
        EditorFixture fixture;
        EditorWindow window(fixture.context);
        RichTextControl *text = window.textControl();
        window.action("mnuUserKey1")->trigger();
        QCOMPARE(text->text(), QStringLiteral("User Defined Key"));

        // While the preferences dialog is open, its unsaved text is the phrase.
        window.action("mnuPP")->trigger();
        auto *phrase = window.findChild<QLineEdit *>("sc3");
        phrase->setText(QStringLiteral("use strict;"));
        text->setText(QString());
        window.action("mnuUserKey3")->trigger();
        QCOMPARE(text->text(), QStringLiteral("use strict;"));
        // Cancelled, the edit is gone again.
        window.findChild<QWidget *>("frmPrefs")->findChild<QAbstractButton *>("Command3")->click();
        QTRY_VERIFY(!window.findChild<QWidget *>("frmPrefs"));
        text->setText(QString());
        window.action("mnuUserKey3")->trigger();
        QCOMPARE(text->text(), QStringLiteral("User Defined Key"));
    }

    void storedPhraseOfOneInsertsTheDefault()
    {
        EditorFixture fixture;
        fixture.store.write("Options", "Shortcut Key2", "1");
        EditorWindow window(fixture.context);
        window.action("mnuUserKey2")->trigger();
        QCOMPARE(window.textControl()->text(), QStringLiteral("User Defined Key"));
    }
};

QTEST_MAIN(TestSnippets)
#include "tst_snippets.moc"
