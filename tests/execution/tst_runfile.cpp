#include "execution/runfile.h"
#include "platform/commandline.h"
#include "platform/programmap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestRunFile : public QObject {
    Q_OBJECT
private slots:
    void tempFileBytes_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty: just the line end") << QByteArray() << QByteArray("\n");
        QTest::newRow("one line, line end added") << QByteArray("print 1;") << QByteArray("print 1;\n");
        QTest::newRow("CR LF becomes LF") << QByteArray("a;\r\nb;") << QByteArray("a;\nb;\n");
        QTest::newRow("final line end kept, not doubled") << QByteArray("a;\r\n") << QByteArray("a;\n");
        QTest::newRow("only a line end") << QByteArray("\r\n") << QByteArray("\n");
        QTest::newRow("empty last lines kept") << QByteArray("a;\r\n\r\n\r\n") << QByteArray("a;\n\n\n");
        QTest::newRow("here-document terminator clean")
            << QByteArray("print <<END;\r\nx\r\nEND\r\n") << QByteArray("print <<END;\nx\nEND\n");
        QTest::newRow("UTF-8 stays UTF-8") << QByteArray("print \"\xc3\xa9\xe2\x82\xac\";")
                                           << QByteArray("print \"\xc3\xa9\xe2\x82\xac\";\n");
    }
    void tempFileBytes()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(runfile::tempFileBytes(text), bytes);
    }

    void writeTempFileReplacesWholeFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(runfile::TempFileName);
        QVERIFY(runfile::writeTempFile(path, "a much longer first text\n"));
        QVERIFY(runfile::writeTempFile(path, "b\n"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("b\n"));

        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("blocked")));
        QVERIFY(!runfile::writeTempFile(dir.filePath(QStringLiteral("blocked")), "x\n"));
    }

    void companionCommandLines()
    {
        QCOMPARE(runfile::companionCommandLine(runfile::Companion::Run), QStringLiteral("run.bat VMR.TMP"));
        QCOMPARE(runfile::companionCommandLine(runfile::Companion::Debug), QStringLiteral("debug.bat VMR.TMP"));
        QCOMPARE(runfile::companionCommandLine(runfile::Companion::Syntax), QStringLiteral("syntax.bat VMR.TMP"));
    }

    void switchedCommandLine_data()
    {
        QTest::addColumn<bool>("unsafe");
        QTest::addColumn<bool>("taint");
        QTest::addColumn<bool>("warnings");
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("line");
        QTest::newRow("nothing: two blanks") << false << false << false << "" << "run.bat  VMR.TMP";
        QTest::newRow("-w only: two blanks after it") << false << false << true << "" << "run.bat -w  VMR.TMP";
        QTest::newRow("all three and typed text") << true << true << true << "-s" << "run.bat -U -T -w -s VMR.TMP";
        QTest::newRow("typed text unchanged") << false << false << false << " -l  -x " << "run.bat  -l  -x  VMR.TMP";
        QTest::newRow("-U and -w, no -T") << true << false << true << "-c" << "run.bat -U -w -c VMR.TMP";
        QTest::newRow("-T only") << false << true << false << "" << "run.bat -T  VMR.TMP";
    }
    void switchedCommandLine()
    {
        QFETCH(bool, unsafe);
        QFETCH(bool, taint);
        QFETCH(bool, warnings);
        QFETCH(QString, other);
        QFETCH(QString, line);
        QCOMPARE(runfile::switchedCommandLine({unsafe, taint, warnings, other}), line);
    }

    void compileCommandLine_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no name yet") << "" << "perl2exe.exe " << QStringList{};
        QTest::newRow("Untitled") << "Untitled" << "perl2exe.exe Untitled" << QStringList{"Untitled"};
        QTest::newRow("plain path") << "/home/u/x.pl" << "perl2exe.exe /home/u/x.pl" << QStringList{"/home/u/x.pl"};
        QTest::newRow("blanks: one argument") << "/home/u/my scripts/a b.pl" << "perl2exe.exe \"/home/u/my scripts/a b.pl\""
                                              << QStringList{"/home/u/my scripts/a b.pl"};
        QTest::newRow("quote in name") << "/tmp/say \"hi\".pl" << "perl2exe.exe \"/tmp/say \\\"hi\\\".pl\""
                                       << QStringList{"/tmp/say \"hi\".pl"};
    }
    void compileCommandLine()
    {
        QFETCH(QString, path);
        QFETCH(QString, line);
        QFETCH(QStringList, arguments);
        QCOMPARE(runfile::compileCommandLine(path), line);
        QCOMPARE(splitCommandLine(line).mid(1), arguments);
    }

    // The shipped programs.map must know every program these commands name; an unmapped one
    // would be looked for on the PATH and not be found.
    void shippedMapNamesEveryProgram_data()
    {
        QTest::addColumn<QString>("commandLine");
        for (const char *line : {"run.bat VMR.TMP", "debug.bat VMR.TMP", "syntax.bat VMR.TMP", "perl2exe.exe x.pl",
                                 "command.com ", "notepad.exe ", "write.exe "})
            QTest::newRow(line) << QString::fromLatin1(line);
    }
    void shippedMapNamesEveryProgram()
    {
        QFETCH(QString, commandLine);
        const ProgramMap map = ProgramMap::load(QStringLiteral(VELMORA_SOURCE_DIR "/dist/programs.map"));
        QVERIFY(!map.alternatives(splitCommandLine(commandLine).constFirst()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRunFile)
#include "tst_runfile.moc"
