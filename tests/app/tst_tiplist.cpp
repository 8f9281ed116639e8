#include "app/tiplist.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
// Returns the given numbers in turn, over and over.
TipList::Random sequence(QList<double> values)
{
    auto next = std::make_shared<int>(0);
    return [values, next] { return values[(*next)++ % values.size()]; };
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("TIPOFDAY.TXT"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the tip file");
    return path;
}
} // namespace

class TstTipList : public QObject {
    Q_OBJECT
private slots:
    void splitLines_data();
    void splitLines();
    void loadFailsWithoutAFile_data();
    void loadFailsWithoutAFile();
    void emptyFileIsFilledButHasNoTip();
    void fileIsReadAsUtf8ElseLatin1_data();
    void fileIsReadAsUtf8ElseLatin1();
    void pickCoversEveryTipUniformly_data();
    void pickCoversEveryTipUniformly();
    void missingFileMessage();
};

void TstTipList::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty") << QString() << QStringList();
    QTest::newRow("one line without an end") << QStringLiteral("tip") << QStringList{QStringLiteral("tip")};
    QTest::newRow("CR LF ends") << QStringLiteral("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("last line without an end") << QStringLiteral("a\r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("lone CR ends a line") << QStringLiteral("a\rb\r") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
    QTest::newRow("lone LF does not") << QStringLiteral("a\nb\n") << QStringList{QStringLiteral("a\nb\n")};
    QTest::newRow("empty lines are tips") << QStringLiteral("a\r\n\r\nb\r\n")
                                          << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
    QTest::newRow("CR then CR LF") << QStringLiteral("a\r\r\nb") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
    QTest::newRow("LF CR") << QStringLiteral("a\n\rb") << QStringList{QStringLiteral("a\n"), QStringLiteral("b")};
    QTest::newRow("blanks kept") << QStringLiteral("  a tip \t\r\n ") << QStringList{QStringLiteral("  a tip \t"), QStringLiteral(" ")};
}

void TstTipList::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TipList::splitLines(text), lines);
}

void TstTipList::loadFailsWithoutAFile_data()
{
    QTest::addColumn<bool>("emptyName");
    QTest::newRow("empty file name") << true;
    QTest::newRow("no such file") << false;
}

void TstTipList::loadFailsWithoutAFile()
{
    QFETCH(bool, emptyName);
    QTemporaryDir dir;
    TipList tips(sequence({0.5}));
    QVERIFY(!tips.load(emptyName ? QString() : dir.filePath(QStringLiteral("TIPOFDAY.TXT"))));
    QVERIFY(tips.isEmpty());
    QCOMPARE(tips.current(), 0);
    tips.pick();
    QCOMPARE(tips.current(), 0);
    QCOMPARE(tips.currentTip(), QString());
}

void TstTipList::emptyFileIsFilledButHasNoTip()
{
    QTemporaryDir dir;
    TipList tips(sequence({0.5}));
    QVERIFY(tips.load(writeFile(dir, QByteArray())));
    QVERIFY(tips.isEmpty());
    QCOMPARE(tips.currentTip(), QString());
}

void TstTipList::fileIsReadAsUtf8ElseLatin1_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9\r\n");
    QTest::newRow("Latin-1") << QByteArray("caf\xe9\r\n");
}

void TstTipList::fileIsReadAsUtf8ElseLatin1()
{
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    TipList tips(sequence({0.0}));
    QVERIFY(tips.load(writeFile(dir, bytes)));
    QCOMPARE(tips.tips(), QStringList{QString::fromUtf8("caf\xc3\xa9")});
}

void TstTipList::pickCoversEveryTipUniformly_data()
{
    QTest::addColumn<double>("random");
    QTest::addColumn<int>("current");

    // Four tips: each quarter of [0, 1) selects one of them.
    QTest::newRow("0 is the first") << 0.0 << 1;
    QTest::newRow("just below a quarter") << 0.2499 << 1;
    QTest::newRow("a quarter is the second") << 0.25 << 2;
    QTest::newRow("a half is the third") << 0.5 << 3;
    QTest::newRow("just below 1 is the last") << 0.999999 << 4;
}

void TstTipList::pickCoversEveryTipUniformly()
{
    QFETCH(double, random);
    QFETCH(int, current);
    QTemporaryDir dir;
    // The load picks with the first number, the explicit pick with the second.
    TipList tips(sequence({0.0, random}));
    QVERIFY(tips.load(writeFile(dir, "one\r\ntwo\r\nthree\r\nfour\r\n")));
    QCOMPARE(tips.tips().size(), 4);
    QCOMPARE(tips.current(), 1);
    tips.pick();
    QCOMPARE(tips.current(), current);
    QCOMPARE(tips.currentTip(), tips.tips().at(current - 1));
}

void TstTipList::missingFileMessage()
{
    QCOMPARE(TipList::missingFileMessage(),
             QStringLiteral("That the TIPOFDAY.TXT file was not found? \r\n\r\nCreate a text file named TIPOFDAY.TXT "
                            "using NotePad with 1 tip per line. Then place it in the same directory as the "
                            "application. "));
}

QTEST_GUILESS_MAIN(TstTipList)
#include "tst_tiplist.moc"
