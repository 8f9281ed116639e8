#include "document/richtextcontrol.h"

#include <QApplication>
#include <QClipboard>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(TextFileFormat)

// A plain QString with the control's position rules: the oracle for the randomized comparison.
struct TextModel {
    QString text;
    int selStart = 0;
    int selLength = 0;

    static QString normalised(const QString &s)
    {
        QString out;
        for (int i = 0; i < s.size(); ++i) {
            if (s[i] == QLatin1Char('\r') && i + 1 < s.size() && s[i + 1] == QLatin1Char('\n')) {
                out += QLatin1String("\r\n");
                ++i;
            } else if (s[i] == QLatin1Char('\r') || s[i] == QLatin1Char('\n')) {
                out += QLatin1String("\r\n");
            } else {
                out += s[i];
            }
        }
        return out;
    }
    // Clamped to the text; between CR and LF or inside a surrogate pair: the position before.
    int snap(int p) const
    {
        p = qBound(0, p, int(text.size()));
        if (p > 0 && p < text.size()
            && ((text[p - 1] == QLatin1Char('\r') && text[p] == QLatin1Char('\n'))
                || (text[p - 1].isHighSurrogate() && text[p].isLowSurrogate())))
            --p;
        return p;
    }
    int lineOf(int p) const { return int(text.left(snap(p)).count(QLatin1Char('\n'))); }
    void setText(const QString &s) { text = normalised(s); selStart = selLength = 0; }
    void setSelStart(int p) { selStart = snap(p); selLength = 0; }
    void setSelLength(int n) { selLength = snap(selStart + qMax(n, 0)) - selStart; }
    void setSelText(const QString &s)
    {
        const QString n = normalised(s);
        text.replace(selStart, selLength, n);
        selStart += n.size();
        selLength = 0;
    }
    // The unit a key deletes: CR LF and a surrogate pair go together.
    int unitAfter(int p) const
    {
        if (p + 1 < text.size() && ((text[p] == QLatin1Char('\r') && text[p + 1] == QLatin1Char('\n'))
                                    || text[p].isHighSurrogate()))
            return 2;
        return 1;
    }
    void deleteKey()
    {
        if (selLength == 0 && selStart < text.size())
            selLength = unitAfter(selStart);
        setSelText(QString());
    }
    void backspaceKey()
    {
        if (selLength == 0 && selStart > 0) {
            const int p = selStart >= 2 && unitAfter(selStart - 2) == 2 ? selStart - 2 : selStart - 1;
            selLength = selStart - p;
            selStart = p;
        }
        setSelText(QString());
    }
};

class TestRichTextControl : public QObject {
    Q_OBJECT
private slots:
    void positions_data();
    void positions();
    void matchesStringModel();
    void changeSignals_data();
    void changeSignals();
    void setTextEmptiesUndoHistory();
    void loadFile_data();
    void loadFile();
    void loadFileFailureKeepsContent_data();
    void loadFileFailureKeepsContent();
    void wrappedLinesCountDisplayLines();
    void mousePointer();
};

static const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");

void TestRichTextControl::positions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("line");
    // "a" CR LF "é" U+1F600 "c" CR LF
    QTest::newRow("negative") << -3 << 0 << 0;
    QTest::newRow("before CR") << 1 << 1 << 0;
    QTest::newRow("between CR and LF") << 2 << 1 << 0;
    QTest::newRow("line start") << 3 << 3 << 1;
    QTest::newRow("after e acute") << 4 << 4 << 1;
    QTest::newRow("inside surrogate pair") << 5 << 4 << 1;
    QTest::newRow("after surrogate pair") << 6 << 6 << 1;
    QTest::newRow("between final CR and LF") << 8 << 7 << 1;
    QTest::newRow("end") << 9 << 9 << 2;
    QTest::newRow("past the end") << 50 << 9 << 2;
}

void TestRichTextControl::positions()
{
    QFETCH(int, position);
    QFETCH(int, selStart);
    QFETCH(int, line);
    RichTextControl control;
    control.setText(QStringLiteral("a\r\n\u00e9") + emoji + QStringLiteral("c\r\n"));
    QCOMPARE(control.text().size(), 9);
    control.setSelStart(position);
    QCOMPARE(control.selStart(), selStart);
    QCOMPARE(control.selLength(), 0);
    QCOMPARE(control.getLineFromChar(position), line);
    control.setSelStart(0);
    control.setSelLength(position);
    QCOMPARE(control.selLength(), selStart);
    QCOMPARE(control.selText(), control.text().left(selStart));
}

