#include "app/documentcontroller.h"
#include "app/editorwindow.h"
#include "app/savechangesprompt.h"
#include "document/recentfiles.h"
#include "document/richtextcontrol.h"
#include "document/scriptpaths.h"
#include "editorfixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

namespace {
QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// An editor window over the test doubles, with scripts a.pl, b.pl in a temporary folder.
struct Editor {
    EditorFixture fixture;
    QTemporaryDir scripts;
    EditorWindow window{fixture.context};
    QString a = scripts.filePath(QStringLiteral("a.pl"));
    QString b = scripts.filePath(QStringLiteral("b.pl"));
    QString c = scripts.filePath(QStringLiteral("c.pl"));

    Editor()
    {
        writeBytes(a, "a\n");
        writeBytes(b, "b\n");
        fixture.store.write("Options", "InitDir", a);
    }
    RichTextControl *text() const { return window.textControl(); }
    DocumentController &document() { return window.document(); }
    SaveChangesPrompt *prompt() { return window.document().prompt(); }
    void openA()
    {
        window.currentFile = a;
        document().loadEditorFile(a);
    }
    void type(const QString &characters)
    {
        text()->setSelStart(0);
        text()->setSelText(characters);
    }
    void press(const char *button) { prompt()->findChild<QAbstractButton *>(QLatin1String(button))->click(); }
    QString caption() const { return window.windowTitle().mid(QStringLiteral("KOR Velmora: ").size()); }
};
} // namespace

class TestDocument : public QObject {
    Q_OBJECT
private slots:
    // Each row: a start (a.pl opened, or a new untitled script), the steps, the file dialog
    // answers in order ("a", "b", "c" or "cancel"), and the state that must result.
    void modifiedFlag_data()
    {
        QTest::addColumn<bool>("untitled");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("flag");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("currentFile");
        QTest::addColumn<bool>("promptShown");
        QTest::addColumn<QByteArray>("diskA");

        auto row = [](const char *name, bool untitled, QStringList steps, QStringList answers, const char *flag,
                      const char *caption, const char *text, const char *currentFile, bool promptShown,
                      const char *diskA = "a\n") {
            QTest::newRow(name) << untitled << steps << answers << QString::fromLatin1(flag)
                                << QString::fromLatin1(caption) << QString::fromLatin1(text)
                                << QString::fromLatin1(currentFile) << promptShown << QByteArray(diskA);
        };
        row("open, unchanged", false, {"open"}, {"b"}, "YES", "b", "b\r\n", "b", false);
        row("open cancelled", false, {"open"}, {"cancel"}, "YES", "a", "a\r\n", "a", false);
        row("a change", false, {"type"}, {}, "NO", "a", "xa\r\n", "a", false);
        row("open while changed asks", false, {"type", "open"}, {}, "OPEN", "a", "xa\r\n", "a", true);
        row("No shows the open dialog; cancelled keeps the text", false, {"type", "open", "no"}, {"cancel"}, "YES",
            "a", "xa\r\n", "a", false);
        row("No, then another file", false, {"type", "open", "no"}, {"b"}, "YES", "b", "b\r\n", "b", false);
        row("Yes saves, then opens", false, {"type", "open", "yes"}, {"b"}, "YES", "b", "b\r\n", "b", false, "xa\n");
        row("Yes saves; open cancelled keeps the prompt", false, {"type", "open", "yes"}, {"cancel"}, "OPEN", "a",
            "xa\r\n", "a", true, "xa\n");
        row("Cancel drops the open", false, {"type", "open", "cancel"}, {}, "OPEN", "a", "xa\r\n", "a", false);
        row("close, unchanged", false, {"close"}, {}, "YES", "Untitled", "", "Untitled", false);
        row("close while changed asks", false, {"type", "close"}, {}, "NO", "a", "xa\r\n", "a", true);
        row("close, No", false, {"type", "close", "no"}, {}, "YES", "Untitled", "", "Untitled", false);
        row("close, Yes saves", false, {"type", "close", "yes"}, {}, "YES", "Untitled", "", "Untitled", false, "xa\n");
        row("close, Cancel", false, {"type", "close", "cancel"}, {}, "NO", "a", "xa\r\n", "a", false);
        row("save", false, {"type", "save"}, {}, "YES", "a", "xa\r\n", "a", false, "xa\n");
        row("save as", false, {"type", "saveas"}, {"c"}, "YES", "c", "xa\r\n", "c", false);
        row("save as cancelled", false, {"type", "saveas"}, {"cancel"}, "NO", "a", "xa\r\n", "a", false);
        row("untitled: save asks for a name", true, {"type", "save"}, {"c"}, "YES", "c", "x", "c", false);
        row("untitled: save cancelled", true, {"type", "save"}, {"cancel"}, "NO", "Untitled", "x", "", false);
        row("untitled: close, Yes asks for a name", true, {"type", "close", "yes"}, {"c"}, "YES", "Untitled", "",
            "Untitled", false);
        row("untitled: close, Yes, name cancelled", true, {"type", "close", "yes"}, {"cancel"}, "NO", "Untitled",
            "x", "", true);
        row("the file already shown is not read again", false, {"type", "open", "no"}, {"a"}, "YES", "a", "xa\r\n",
            "a", false);
    }
    void modifiedFlag()
    {
        QFETCH(bool, untitled);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, answers);
        Editor editor;
        if (!untitled)
            editor.openA();
        const QHash<QString, QString> paths{{"a", editor.a}, {"b", editor.b}, {"c", editor.c}};
        for (const QString &answer : answers)
            editor.fixture.prompts.queueFile(answer == "cancel" ? std::nullopt : std::optional(paths[answer]));

