#include "app/editorstate.h"
#include "document/richtextcontrol.h"
#include "editing/findwindow.h"
#include "editing/searchcommands.h"
#include "editing/textsearch.h"
#include "scriptedprompts.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

using TextSearch::BraceBlock;

namespace {

// A plain string that behaves as the text control does for the calls the search commands make
// position by position: a caret inside CR LF or a pair moves before it, a selection is clipped
// at the end of the text and cut back before such a split.
struct ModelControl {
    QString text;
    int start = 0;
    int length = 0;

    int snap(int p) const
    {
        if (p <= 0)
            return 0;
        if (p >= text.size())
            return int(text.size());
        const QChar before = text[p - 1], at = text[p];
        if ((before == u'\r' && at == u'\n') || (before.isHighSurrogate() && at.isLowSurrogate()))
            return p - 1;
        return p;
    }
    void setSelStart(int p)
    {
        start = snap(p);
        length = 0;
    }
    void setSelLength(int n) { length = snap(start + std::max(n, 0)) - start; }
    QString selText() const { return text.mid(start, length); }
    void setSelText(const QString &r)
    {
        text.replace(start, length, r);
        start += int(r.size());
        length = 0;
    }
};

struct ModelOutcome {
    QString text;
    int selStart = 0;
    int selLength = 0;
    QString mark;
    QStringList messages;
};

bool sameWords(const QString &a, const QString &b, bool matchCase)
{
    return matchCase ? a == b : QLocale().toUpper(a) == QLocale().toUpper(b);
}

ModelOutcome outcomeOf(const ModelControl &m, int mark, QStringList messages)
{
    return {m.text, m.start, m.length, QString::number(mark), messages};
}

// Find Next / Replace Next tested at every position from the mark to the end of the text.
ModelOutcome literalFindNext(ModelControl m, int mark, const QString &f, const QString &r, bool matchCase,
                             bool entireFile, bool replace)
{
    if (entireFile)
        mark = 0;
    const int end = int(m.text.size());
    for (int p = mark; p <= end; ++p) {
        m.setSelStart(p);
        m.setSelLength(int(f.size()));
        if (sameWords(m.selText(), f, matchCase)) {
            if (!replace)
                return outcomeOf(m, p + int(f.size()), {});
            m.setSelText(r);
            return outcomeOf(m, p + int(r.size()), {});
        }
    }
    return outcomeOf(m, m.start, {QStringLiteral("Phrase Not Found")});
}

// Replace All with its end following the text as it changes; an empty phrase replaces nothing.
ModelOutcome literalReplaceAll(ModelControl m, int mark, const QString &f, const QString &r, bool matchCase,
                               bool entireFile)
{
    if (entireFile)
        mark = 0;
    int p = mark;
    while (!f.isEmpty() && p <= m.text.size()) {
        m.setSelStart(p);
        m.setSelLength(int(f.size()));
        if (sameWords(m.selText(), f, matchCase)) {
            m.setSelText(r);
            p += int(r.size());
        } else {
            ++p;
        }
    }
    return outcomeOf(m, m.start, {QStringLiteral("Done Searching File")});
}

const QString NoSub = QStringLiteral("There is no sub selected.  Highlight or put the cursor before any { and try again");
const QString NoMatch = QStringLiteral("No matching bracket!");

// The brace walk, one selected character at a time.
ModelOutcome literalHighlightSub(ModelControl m, const QString &mark)
{
    const int end = int(m.text.size());
    const int s = m.start;
    int depth = 0;
    int count = 1;
    if (m.length == 0)
        m.setSelLength(1);
    if (m.selText() != QStringLiteral("{"))
        return {m.text, m.start, m.length, mark, {NoSub}};
    int p = s + 1;
    do {
        m.setSelStart(p);
        m.setSelLength(1);
        ++count;
        const QString c = m.selText();
        if (c == QStringLiteral("{"))
            ++depth;
        if (c == QStringLiteral("}")) {
            if (depth == 0) {
                m.setSelStart(s);
                m.setSelLength(count);
                return {m.text, m.start, m.length, mark, {}};
            }
            --depth;
        }
        ++p;
    } while (m.start < end);
    return {m.text, m.start, m.length, mark, {NoMatch}};
}

// Words of random scripts: case pairs, characters whose upper case is longer ('ß', 'ﬁ'),
// characters outside the BMP (one with a case pair), braces, quotes and line ends.
const QStringList Words = {
    QStringLiteral("sub"),   QStringLiteral("print"), QStringLiteral("Print"),   QStringLiteral("PRINT"),
    QStringLiteral("a"),     QStringLiteral("A"),     QStringLiteral("ab"),      QStringLiteral("i"),
    QStringLiteral("I"),     QStringLiteral("ss"),    QStringLiteral("SS"),      QStringLiteral("ß"),
    QStringLiteral("straße"), QStringLiteral("ﬁ"),    QStringLiteral("fi"),      QStringLiteral("é"),
    QStringLiteral("É"),     QStringLiteral("ı"),     QStringLiteral("İ"),       QStringLiteral("ά"),
    QStringLiteral("😀"),    QStringLiteral("𐐨"),    QStringLiteral("𐐀"),       QStringLiteral("{"),
    QStringLiteral("}"),     QStringLiteral("{"),     QStringLiteral("}"),       QStringLiteral("\""),
    QStringLiteral("'"),     QStringLiteral("\r\n"),  QStringLiteral("\r\n"),    QStringLiteral(" "),
    QStringLiteral(" "),     QStringLiteral("\t"),    QStringLiteral("$x"),      QStringLiteral(";"),
};

QString randomScript(QRandomGenerator &random, int words)
{
    QString script;
    for (int i = 0; i < words; ++i)
        script += Words[random.bounded(int(Words.size()))];
    return script;
}

// The phrase: mostly a piece of the script (so it is found), sometimes a word, rarely empty.
QString randomPhrase(QRandomGenerator &random, const QString &script)
{
    const int kind = random.bounded(10);
    if (kind == 0)
        return QString();
    if (kind < 4 || script.isEmpty())
        return Words[random.bounded(int(Words.size()))] + (random.bounded(2) ? QString() : Words[random.bounded(int(Words.size()))]);
    const int from = random.bounded(int(script.size()));
    const QString piece = script.mid(from, 1 + random.bounded(4));
    return random.bounded(2) ? piece.toUpper() : piece;
}

// The search commands on a real control, as the editor runs them.
struct Harness {
    QWidget host;
    RichTextControl *text = new RichTextControl(&host);
    EditorState state;
    ScriptedPrompts prompts;
    QStringList hints;
    SearchCommands commands{&host, *text, state, prompts, [this](const QString &hint) { hints << hint; }};

