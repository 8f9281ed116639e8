#include "platform/commandline.h"
#include "platform/programmap.h"
#include "platform/processlauncher.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void split_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("plain") << "run.bat VMR.TMP" << QStringList{"run.bat", "VMR.TMP"};
        QTest::newRow("trailing blank") << "quillet " << QStringList{"quillet"};
        QTest::newRow("two blanks") << "run.bat -w  VMR.TMP" << QStringList{"run.bat", "-w", "VMR.TMP"};
        QTest::newRow("quoted path") << "pp \"/home/a b/x.pl\"" << QStringList{"pp", "/home/a b/x.pl"};
        QTest::newRow("quote mid-word") << "a\"b c\"d" << QStringList{"ab cd"};
        QTest::newRow("empty quotes") << "x \"\" y" << QStringList{"x", "", "y"};
        QTest::newRow("escaped quote") << R"(say \"hi\")" << QStringList{"say", "\"hi\""};
        QTest::newRow("backslashes kept") << R"(C:\dir\file)" << QStringList{R"(C:\dir\file)"};
        QTest::newRow("even backslashes then quote") << R"("a\\" b)" << QStringList{R"(a\)", "b"};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("only blanks") << "   " << QStringList{};
    }
    void split()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, words);
        QCOMPARE(splitCommandLine(line), words);
    }

    void quoteRoundTrip_data()
    {
        QTest::addColumn<QString>("argument");
        for (const char *argument : {"plain", "with blank", "", "quote\"inside", "trailing\\", "a\\b c\\", "\\\"x"})
            QTest::newRow(argument) << QString::fromLatin1(argument);
    }
    void quoteRoundTrip()
    {
        QFETCH(QString, argument);
        QCOMPARE(splitCommandLine(QStringLiteral("prog ") + quoteArgument(argument)),
                 (QStringList{QStringLiteral("prog"), argument}));
    }

    void programMapLookupAndExpansion()
    {
        const ProgramMap map = ProgramMap::parse(QStringLiteral(
            "# comment\n"
            "quillet = %D/quillet %*\n"
            "  Run.bat = x-terminal-emulator -e %D/run.bat %* || xterm -e %D/run.bat %*  \n"
            "broken line without equals\n"));
        QCOMPARE(map.alternatives(QStringLiteral("quillet.exe")), QStringList{"%D/quillet %*"});
        QCOMPARE(map.alternatives(QStringLiteral("RUN.BAT")).size(), 2);
        QVERIFY(map.alternatives(QStringLiteral("notepad.exe")).isEmpty());

        // A folder and an argument with blanks stay one word each.
        QCOMPARE(expandAlternative(QStringLiteral("xterm -e %D/run.bat %*"), QStringLiteral("/opt/my tools"),
                                   {QStringLiteral("-w"), QStringLiteral("my script.pl")}),
                 (QStringList{"xterm", "-e", "/opt/my tools/run.bat", "-w", "my script.pl"}));
    }

    void windowStateAndNeedWords_data()
    {
        QTest::addColumn<QString>("alternative");
        QTest::addColumn<int>("state");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QStringList>("needs");
        const QString terminal = QStringLiteral("xterm %MAX(-maximized) %MIN(-iconic) -e %D/run.bat %*");
        const auto state = [](WindowState s) { return static_cast<int>(s); };
        QTest::newRow("maximised") << terminal << state(WindowState::MaximizedFocus)
                                   << QStringList{"xterm", "-maximized", "-e", "/p f/run.bat", "VMR.TMP"} << QStringList{};
        QTest::newRow("minimised") << terminal << state(WindowState::MinimizedFocus)
                                   << QStringList{"xterm", "-iconic", "-e", "/p f/run.bat", "VMR.TMP"} << QStringList{};
        QTest::newRow("minimised, no focus") << terminal << state(WindowState::MinimizedNoFocus)
                                             << QStringList{"xterm", "-iconic", "-e", "/p f/run.bat", "VMR.TMP"}
                                             << QStringList{};
        QTest::newRow("normal") << terminal << state(WindowState::NormalFocus)
                                << QStringList{"xterm", "-e", "/p f/run.bat", "VMR.TMP"} << QStringList{};
        QTest::newRow("need, with the folder") << "%NEED(pp) %NEED(%D/tool) sh %*" << state(WindowState::NormalFocus)
                                               << QStringList{"sh", "VMR.TMP"} << QStringList{"pp", "/p f/tool"};
        QTest::newRow("not placeholders, empty option") << "%MAXIMUM(x) %MAX() %NEED" << state(WindowState::MaximizedFocus)
                                                        << QStringList{"%MAXIMUM(x)", "%NEED"} << QStringList{};
    }
    void windowStateAndNeedWords()
    {
        QFETCH(QString, alternative);
        QFETCH(int, state);
        QFETCH(QStringList, words);
        QFETCH(QStringList, needs);
        const ExpandedCommand command = expandCommand(alternative, QStringLiteral("/p f"), {QStringLiteral("VMR.TMP")},
                                                      static_cast<WindowState>(state));
        QCOMPARE(command.words, words);
        QCOMPARE(command.needs, needs);
    }

    void launcherStartsFirstExistingAlternativeInCurrentFolder()
    {
        QTemporaryDir folder;
        const QString marker = folder.filePath(QStringLiteral("marker"));
        const QString script = folder.filePath(QStringLiteral("tool"));
        QFile file(script);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\necho \"$@\" > \"$PWD/marker.tmp\" && mv \"$PWD/marker.tmp\" \"$PWD/marker\"\n");
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));

        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder.path());
        ProcessLauncher launcher(folder.path(),
                                 ProgramMap::parse(QStringLiteral("tool = no-such-program-here %* "
                                                                  "|| %NEED(no-such-program-here) %D/tool needless %* "
                                                                  "|| %NEED(sh) %D/tool %MAX(-maximized) %MIN(-iconic) %*")));
        QVERIFY(launcher.start(QStringLiteral("tool.exe \"a b\" c"), WindowState::MaximizedFocus));
        QVERIFY(!launcher.start(QStringLiteral("no-such-program-here x"), WindowState::NormalFocus));
        QVERIFY(!launcher.start(QString(), WindowState::NormalFocus));
        QDir::setCurrent(previous);

        QTRY_VERIFY(QFile::exists(marker));
        QFile result(marker);
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll(), QByteArray("-maximized a b c\n"));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