static QString randomText(QRandomGenerator &random, int maxPieces)
{
    static const QStringList pieces = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral(" "),
                                       QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r"),
                                       QStringLiteral("\u00e9"), QStringLiteral("\u20ac"), emoji,
                                       QStringLiteral("\t"), QStringLiteral("$x")};
    QString s;
    const int n = random.bounded(maxPieces + 1);
    for (int i = 0; i < n; ++i)
        s += pieces[random.bounded(int(pieces.size()))];
    return s;
}

void TestRichTextControl::matchesStringModel()
{
    QRandomGenerator random(20240611);
    RichTextControl control;
    TextModel model;
    for (int round = 0; round < 400; ++round) {
        const int length = int(model.text.size());
        QString step;
        switch (random.bounded(7)) {
        case 0: {
            const QString s = randomText(random, 40);
            control.setText(s);
            model.setText(s);
            step = QStringLiteral("setText");
            break;
        }
        case 1: {
            const int p = random.bounded(-2, length + 4);
            control.setSelStart(p);
            model.setSelStart(p);
            step = QStringLiteral("setSelStart %1").arg(p);
            break;
        }
        case 2: {
            const int n = random.bounded(-1, length - model.selStart + 4);
            control.setSelLength(n);
            model.setSelLength(n);
            step = QStringLiteral("setSelLength %1").arg(n);
            break;
        }
        case 3:
        case 4: {
            const QString s = random.bounded(4) == 0 ? QString() : randomText(random, 6);
            control.setSelText(s);
            model.setSelText(s);
            step = QStringLiteral("setSelText");
            break;
        }
        case 5:
            QTest::keyClick(&control, Qt::Key_Delete);
            model.deleteKey();
            step = QStringLiteral("Delete");
            break;
        case 6:
            QTest::keyClick(&control, Qt::Key_Backspace);
            model.backspaceKey();
            step = QStringLiteral("Backspace");
            break;
        }
        const QByteArray where = QStringLiteral("round %1, after %2").arg(round).arg(step).toUtf8();
        QVERIFY2(control.text() == model.text, where);
        QVERIFY2(control.selStart() == model.selStart, where);
        QVERIFY2(control.selLength() == model.selLength, where);
        QVERIFY2(control.selText() == model.text.mid(model.selStart, model.selLength), where);
        for (int i = 0; i < 3; ++i) {
            const int p = random.bounded(-1, int(model.text.size()) + 3);
            QVERIFY2(control.getLineFromChar(p) == model.lineOf(p), where + " line of " + QByteArray::number(p));
        }
    }
}

using Operation = std::function<void(RichTextControl &)>;
Q_DECLARE_METATYPE(Operation)

