#include "document/richtextcontrol.h"

#include <QRandomGenerator>
#include <QtTest>

// Per-character colours kept beside the text, with the insertion rule of a rich edit control:
// the oracle for the randomized colour test.
struct ColourModel {
    QString text;
    QVector<QRgb> colours;
    int selStart = 0;
    int selLength = 0;
    int insertionAt = -1;
    QRgb insertionColour = 0;

    int snap(int p) const
    {
        p = qBound(0, p, int(text.size()));
        if (p > 0 && p < text.size()
            && ((text[p - 1] == QLatin1Char('\r') && text[p] == QLatin1Char('\n'))
                || (text[p - 1].isHighSurrogate() && text[p].isLowSurrogate())))
            --p;
        return p;
    }
    void setText(const QString &s)
    {
        text = s;
        colours = QVector<QRgb>(s.size(), qRgb(0, 0, 0));
        selStart = selLength = 0;
        insertionAt = -1;
    }
    void setSelStart(int p)
    {
        selStart = snap(p);
        selLength = 0;
        if (insertionAt != selStart)
            insertionAt = -1;
    }
    void setSelLength(int n)
    {
        selLength = snap(selStart + qMax(n, 0)) - selStart;
        if (selLength > 0)
            insertionAt = -1;
    }
    void setSelColor(QRgb colour)
    {
        if (selLength == 0) {
            insertionAt = selStart;
            insertionColour = colour;
        }
        for (int i = selStart; i < selStart + selLength; ++i)
            colours[i] = colour;
    }
    void setSelText(const QString &s)
    {
        if (selLength == 0 && s.isEmpty())
            return;
        const bool useInsertion = insertionAt == selStart && selLength == 0;
        text.remove(selStart, selLength);
        colours.remove(selStart, selLength);
        const QRgb colour = useInsertion ? insertionColour : selStart > 0 ? colours[selStart - 1] : qRgb(0, 0, 0);
        text.insert(selStart, s);
        colours.insert(selStart, s.size(), colour);
        selStart += s.size();
        selLength = 0;
        insertionAt = -1;
    }
    void applyRun(int start, int length, QRgb colour)
    {
        const int from = snap(start);
        const int to = snap(start + length);
        for (int i = from; i < to; ++i)
            colours[i] = colour;
    }
};

class TestRichTextColours : public QObject {
    Q_OBJECT
private slots:
    void insertedTextColour_data();
    void insertedTextColour();
    void restyleSelection();
    void matchesColourModel();
    void colourRunsSurviveEdits();
    void baseFontKeepsColours();
    void selectionFont();
    void paintingKeepsColours();
};

void TestRichTextColours::insertedTextColour_data()
{
    QTest::addColumn<int>("redStart");
    QTest::addColumn<int>("redLength");
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("setBlue"); // setSelColor(blue) with nothing selected before inserting
    QTest::addColumn<bool>("typed");   // typed on the keyboard rather than setSelText
    QTest::addColumn<QColor>("expected");

    for (const bool typed : {false, true}) {
        const char *how = typed ? "typed" : "program";
        QTest::addRow("%s: insertion colour", how) << 0 << 0 << 1 << true << typed << QColor(Qt::blue);
        QTest::addRow("%s: insertion colour over red before", how) << 0 << 1 << 1 << true << typed << QColor(Qt::blue);
        QTest::addRow("%s: after a red character", how) << 0 << 1 << 1 << false << typed << QColor(Qt::red);
        QTest::addRow("%s: at 0 before red", how) << 0 << 3 << 0 << false << typed << QColor(Qt::black);
        QTest::addRow("%s: after black, before red", how) << 1 << 2 << 1 << false << typed << QColor(Qt::black);
        QTest::addRow("%s: at the end after red", how) << 2 << 1 << 3 << false << typed << QColor(Qt::red);
    }
}