    Harness() { commands.openReplace(); commands.findWindow()->hide(); }

    void setFields(const QString &f, const QString &r, bool matchCase, bool entireFile)
    {
        FindWindow *find = commands.findWindow();
        find->findChild<QLineEdit *>(QStringLiteral("FindText"))->setText(f);
        find->findChild<QLineEdit *>(QStringLiteral("Rewith"))->setText(r);
        find->findChild<QCheckBox *>(QStringLiteral("case"))->setChecked(matchCase);
        find->findChild<QCheckBox *>(QStringLiteral("EntFile"))->setChecked(entireFile);
    }
    void load(const ModelControl &m, int mark)
    {
        text->setText(m.text);
        text->setSelStart(m.start);
        text->setSelLength(m.length);
        state.txtStart = QString::number(mark);
        prompts.messages.clear();
    }
    ModelOutcome outcome() const
    {
        QStringList messages;
        for (const Prompts::Message &message : prompts.messages)
            messages << message.text;
        return {text->text(), text->selStart(), text->selLength(), state.txtStart, messages};
    }
};

QString describe(const ModelOutcome &o)
{
    return QStringLiteral("sel %1+%2 mark %3 messages [%4] text \"%5\"")
        .arg(o.selStart)
        .arg(o.selLength)
        .arg(o.mark, o.messages.join(QLatin1Char('|')), QString(o.text).replace(QStringLiteral("\r\n"), QStringLiteral("\\r\\n")));
}

} // namespace

Q_DECLARE_METATYPE(TextSearch::BraceBlock::Outcome)

