#include "mainwindow/HolidayFilesPanel.h"

#include "store/HolidayFolder.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HolidayFilesPanel::HolidayFilesPanel(QWidget* parent)
    : QGroupBox(u"Holidays from calendar files"_s, parent), m_choose([](QWidget* owner) {
          return QFileDialog::getOpenFileName(owner, u"Add Holidays from a Calendar File"_s,
                                              QString(),
                                              u"Calendar files (*.ics);;All files (*)"_s);
      })
{
    setObjectName(u"fraHolidayFiles"_s);
    lstFiles = new QListWidget(this);
    lstFiles->setObjectName(u"lstHolidayFiles"_s);
    // The list takes the room the column has, at least one row, rather than making the window
    // wider or taller.
    lstFiles->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    // A name too long for the column is cut short; its tip shows it whole.
    lstFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstFiles->setTextElideMode(Qt::ElideRight);
    lstFiles->setMinimumHeight(lstFiles->fontMetrics().height() + 2 * lstFiles->frameWidth() + 2);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 2);
    layout->addWidget(lstFiles, 1);

    // The buttons sit beside Return, under the frames, where they take no height of their own.
    buttonRow = new QWidget;
    buttonRow->setObjectName(u"holidayFileButtons"_s);
    cmdAdd = new QPushButton(u"A&dd..."_s, buttonRow);
    cmdAdd->setObjectName(u"cmdAddHolidayFile"_s);
    cmdRemove = new QPushButton(u"Re&move"_s, buttonRow);
    cmdRemove->setObjectName(u"cmdRemoveHolidayFile"_s);
    cmdRemove->setEnabled(false);
    auto* buttons = new QHBoxLayout(buttonRow);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdRemove);

    connect(cmdAdd, &QPushButton::clicked, this, &HolidayFilesPanel::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &HolidayFilesPanel::cmdRemove_Click);
    connect(lstFiles, &QListWidget::currentRowChanged, this,
            [this](int row) { cmdRemove->setEnabled(row >= 0); });
    connect(lstFiles, &QListWidget::itemChanged, this, [this] { emit changed(); });
}

void HolidayFilesPanel::append(const QString& file, const HolidayFileSet::Calendar& calendar,
                               bool counted)
{
    const QSignalBlocker quiet(lstFiles);
    auto* item =
        new QListWidgetItem(u"%1 (%2)"_s.arg(calendar->name(), calendar->yearsText()), lstFiles);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(counted ? Qt::Checked : Qt::Unchecked);
    item->setToolTip(item->text() + u'\n' +
                     QDir::toNativeSeparators(QDir(m_folder).filePath(file)));
    m_files << file;
    m_calendars << calendar;
}

QStringList HolidayFilesPanel::restore(const SettingsStore::HolidayFiles& stored)
{
    QStringList problems;
    const QSignalBlocker quiet(lstFiles);
    lstFiles->clear();
    m_files.clear();
    m_calendars.clear();
    for (const SettingsStore::HolidayFileChoice& choice : stored) {
        // Only a plain name of the folder: the settings file is outside input.
        if (choice.file.contains(u'/') || choice.file.contains(u'\\') || choice.file == u".."_s)
            continue;
        const HolidayFile::Loaded loaded = HolidayFile::Load(QDir(m_folder).filePath(choice.file));
        if (loaded.calendar)
            append(choice.file, loaded.calendar, choice.counted);
        else
            problems << loaded.error;
    }
    return problems;
}

SettingsStore::HolidayFiles HolidayFilesPanel::stored() const
{
    SettingsStore::HolidayFiles files;
    for (int row = 0; row < m_files.size(); ++row)
        files.append({m_files.at(row), lstFiles->item(row)->checkState() == Qt::Checked});
    return files;
}

HolidayFileSet HolidayFilesPanel::counted() const
{
    QList<HolidayFileSet::Calendar> calendars;
    for (int row = 0; row < m_calendars.size(); ++row) {
        if (lstFiles->item(row)->checkState() == Qt::Checked)
            calendars << m_calendars.at(row);
    }
    return HolidayFileSet(calendars);
}

QString HolidayFilesPanel::untoldCoverage(int year)
{
    QStringList untold;
    for (const QString& note : counted().coverageNotes(year)) {
        if (!m_told.contains(note)) {
            m_told.insert(note);
            untold << note;
        }
    }
    return untold.join(u"  "_s);
}

void HolidayFilesPanel::cmdAdd_Click()
{
    const QString source = m_choose(window());
    if (source.isEmpty())
        return;
    const HolidayFolder::Added added = HolidayFolder::CopyIn(m_folder, source);
    if (added.path.isEmpty()) {
        emit message(u"Not added: "_s + added.loaded.error);
        return;
    }
    append(QFileInfo(added.path).fileName(), added.loaded.calendar, true);
    lstFiles->setCurrentRow(static_cast<int>(m_files.size()) - 1);
    emit changed();
}

void HolidayFilesPanel::cmdRemove_Click()
{
    const int row = lstFiles->currentRow();
    if (row < 0)
        return;
    QFile::remove(QDir(m_folder).filePath(m_files.at(row)));
    m_files.removeAt(row);
    m_calendars.removeAt(row);
    {
        const QSignalBlocker quiet(lstFiles);
        delete lstFiles->takeItem(row);
    }
    cmdRemove->setEnabled(lstFiles->currentRow() >= 0);
    emit changed();
}
