#include "app/settings.h"
#include "document/historyfile.h"
#include "document/recentfiles.h"
#include "recordingstore.h"
#include "scriptedprompts.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <optional>

namespace {

// A settings store, prompts and a program folder for the history file.
struct Fixture {
    RecordingStore store;
    Settings settings{store};
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    QString historyPath = folder.filePath(QStringLiteral("flist.dat"));

    void storeEntries(const QStringList &entries)
    {
        for (int n = 1; n <= entries.size(); ++n)
            store.write(QStringLiteral("Options"), keys::recentName(n), entries[n - 1]);
        store.writes.clear();
    }
    QStringList storedEntries() const
    {
        QStringList result;
        for (int n = 1; n <= 4; ++n)
            result << store.read(QStringLiteral("Options"), keys::recentName(n));
        return result;
    }
};

std::optional<QByteArray> fileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList entriesOf(const RecentFiles &recent)
{
    return QStringList(recent.entries().begin(), recent.entries().end());
}

// The walk over the history text position by position, as the reading rule states it.
QStringList literalWalk(const QString &text, int maxEntries)
{
    QStringList result;
    int start = 3;
    for (int pos = 1; pos <= text.size() + 10; ++pos) {
        const QChar c = pos < text.size() ? text.at(pos) : QChar();
        if (c != QLatin1Char('#'))
            continue;
        if (pos >= start) {
            if (maxEntries != 0 && result.size() == maxEntries)
                break;
            result << text.mid(start, pos - start);
        }
        start = pos + 3;
    }
    return result;
}

// History-like text with the faults real files may have: a missing head, entries without
// "#", "#" inside paths, stray empty lines, lone CR or LF, a cut-off end.
QString randomHistoryText(QRandomGenerator &random)
{
    static const QStringList paths = {QStringLiteral("/home/ann/a.pl"), QStringLiteral("Untitled"),
                                      QStringLiteral("C:\\b.pl"), QStringLiteral("x"), QString(),
                                      QStringLiteral("/tmp/odd#name.pl"), QStringLiteral("/tmp/end#"),
                                      QStringLiteral("d\u00e9j\u00e0.pl")};
    QString text;
    if (random.bounded(5) != 0)
        text += QStringLiteral("#\r\n");
    const int pieces = random.bounded(12);
    for (int i = 0; i < pieces; ++i) {
        const QString path = paths.at(random.bounded(paths.size()));
        switch (random.bounded(6)) {
        case 0: text += QStringLiteral("\r\n"); break;
        case 1: text += path + QStringLiteral("\r\n"); break; // no "#"
        case 2: text += path + QStringLiteral("#\n"); break;
        case 3: text += QStringLiteral("#"); break;
        default: text += path + QStringLiteral("#\r\n"); break;
        }
    }
    text += QStringLiteral("\r\n").repeated(random.bounded(4));
    if (!text.isEmpty() && random.bounded(3) == 0)
        text.truncate(random.bounded(text.size()));
    return text;
}

} // namespace

class TstRecentFiles : public QObject {
    Q_OBJECT
private slots:
    void pushes_data();
    void pushes();
    void noteOpenedOrSaved_data();
    void noteOpenedOrSaved();
    void failedWriteKeepsOldFile_data();
    void failedWriteKeepsOldFile();
    void history_data();
    void history();
    void historyMatchesLiteralWalk();
    void listLength_data();
    void listLength();
};