void TestRichTextColours::insertedTextColour()
{
    QFETCH(int, redStart);
    QFETCH(int, redLength);
    QFETCH(int, caret);
    QFETCH(bool, setBlue);
    QFETCH(bool, typed);
    QFETCH(QColor, expected);

    RichTextControl control;
    control.setText(QStringLiteral("abc"));
    control.setSelStart(redStart);
    control.setSelLength(redLength);
    control.setSelColor(Qt::red);
    control.setSelStart(caret);
    if (setBlue)
        control.setSelColor(Qt::blue);
    if (typed)
        QTest::keyClicks(&control, QStringLiteral("XY"));
    else
        control.setSelText(QStringLiteral("XY"));
    QCOMPARE(control.text(), QStringLiteral("abc").insert(caret, QStringLiteral("XY")));
    QCOMPARE(control.colourAt(caret), expected);
    QCOMPARE(control.colourAt(caret + 1), expected);
    // The characters around keep their colours.
    for (int i = 0; i < 3; ++i) {
        const int at = i < caret ? i : i + 2;
        const bool red = i >= redStart && i < redStart + redLength;
        QCOMPARE(control.colourAt(at), red ? QColor(Qt::red) : QColor(Qt::black));
    }
}

void TestRichTextColours::restyleSelection()
{
    RichTextControl control;
    control.setText(QStringLiteral("ab\r\ncd"));
    control.setSelStart(1);
    control.setSelLength(4);
    control.setSelColor(Qt::red);
    QCOMPARE(control.selStart(), 1);
    QCOMPARE(control.selLength(), 4);
    const QList<QColor> expected = {Qt::black, Qt::red, Qt::red, Qt::red, Qt::red, Qt::black};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(control.colourAt(i), expected[i]);
    // Restyling a part of it again reuses the style of the colour.
    control.setSelStart(0);
    control.setSelLength(1);
    control.setSelColor(Qt::red);
    control.setSelStart(5);
    control.setSelLength(1);
    control.setSelColor(Qt::green);
    QCOMPARE(control.colourAt(0), QColor(Qt::red));
    QCOMPARE(control.colourAt(5), QColor(Qt::green));
    QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 0L),
             control.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, 1L));
}

void TestRichTextColours::matchesColourModel()
{
    static const QStringList pieces = {QStringLiteral("a"), QStringLiteral("\r\n"), QStringLiteral("\u00e9"),
                                       QString::fromUtf8("\xF0\x9F\x98\x80"), QStringLiteral(" ")};
    static const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 128, 0)};
    QRandomGenerator random(7);
    auto randomText = [&](int maxPieces) {
        QString s;
        for (int i = random.bounded(maxPieces + 1); i > 0; --i)
            s += pieces[random.bounded(int(pieces.size()))];
        return s;
    };
    RichTextControl control;
    ColourModel model;
    const QString start = randomText(30);
    control.setText(start);
    model.setText(start);
    for (int round = 0; round < 300; ++round) {
        const int length = int(model.text.size());
        const QRgb colour = palette[random.bounded(int(palette.size()))];
        switch (random.bounded(6)) {
        case 0: {
            const int p = random.bounded(length + 2);
            control.setSelStart(p);
            model.setSelStart(p);
            break;
        }
        case 1: {
            const int n = random.bounded(length - model.selStart + 2);
            control.setSelLength(n);
            model.setSelLength(n);
            break;
        }
        case 2:
            control.setSelColor(QColor(colour));
            model.setSelColor(colour);
            break;
        case 3:
        case 4: {
            const QString s = randomText(4);
            control.setSelText(s);
            model.setSelText(s);
            break;
        }
        case 5: {
            QVector<RichTextControl::ColourRun> runs;
            for (int i = random.bounded(4); i > 0; --i) {
                const int s = random.bounded(length + 1);
                const int n = random.bounded(length - s + 2);
                const QRgb c = palette[random.bounded(int(palette.size()))];
                runs.append({s, n, QColor(c)});
                model.applyRun(s, n, c);
            }
            control.applyColourRuns(runs);
            break;
        }
        }
        QCOMPARE(control.text(), model.text);
        for (int i = 0; i < model.text.size(); ++i) {
            if (control.colourAt(i).rgb() != model.colours[model.snap(i)])
                QFAIL(qPrintable(QStringLiteral("round %1: colour at %2 of %3").arg(round).arg(i).arg(model.text.size())));
        }
    }
}