class TestTextSearch : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The fast search against the position-by-position commands on a few hundred random scripts.
    void searchCommandsAgreeWithPositionByPositionScan_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::newRow("C") << QStringLiteral("C");
        QTest::newRow("German") << QStringLiteral("de_DE");
        QTest::newRow("Turkish (dotted capital I)") << QStringLiteral("tr_TR");
        QTest::newRow("Greek (upper case looks at neighbours)") << QStringLiteral("el_GR");
    }
    void searchCommandsAgreeWithPositionByPositionScan()
    {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        QRandomGenerator random(20240611);
        Harness harness;
        for (int round = 0; round < 300; ++round) {
            ModelControl m;
            m.text = randomScript(random, random.bounded(0, 24));
            m.setSelStart(random.bounded(int(m.text.size()) + 1));
            m.setSelLength(random.bounded(3));
            const int mark = random.bounded(int(m.text.size()) + 3); // sometimes past the end
            const QString f = randomPhrase(random, m.text);
            const QString r = random.bounded(3) ? Words[random.bounded(int(Words.size()))] : QString();
            const bool matchCase = random.bounded(2);
            const bool entireFile = random.bounded(4) == 0;
            harness.setFields(f, r, matchCase, entireFile);

            const struct {
                const char *name;
                void (SearchCommands::*command)();
                ModelOutcome expected;
            } commands[] = {
                {"Find Next", &SearchCommands::findNext, literalFindNext(m, mark, f, r, matchCase, entireFile, false)},
                {"Find Again", &SearchCommands::findAgain, literalFindNext(m, mark, f, r, matchCase, false, false)},
                {"Replace Next", &SearchCommands::replaceNext, literalFindNext(m, mark, f, r, matchCase, entireFile, true)},
                {"Replace All", &SearchCommands::replaceAll, literalReplaceAll(m, mark, f, r, matchCase, entireFile)},
            };
            for (const auto &command : commands) {
                harness.load(m, mark);
                (harness.commands.*command.command)();
                const ModelOutcome actual = harness.outcome();
                const ModelOutcome &expected = command.expected;
                if (actual.text != expected.text || actual.selStart != expected.selStart
                    || actual.selLength != expected.selLength || actual.mark != expected.mark
                    || actual.messages != expected.messages) {
                    QFAIL(qPrintable(QStringLiteral("%1, round %2, phrase \"%3\" by \"%4\" case %5 entire %6 mark %7\n"
                                                    "  start: %8\n  real:  %9\n  model: %10")
                                         .arg(QLatin1String(command.name))
                                         .arg(round)
                                         .arg(f, r)
                                         .arg(matchCase)
                                         .arg(entireFile)
                                         .arg(mark)
                                         .arg(describe(outcomeOf(m, mark, {})), describe(actual), describe(expected))));
                }
            }
        }
    }

    void braceWalkAgreesWithCharacterByCharacterWalk()
    {
        QRandomGenerator random(7);
        Harness harness;
        for (int round = 0; round < 400; ++round) {
            ModelControl m;
            m.text = randomScript(random, random.bounded(0, 30));
            // Mostly at a "{", so the walk itself runs.
            const int brace = int(m.text.indexOf(QLatin1Char('{'), random.bounded(int(m.text.size()) + 1)));
            m.setSelStart(brace >= 0 && random.bounded(4) ? brace : random.bounded(int(m.text.size()) + 1));
            m.setSelLength(random.bounded(4) ? 0 : random.bounded(3));
            harness.load(m, 5);
            const ModelOutcome expected = literalHighlightSub(m, QStringLiteral("5"));
            harness.commands.highlightSub();
            const ModelOutcome actual = harness.outcome();
            QVERIFY2(actual.text == expected.text && actual.selStart == expected.selStart
                         && actual.selLength == expected.selLength && actual.messages == expected.messages,
                     qPrintable(QStringLiteral("round %1\n  start: %2\n  real:  %3\n  model: %4")
                                    .arg(round)
                                    .arg(describe(outcomeOf(m, 5, {})), describe(actual), describe(expected))));
        }
    }

    // Upper-casing lengthens 'ß' and 'ﬁ'; positions stay those of the text itself.
    void matchWithoutCaseKeepsPositions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("start");  // -1: not found
        QTest::addColumn<int>("length");
        QTest::newRow("after longer upper cases") << "ßßﬁ print" << "PRINT" << 0 << 4 << 5;
        QTest::newRow("clipped window at the end") << "Straße" << "STRASSE" << 0 << 0 << 6;
        QTest::newRow("full window longer in upper case") << "straße x" << "strasse" << 0 << -1 << 0;
        QTest::newRow("window cut before CR LF") << "xß\r\ny" << "ss" << 0 << 1 << 1;
        QTest::newRow("phrase with 'ß' at the end of the text") << "a STRASSE" << "straße" << 0 << -1 << 0;
        QTest::newRow("character outside the BMP") << "x😀𐐨y" << "𐐀Y" << 0 << 3 << 3;
        QTest::newRow("mark inside a pair tests before it") << "😀" << "😀" << 1 << 0 << 2;
        QTest::newRow("not from inside CR LF onwards") << "a\r\nb" << "\nb" << 0 << -1 << 0;
    }
    void matchWithoutCaseKeepsPositions()
    {
        QFETCH(QString, text);
        QFETCH(QString, phrase);
        QFETCH(int, from);
        QFETCH(int, start);
        QFETCH(int, length);
        const auto match = TextSearch::PhraseMatcher(phrase, false, QLocale::c()).find(text, from);
        QCOMPARE(match.has_value(), start >= 0);
        if (match) {
            QCOMPARE(match->start, start);
            QCOMPARE(match->length, length);
        }
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("result");
        QTest::newRow("one for one") << "aa" << "a" << "b" << "bb";
        QTest::newRow("inserted text not searched again") << "aa" << "a" << "ab" << "abab";
        // A bound fixed at the starting length would stop at position 3 and leave "xyzxyza".
        QTest::newRow("longer replacement reaches the end") << "aaa" << "a" << "xyz" << "xyzxyzxyz";
        QTest::newRow("shorter replacement") << "abcabcabc" << "abc" << "x" << "xxx";
        QTest::newRow("deleting") << "abab" << "ab" << "" << "";
        QTest::newRow("empty phrase replaces nothing") << "abc" << "" << "x" << "abc";
        QTest::newRow("nothing found") << "abc" << "z" << "x" << "abc";
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, phrase);
        QFETCH(QString, replacement);
        QFETCH(QString, result);
        const TextSearch::ReplaceAllPlan plan =
            TextSearch::planReplaceAll(text, 0, TextSearch::PhraseMatcher(phrase, true), int(replacement.size()));
        QString changed = text;
        for (const TextSearch::Edit &edit : plan.edits)
            changed.replace(edit.start, edit.length, replacement);
        QCOMPARE(changed, result);
    }

    void braceBlock_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::addColumn<BraceBlock::Outcome>("outcome");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        const QString quoted = QStringLiteral("sub a { if ($x) { print \"}\"; } }");
        // The quoted "}" closes the inner block, so the outer one ends at the inner's brace.
        QTest::newRow("quoted brace counts") << quoted << 6 << 0 << BraceBlock::Outcome::Found << 6 << 24;
        QTest::newRow("selected brace") << quoted << 6 << 1 << BraceBlock::Outcome::Found << 6 << 24;
        QTest::newRow("caret at sub") << quoted << 0 << 0 << BraceBlock::Outcome::NoBraceSelected << 0 << 1;
        QTest::newRow("selection longer than the brace") << quoted << 6 << 2 << BraceBlock::Outcome::NoBraceSelected << 6 << 2;
        QTest::newRow("unbalanced") << "{ {" << 0 << 0 << BraceBlock::Outcome::NoMatchingBrace << 3 << 0;
        QTest::newRow("brace last") << "x{" << 1 << 0 << BraceBlock::Outcome::NoMatchingBrace << 2 << 0;
        QTest::newRow("caret at the end") << "{}" << 2 << 0 << BraceBlock::Outcome::NoBraceSelected << 2 << 0;
        QTest::newRow("over lines") << "{\r\n{}\r\n}x" << 0 << 0 << BraceBlock::Outcome::Found << 0 << 8;
    }
    void braceBlock()
    {
        QFETCH(QString, text);
        QFETCH(int, selStart);
        QFETCH(int, selLength);
        QFETCH(BraceBlock::Outcome, outcome);
        QFETCH(int, start);
        QFETCH(int, length);
        const BraceBlock block = TextSearch::matchBrace(text, selStart, selLength);
        QCOMPARE(block.outcome, outcome);
        QCOMPARE(block.start, start);
        QCOMPARE(block.length, length);
    }

    void typedLineNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index"); // INT_MIN: no number
        QTest::newRow("1") << "1" << 0;
        QTest::newRow("0 names the caret's line") << "0" << -1;
        QTest::newRow("2.5 rounds to even 2") << "2.5" << 2;
        QTest::newRow("3.5 rounds to even 2") << "3.5" << 2;
        QTest::newRow("4.5 rounds to even 4") << "4.5" << 4;
        QTest::newRow("2.6") << "2.6" << 2;
        QTest::newRow("blanks") << " 12 " << 11;
        QTest::newRow("negative") << "-1" << -2;
        QTest::newRow("empty") << "" << INT_MIN;
        QTest::newRow("word") << "ten" << INT_MIN;
        QTest::newRow("trailing text") << "3x" << INT_MIN;
        QTest::newRow("infinite") << "inf" << INT_MIN;
        QTest::newRow("too large") << "1e12" << INT_MIN;
    }
    void typedLineNumber()
    {
        QFETCH(QString, typed);
        QFETCH(int, index);
        const std::optional<int> line = TextSearch::lineIndexFromTyped(typed);
        QCOMPARE(line.value_or(INT_MIN), index);
    }
};

QTEST_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
