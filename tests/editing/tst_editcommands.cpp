#include "app/editorwindow.h"
#include "document/richtextcontrol.h"
#include "editing/editcommands.h"
#include "editorfixture.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

// A main window, whose edit commands are connected by the window itself.
struct CommandsFixture {
    EditorFixture services;
    EditorWindow window{services.context};
    RichTextControl &text = *window.textControl();
    QMenu *fontSizes = window.findChild<QMenu *>(QStringLiteral("mnuSettingsItem(1)"));

    void select(int start, int length)
    {
        text.setSelStart(start);
        text.setSelLength(length);
    }
    // Runs a menu item by name, or a toolbar image when the name is one.
    void run(const QString &entry)
    {
        if (auto *button = window.findChild<QToolButton *>(entry))
            button->click();
        else
            window.action(entry)->trigger();
    }
    void openEditMenu() { emit window.findChild<QMenu *>(QStringLiteral("mnuEdit"))->aboutToShow(); }
};

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void fontSizeItems_data()
    {
        QTest::addColumn<QList<int>>("items");
        QTest::addColumn<QString>("caption");
        QTest::newRow("12") << QList<int>{4} << "&Font Size 12";
        QTest::newRow("12 then 9: caption not stacked") << QList<int>{4, 1} << "&Font Size 9";
        QTest::newRow("8, smallest") << QList<int>{0} << "&Font Size 8";
        QTest::newRow("14, largest") << QList<int>{6} << "&Font Size 14";
        QTest::newRow("10, already ticked") << QList<int>{2} << "&Font Size 10";
    }
    void fontSizeItems()
    {
        QFETCH(QList<int>, items);
        QFETCH(QString, caption);
        CommandsFixture f;
        f.text.setText(QStringLiteral("print 1;"));
        const QString family = f.text.baseFont().family();
        for (int k : items)
            f.run(QStringLiteral("mnuFontSizesItem(%1)").arg(k));

        const int chosen = items.last();
        QCOMPARE(f.fontSizes->title(), caption);
        QCOMPARE(f.fontSizes->menuAction()->text(), caption);
        QCOMPARE(f.text.baseFont().pointSize(), 8 + chosen);
        QCOMPARE(f.text.baseFont().family(), family);
        for (int k = 0; k < EditCommands::FontSizeCount; ++k)
            QCOMPARE(f.window.action(QStringLiteral("mnuFontSizesItem(%1)").arg(k))->isChecked(), k == chosen);
    }

    void wrapItemsAndFontSizeTurningWrapOff()
    {
        CommandsFixture f;
        f.run("mnuWrapOn");
        QCOMPARE(f.text.rightMargin(), 0);
        f.run("mnuFontSizesItem(4)");
        QCOMPARE(f.text.rightMargin(), EditCommands::NoWrapMargin);
        QCOMPARE(f.fontSizes->title(), QStringLiteral("&Font Size 12"));

        f.run("mnuWrapOn");
        f.run("mnuWrapOff");
        QCOMPARE(f.text.rightMargin(), EditCommands::NoWrapMargin);
        QVERIFY(!f.window.action("mnuWrapOn")->isChecked());
    }

    void fontItemsKeepSizeAndColours_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("family");
        QTest::newRow("Arial") << "mnuFontStyle(0)" << "Arial";
        QTest::newRow("Times New Roman") << "mnuTimesNew" << "Times New Roman";
        QTest::newRow("Courier New") << "mnuCourier" << "Courier New";
    }
    void fontItemsKeepSizeAndColours()
    {
        QFETCH(QString, item);
        QFETCH(QString, family);
        CommandsFixture f;
        f.text.setText(QStringLiteral("my $x = 1;"));
        f.select(3, 2);
        f.text.setSelColor(Qt::red);
        f.run("mnuFontSizesItem(5)");

        f.run(item);
        QCOMPARE(f.text.baseFont().family(), family);
        QCOMPARE(f.text.baseFont().pointSize(), 13);
        QCOMPARE(f.text.colourAt(3), QColor(Qt::red));
        QCOMPARE(f.text.colourAt(4), QColor(Qt::red));
        QCOMPARE(f.text.colourAt(0), QColor(Qt::black));
        QVERIFY(!f.window.action(item)->isChecked());
        QCOMPARE(f.fontSizes->title(), QStringLiteral("&Font Size 13"));
    }

    void cutCopyPaste_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("clipboardBefore");
        QTest::addColumn<QString>("textAfter");
        QTest::addColumn<QString>("clipboardAfter");
        const QString text = QStringLiteral("my $café = 1;");
        QTest::newRow("menu cut") << "mnuEditItem(0)" << 3 << 5 << "old" << "my  = 1;" << "$café";
        QTest::newRow("toolbar cut") << "Image15" << 3 << 5 << "old" << "my  = 1;" << "$café";
        QTest::newRow("toolbar cut, nothing selected") << "Image15" << 4 << 0 << "old" << text << "";
        QTest::newRow("menu copy") << "mnuEditItem(1)" << 8 << 4 << "old" << text << " = 1";
        QTest::newRow("toolbar copy, nothing selected") << "Image16" << 4 << 0 << "old" << text << "";
        QTest::newRow("menu paste over selection") << "mnuEditItem(2)" << 11 << 1 << "42" << "my $café = 42;" << "42";
        QTest::newRow("toolbar paste at caret") << "Image17" << 3 << 0 << "our " << "my our $café = 1;" << "our ";
        QTest::newRow("paste of empty clipboard deletes selection")
            << "Image17" << 8 << 4 << "" << "my $café;" << "";
    }
    void cutCopyPaste()
    {
        QFETCH(QString, entry);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QString, clipboardBefore);
        QFETCH(QString, textAfter);
        QFETCH(QString, clipboardAfter);
        CommandsFixture f;
        f.text.setText(QStringLiteral("my $café = 1;"));
        f.services.clipboard.content = clipboardBefore;
        f.select(start, length);

        f.run(entry);
        QCOMPARE(f.text.text(), textAfter);
        QCOMPARE(f.services.clipboard.content, clipboardAfter);
        QCOMPARE(f.text.selLength(), entry == "mnuEditItem(1)" || entry == "Image16" ? length : 0);
    }

    void selectAllTakesTheWholeText()
    {
        CommandsFixture f;
        f.text.setText(QStringLiteral("#!/usr/bin/perl\nprint \"\U0001F600\";\n"));
        f.select(5, 0);
        f.run("mnuSelectAll");
        QCOMPARE(f.text.selStart(), 0);
        QCOMPARE(f.text.selLength(), f.text.text().length());
        f.run("mnuEditItem(1)");
        QCOMPARE(f.services.clipboard.content, f.text.text());
    }

    void editMenuEnablesCutAndCopyOnlyWithASelection()
    {
        CommandsFixture f;
        f.text.setText(QStringLiteral("print 1;"));
        const QStringList always = {"mnuUndo", "mnuEditItem(2)", "mnuSelectAll"};
        auto enabled = [&](const char *name) { return f.window.action(name)->isEnabled(); };

        f.openEditMenu();
        QVERIFY(!enabled("mnuEditItem(0)"));
        QVERIFY(!enabled("mnuEditItem(1)"));
        for (const QString &name : always)
            QVERIFY2(f.window.action(name)->isEnabled(), qPrintable(name));

        // The toolbar does not go through the menu's disabled items.
        f.select(0, 5);
        f.run("Image15");
        QCOMPARE(f.services.clipboard.content, QStringLiteral("print"));

        f.select(0, 2);
        f.openEditMenu();
        QVERIFY(enabled("mnuEditItem(0)"));
        QVERIFY(enabled("mnuEditItem(1)"));
        for (const QString &name : always)
            QVERIFY2(f.window.action(name)->isEnabled(), qPrintable(name));

        f.select(1, 0);
        f.openEditMenu();
        QVERIFY(!enabled("mnuEditItem(0)"));
        QVERIFY(!enabled("mnuEditItem(1)"));
    }

    void undoAfterPasteAndCutRestoresTheText()
    {
        CommandsFixture f;
        f.text.setText(QStringLiteral("my $x = 1;"));
        f.text.setFocus();
        f.services.clipboard.content = QStringLiteral("42\r\n+ 1");
        f.select(8, 1);
        f.run("mnuEditItem(2)");
        QCOMPARE(f.text.text(), QStringLiteral("my $x = 42\r\n+ 1;"));
        f.run("mnuUndo");
        QCOMPARE(f.text.text(), QStringLiteral("my $x = 1;"));

        f.select(0, 3);
        f.run("Image15");
        QCOMPARE(f.text.text(), QStringLiteral("$x = 1;"));
        f.run("mnuUndo");
        QCOMPARE(f.text.text(), QStringLiteral("my $x = 1;"));
    }

    void undoGoesToTheFocusedTextBox()
    {
        CommandsFixture f;
        auto *line = new QLineEdit(f.window.centralWidget());
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        f.text.setText(QStringLiteral("abc"));
        f.select(3, 0);
        f.text.setSelText(QStringLiteral("d"));
        line->setFocus();
        line->insert(QStringLiteral("typed"));
        QCOMPARE(f.window.focusWidget(), line);

        f.run("mnuUndo");
        QCOMPARE(line->text(), QString());
        QCOMPARE(f.text.text(), QStringLiteral("abcd"));

        f.text.setFocus();
        f.run("mnuUndo");
        QCOMPARE(f.text.text(), QStringLiteral("abc"));
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
