#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Find window: the phrase, the replacement and the two options of the search commands, with
// the buttons that run them. It is created once and then only hidden, so its fields are the
// search parameters for the rest of the run (also for Find Again while it is hidden).
class FindWindow : public QDialog {
    Q_OBJECT
public:
    // Which controls show and where the check boxes sit. Initial: before any command chose one.
    enum class Layout { Initial, Find, Replace };

    explicit FindWindow(QWidget *parent = nullptr);

    QString phrase() const;
    QString replacement() const;
    bool matchCase() const;
    bool entireFile() const;

    Layout currentLayout() const { return m_layout; }
    void applyLayout(Layout layout);

signals:
    void findNextClicked();
    void replaceNextClicked();
    void replaceAllClicked();

private:
    QLineEdit *m_findText;
    QLineEdit *m_rewith;
    QLabel *m_rewithLabel;
    QCheckBox *m_case;
    QCheckBox *m_entireFile;
    QPushButton *m_replaceNext;
    QPushButton *m_replaceAll;
    Layout m_layout = Layout::Initial;
};
