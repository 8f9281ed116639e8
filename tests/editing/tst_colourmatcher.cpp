#include "colouroracle.h"
#include "editing/colourmatcher.h"

#include <QTest>

namespace {

const QStringList FactoryWords = {"exit;", "print", "sub", "$", "@", "open"};

// Entry k (1 to 6) gets the colour value k, so a colour shows which entry won.
ColourTable numberedTable(const QStringList &words)
{
    ColourTable table;
    for (int k = 0; k < ColourTable::Size; ++k)
        table.entries[k] = {words.value(k), k + 1};
    return table;
}

// One character per position: '.' for an untouched one, else the colour value.
QString codes(const QVector<int> &colours)
{
    QString out;
    for (int colour : colours)
        out += colour == 0 ? QChar('.') : QChar('0' + colour);
    return out;
}

QVector<int> applied(const QString &text, const QVector<ColourMatcher::Run> &runs, QVector<int> colours = {})
{
    if (colours.isEmpty())
        colours.fill(0, int(text.size()));
    for (const ColourMatcher::Run &run : runs) {
        for (int p = run.start; p < run.start + run.length; ++p)
            colours[p] = run.colour;
    }
    return colours;
}

} // namespace

class TestColourMatcher : public QObject {
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("expected");

        const QStringList f = FactoryWords;
        QTest::newRow("print and a scalar") << "print $x;" << f << 0 << 9 << "22222.4..";
        QTest::newRow("case-sensitive") << "Print $x;" << f << 0 << 9 << "......4..";
        QTest::newRow("exit; with its semicolon") << "exit; exit" << f << 0 << 10 << "11111.....";
        QTest::newRow("inside longer words") << "printf subroutine opendir sprint"
                                             << f << 0 << 32 << "22222..333........6666.....22222";
        QTest::newRow("array and scalar in a string") << "\"@a $b\"" << f << 0 << 7 << ".5..4..";
        QTest::newRow("match starting at the range's end is coloured whole") << "xprint" << f << 1 << 1 << ".22222";
        QTest::newRow("match starting before the range is not") << "print" << f << 1 << 5 << ".....";
        QTest::newRow("clipped at the end of the text") << "prin exit" << f << 0 << 9 << ".........";
        QTest::newRow("word longer than the text") << "$" << QStringList{"$$"} << 0 << 1 << ".";
        QTest::newRow("range beyond the text is clamped") << "sub" << f << -5 << 99 << "333";
        QTest::newRow("from after to") << "print" << f << 3 << 2 << ".....";
        QTest::newRow("empty words are inert") << "ab" << QStringList{"", "b", ""} << 0 << 2 << ".2";

        QTest::newRow("later start wins the overlap") << "abcd" << QStringList{"abc", "bcd"} << 0 << 4 << "1222";
        QTest::newRow("later start wins even for a lower entry") << "abcd" << QStringList{"bcd", "abc"} << 0 << 4 << "2111";
        QTest::newRow("same start: higher entry wins") << "abc" << QStringList{"ab", "abc"} << 0 << 3 << "222";
        QTest::newRow("same start: shorter higher entry") << "abc" << QStringList{"abc", "ab"} << 0 << 3 << "221";
        QTest::newRow("earlier long match shows again after a short one")
            << "abcde" << QStringList{"abcde", "c"} << 0 << 5 << "11211";
        QTest::newRow("nested overlaps") << "aaaa" << QStringList{"aaaa", "aa"} << 0 << 4 << "2222";
        QTest::newRow("overlapping occurrences of one word") << "$$$ $" << QStringList{"$$"} << 0 << 5 << "111..";

        QTest::newRow("across a line end") << "x\r\ny" << QStringList{"x\r\ny"} << 0 << 4 << "1111";
        QTest::newRow("line end as a word") << "a\r\nb\r\n" << QStringList{"\r\n"} << 0 << 6 << ".11.11";
        QTest::newRow("CR alone ends inside the line end") << "a\r\nb" << QStringList{"\r"} << 0 << 4 << "....";
        QTest::newRow("LF alone starts inside the line end") << "a\r\nb" << QStringList{"\nb"} << 0 << 4 << "....";
        QTest::newRow("range from inside a line end includes its start")
            << "a\r\nb" << QStringList{"\r\nb"} << 2 << 2 << ".111";
        QTest::newRow("character outside the BMP") << "x\U0001F600y" << QStringList{"\U0001F600y"} << 0 << 4 << ".111";
        QTest::newRow("half of a character never matches")
            << "\U0001F600" << QStringList{QString(QChar::highSurrogate(0x1F600))} << 0 << 2 << "..";
    }
    void rules()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, expected);

        const ColourTable table = numberedTable(words);
        QCOMPARE(codes(applied(text, ColourMatcher::runs(text, from, to, table))), expected);

        oracle::Model model(text);
        oracle::literalPass(model, std::max(from, 0), std::min<int>(to, int(text.size())), table);
        QCOMPARE(codes(model.colours), expected); // the oracle agrees with the worked cases
    }

    // The fast matcher against the literal pass, over random scripts, tables and ranges, on text
    // that already has colours (which a pass must leave where no match lands).
    void agreesWithLiteralPass()
    {
        oracle::Generator random(20240611);
        for (int round = 0; round < 3000; ++round) {
            const ColourTable table = random.table();
            oracle::Model model(random.script(table));
            const int size = int(model.text.size());
            for (int p = 0; p < size; ++p)
                model.colours[p] = random.below(3) == 0 ? 0x0F0F0F + p : 0;
            const QVector<int> before = model.colours;
            const int from = random.below(size + 2) - 1;
            const int to = random.below(4) == 0 ? size : random.below(size + 2) - 1;

            const QVector<ColourMatcher::Run> runs = ColourMatcher::runs(model.text, from, to, table);
            oracle::literalPass(model, std::clamp(from, 0, size), std::clamp(to, 0, size), table); // clamped, as the matcher

            const QByteArray where = QStringLiteral("round %1, text \"%2\", from %3, to %4")
                                         .arg(round).arg(model.text.toHtmlEscaped()).arg(from).arg(to).toUtf8();
            QVERIFY2(applied(model.text, runs, before) == model.colours, where.constData());
            // Runs ascending, apart, non-empty and merged where they meet with one colour.
            for (int i = 0; i < runs.size(); ++i) {
                QVERIFY2(runs[i].length > 0, where.constData());
                if (i > 0) {
                    const ColourMatcher::Run &previous = runs[i - 1];
                    QVERIFY2(previous.start + previous.length <= runs[i].start, where.constData());
                    QVERIFY2(previous.start + previous.length < runs[i].start || previous.colour != runs[i].colour,
                             where.constData());
                }
            }
        }
    }

    void colourValues_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("red") << 255 << QColor(255, 0, 0);
        QTest::newRow("blue") << 16711680 << QColor(0, 0, 255);
        QTest::newRow("yellow-green") << 65408 << QColor(128, 255, 0);
        QTest::newRow("sky blue") << 16744448 << QColor(0, 128, 255);
        QTest::newRow("black") << 0 << QColor(0, 0, 0);
    }
    void colourValues()
    {
        QFETCH(int, value);
        QFETCH(QColor, colour);
        QCOMPARE(colourFromValue(value), colour);
        QCOMPARE(valueFromColour(colour), value);
    }
};

QTEST_MAIN(TestColourMatcher)
#include "tst_colourmatcher.moc"