void TestRichTextControl::changeSignals_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<int>("changes");

    auto select = [](RichTextControl &c, int start, int length) {
        c.setSelStart(start);
        c.setSelLength(length);
    };
    QTest::newRow("setText") << Operation([](RichTextControl &c) { c.setText(QStringLiteral("x")); }) << 1;
    QTest::newRow("setText same text") << Operation([](RichTextControl &c) { c.setText(c.text()); }) << 1;
    QTest::newRow("setText empty twice") << Operation([](RichTextControl &c) {
        c.setText(QString());
        c.setText(QString());
    }) << 2;
    QTest::newRow("setSelText insert") << Operation([](RichTextControl &c) { c.setSelText(QStringLiteral("x")); }) << 1;
    QTest::newRow("setSelText replace") << Operation([=](RichTextControl &c) {
        select(c, 1, 2);
        c.setSelText(QStringLiteral("xy"));
    }) << 1;
    QTest::newRow("setSelText delete") << Operation([=](RichTextControl &c) {
        select(c, 1, 2);
        c.setSelText(QString());
    }) << 1;
    QTest::newRow("setSelText nothing by nothing") << Operation([](RichTextControl &c) { c.setSelText(QString()); }) << 0;
    QTest::newRow("selection and colour") << Operation([=](RichTextControl &c) {
        select(c, 1, 2);
        c.setSelColor(Qt::red);
        c.applyColourRuns({{0, 3, Qt::blue}});
        c.setBaseFont(QFont(QStringLiteral("Monospace"), 12));
    }) << 0;
    QTest::newRow("typing") << Operation([](RichTextControl &c) { QTest::keyClick(&c, Qt::Key_A); }) << 1;
    QTest::newRow("typing over a selection") << Operation([=](RichTextControl &c) {
        select(c, 1, 3);
        QTest::keyClick(&c, Qt::Key_A);
    }) << 1;
    QTest::newRow("Enter") << Operation([](RichTextControl &c) { QTest::keyClick(&c, Qt::Key_Return); }) << 1;
    QTest::newRow("Backspace") << Operation([](RichTextControl &c) {
        c.setSelStart(2);
        QTest::keyClick(&c, Qt::Key_Backspace);
    }) << 1;
    QTest::newRow("Backspace at start") << Operation([](RichTextControl &c) { QTest::keyClick(&c, Qt::Key_Backspace); }) << 0;
    QTest::newRow("cut") << Operation([=](RichTextControl &c) {
        select(c, 0, 2);
        c.cut();
    }) << 1;
    QTest::newRow("paste over a selection") << Operation([=](RichTextControl &c) {
        QApplication::clipboard()->setText(QStringLiteral("one\ntwo"));
        select(c, 0, 2);
        c.paste();
    }) << 1;
    QTest::newRow("undo of typing over a selection") << Operation([=](RichTextControl &c) {
        select(c, 1, 3);
        QTest::keyClick(&c, Qt::Key_A);
        c.undo();
    }) << 2;
}

void TestRichTextControl::changeSignals()
{
    QFETCH(Operation, operation);
    QFETCH(int, changes);
    RichTextControl control;
    control.setText(QStringLiteral("abc\r\ndef"));
    QSignalSpy spy(&control, &RichTextControl::change);
    operation(control);
    QCOMPARE(spy.count(), changes);
}

void TestRichTextControl::setTextEmptiesUndoHistory()
{
    RichTextControl control;
    control.setText(QStringLiteral("abc"));
    QTest::keyClicks(&control, QStringLiteral("xyz"));
    QVERIFY(control.isUndoAvailable());
    control.setSelStart(2);
    control.setText(QStringLiteral("new\ntext"));
    QVERIFY(!control.isUndoAvailable());
    QCOMPARE(control.selStart(), 0);
    control.undo();
    QCOMPARE(control.text(), QStringLiteral("new\r\ntext"));
    // The component's own undo still works afterwards, and paste keeps CR LF.
    QApplication::clipboard()->setText(QStringLiteral("p\nq"));
    control.setSelStart(3);
    control.paste();
    QCOMPARE(control.text(), QStringLiteral("newp\r\nq\r\ntext"));
    control.undo();
    QCOMPARE(control.text(), QStringLiteral("new\r\ntext"));
}

void TestRichTextControl::loadFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<TextFileFormat>("format");
    using E = TextFileFormat::Encoding;
    using L = TextFileFormat::LineEnds;
    QTest::newRow("UTF-8 LF") << QByteArray("my $x = '\xC3\xA9';\nprint $x;\n")
                              << QStringLiteral("my $x = '\u00e9';\r\nprint $x;\r\n") << TextFileFormat{E::Utf8, L::Lf};
    QTest::newRow("Latin-1 CR LF") << QByteArray("# caf\xE9\r\n") << QStringLiteral("# caf\u00e9\r\n")
                                   << TextFileFormat{E::Latin1, L::CrLf};
    QTest::newRow("NUL byte inside") << QByteArray("a\0b", 3) << QString::fromUtf8("a\0b", 3) << TextFileFormat{E::Utf8, L::Lf};
    QTest::newRow("RTF is plain text for now") << QByteArray("{\\rtf1 x}") << QStringLiteral("{\\rtf1 x}")
                                               << TextFileFormat{E::Utf8, L::Lf};
    QTest::newRow("empty") << QByteArray() << QString() << TextFileFormat{E::Utf8, L::Lf};
}

