#include "app/preferencesdialog.h"
#include "app/preferencesstate.h"
#include "app/settings.h"
#include "recordinglauncher.h"
#include "recordingstore.h"
#include "scriptedprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>

namespace {
const QString Udk = QStringLiteral("User Defined Key");

// A preferences dialog over a recording store, with scripted prompts and a recording launcher.
struct Fixture {
    // Values written to the store before the dialog's state is read from it.
    explicit Fixture(const QList<QPair<QString, QString>> &stored = {}, const QString &folder = QStringLiteral("/opt/velmora"))
    {
        for (const auto &[key, value] : stored)
            store.write(QStringLiteral("Options"), key, value);
        store.writes.clear();
        state = PreferencesState::fromStore(settings);
        dialog = new PreferencesDialog(state, settings, prompts, launcher, folder);
        dialog->show();
    }
    ~Fixture() { delete dialog.data(); }

    template <typename T> T *get(const char *name) const
    {
        T *control = dialog->findChild<T *>(QLatin1String(name));
        if (!control)
            qFatal("no control %s", name);
        return control;
    }
    QCheckBox *box(const char *name) const { return get<QCheckBox>(name); }
    QLineEdit *line(const char *name) const { return get<QLineEdit>(name); }
    void click(const char *name) const { QTest::mouseClick(get<QAbstractButton>(name), Qt::LeftButton); }
    void type(const char *name, const QString &text) const
    {
        QLineEdit *edit = line(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    RecordingStore store;
    Settings settings{store};
    PreferencesState state;
    ScriptedPrompts prompts;
    RecordingLauncher launcher;
    QPointer<PreferencesDialog> dialog;
};

QString write(const QString &key, const QString &value)
{
    return QStringLiteral("Options/") + key + QLatin1Char('=') + value;
}
} // namespace

class TstPreferencesDialog : public QObject {
    Q_OBJECT
private slots:
    void captions_data();
    void captions();
    void saveOnEmptyStoreWritesEveryKeyInOrder();
    void openingShowsStoredValues();
    void savedTexts_data();
    void savedTexts();
    void useColorGovernsTheColourOptions();
    void editsReachTheStateAtOnce();
    void cancelWritesNothing_data();
    void cancelWritesNothing();
    void defineColours();
    void browse_data();
    void browse();
    void associate_data();
    void associate();
    void associateFailureIsReported();
};

void TstPreferencesDialog::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");

    const QList<QPair<const char *, const char *>> rows = {
        {"ShowDialog", "Show Startup Dialog"},
        {"chkLoadTipsAtStartup", "Show Tips At Startup"},
        {"chkfiltool", "File Toolbox on startup"},
        {"EnClip", "Load Enhanced Clipboard"},
        {"ShowToolbar", "Show Toolbar on Startup"},
        {"chkprotool", "Program Toolbox on startup"},
        {"Label6", "Startup Font Size"},
        {"UseColor", "Use Color Coding Features"},
        {"clrEdit", "Color Code During Edit"},
        {"DefColors", "Define Colors"},
        {"autotab", "Enable"},
        {"chkbkspc", "Backspace Escapes AutoTab"},
        {"Command1", "Associate Filenames"},
        {"Label2", "You can set up to 5 user defined shortcut keys to phrases or statements you use frequently."},
        {"Label1(0)", "Crtl+F1"},
        {"Label1(4)", "Ctrl+F5"},
        {"Label3", "Shift+Ctrl+F1"},
        {"Label8", "Shift+Ctrl+F1"},
        {"Command4", "Browse"},
        {"Command8", "Browse"},
        {"ClrCode", "Don't Color Code On File Open"},
        {"Command3", "Cancel"},
        {"Command2", "Save"},
    };
    for (const auto &[name, caption] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption);
}

void TstPreferencesDialog::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    Fixture f;
    QObject *control = f.dialog->findChild<QObject *>(name);
    QVERIFY(control);
    QCOMPARE(control->property("text").toString(), caption);
    if (name == QLatin1String("ClrCode"))
        QVERIFY(!qobject_cast<QWidget *>(control)->isVisible());

