#include "app/editorcontext.h"
#include "app/inisettingsstore.h"
#include "app/startup.h"
#include "app/toolbaricons.h"
#include "platform/dialogprompts.h"
#include "platform/lockkeys.h"
#include "platform/processlauncher.h"
#include "platform/systemclipboard.h"

#include <QApplication>
#include <QFileInfo>
#include <QRandomGenerator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The main window ends the program; the tip and welcome windows come and go before it.
    app.setQuitOnLastWindowClosed(false);
    chooseFallbackIconTheme();

    const QString programFolder = QCoreApplication::applicationDirPath();
    // The settings belong to the program file's own name: a renamed copy starts afresh.
    const QString applicationName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    QCoreApplication::setApplicationName(applicationName);

    IniSettingsStore store(IniSettingsStore::defaultPath(applicationName));
    ProcessLauncher launcher(programFolder, ProgramMap::load(programFolder + QStringLiteral("/programs.map")));
    DialogPrompts prompts;
    SystemClipboard clipboard;
    const auto lockKeys = LockKeys::forDesktop();
    EditorContext context({store, launcher, prompts, clipboard, *lockKeys, programFolder});

    QRandomGenerator random(QRandomGenerator::system()->generate());
    Startup startup(context, QCoreApplication::arguments().mid(1).join(QLatin1Char(' ')),
                    [&random] { return random.generateDouble(); });
    QObject::connect(&startup, &Startup::ended, &app, &QApplication::quit);
    if (!startup.run())
        return 0;
    return app.exec();
}