void TestRichTextControl::loadFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(TextFileFormat, format);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.pl"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    RichTextControl control;
    control.setText(QStringLiteral("old"));
    control.setSelStart(2);
    control.setSelColor(Qt::red);
    QTest::keyClicks(&control, QStringLiteral("zz"));
    QSignalSpy spy(&control, &RichTextControl::change);
    const RichTextControl::LoadResult result = control.loadFile(path);
    QVERIFY(result.ok);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(control.text(), text);
    QCOMPARE(control.fileFormat(), format);
    QCOMPARE(control.selStart(), 0);
    QVERIFY(!control.isUndoAvailable());
    for (int i = 0; i < text.size(); ++i)
        QCOMPARE(control.colourAt(i), QColor(Qt::black));
    // What is typed first takes no colour left over from before.
    QTest::keyClick(&control, Qt::Key_Q);
    QCOMPARE(control.colourAt(0), QColor(Qt::black));
}

void TestRichTextControl::loadFileFailureKeepsContent_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << QStringLiteral("missing.pl");
    QTest::newRow("folder") << QStringLiteral("folder");
}

void TestRichTextControl::loadFileFailureKeepsContent()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    RichTextControl control;
    control.setText(QStringLiteral("keep\r\nme"));
    control.setSelStart(2);
    control.setSelColor(Qt::blue);
    control.setSelText(QStringLiteral("X"));
    const TextFileFormat before = control.fileFormat();
    QSignalSpy spy(&control, &RichTextControl::change);

    const RichTextControl::LoadResult result = control.loadFile(dir.filePath(name));
    QVERIFY(!result.ok);
    QVERIFY2(!result.error.isEmpty(), "the reason is reported");
    QCOMPARE(spy.count(), 0);
    QCOMPARE(control.text(), QStringLiteral("keXep\r\nme"));
    QCOMPARE(control.colourAt(2), QColor(Qt::blue));
    QVERIFY(control.isUndoAvailable());
    QCOMPARE(control.fileFormat(), before);
}

void TestRichTextControl::wrappedLinesCountDisplayLines()
{
    RichTextControl control;
    control.resize(160, 300);
    control.show();
    QVERIFY(QTest::qWaitForWindowExposed(&control));
    QString longLine;
    for (int i = 0; i < 60; ++i)
        longLine += QStringLiteral("word%1 ").arg(i);
    control.setText(QStringLiteral("short\r\n") + longLine + QStringLiteral("\r\nlast"));
    const int longStart = 7;
    const int longEnd = longStart + int(longLine.size());
    const int lastStart = longEnd + 2;
    QCOMPARE(control.getLineFromChar(lastStart), 2); // no wrapping at first

    control.setRightMargin(0);
    QCOMPARE(control.rightMargin(), 0);
    QCOMPARE(control.getLineFromChar(3), 0);
    QCOMPARE(control.getLineFromChar(longStart), 1);
    const int lastLine = control.getLineFromChar(lastStart);
    QVERIFY2(lastLine > 4, QByteArray::number(lastLine));
    // Through the long line the display line rises by at most one per word, without gaps,
    // up to the line just before the last one.
    int previous = 1;
    for (int p = longStart; p <= longEnd; ++p) {
        const int line = control.getLineFromChar(p);
        QVERIFY(line == previous || line == previous + 1);
        previous = line;
    }
    QCOMPARE(previous, lastLine - 1);

    control.setRightMargin(999999);
    QCOMPARE(control.getLineFromChar(lastStart), 2);
    QCOMPARE(control.getLineFromChar(longEnd), 1);
}

void TestRichTextControl::mousePointer()
{
    RichTextControl control;
    control.setMousePointer(11);
    QCOMPARE(control.mousePointer(), 11);
    QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETCURSOR), long(QsciScintillaBase::SC_CURSORWAIT));
    QCOMPARE(control.viewport()->cursor().shape(), Qt::WaitCursor);
    control.setMousePointer(0);
    QCOMPARE(control.SendScintilla(QsciScintillaBase::SCI_GETCURSOR), long(QsciScintillaBase::SC_CURSORNORMAL));
    QVERIFY(control.viewport()->cursor().shape() != Qt::WaitCursor);
}

QTEST_MAIN(TestRichTextControl)
#include "tst_richtextcontrol.moc"