    auto *tabs = f.get<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE((QStringList{tabs->tabText(0), tabs->tabText(1), tabs->tabText(2), tabs->tabText(3)}),
             (QStringList{"Startup", "Editor", "Shortcut Keys", "Launch"}));
}

void TstPreferencesDialog::saveOnEmptyStoreWritesEveryKeyInOrder()
{
    Fixture f;
    // A key never written reads "1": the launch boxes show it as stored, the phrases as the default.
    QCOMPARE(f.line("lch1")->text(), QStringLiteral("1"));
    QCOMPARE(f.line("sc1")->text(), Udk);
    QCOMPARE(f.line("Rfiles")->text(), QStringLiteral("30"));
    QCOMPARE(f.get<QComboBox>("DefFont")->currentText(), QStringLiteral("9"));

    QSignalSpy saved(f.dialog.data(), &PreferencesDialog::saved);
    QSignalSpy cancelled(f.dialog.data(), &PreferencesDialog::cancelled);
    f.click("Command2");

    QStringList expected = {
        write("Show Tips at Startup", "1"), write("Show Toolbar at Startup", "1"), write("Startup Font", "1"),
        write("Startup Dialog", "1"),       write("Enhanced Clipboard", "1"),      write("Show Program Toolbox", "1"),
        write("Show File Toolbox", "1"),
    };
    for (int n = 1; n <= 5; ++n)
        expected << write(QStringLiteral("Shortcut Key%1").arg(n), Udk);
    for (int n = 1; n <= 5; ++n)
        expected << write(QStringLiteral("Launch Key%1").arg(n), Udk);
    expected << write("Use Color Features", "1") << write("ColorCodeText", "1") << write("ColorCodeDuring Edit", "1")
             << write("AutoTab", "1") << write("AT Escape", "1") << write("Recent Files", "30");
    QCOMPARE(f.store.writes, expected);

    QCOMPARE(saved.count(), 1);
    QCOMPARE(cancelled.count(), 0);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.state.launches[0], Udk);
}

void TstPreferencesDialog::openingShowsStoredValues()
{
    Fixture f({{"Recent Files", "12"},
               {"Show File Toolbox", "0"},
               {"AT Escape", "0"},
               {"Startup Font", "4"},
               {"Startup Dialog", "0"},
               {"Launch Key1", "/usr/bin/gimp"},
               {"Shortcut Key2", "1"},
               {"Shortcut Key3", "print \"hi\";"},
               {"Use Color Features", "0"},
               {"ColorCodeText", "0"},
               {"ColorCodeDuring Edit", "1"}});

    QCOMPARE(f.line("Rfiles")->text(), QStringLiteral("12"));
    QVERIFY(!f.box("chkfiltool")->isChecked());
    QVERIFY(f.box("chkprotool")->isChecked());
    QVERIFY(!f.box("chkbkspc")->isChecked());
    QVERIFY(!f.box("ShowDialog")->isChecked());
    QCOMPARE(f.get<QComboBox>("DefFont")->currentText(), QStringLiteral("12"));
    QCOMPARE(f.line("lch1")->text(), QStringLiteral("/usr/bin/gimp"));
    QCOMPARE(f.line("sc2")->text(), Udk);
    QCOMPARE(f.line("sc3")->text(), QStringLiteral("print \"hi\";"));
    // Without colour features the three colour options are disabled but show what is stored.
    QVERIFY(!f.box("UseColor")->isChecked());
    QVERIFY(!f.box("ClrCode")->isEnabled());
    QVERIFY(!f.box("ClrCode")->isChecked());
    QVERIFY(!f.box("clrEdit")->isEnabled());
    QVERIFY(f.box("clrEdit")->isChecked());
    QVERIFY(!f.get<QPushButton>("DefColors")->isEnabled());
    QVERIFY(f.store.writes.isEmpty());
}

void TstPreferencesDialog::savedTexts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty launch box") << "lch2" << "" << write("Launch Key2", Udk);
    QTest::newRow("launch box of 1") << "lch5" << "1" << write("Launch Key5", Udk);
    QTest::newRow("launch path") << "lch1" << "/usr/bin/gimp" << write("Launch Key1", "/usr/bin/gimp");
    QTest::newRow("phrase of 1") << "sc3" << "1" << write("Shortcut Key3", Udk);
    QTest::newRow("empty phrase") << "sc1" << "" << write("Shortcut Key1", Udk);
    QTest::newRow("phrase with blanks") << "sc4" << " my $x = 1; " << write("Shortcut Key4", " my $x = 1; ");
    QTest::newRow("recent files unchecked") << "Rfiles" << "12a" << write("Recent Files", "12a");
    QTest::newRow("recent files empty") << "Rfiles" << "" << write("Recent Files", "");
}