void TstRecentFiles::pushes_data()
{
    QTest::addColumn<QStringList>("stored");         // Recent1.. as in the store before
    QTest::addColumn<QByteArray>("oldFile");         // null: no history file
    QTest::addColumn<QStringList>("paths");          // pushed in this order
    QTest::addColumn<QByteArray>("expectedFile");
    QTest::addColumn<QStringList>("expectedEntries");

    const QByteArray untitledLines = QByteArray("Untitled#\r\n").repeated(4);
    QTest::newRow("fresh installation: four pushes move the placeholders")
        << QStringList() << QByteArray() << QStringList{"/s/1.pl", "/s/2.pl", "/s/3.pl", "/s/4.pl"}
        << "#\r\n" + untitledLines + "\r\n\r\n\r\n\r\n"
        << QStringList{"/s/4.pl", "/s/3.pl", "/s/2.pl", "/s/1.pl"};
    QTest::newRow("fresh installation: the fifth push moves the first path")
        << QStringList() << QByteArray()
        << QStringList{"/s/1.pl", "/s/2.pl", "/s/3.pl", "/s/4.pl", "/s/5.pl"}
        << "#\r\n/s/1.pl#\r\n" + untitledLines + "\r\n\r\n\r\n\r\n\r\n"
        << QStringList{"/s/5.pl", "/s/4.pl", "/s/3.pl", "/s/2.pl"};
    // 'C:\b.pl' and then 'C:\c.pl' reach a new file as the fourth entries of two pushes.
    QTest::newRow("two pushes into a new file")
        << QStringList{"C:\\e.pl", "C:\\d.pl", "C:\\c.pl", "C:\\b.pl"} << QByteArray()
        << QStringList{"/s/1.pl", "/s/2.pl"} << QByteArray("#\r\nC:\\c.pl#\r\nC:\\b.pl#\r\n\r\n\r\n")
        << QStringList{"/s/2.pl", "/s/1.pl", "C:\\e.pl", "C:\\d.pl"};
    QTest::newRow("an existing file grows at the front and by one empty line")
        << QStringList{"/p/1.pl", "/p/2.pl", "/p/3.pl", "/p/4.pl"}
        << QByteArray("#\r\n/old/1.pl#\r\n/old/2.pl#\r\n\r\n\r\n\r\n") << QStringList{"/p/5.pl"}
        << QByteArray("#\r\n/p/4.pl#\r\n/old/1.pl#\r\n/old/2.pl#\r\n\r\n\r\n\r\n\r\n")
        << QStringList{"/p/5.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"};
    QTest::newRow("duplicates are pushed again")
        << QStringList{"/p/1.pl", "/p/2.pl", "/p/3.pl", "/p/1.pl"}
        << QByteArray("#\r\n/p/1.pl#\r\n\r\n") << QStringList{"/p/9.pl"}
        << QByteArray("#\r\n/p/1.pl#\r\n/p/1.pl#\r\n\r\n\r\n")
        << QStringList{"/p/9.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"};
    QTest::newRow("stored \"\" and \"1\" are placeholders")
        << QStringList{"/p/1.pl", "1", "/p/3.pl", ""} << QByteArray() << QStringList{"/p/9.pl"}
        << QByteArray("#\r\nUntitled#\r\n\r\n")
        << QStringList{"/p/9.pl", "/p/1.pl", "Untitled", "/p/3.pl"};
    QTest::newRow("an empty file counts like a missing one")
        << QStringList{"/p/1.pl", "/p/2.pl", "/p/3.pl", "/p/4.pl"} << QByteArray("") << QStringList{"/p/5.pl"}
        << QByteArray("#\r\n/p/4.pl#\r\n\r\n") << QStringList{"/p/5.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"};
    QTest::newRow("a file shorter than the head is replaced whole")
        << QStringList{"/p/1.pl", "/p/2.pl", "/p/3.pl", "/p/4.pl"} << QByteArray("#\r") << QStringList{"/p/5.pl"}
        << QByteArray("#\r\n/p/4.pl#\r\n\r\n") << QStringList{"/p/5.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"};
    QTest::newRow("an old Latin-1 file is rewritten as UTF-8")
        << QStringList{"/p/1.pl", "/p/2.pl", "/p/3.pl", QString::fromUtf8("/p/\u00fc.pl")}
        << QByteArray("#\r\n/old/d\xe9j\xe0.pl#\r\n\r\n") << QStringList{"/p/5.pl"}
        << QByteArray("#\r\n/p/\xc3\xbc.pl#\r\n/old/d\xc3\xa9j\xc3\xa0.pl#\r\n\r\n\r\n")
        << QStringList{"/p/5.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"};
}

void TstRecentFiles::pushes()
{
    QFETCH(QStringList, stored);
    QFETCH(QByteArray, oldFile);
    QFETCH(QStringList, paths);
    QFETCH(QByteArray, expectedFile);
    QFETCH(QStringList, expectedEntries);

    Fixture f;
    f.storeEntries(stored);
    if (!oldFile.isNull())
        writeFile(f.historyPath, oldFile);
    RecentFiles recent(f.settings, f.prompts, f.historyPath);
    recent.load();
    QSignalSpy changed(&recent, &RecentFiles::entriesChanged);

    for (const QString &path : paths)
        recent.pushRecent(path);

    QCOMPARE(fileBytes(f.historyPath).value_or("<missing>"), expectedFile);
    QCOMPARE(entriesOf(recent), expectedEntries);
    QCOMPARE(f.storedEntries(), expectedEntries);
    QCOMPARE(changed.count(), paths.size());
    QVERIFY(f.prompts.messages.isEmpty());
}

