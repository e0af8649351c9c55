#pragma once

#include "rota/HolidayFileSet.h"
#include "store/SettingsStore.h"

#include <QGroupBox>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class QListWidget;
class QListWidgetItem;
class QPushButton;
class QWidget;

// "Holidays from calendar files" of Set Holidays: the user's holiday calendar files, each with a
// box to count its days or not, its name and the years it covers; Add... copies a chosen .ics
// file into the holiday folder, Remove takes the selected one away with its copy. The buttons
// are in a row of their own (buttonRow), shown only while the holidays are.
class HolidayFilesPanel : public QGroupBox
{
    Q_OBJECT

public:
    // Asks for the path of a file to read; empty when the user cancels.
    using OpenPathChooser = std::function<QString(QWidget* parent)>;

    explicit HolidayFilesPanel(QWidget* parent = nullptr);

    // The folder the copies are kept in.
    void setFolder(const QString& folder) { m_folder = folder; }
    // Replace the file dialog, e.g. in tests.
    void setOpenPathChooser(OpenPathChooser chooser) { m_choose = std::move(chooser); }

    // Lists the stored files of the folder; one that is missing or refused is left out, and
    // its line is returned.
    QStringList restore(const SettingsStore::HolidayFiles& stored);
    SettingsStore::HolidayFiles stored() const;
    // The calendars of the files counted, in the list's order.
    HolidayFileSet counted() const;
    // What the status bar says of `year` for the counted files that have no date in it, each
    // said once a run; empty when there is nothing new to say.
    QString untoldCoverage(int year);

    QListWidget* lstFiles = nullptr;
    // Add... and Remove, laid out by the window beside Set Holidays' Return.
    QWidget* buttonRow = nullptr;
    QPushButton* cmdAdd = nullptr;
    QPushButton* cmdRemove = nullptr;

    // Runs the file dialog and adds the file chosen.
    void cmdAdd_Click();
    void cmdRemove_Click();

signals:
    // A file was added or removed, or counted or no longer.
    void changed();
    // One line for the status bar: a file refused or not copied.
    void message(const QString& line);

private:
    void append(const QString& file, const HolidayFileSet::Calendar& calendar, bool counted);

    QString m_folder;
    OpenPathChooser m_choose;
    // Each row's file name in the folder and its calendar.
    QStringList m_files;
    QList<HolidayFileSet::Calendar> m_calendars;
    QSet<QString> m_told;
};
