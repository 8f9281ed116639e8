#pragma once

#include <QDialog>

class QListWidget;
class RecentFiles;
class Settings;

// The "Recent Scripts" window (RecentFiles): lists the newest entries of the history file,
// as many as "Recent Files" says, and asks for the chosen one to be opened. Modeless; it
// deletes itself when it closes.
class RecentFilesDialog : public QDialog {
    Q_OBJECT
public:
    RecentFilesDialog(const RecentFiles &recentFiles, const Settings &settings, QWidget *parent = nullptr);

signals:
    // The selected entry's text, "" when none is selected; the window closes right after.
    void openRequested(const QString &path);

private:
    void openSelected();

    QListWidget *m_list;
};