void TestRichTextColours::colourRunsSurviveEdits()
{
    RichTextControl control;
    control.setText(QStringLiteral("my $x = 1;\r\nprint $x;\r\n"));
    control.applyColourRuns({{0, 2, Qt::blue}, {3, 2, Qt::red}, {12, 5, Qt::blue}, {18, 2, Qt::red}});
    auto colours = [&] {
        QString s;
        for (int i = 0; i < control.text().size(); ++i) {
            const QColor c = control.colourAt(i);
            s += c == Qt::blue ? QLatin1Char('b') : c == Qt::red ? QLatin1Char('r') : QLatin1Char('.');
        }
        return s;
    };
    QCOMPARE(colours(), QStringLiteral("bb.rr.......bbbbb.rr..."));
    control.setSelStart(0);
    control.setSelText(QStringLiteral("#"));
    QCOMPARE(colours(), QStringLiteral(".bb.rr.......bbbbb.rr..."));
    control.setSelStart(6); // delete " = 1;" up to the line end
    control.setSelLength(5);
    control.setSelText(QString());
    QCOMPARE(control.text(), QStringLiteral("#my $x\r\nprint $x;\r\n"));
    QCOMPARE(colours(), QStringLiteral(".bb.rr..bbbbb.rr..."));
    control.setSelStart(8);
    QTest::keyClick(&control, Qt::Key_Return);
    QCOMPARE(colours(), QStringLiteral(".bb.rr....bbbbb.rr..."));
}

void TestRichTextColours::baseFontKeepsColours()
{
    RichTextControl control;
    control.setText(QStringLiteral("abcd"));
    control.applyColourRuns({{1, 1, Qt::red}});
    control.setSelStart(2);
    control.setSelLength(1);
    control.setSelFontSize(20);
    control.setBaseFont(QFont(QStringLiteral("Monospace"), 14));
    QCOMPARE(control.colourAt(0), QColor(Qt::black));
    QCOMPARE(control.colourAt(1), QColor(Qt::red));
    const auto sizeAt = [&](long position) {
        const long style = control.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position);
        return control.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZE, static_cast<unsigned long>(style));
    };
    QCOMPARE(sizeAt(0), 14L);
    QCOMPARE(sizeAt(1), 14L);
    QCOMPARE(sizeAt(2), 20L);
    QCOMPARE(control.baseFont().pointSize(), 14);
    control.setSelStart(1);
    control.setSelLength(1);
    QCOMPARE(control.selFontSize(), 14);
    QCOMPARE(control.selFontName(), QStringLiteral("Monospace"));
}

void TestRichTextColours::selectionFont()
{
    RichTextControl control;
    control.setBaseFont(QFont(QStringLiteral("Sans"), 10));
    control.setText(QStringLiteral("abc"));
    control.setSelStart(1);
    control.setSelLength(1);
    control.setSelColor(Qt::red);
    control.setSelFontName(QStringLiteral("Serif"));
    QCOMPARE(control.selFontName(), QStringLiteral("Serif"));
    QCOMPARE(control.colourAt(1), QColor(Qt::red)); // the font keeps the colour
    control.setSelStart(0);
    QCOMPARE(control.selFontName(), QStringLiteral("Sans"));
    // With nothing selected the font applies to what comes next.
    control.setSelStart(3);
    control.setSelFontSize(12);
    QCOMPARE(control.selFontSize(), 12);
    control.setSelText(QStringLiteral("d"));
    control.setSelStart(3);
    control.setSelLength(1);
    QCOMPARE(control.selFontSize(), 12);
    QCOMPARE(control.selFontName(), QStringLiteral("Sans"));
}

void TestRichTextColours::paintingKeepsColours()
{
    RichTextControl control;
    control.resize(300, 200);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    control.setText(QStringLiteral("red black\r\nmore"));
    control.applyColourRuns({{0, 3, Qt::red}});
    control.setSelStart(13);
    QTest::keyClicks(&control, QStringLiteral("xy"));
    control.viewport()->repaint();
    QCoreApplication::processEvents();
    QCOMPARE(control.colourAt(0), QColor(Qt::red));
    QCOMPARE(control.colourAt(4), QColor(Qt::black));
    // Nothing is left for Scintilla to ask about on the next paint.
    QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETENDSTYLED),
             control.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
    // The widget's own font and palette events leave the colours alone.
    control.setFont(QFont(QStringLiteral("Serif"), 16));
    control.setPalette(QPalette(Qt::yellow));
    QCoreApplication::processEvents();
    QCOMPARE(control.colourAt(0), QColor(Qt::red));
    QCOMPARE(control.colourAt(4), QColor(Qt::black));
}

QTEST_MAIN(TestRichTextColours)
#include "tst_richtextcolours.moc"