void TstRecentFiles::noteOpenedOrSaved_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("pushed");

    QTest::newRow("the first entry") << QStringLiteral("/p/a.pl") << false;
    QTest::newRow("the fourth entry") << QStringLiteral("/p/d.pl") << false;
    QTest::newRow("the placeholder") << QStringLiteral("Untitled") << false;
    QTest::newRow("differs in case only") << QStringLiteral("/p/A.pl") << true;
    QTest::newRow("a new path") << QStringLiteral("/p/e.pl") << true;
}

void TstRecentFiles::noteOpenedOrSaved()
{
    QFETCH(QString, path);
    QFETCH(bool, pushed);

    Fixture f;
    const QStringList before{"/p/a.pl", "/p/b.pl", "", "/p/d.pl"};
    f.storeEntries(before);
    const QByteArray oldFile = "#\r\n/old.pl#\r\n\r\n";
    writeFile(f.historyPath, oldFile);
    RecentFiles recent(f.settings, f.prompts, f.historyPath);
    recent.load();
    QSignalSpy changed(&recent, &RecentFiles::entriesChanged);

    recent.noteOpenedOrSaved(path);

    const QStringList loaded{"/p/a.pl", "/p/b.pl", "Untitled", "/p/d.pl"};
    if (pushed) {
        QCOMPARE(fileBytes(f.historyPath).value_or("<missing>"), "#\r\n/p/d.pl#\r\n/old.pl#\r\n\r\n\r\n");
        QCOMPARE(entriesOf(recent), (QStringList{path, "/p/a.pl", "/p/b.pl", "Untitled"}));
        QCOMPARE(changed.count(), 1);
    } else {
        QCOMPARE(fileBytes(f.historyPath).value_or("<missing>"), oldFile);
        QCOMPARE(entriesOf(recent), loaded);
        QCOMPARE(changed.count(), 0);
        // The four are stored again as they are (a placeholder as its text).
        QCOMPARE(f.store.writes, (QStringList{"Options/Recent1=/p/a.pl", "Options/Recent2=/p/b.pl",
                                              "Options/Recent3=Untitled", "Options/Recent4=/p/d.pl"}));
    }
}

void TstRecentFiles::failedWriteKeepsOldFile_data()
{
    QTest::addColumn<QString>("folderState");

    QTest::newRow("missing folder") << QStringLiteral("missing");
    QTest::newRow("read-only folder") << QStringLiteral("read-only");
    // A name so long that the temporary file beside it cannot be created: fails even for root.
    QTest::newRow("no temporary file possible") << QStringLiteral("long name");
}

void TstRecentFiles::failedWriteKeepsOldFile()
{
    QFETCH(QString, folderState);

    Fixture f;
    f.storeEntries({"/p/1.pl", "/p/2.pl", "/p/3.pl", "/p/4.pl"});
    const QByteArray oldFile = "#\r\n/old.pl#\r\n\r\n";
    QString path = f.folder.filePath(QStringLiteral("gone/flist.dat"));
    if (folderState == QLatin1String("read-only")) {
        path = f.historyPath;
        writeFile(path, oldFile);
        QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::ExeOwner);
        QFile probe(f.folder.filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders");
        }
    } else if (folderState == QLatin1String("long name")) {
        path = f.folder.filePath(QString(250, QLatin1Char('f')));
        writeFile(path, oldFile);
    }
    RecentFiles recent(f.settings, f.prompts, path);
    recent.load();

    recent.pushRecent(QStringLiteral("/p/5.pl"));
    QFile::setPermissions(f.folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(f.prompts.messages.size(), 1);
    const Prompts::Message message = f.prompts.messages.first();
    QCOMPARE(message.text, QStringLiteral("Error occurred while trying to close file, please retry."));
    QCOMPARE(message.title, QStringLiteral("Velmora Editor"));
    QCOMPARE(message.icon, Prompts::Icon::Warning);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(fileBytes(path).value_or("<missing>"),
             folderState == QLatin1String("missing") ? QByteArray("<missing>") : oldFile);
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files | QDir::Hidden).size(),
             folderState == QLatin1String("missing") ? 0 : 1);
    // The entries have shifted all the same; only the history file missed the push.
    QCOMPARE(f.storedEntries(), (QStringList{"/p/5.pl", "/p/1.pl", "/p/2.pl", "/p/3.pl"}));
}

