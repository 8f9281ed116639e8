#include "app/factoryreset.h"
#include "app/preferencesstate.h"
#include "app/settings.h"
#include "editing/colourtable.h"
#include "recordingstore.h"

#include <QTest>

namespace {
// How a key is read, named for the table below.
enum class Reader { IsOn, FirstRun, StartupFont, Recent, ShortcutKey, LaunchKey, RecentFilesBox, FileBoxLeft, Colour };

QString readWith(const Settings &settings, Reader reader)
{
    switch (reader) {
    case Reader::IsOn: return settings.isOn(keys::ShowToolbarAtStartup) ? "yes" : "no";
    case Reader::FirstRun: return settings.firstRun() ? "first" : "not first";
    case Reader::StartupFont: return QString::number(8 + settings.startupFontIndex());
    case Reader::Recent: return settings.recent(1);
    case Reader::ShortcutKey: return settings.shortcutKey(2);
    case Reader::LaunchKey: return settings.launchKey(3);
    case Reader::RecentFilesBox: return settings.recentFilesBox();
    case Reader::FileBoxLeft: return QString::number(settings.palettePosition(keys::FileBoxLeft, 210));
    case Reader::Colour: return QString::number(ColourTable::load(settings).entries[0].colour);
    }
    return {};
}

struct Target {
    const char *section;
    QString key;
};

Target targetOf(Reader reader)
{
    switch (reader) {
    case Reader::IsOn: return {keys::Options, keys::ShowToolbarAtStartup.name};
    case Reader::FirstRun: return {keys::Options, keys::FirstRun.name};
    case Reader::StartupFont: return {keys::Options, keys::StartupFont.name};
    case Reader::Recent: return {keys::Options, keys::recentName(1)};
    case Reader::ShortcutKey: return {keys::Options, keys::shortcutKeyName(2)};
    case Reader::LaunchKey: return {keys::Options, keys::launchKeyName(3)};
    case Reader::RecentFilesBox: return {keys::Options, keys::RecentFiles.name};
    case Reader::FileBoxLeft: return {keys::Locations, keys::FileBoxLeft.name};
    case Reader::Colour: return {keys::SyntaxHighlighting, keys::wordColourName(1)};
    }
    return {};
}
} // namespace