        DocumentController &document = editor.document();
        for (const QString &step : steps) {
            if (step == "type") editor.type("x");
            else if (step == "open") document.openFile();
            else if (step == "close") document.closeScript();
            else if (step == "save") document.save();
            else if (step == "saveas") document.saveAs();
            else if (step == "yes") editor.press("Command3");
            else if (step == "no") editor.press("Command2");
            else if (step == "cancel") editor.press("Command1");
        }
        QVERIFY(editor.fixture.prompts.allAnswersUsed());
        QTEST(editor.window.state.Saved, "flag");
        QFETCH(QString, caption);
        QCOMPARE(editor.caption(), paths.value(caption, caption));
        QTEST(editor.text()->text(), "text");
        QFETCH(QString, currentFile);
        QCOMPARE(editor.window.currentFile, paths.value(currentFile, currentFile));
        QTEST(editor.prompt()->isVisible(), "promptShown");
        QTEST(readBytes(editor.a), "diskA");
    }

    void dialogsGetTheRememberedFolderAndTheFilters()
    {
        Editor editor;
        editor.fixture.prompts.queueFile(std::nullopt);
        editor.document().openFile();
        const Prompts::FileRequest request = editor.fixture.prompts.openRequests.at(0);
        QCOMPARE(request.initialDir, editor.scripts.path());
        QCOMPARE(QDir::currentPath(), QDir(editor.scripts.path()).canonicalPath());
        QCOMPARE(request.filters, scriptFilters());
        QCOMPARE(request.selectedFilter, 4);
        QCOMPARE(request.filters.at(4).patterns, QStringLiteral("*.pl;*.cgi;*lib"));
    }

    void openRemembersThePathAndPushesItToRecent()
    {
        Editor editor;
        editor.fixture.prompts.queueFile(editor.b);
        editor.document().openFile();
        QCOMPARE(editor.fixture.store.read("Options", "InitDir"), editor.b);
        QCOMPARE(editor.window.recentFiles().entries()[0], editor.b);
        QCOMPARE(editor.window.action("mnuRec1")->text(), editor.b);
        QCOMPARE(editor.window.state.txtStart, QStringLiteral("0"));
    }

    void unreadableFolderStartsAtTheRoot_data()
    {
        QTest::addColumn<QString>("initDir");
        QTest::newRow("never written") << QString();
        QTest::newRow("folder gone") << "/no/such/folder/x.pl";
    }
    void unreadableFolderStartsAtTheRoot()
    {
        QFETCH(QString, initDir);
        Editor editor;
        if (initDir.isEmpty())
            editor.fixture.store.write("Options", "InitDir", "1");
        else
            editor.fixture.store.write("Options", "InitDir", initDir);
        editor.fixture.prompts.queueFile(std::nullopt);
        editor.document().openFile();
        QCOMPARE(editor.fixture.store.read("Options", "InitDir"), QStringLiteral("/"));
        QCOMPARE(editor.fixture.prompts.openRequests.at(0).initialDir, QStringLiteral("/"));
        QCOMPARE(editor.window.state.Saved, QStringLiteral("YES"));
    }

    void folderOfPathRules_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::newRow("script") << "/home/u/perl/test.pl" << "/home/u/perl";
        QTest::newRow("script at the root") << "/test.pl" << "";
        QTest::newRow("root") << "/" << "/";
        QTest::newRow("folder ending in a slash") << "/opt/velmora/" << "/";
        QTest::newRow("no slash") << "1" << "NO PATH";
        QTest::newRow("empty") << "" << "NO PATH";
        QTest::newRow("fourth character a star") << "/ab*/x.pl" << "/";
        QTest::newRow("colon kept") << "/home/u/a:b/x.pl" << "/home/u/a:b";
    }
    void folderOfPathRules()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QCOMPARE(folderOfPath(path), folder);
    }

    void openAndSaveUnchangedIsByteExact_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("UTF-8, LF") << QByteArray("my $s = \"caf\xc3\xa9\";\nprint $s;\n");
        QTest::newRow("UTF-8, CR LF") << QByteArray("print \"\xe2\x98\x83\";\r\nexit;\r\n");
        QTest::newRow("Latin-1, LF") << QByteArray("# caf\xe9\nprint 1;\n");
        QTest::newRow("Latin-1, CR LF") << QByteArray("# \xe9t\xe9\r\nprint 1;\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("blank last line") << QByteArray("print 1;\n\n");
    }
    void openAndSaveUnchangedIsByteExact()
    {
        QFETCH(QByteArray, bytes);
        Editor editor;
        writeBytes(editor.c, bytes);
        editor.window.currentFile = editor.c;
        editor.document().loadEditorFile(editor.c);
        editor.document().save();
        QCOMPARE(readBytes(editor.c), bytes);
        // And again: saving never grows the file.
        editor.document().save();
        QCOMPARE(readBytes(editor.c), bytes);
    }

    void saveAddsOnlyAMissingFinalLineEnd()
    {
        Editor editor;
        writeBytes(editor.c, "print 1;\r\nexit;");
        editor.window.currentFile = editor.c;
        editor.document().loadEditorFile(editor.c);
        editor.document().save();
        QCOMPARE(readBytes(editor.c), QByteArray("print 1;\r\nexit;\r\n"));
    }

    void newScriptsAreUtf8WithLf()
    {
        Editor editor;
        editor.text()->setText(QString::fromUtf8("print \"\xc3\xa9\";\r\nexit;"));
        editor.fixture.prompts.queueFile(editor.c);
        editor.document().save();
        QCOMPARE(readBytes(editor.c), QByteArray("print \"\xc3\xa9\";\nexit;\n"));
    }

    void failedWriteIsReported()
    {
        Editor editor;
        editor.openA();
        editor.type("x");
        // A folder that is really a file cannot take a script, even for root.
        editor.window.currentFile = editor.a + QStringLiteral("/inner.pl");
        QVERIFY(!editor.document().save());
        QCOMPARE(editor.fixture.prompts.messages.size(), 1);
        QCOMPARE(editor.fixture.prompts.messages[0].text,
                 QStringLiteral("Error occurred while trying to close file, please retry."));
        QCOMPARE(editor.fixture.prompts.messages[0].icon, Prompts::Icon::Warning);
        QCOMPARE(readBytes(editor.a), QByteArray("a\n"));
        QCOMPARE(editor.text()->text(), QStringLiteral("xa\r\n"));
        QCOMPARE(editor.caption(), editor.a);
    }

    void saveButtonSaysSavedOnlyWhenItWas()
    {
        Editor editor;
        editor.type("x");
        auto *image9 = editor.window.findChild<QToolButton *>("Image9");
        editor.fixture.prompts.queueFile(std::nullopt);
        image9->click();
        QVERIFY(editor.fixture.prompts.messages.isEmpty());
        editor.fixture.prompts.queueFile(editor.c);
        image9->click();
        QCOMPARE(editor.fixture.prompts.messages.size(), 1);
        QCOMPARE(editor.fixture.prompts.messages[0].text, QStringLiteral("File Has Been Saved to Disk"));
    }

    void newStartsAnotherEditor()
    {
        Editor editor;
        editor.window.action("mnuNewB")->trigger();
        editor.window.findChild<QToolButton *>("Image10")->click();
        QCOMPARE(editor.fixture.launcher.starts.size(), 2);
        QCOMPARE(editor.fixture.launcher.starts[0].commandLine, QStringLiteral("ondrel"));
        QCOMPARE(editor.fixture.launcher.starts[0].state, WindowState::NormalFocus);
        editor.fixture.launcher.succeed = false;
        editor.window.action("mnuNewB")->trigger();
        QCOMPARE(editor.fixture.prompts.messages.size(), 1);
        QVERIFY(editor.fixture.prompts.messages[0].text.contains(QStringLiteral("ondrel")));
    }

    // Ending the program with unsaved changes asks first.
    void endingAsks_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<QByteArray>("diskA");
        QTest::newRow("unchanged ends at once") << false << QString() << true << QByteArray("a\n");
        QTest::newRow("Cancel keeps the editor") << true << "Command1" << false << QByteArray("a\n");
        QTest::newRow("No ends without saving") << true << "Command2" << true << QByteArray("a\n");
        QTest::newRow("Yes saves and ends") << true << "Command3" << true << QByteArray("xa\n");
    }
    void endingAsks()
    {
        QFETCH(bool, changed);
        QFETCH(QString, answer);
        QFETCH(bool, ends);
        Editor editor;
        editor.window.show();
        editor.openA();
        if (changed)
            editor.type("x");
        QSignalSpy ended(&editor.window, &EditorWindow::ended);
        editor.window.action("mnuFileExit(5)")->trigger();
        QCOMPARE(editor.prompt()->isVisible(), changed);
        if (changed) {
            QCOMPARE(ended.count(), 0);
            editor.press(qPrintable(answer));
        }
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(editor.window.isVisible(), !ends);
        QTEST(readBytes(editor.a), "diskA");
        // The palette positions are written at every end.
        QCOMPARE(editor.fixture.store.read("Locations", "File Box Left") != QLatin1String("1"), ends);
    }

    void recentEntryWithChangesAsksBeforeReplacing()
    {
        Editor editor;
        editor.openA();
        editor.fixture.store.write("Options", "Recent2", editor.b);
        editor.window.recentFiles().load();
        editor.window.showRecentEntries();
        editor.type("x");
        editor.window.action("mnuRec2")->trigger();
        QVERIFY(editor.prompt()->isVisible());
        QCOMPARE(editor.text()->text(), QStringLiteral("xa\r\n"));
        editor.press("Command2");
        QCOMPARE(editor.text()->text(), QStringLiteral("b\r\n"));
        QCOMPARE(editor.window.currentFile, editor.b);
        QCOMPARE(editor.window.state.Saved, QStringLiteral("YES"));

        // Without changes it opens at once, and the entries keep their order.
        editor.window.action("mnuRec2")->trigger();
        QVERIFY(!editor.prompt()->isVisible());
        QCOMPARE(editor.window.recentFiles().entries()[1], editor.b);
    }
};

QTEST_MAIN(TestDocument)
#include "tst_document.moc"