void TstRecentFiles::history_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no history file
    QTest::addColumn<int>("maxEntries");
    QTest::addColumn<QStringList>("expected");

    const QByteArray ten = "#\r\n/n/10#\r\n/n/9#\r\nUntitled#\r\n/n/7#\r\n/n/6#\r\n/n/10#\r\n/n/4#\r\n/n/3#\r\n"
                           "/n/2#\r\n/n/1#\r\n\r\n\r\n";
    const QStringList all{"/n/10", "/n/9", "Untitled", "/n/7", "/n/6", "/n/10", "/n/4", "/n/3", "/n/2", "/n/1"};
    QTest::newRow("no limit") << ten << 0 << all;
    QTest::newRow("three newest") << ten << 3 << all.mid(0, 3);
    QTest::newRow("limit above the count") << ten << 30 << all;
    QTest::newRow("no file") << QByteArray() << 0 << QStringList();
    QTest::newRow("empty file") << QByteArray("") << 0 << QStringList();
    QTest::newRow("head only") << QByteArray("#\r\n\r\n") << 0 << QStringList();
    QTest::newRow("text after the last # is ignored")
        << QByteArray("#\r\n/a.pl#\r\n/b.pl\r\n/c.") << 0 << QStringList{"/a.pl"};
    QTest::newRow("an empty path is an entry") << QByteArray("#\r\n#\r\n/a.pl#\r\n") << 0 << QStringList{"", "/a.pl"};
    QTest::newRow("a line without # runs into the next entry")
        << QByteArray("#\r\n/a.pl\r\n/b.pl#\r\n") << 0 << QStringList{"/a.pl\r\n/b.pl"};
    QTest::newRow("missing head loses the first three characters")
        << QByteArray("/abc.pl#\r\n/d.pl#\r\n") << 0 << QStringList{"c.pl", "/d.pl"};
    // A path ending in "#": the second "#" ends no entry; the next line is read whole.
    QTest::newRow("a path ending in #") << QByteArray("#\r\n/x#\r\n/a##\r\n/b#\r\n") << 0
                                        << QStringList{"/x", "/a", "/b"};
    QTest::newRow("a # right after the head") << QByteArray("##\r\n/a#\r\n") << 0 << QStringList{"/a"};
    QTest::newRow("Latin-1 file") << QByteArray("#\r\n/d\xe9j\xe0.pl#\r\n") << 0
                                  << QStringList{QString::fromUtf8("/d\u00e9j\u00e0.pl")};
}

void TstRecentFiles::history()
{
    QFETCH(QByteArray, file);
    QFETCH(int, maxEntries);
    QFETCH(QStringList, expected);

    Fixture f;
    if (!file.isNull())
        writeFile(f.historyPath, file);
    RecentFiles recent(f.settings, f.prompts, f.historyPath);

    QCOMPARE(recent.history(maxEntries), expected);
}

void TstRecentFiles::historyMatchesLiteralWalk()
{
    QRandomGenerator random(20240611);
    const int limits[] = {0, 1, 2, 3, 5, 30};
    for (int i = 0; i < 400; ++i) {
        const QString text = randomHistoryText(random);
        const int maxEntries = limits[random.bounded(int(std::size(limits)))];
        const QStringList fast = HistoryFile::entries(text, maxEntries);
        const QStringList literal = literalWalk(text, maxEntries);
        if (fast != literal)
            qWarning() << "text" << text << "limit" << maxEntries;
        QCOMPARE(fast, literal);
    }
}

void TstRecentFiles::listLength_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");

    QTest::newRow("a number") << QStringLiteral("5") << 5;
    QTest::newRow("zero: no limit") << QStringLiteral("0") << 0;
    QTest::newRow("blanks around") << QStringLiteral(" 7 ") << 7;
    QTest::newRow("missing key reads 1") << QStringLiteral("1") << 30;
    QTest::newRow("empty") << QString() << 30;
    QTest::newRow("not a number") << QStringLiteral("abc") << 30;
    QTest::newRow("not whole") << QStringLiteral("2.5") << 30;
    QTest::newRow("negative") << QStringLiteral("-3") << 30;
    QTest::newRow("huge") << QStringLiteral("99999999999") << INT_MAX;
}

void TstRecentFiles::listLength()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    QCOMPARE(Settings::historyLength(stored), expected);
}

QTEST_GUILESS_MAIN(TstRecentFiles)
#include "tst_recentfiles.moc"