Q_DECLARE_METATYPE(Reader)

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void readingRules_data()
    {
        QTest::addColumn<Reader>("reader");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, Reader reader, bool written, const char *stored, const char *expected) {
            QTest::newRow(name) << reader << written << QString::fromUtf8(stored) << QString::fromUtf8(expected);
        };
        row("number: missing is yes", Reader::IsOn, false, "", "yes");
        row("number: 0 is no", Reader::IsOn, true, "0", "no");
        row("number: any other is yes", Reader::IsOn, true, "7", "yes");
        row("number: not a number reads as missing", Reader::IsOn, true, "off", "yes");
        row("first run: missing", Reader::FirstRun, false, "", "first");
        row("first run: 0", Reader::FirstRun, true, "0", "not first");
        row("first run: 2", Reader::FirstRun, true, "2", "not first");
        row("first run: garbage reads as missing", Reader::FirstRun, true, "x", "first");
        row("font: missing gives 9", Reader::StartupFont, false, "", "9");
        row("font: 0 gives 8", Reader::StartupFont, true, "0", "8");
        row("font: 7 gives 15", Reader::StartupFont, true, "7", "15");
        row("font: not a number gives 9", Reader::StartupFont, true, "big", "9");
        row("font: outside the list gives 9", Reader::StartupFont, true, "12", "9");
        row("recent: missing", Reader::Recent, false, "", "Untitled");
        row("recent: 1", Reader::Recent, true, "1", "Untitled");
        row("recent: empty", Reader::Recent, true, "", "Untitled");
        row("recent: path", Reader::Recent, true, "/home/u/a b.pl", "/home/u/a b.pl");
        row("phrase: missing", Reader::ShortcutKey, false, "", "User Defined Key");
        row("phrase: 1", Reader::ShortcutKey, true, "1", "User Defined Key");
        row("phrase: text", Reader::ShortcutKey, true, "my $x = 1;", "my $x = 1;");
        row("launch: missing stays 1", Reader::LaunchKey, false, "", "1");
        row("launch: path", Reader::LaunchKey, true, "/usr/bin/gimp", "/usr/bin/gimp");
        row("history: missing", Reader::RecentFilesBox, false, "", "30");
        row("history: empty", Reader::RecentFilesBox, true, "", "30");
        row("history: as typed", Reader::RecentFilesBox, true, "abc", "abc");
        row("palette: missing gives default", Reader::FileBoxLeft, false, "", "210");
        row("palette: exactly 1 gives default", Reader::FileBoxLeft, true, "1", "210");
        row("palette: 1.0 gives default", Reader::FileBoxLeft, true, "1.0", "210");
        row("palette: stored", Reader::FileBoxLeft, true, "1500", "1500");
        row("palette: not a number gives default", Reader::FileBoxLeft, true, "left", "210");
        row("colour: missing is 1", Reader::Colour, false, "", "1");
        row("colour: stored", Reader::Colour, true, "16711680", "16711680");
        row("colour: not a number is 1", Reader::Colour, true, "red", "1");
    }
    void readingRules()
    {
        QFETCH(Reader, reader);
        QFETCH(bool, written);
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        RecordingStore store;
        const Target target = targetOf(reader);
        if (written)
            store.write(QLatin1String(target.section), target.key, stored);
        QCOMPARE(readWith(Settings(store), reader), expected);
    }

    void missingKeyReadsAsOne()
    {
        RecordingStore store;
        QCOMPARE(store.read("Options", "Never Written"), QStringLiteral("1"));
    }

    void textRoundTripsExactly_data()
    {
        QTest::addColumn<QString>("value");
        for (const char *value : {"", " leading and trailing ", "a=b;c", "\"quoted\"", "one, two, three", "@String(x)",
                                  "Grüße ☃ 𝄞", "back\\slash", "#hash ;semi", "tab\there", "line\r\nbreak", "1"})
            QTest::newRow(value) << QString::fromUtf8(value);
    }
    void textRoundTripsExactly()
    {
        QFETCH(QString, value);
        RecordingStore writer;
        writer.write(QStringLiteral("Syntax Highlighting"), QStringLiteral("w1"), value);
        // A second store on the same file proves the value survived the disk, not just the cache.
        IniSettingsStore reader(writer.filePath());
        QCOMPARE(reader.read(QStringLiteral("Syntax Highlighting"), QStringLiteral("w1")), value);
    }

    void factoryResetOnEmptyStoreWritesExactlyThisInOrder()
    {
        RecordingStore store;
        const Settings settings(store);
        PreferencesState preferences = PreferencesState::fromStore(settings);
        ColourTable colours = ColourTable::load(settings);
        factoryReset(settings, preferences, colours, QStringLiteral("/opt/velmora"));

        QCOMPARE(store.writes, (QStringList{
            "Options/First Run=0",
            "Options/Enhanced Clipboard=0",
            "Options/InitDir=/opt/velmora/",
            "Options/Show Program Toolbox=0",
            "Options/Show File Toolbox=0",
            "Syntax Highlighting/w1=exit;", "Syntax Highlighting/wc1=255",
            "Syntax Highlighting/w2=print", "Syntax Highlighting/wc2=16711680",
            "Syntax Highlighting/w3=sub", "Syntax Highlighting/wc3=128",
            "Syntax Highlighting/w4=$", "Syntax Highlighting/wc4=65408",
            "Syntax Highlighting/w5=@", "Syntax Highlighting/wc5=32768",
            "Syntax Highlighting/w6=open", "Syntax Highlighting/wc6=16744448",
        }));
        QVERIFY(!preferences.fileToolbox);
        QVERIFY(!preferences.programToolbox);
        QVERIFY(!preferences.enhancedClipboard);
        QCOMPARE(colours, ColourTable::factory());
    }

    void factoryResetKeepsEverythingElse()
    {
        RecordingStore store;
        const Settings settings(store);
        store.write("Options", "Recent1", "/home/u/keep.pl");
        store.write("Options", "Shortcut Key1", "my phrase");
        store.write("Syntax Highlighting", "w1", "mine");
        PreferencesState preferences = PreferencesState::fromStore(settings);
        ColourTable colours = ColourTable::load(settings);
        factoryReset(settings, preferences, colours, QStringLiteral("/p"));
        QCOMPARE(settings.recent(1), QStringLiteral("/home/u/keep.pl"));
        QCOMPARE(settings.shortcutKey(1), QStringLiteral("my phrase"));
        QCOMPARE(store.read("Syntax Highlighting", "w1"), QStringLiteral("exit;"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