void TstPreferencesDialog::savedTexts()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    Fixture f;
    f.type(qPrintable(box), typed);
    f.click("Command2");
    QVERIFY(f.store.writes.contains(stored));
}

void TstPreferencesDialog::useColorGovernsTheColourOptions()
{
    Fixture f;
    // A hidden "Don't Color Code" box that is off shows that unticking forces it on.
    f.state.dontColourOnOpen = false;
    delete f.dialog.data();
    f.dialog = new PreferencesDialog(f.state, f.settings, f.prompts, f.launcher, QStringLiteral("/opt/velmora"));
    f.dialog->show();
    QVERIFY(!f.box("ClrCode")->isChecked());
    QVERIFY(f.box("clrEdit")->isChecked());

    f.click("UseColor");
    QVERIFY(f.box("ClrCode")->isChecked());
    QVERIFY(!f.box("ClrCode")->isEnabled());
    QVERIFY(!f.box("clrEdit")->isChecked());
    QVERIFY(!f.box("clrEdit")->isEnabled());
    QVERIFY(!f.get<QPushButton>("DefColors")->isEnabled());
    QVERIFY(!f.state.useColor);
    QVERIFY(f.state.dontColourOnOpen);
    QVERIFY(!f.state.colourDuringEdit);

    // Ticking again enables the three and keeps their values.
    f.click("UseColor");
    QVERIFY(f.box("ClrCode")->isEnabled());
    QVERIFY(f.box("clrEdit")->isEnabled());
    QVERIFY(f.get<QPushButton>("DefColors")->isEnabled());
    QVERIFY(f.box("ClrCode")->isChecked());
    QVERIFY(!f.box("clrEdit")->isChecked());

    f.click("UseColor");
    f.click("Command2");
    QVERIFY(f.store.writes.contains(write("Use Color Features", "0")));
    QVERIFY(f.store.writes.contains(write("ColorCodeText", "1")));
    QVERIFY(f.store.writes.contains(write("ColorCodeDuring Edit", "0")));
}

void TstPreferencesDialog::editsReachTheStateAtOnce()
{
    Fixture f;
    f.click("autotab");
    QVERIFY(!f.state.autoTab);
    f.click("chkbkspc");
    QVERIFY(!f.state.backspaceEscapes);
    f.click("EnClip");
    QVERIFY(!f.state.enhancedClipboard);
    f.click("clrEdit");
    QVERIFY(!f.state.colourDuringEdit);
    f.type("sc2", QStringLiteral("use strict;"));
    QCOMPARE(f.state.phrases[1], QStringLiteral("use strict;"));
    f.type("lch4", QStringLiteral("/usr/bin/xterm"));
    QCOMPARE(f.state.launches[3], QStringLiteral("/usr/bin/xterm"));
    f.type("Rfiles", QStringLiteral("5"));
    QCOMPARE(f.state.recentFiles, QStringLiteral("5"));
    f.get<QComboBox>("DefFont")->setCurrentIndex(7);
    QCOMPARE(f.state.startupFontIndex, 7);
    QVERIFY(f.store.writes.isEmpty());
}

void TstPreferencesDialog::cancelWritesNothing_data()
{
    QTest::addColumn<QString>("way");
    QTest::newRow("Cancel") << QStringLiteral("cancel");
    QTest::newRow("Esc") << QStringLiteral("esc");
    QTest::newRow("close box") << QStringLiteral("close");
}

