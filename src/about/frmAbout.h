#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class Prompter;
class QLabel;
class QPushButton;

// The About window: title, version, description, and a way to the system's own
// information tool.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Where a program is on the PATH (empty when it is not), and how to start one.
    using FindProgram = std::function<QString(const QString& name)>;
    using StartProgram = std::function<bool(const QString& path)>;

    explicit frmAbout(Prompter& prompter, QWidget* parent = nullptr);

    // Tests replace the PATH look-up and the start.
    void setProgramAccess(FindProgram find, StartProgram start);

    // The system-information tools tried, best first.
    static QStringList SystemInfoPrograms();
    static QString VersionText();

    QLabel* picLogo;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

private:
    Prompter& m_prompter;
    FindProgram m_find;
    StartProgram m_start;
};
