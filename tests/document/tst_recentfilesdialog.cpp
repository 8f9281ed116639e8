#include "app/settings.h"
#include "platform/twips.h"
#include "document/recentfiles.h"
#include "document/recentfilesdialog.h"
#include "recordingstore.h"
#include "scriptedprompts.h"

#include <QFile>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A history file of 35 entries, newest "/s/35.pl" first, with a placeholder and a duplicate.
QStringList historyEntries()
{
    QStringList entries;
    for (int n = 35; n >= 1; --n)
        entries << (n == 33 ? QStringLiteral("Untitled") : n == 31 ? QStringLiteral("/s/35.pl")
                                                                   : QStringLiteral("/s/%1.pl").arg(n));
    return entries;
}

struct Fixture {
    RecordingStore store;
    Settings settings{store};
    ScriptedPrompts prompts;
    QTemporaryDir folder;
    RecentFiles recent{settings, prompts, folder.filePath(QStringLiteral("flist.dat"))};

    void writeHistory()
    {
        QByteArray bytes = "#\r\n";
        for (const QString &entry : historyEntries())
            bytes += entry.toUtf8() + "#\r\n";
        bytes += "\r\n\r\n";
        QFile file(recent.historyFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void storeLength(const QString &value) { store.write(QStringLiteral("Options"), QStringLiteral("Recent Files"), value); }
};

QStringList listed(const QWidget &dialog)
{
    auto *list = dialog.findChild<QListWidget *>(QStringLiteral("RecList"));
    QStringList items;
    for (int i = 0; list && i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class TstRecentFilesDialog : public QObject {
    Q_OBJECT
private slots:
    void window();
    void listLength_data();
    void listLength();
    void leaving_data();
    void leaving();
};

void TstRecentFilesDialog::window()
{
    Fixture f;
    QWidget mainWindow;
    mainWindow.setGeometry(100, 80, 900, 700);
    mainWindow.show();
    QPointer<RecentFilesDialog> dialog = new RecentFilesDialog(f.recent, f.settings, &mainWindow);
    dialog->show();

    QCOMPARE(dialog->objectName(), QStringLiteral("RecentFiles"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Recent Scripts"));
    QVERIFY(!dialog->isModal());
    const Qt::WindowFlags flags = dialog->windowFlags();
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint)));
    QCOMPARE(dialog->size(), twipsToPixels(dialog, 3480, 1800));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY((dialog->geometry().center() - mainWindow.geometry().center()).manhattanLength() <= 2);

    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("RecList"));
    auto *cancel = dialog->findChild<QPushButton *>(QStringLiteral("Command2"));
    auto *open = dialog->findChild<QPushButton *>(QStringLiteral("Command1"));
    QVERIFY(list && cancel && open);
    QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
    QCOMPARE(open->text(), QStringLiteral("Open"));
    QCOMPARE(list->geometry().top(), 0);
    QCOMPARE(list->width(), dialog->width());
    QVERIFY(cancel->geometry().top() > list->geometry().bottom());
    QVERIFY(cancel->geometry().right() < open->geometry().left());
    QVERIFY(open->width() > cancel->width());
    QVERIFY(dialog->rect().contains(open->geometry()));
    delete dialog;
}

void TstRecentFilesDialog::listLength_data()
{
    QTest::addColumn<bool>("historyExists");
    QTest::addColumn<QString>("stored"); // "Recent Files"; null: never written
    QTest::addColumn<int>("expectedCount");

    QTest::newRow("0 lists all") << true << QStringLiteral("0") << 35;
    QTest::newRow("3 lists the newest three") << true << QStringLiteral("3") << 3;
    QTest::newRow("30") << true << QStringLiteral("30") << 30;
    QTest::newRow("missing key means 30") << true << QString() << 30;
    QTest::newRow("stored 1 counts as missing") << true << QStringLiteral("1") << 30;
    QTest::newRow("not a number means 30") << true << QStringLiteral("abc") << 30;
    QTest::newRow("not a whole number means 30") << true << QStringLiteral("2.5") << 30;
    QTest::newRow("empty means 30") << true << QStringLiteral("") << 30;
    QTest::newRow("no history file") << false << QStringLiteral("0") << 0;
}

void TstRecentFilesDialog::listLength()
{
    QFETCH(bool, historyExists);
    QFETCH(QString, stored);
    QFETCH(int, expectedCount);

    Fixture f;
    if (historyExists)
        f.writeHistory();
    if (!stored.isNull())
        f.storeLength(stored);
    RecentFilesDialog dialog(f.recent, f.settings);
    QCOMPARE(listed(dialog), historyEntries().mid(0, expectedCount));
}

void TstRecentFilesDialog::leaving_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("row"); // the item selected first; -1: none
    QTest::addColumn<QStringList>("requested");

    QTest::newRow("Open") << QStringLiteral("Open") << 2 << QStringList{"Untitled"};
    QTest::newRow("Open with nothing selected") << QStringLiteral("Open") << -1 << QStringList{""};
    QTest::newRow("double click") << QStringLiteral("double click") << 1 << QStringList{"/s/34.pl"};
    QTest::newRow("Cancel") << QStringLiteral("Cancel") << 1 << QStringList();
    QTest::newRow("Esc") << QStringLiteral("Esc") << 1 << QStringList();
}

void TstRecentFilesDialog::leaving()
{
    QFETCH(QString, action);
    QFETCH(int, row);
    QFETCH(QStringList, requested);

    Fixture f;
    f.writeHistory();
    QPointer<RecentFilesDialog> dialog = new RecentFilesDialog(f.recent, f.settings);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QSignalSpy openRequested(dialog.data(), &RecentFilesDialog::openRequested);
    auto *list = dialog->findChild<QListWidget *>(QStringLiteral("RecList"));
    if (row >= 0)
        list->item(row)->setSelected(true);

    if (action == QLatin1String("Open")) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    } else if (action == QLatin1String("Cancel")) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    } else if (action == QLatin1String("Esc")) {
        QTest::keyClick(list, Qt::Key_Escape);
    } else {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        // A double click is a press, a release and then the double-click event.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QStringList paths;
    for (const QList<QVariant> &arguments : openRequested)
        paths << arguments.at(0).toString();
    QCOMPARE(paths, requested);
    QVERIFY(dialog.isNull() || !dialog->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(dialog.isNull());
}

QTEST_MAIN(TstRecentFilesDialog)
#include "tst_recentfilesdialog.moc"