void TstPreferencesDialog::cancelWritesNothing()
{
    QFETCH(QString, way);
    Fixture f;
    QSignalSpy saved(f.dialog.data(), &PreferencesDialog::saved);
    QSignalSpy cancelled(f.dialog.data(), &PreferencesDialog::cancelled);
    f.click("chkprotool");
    f.type("sc1", QStringLiteral("print;"));

    if (way == QLatin1String("cancel"))
        f.click("Command3");
    else if (way == QLatin1String("esc"))
        QTest::keyClick(f.line("sc1"), Qt::Key_Escape);
    else
        QVERIFY(f.dialog->close());

    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(saved.count(), 0);
    QVERIFY(!f.dialog->isVisible());
    QVERIFY(f.store.writes.isEmpty());
    f.dialog->close();
    QCOMPARE(cancelled.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(f.dialog.isNull());
}

void TstPreferencesDialog::defineColours()
{
    Fixture f;
    QSignalSpy requested(f.dialog.data(), &PreferencesDialog::defineColoursRequested);
    f.click("DefColors");
    QCOMPARE(requested.count(), 1);
    QVERIFY(f.dialog->isVisible());
}

void TstPreferencesDialog::browse_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("choose");

    QTest::newRow("first, chosen") << "Command4" << "lch1" << 0 << true;
    QTest::newRow("last, chosen") << "Command8" << "lch5" << 4 << true;
    QTest::newRow("third, cancelled") << "Command6" << "lch3" << 2 << false;
}

void TstPreferencesDialog::browse()
{
    QFETCH(QString, button);
    QFETCH(QString, box);
    QFETCH(int, index);
    QFETCH(bool, choose);
    Fixture f({{QStringLiteral("Launch Key%1").arg(index + 1), "/usr/bin/old"}});
    QCOMPARE(f.line(qPrintable(box))->text(), QStringLiteral("/usr/bin/old"));

    const QString chosen = QStringLiteral("/opt/my tools/editor");
    f.prompts.queueFile(choose ? std::optional<QString>(chosen) : std::nullopt);
    f.click(qPrintable(button));
    // Cancelling empties the box.
    const QString expected = choose ? chosen : QString();
    QCOMPARE(f.line(qPrintable(box))->text(), expected);
    QCOMPARE(f.state.launches[index], expected);

    // Every dialog starts without a file name, also after a choice, and offers no filter.
    f.prompts.queueFile(std::nullopt);
    f.click(qPrintable(button));
    QCOMPARE(f.prompts.openRequests.size(), 2);
    for (const Prompts::FileRequest &request : f.prompts.openRequests) {
        QVERIFY(request.fileName.isEmpty());
        QVERIFY(request.filters.isEmpty());
        QVERIFY(!request.title.isEmpty());
    }
    QVERIFY(f.prompts.allAnswersUsed());
    QVERIFY(f.store.writes.isEmpty());
}

void TstPreferencesDialog::associate_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("commandLine");

    QTest::newRow("plain folder") << "/opt/velmora" << "/opt/velmora/associate";
    QTest::newRow("folder with a slash at the end") << "/opt/velmora/" << "/opt/velmora/associate";
    QTest::newRow("folder with blanks") << "/home/me/my programs" << "\"/home/me/my programs/associate\"";
}

void TstPreferencesDialog::associate()
{
    QFETCH(QString, folder);
    QFETCH(QString, commandLine);
    Fixture f({}, folder);
    f.click("Command1");
    QCOMPARE(f.launcher.starts.size(), 1);
    QCOMPARE(f.launcher.starts[0].commandLine, commandLine);
    QCOMPARE(f.launcher.starts[0].state, WindowState::NormalFocus);
    QVERIFY(f.prompts.messages.isEmpty());
    QVERIFY(f.dialog->isVisible());
}

void TstPreferencesDialog::associateFailureIsReported()
{
    Fixture f({}, QStringLiteral("/opt/velmora"));
    f.launcher.succeed = false;
    f.click("Command1");
    QCOMPARE(f.prompts.messages.size(), 1);
    const Prompts::Message &message = f.prompts.messages[0];
    QCOMPARE(message.text, QStringLiteral("The file association utility could not be started:\n/opt/velmora/associate"));
    QCOMPARE(message.title, QStringLiteral("Velmora Editor"));
    QCOMPARE(message.icon, Prompts::Icon::Critical);
    QCOMPARE(message.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(f.dialog->isVisible());
}

QTEST_MAIN(TstPreferencesDialog)
#include "tst_preferencesdialog.moc"
