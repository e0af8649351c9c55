#include "mainwindow/frmCalendar.h"
#include "mainwindow/RotaFolderWatcher.h"

#include "about/frmAbout.h"
#include "month/frmMonth.h"
#include "rota/BuiltInRotas.h"
#include "rota/NumberText.h"
#include "rotas/frmRotas.h"
#include "store/AppState.h"
#include "store/Clock.h"
#include "store/Prompter.h"
#include "store/SettingsStore.h"
#include "store/VacationTable.h"
#include "vacations/frmInputVacations.h"
#include "windows/ButtonKeys.h"
#include "windows/FocusMark.h"
#include "windows/WindowFit.h"

#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

using NumberText::Val;

namespace {

const QColor Cyan(0, 255, 255);

// An open window brought in front of the others, as it was before it was minimised.
void bringForward(QWidget* window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}

} // namespace

frmCalendar::frmCalendar(AppState& state, Prompter& prompter, Clock& clock, SettingsStore& settings,
                         Printers& printers, const PlacementFolders& folders, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter), m_clock(clock),
      m_settings(settings), m_printers(printers), m_folders(folders),
      m_fieldChecks(m_ui, prompter, clock), m_printing(*this, state, prompter, printers)
{
    m_ui.setupUi(this);
    m_ui.fraHolidayFiles->setFolder(holidayFolder());
    m_ui.Calendar1->setSelectedDate(m_clock.today());
    m_shownYear = m_ui.Calendar1->yearShown();
    m_normalBoxColor = m_ui.txtWhosOff[0]->palette().color(QPalette::Base);
    m_ownRotaPicker = std::make_unique<OwnRotaPicker>(
        m_ui.optOwnRota, m_ui.cboOwnRota, m_ui.lblOwnWhosOff, m_ui.txtOwnWhosOff, rotaFolder());
    // Rota files added, fixed in an editor or removed while the window is open.
    auto* watcher = new RotaFolderWatcher(rotaFolder(), this);
    connect(watcher, &RotaFolderWatcher::changed, this, &frmCalendar::ownRotasChanged);
    connectHandlers();
    ButtonKeys::Install(this);
    FocusMark::Install(this);
    Form_Load();
}

frmCalendar::~frmCalendar()
{
    // The month window reads the entry look-up; it goes (storing its notes) before the
    // look-up and the database do.
    delete m_monthWindow.data();
}

void frmCalendar::setPrintDestinationSource(PrintDestinationSource source)
{
    m_printing.setPrintDestinationSource(std::move(source));
}

void frmCalendar::setSavePathChooser(SavePathChooser chooser)
{
    m_printing.setSavePathChooser(std::move(chooser));
}

void frmCalendar::setHolidayFileChooser(HolidayFileChooser chooser)
{
    m_ui.fraHolidayFiles->setOpenPathChooser(std::move(chooser));
}

// ---------------------------------------------------------------------------------------------
// What runs the handlers

void frmCalendar::connectHandlers()
{
    connect(m_ui.Calendar1, &QCalendarWidget::clicked, this, [this] { Calendar1_Click(); });
    connect(m_ui.Calendar1, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_followingPage)
            Calendar1_Click();
    });
    connect(m_ui.Calendar1, &QCalendarWidget::currentPageChanged, this,
            &frmCalendar::onCalendarPageChanged);

    connect(m_ui.txtYear, &QLineEdit::textChanged, this, &frmCalendar::txtYear_Change);
    connect(m_ui.txtReduction, &QLineEdit::textChanged, this, &frmCalendar::txtReduction_Change);
    connect(m_ui.txtCopies, &QLineEdit::textChanged, this, &frmCalendar::txtCopies_Change);
    m_fieldChecks.watchFields();

    // Option buttons run their handler when they become selected, by hand or in code.
    connect(m_ui.kindOptions, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        if (checked && code == frmCalendarUi::OwnRotaOption)
            chooseOwnRota();
        else if (checked)
            chooseCalendarType(static_cast<RotaKind>(code));
    });
    // Picking a rota from the list chooses it.
    connect(m_ui.cboOwnRota, &QComboBox::activated, this,
            [this] { m_ui.optOwnRota->setChecked(true); });
    connect(m_ui.cboOwnRota, &QComboBox::currentIndexChanged, this, [this] {
        showOwnWhosOff();
        if (m_ownRotaChosen)
            chooseOwnRota();
    });
    connect(m_ui.cboOwnGroup, &QComboBox::activated, this, &frmCalendar::chooseOwnGroup);
    // A calendar type or rota picked by hand: a rota that could not be read is no longer
    // waited for.
    connect(m_ui.kindOptions, &QButtonGroup::idClicked, this, [this] { m_rememberedOwnRota = {}; });
    connect(m_ui.colourOptions, &QButtonGroup::idToggled, this, [this](int family, bool checked) {
        if (checked)
            paintShades(static_cast<ColourFamily>(family));
    });
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i) {
        connect(m_ui.optPattern[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optPattern_Click(i);
        });
    }
    connect(m_ui.optNoHighlight, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optNoHighlight_Click(NoHighlightIndex);
    });

    connect(m_ui.hsbHighlightShade, &QScrollBar::valueChanged, this,
            &frmCalendar::hsbHighlightShade_Change);
    for (int i = 0; i < Holidays::Count; ++i) {
        connect(m_ui.chkHolidays[i], &QCheckBox::toggled, this,
                [this, i] { chkHolidays_Click(i); });
    }
    connect(m_ui.cmdSetHolidays, &QPushButton::clicked, this, &frmCalendar::cmdSetHolidays_Click);
    connect(m_ui.fraHolidayFiles, &HolidayFilesPanel::changed, this,
            &frmCalendar::tellHolidayCoverage);
    connect(m_ui.fraHolidayFiles, &HolidayFilesPanel::message, statusBar(),
            [this](const QString& line) { statusBar()->showMessage(line); });
    connect(m_ui.txtYear, &QLineEdit::textChanged, this, &frmCalendar::tellHolidayCoverage);
    connect(m_ui.cmdPrintRdoCalendar, &QPushButton::clicked, this,
            &frmCalendar::cmdPrintRdoCalendar_Click);
    connect(m_ui.cmdPrintAllPatterns, &QPushButton::clicked, this,
            &frmCalendar::cmdPrintAllPatterns_Click);
    connect(m_ui.cmdShowMonth, &QPushButton::clicked, this, &frmCalendar::cmdShowMonth_Click);
    connect(m_ui.cmdInputVacations, &QPushButton::clicked, this,
            &frmCalendar::cmdInputVacations_Click);
    connect(m_ui.cmdExit, &QPushButton::clicked, this, &frmCalendar::cmdExit_Click);
    connect(m_ui.mnuPrint, &QAction::triggered, this, &frmCalendar::mnuPrint_Click);
    connect(m_ui.mnuPrintAllPatterns, &QAction::triggered, this,
            &frmCalendar::mnuPrintAllPatterns_Click);
    connect(m_ui.mnuPrintPreview, &QAction::triggered, this, &frmCalendar::mnuPrintPreview_Click);
    connect(m_ui.mnuSaveAsPdf, &QAction::triggered, this, &frmCalendar::mnuSaveAsPdf_Click);
    connect(m_ui.mnuExportDaysOff, &QAction::triggered, this, &frmCalendar::mnuExportDaysOff_Click);
    connect(m_ui.mnuOwnRotas, &QAction::triggered, this, &frmCalendar::mnuOwnRotas_Click);
    connect(m_ui.mnuExit, &QAction::triggered, this, &frmCalendar::mnuExit_Click);
    connect(m_ui.mnuAbout, &QAction::triggered, this, &frmCalendar::mnuAbout_Click);
}

// ---------------------------------------------------------------------------------------------
// What the rest of the program reads

CalendarChoices frmCalendar::choices() const
{
    CalendarChoices choices;
    choices.yearText = m_ui.txtYear->text();
    choices.station = m_ui.txtStation->text();
    choices.sizeText = m_ui.txtReduction->text();
    choices.copiesText = m_ui.txtCopies->text();
    choices.adjustmentText = m_ui.txtPatternAdjustment->text();
    choices.rota = chosenRota();
    choices.highlightGroup = m_highlightGroup;
    choices.noHighlight = m_ui.optNoHighlight->isChecked();
    for (int i = 0; i < Holidays::Count; ++i)
        choices.holidays[i] = m_ui.chkHolidays[i]->isChecked();
    choices.holidayFiles = m_ui.fraHolidayFiles->counted();
    choices.highlightVacations = m_ui.chkHilightVacations->isChecked();
    choices.highlightPayday = m_ui.chkHighlightPayday->isChecked();
    choices.noPatterns = m_ui.chkNoPatterns->isChecked();
    choices.printKey = m_ui.chkPrintKey->isChecked();
    choices.shades = m_shades;
    choices.calendarDate = m_ui.Calendar1->selectedDate();
    return choices;
}

RotaKind frmCalendar::chosenKind() const
{
    return RotaKinds::FromCode(m_ui.kindOptions->checkedId()).value_or(RotaKind::CgSixTwo);
}

Rota frmCalendar::chosenRota() const
{
    const std::shared_ptr<const OwnRota> own = chosenOwnRota();
    return own ? Rota::FromFile(*own) : Rota::BuiltIn(chosenKind());
}

std::shared_ptr<const OwnRota> frmCalendar::chosenOwnRota() const
{
    return m_ownRotaChosen ? m_ownRotaPicker->shown() : nullptr;
}

void frmCalendar::addSecondaryWindow(QWidget* window)
{
    if (window && !m_secondaryWindows.contains(window))
        m_secondaryWindows.append(window);
}

QList<QWidget*> frmCalendar::secondaryWindows() const
{
    QList<QWidget*> windows;
    for (const QPointer<QWidget>& window : m_secondaryWindows) {
        if (window)
            windows.append(window.data());
    }
    return windows;
}

frmMonth* frmCalendar::monthWindow() const
{
    return m_monthWindow.data();
}

frmRotas* frmCalendar::rotasWindow() const
{
    return m_rotasWindow.data();
}

EntryLookup* frmCalendar::entries() const
{
    return m_vacations.get();
}

// ---------------------------------------------------------------------------------------------
// Start and end

void frmCalendar::Form_Load()
{
    centreOnScreen();

    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        m_ui.optPattern[i]->setEnabled(Rota::BuiltIn(RotaKind::CgSixTwo).isPatternButtonEnabled(i));
    m_ui.optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;

    const QDate today = m_clock.today();
    const QDate shown = m_ui.Calendar1->selectedDate();
    const QDate sameMonth(shown.year(), shown.month(), today.day());
    if (sameMonth.isValid())
        m_ui.Calendar1->setSelectedDate(sameMonth);
    Calendar1_Click();

    paintShades(ColourFamily::Yellow);

    m_ui.Calendar1->setSelectedDate(today);
    Calendar1_Click();
    m_ui.txtYear->setText(NumberText::Plain(m_ui.Calendar1->selectedDate().year()));

    applyStoredSettings();
    placeDatabase();
}

QSize frmCalendar::sizeHint() const
{
    QSize controls = m_ui.scroller->widget()->sizeHint();
    // The command buttons pinned under the controls count as well.
    if (const auto* band = findChild<QWidget*>(u"commandBand"_s); band && !band->isHidden())
        controls.rheight() += band->sizeHint().height();
    return {std::max(controls.width(), menuBar()->sizeHint().width()),
            controls.height() + menuBar()->sizeHint().height() + statusBar()->sizeHint().height()};
}

void frmCalendar::centreOnScreen()
{
    ensurePolished();
    // The screen's free area may make the window smaller than it wants to be.
    WindowFit::Apply(this, sizeHint());
}

void frmCalendar::applyStoredSettings()
{
    const SettingsStore::Values stored = m_settings.read();
    if (!m_settings.notice().isEmpty())
        statusBar()->showMessage(m_settings.notice());
    m_places.setPlaces(m_settings.places());
    m_places.keep(this, u"frmCalendar"_s);
    m_ui.txtStation->setText(stored.Station);
    m_state.NoDatabase = stored.NoDatabase;
    m_state.MyPattern = stored.MyPattern;
    m_state.HolidaySet = stored.MyHolidays;

    // Each box whose state changes writes its own character back.
    for (int i = 0; i < Holidays::Count; ++i)
        m_ui.chkHolidays[i]->setChecked(m_state.HolidaySet.at(i) == u'1');
    const QStringList refused = m_ui.fraHolidayFiles->restore(m_settings.holidayFiles());
    if (!refused.isEmpty())
        statusBar()->showMessage(u"A holiday file was left out: "_s + refused.first());
    else
        tellHolidayCoverage();

    m_ui.kindOption(m_state.MyPattern.kind)->setChecked(true);

    // The kind's handler kept the stored pattern number, because no highlight was already
    // selected: that number now picks the highlighted group.
    if (const std::optional<int> button = m_state.MyPattern.button)
        m_ui.optPattern[static_cast<std::size_t>(*button)]->setChecked(true);
    else
        m_ui.optNoHighlight->setChecked(true);

    // An own rota takes the calendar type's place; MyPattern stays as it was stored.
    loadOwnRotas();
    if (const SettingsStore::OwnRota own = m_settings.ownRota(); !own.file.isEmpty())
        restoreOwnRota(own.file, own.group);
}

void frmCalendar::restoreOwnRota(const QString& fileName, const QString& group)
{
    QString error;
    if (!m_ownRotaPicker->showFile(fileName, &error)) {
        if (m_ownRotaChosen) {
            m_ui.kindOption(m_state.MyPattern.kind)->setChecked(true);
        }
        // Kept, in the settings too, until the file can be read (a typo fixed in an editor)
        // or the user picks something else; a file removed while the window is open is gone.
        if (!m_windowShown || QFileInfo::exists(QDir(rotaFolder()).filePath(fileName)))
            m_rememberedOwnRota = {fileName, group};
        statusBar()->showMessage(u"Your own rota could not be read: "_s + error);
        return;
    }
    m_rememberedOwnRota = {};
    if (m_ui.optOwnRota->isChecked())
        chooseOwnRota();
    else
        m_ui.optOwnRota->setChecked(true);
    const std::optional<QString> named = chosenRota().group(group);
    const int index = named ? m_ui.cboOwnGroup->findData(*named) : -1;
    if (index > 0) {
        m_ui.cboOwnGroup->setCurrentIndex(index);
        chooseOwnGroup(index);
    }
}

void frmCalendar::ownRotasChanged()
{
    const bool chosen = m_ownRotaChosen;
    const QString fileName = m_ownRotaPicker->shownFileName();
    const QString group = m_ui.optNoHighlight->isChecked() ? QString() : m_highlightGroup.trimmed();
    loadOwnRotas();
    // The chosen rota as it is now written: its groups may have changed.
    if (chosen)
        restoreOwnRota(fileName, group);
    else if (const SettingsStore::OwnRota remembered = m_rememberedOwnRota;
             !remembered.file.isEmpty())
        restoreOwnRota(remembered.file, remembered.group);
}

void frmCalendar::loadOwnRotas()
{
    m_ownRotaPicker->reload(m_ui.Calendar1->selectedDate());
}

void frmCalendar::showOwnWhosOff()
{
    m_ownRotaPicker->showWhosOff(m_ui.Calendar1->selectedDate());
}

void frmCalendar::placeDatabase()
{
    const PlacementResult placed = DatabasePlacement::Place(m_state, m_prompter, m_folders);
    QString problem = placed.problem;
    if (placed.attached) {
        QString error;
        if (Data1.open(placed.databasePath, &error))
            m_vacations = std::make_unique<VacationTable>(Data1);
        else if (problem.isEmpty())
            problem = u"The calendar database could not be opened (%1). Personal "
                      "entries and month notes are not available."_s.arg(error);
    }
    // Without a database the calendars print without personal entries.
    if (!problem.isEmpty())
        m_prompter.message(problem, u"Kelvane"_s, Prompter::Buttons::Ok);
}

void frmCalendar::Form_Activate()
{
    m_windowShown = true;
}

bool frmCalendar::Form_Unload()
{
    for (qsizetype i = m_secondaryWindows.size() - 1; i >= 0; --i) {
        QWidget* window = m_secondaryWindows.at(i);
        // A window that refuses to close keeps the program open rather than losing its work.
        if (window && window->isVisible() && !window->close())
            return false;
    }
    m_secondaryWindows.removeIf(
        [](const QPointer<QWidget>& window) { return !window || !window->isVisible(); });

    storeSettings();
    return true;
}

void frmCalendar::storeSettings()
{
    SettingsStore::Values values;
    values.Station = m_ui.txtStation->text();
    values.NoDatabase = m_state.NoDatabase;
    values.MyPattern = m_state.MyPattern;
    values.MyHolidays = m_state.HolidaySet;
    m_settings.setPlaces(m_places.places());
    SettingsStore::OwnRota own = m_rememberedOwnRota;
    if (m_ownRotaChosen && m_ownRotaPicker->shown()) {
        own.file = m_ownRotaPicker->shownFileName();
        if (!m_ui.optNoHighlight->isChecked())
            own.group = m_highlightGroup.trimmed();
    }
    m_settings.setOwnRota(own);
    m_settings.setHolidayFiles(m_ui.fraHolidayFiles->stored());
    QString error;
    while (!m_settings.write(values, &error)) {
        const QString text = u"The settings could not be saved: "_s + error;
        if (m_endingSession) {
            qWarning().noquote() << text;
            return;
        }
        if (m_prompter.choose(text, u"Kelvane"_s, {u"Try again"_s, u"Quit without saving"_s}) != 0)
            return;
    }
}

void frmCalendar::endSession()
{
    m_endingSession = true;
    if (m_vacationsWindow && m_vacationsWindow->isVisible())
        m_vacationsWindow->closeUnattended();
    if (m_rotasWindow)
        m_rotasWindow->closeUnattended();
    for (QWidget* window : secondaryWindows()) {
        if (auto* month = qobject_cast<frmMonth*>(window))
            month->storeUnattended();
    }
    close();
}

void frmCalendar::closeEvent(QCloseEvent* event)
{
    event->setAccepted(Form_Unload());
}

void frmCalendar::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    Form_Activate();
}

void frmCalendar::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

// ---------------------------------------------------------------------------------------------
// Field checks, made in MainWindowFieldChecks.

void frmCalendar::tellHolidayCoverage()
{
    const QString year = m_ui.txtYear->text();
    if (!IsPrintableYear(year))
        return;
    const QString note = m_ui.fraHolidayFiles->untoldCoverage(year.trimmed().toInt());
    if (!note.isEmpty())
        statusBar()->showMessage(note);
}

void frmCalendar::txtYear_Change()
{
    m_fieldChecks.yearChanged();
}

bool frmCalendar::IsPrintableYear(const QString& text)
{
    return MainWindowFieldChecks::IsPrintableYear(text);
}

bool frmCalendar::txtYear_LostFocus()
{
    return m_fieldChecks.yearLeft();
}

void frmCalendar::txtReduction_Change()
{
    m_fieldChecks.sizeChanged();
}

bool frmCalendar::txtReduction_LostFocus()
{
    return m_fieldChecks.sizeLeft();
}

bool frmCalendar::printFieldsHold()
{
    return m_fieldChecks.holdForPrint();
}

void frmCalendar::txtCopies_Change()
{
    m_fieldChecks.copiesChanged();
    showBatchCaption();
}

void frmCalendar::txtPatternAdjustment_Click()
{
    m_fieldChecks.showAdjustmentInstructions();
}

void frmCalendar::txtPatternAdjustment_LostFocus()
{
    m_fieldChecks.adjustmentLeft();
}

// ---------------------------------------------------------------------------------------------
// Who's off

void frmCalendar::Calendar1_Click()
{
    const QDate date = m_ui.Calendar1->selectedDate();
    const double adjustment = Val(m_ui.txtPatternAdjustment->text());
    for (qsizetype i = 0; i < m_ui.txtWhosOff.size(); ++i)
        m_ui.txtWhosOff[i]->setText(m_ui.whosOffRotas.at(i).whosOffText(date, adjustment));
    showOwnWhosOff();
}

void frmCalendar::onCalendarPageChanged(int year, int /*month*/)
{
    if (year != m_shownYear) {
        m_shownYear = year;
        Calendar1_NewYear();
    } else {
        Calendar1_NewMonth();
    }
}

void frmCalendar::followShownPage()
{
    const QDate selected = m_ui.Calendar1->selectedDate();
    const int year = m_ui.Calendar1->yearShown();
    const int month = m_ui.Calendar1->monthShown();
    if (selected.year() == year && selected.month() == month)
        return;
    QDate moved(year, month, selected.day());
    if (!moved.isValid())
        moved = QDate(year, month, 1); // the kept day is not in the new month
    m_followingPage = true;
    m_ui.Calendar1->setSelectedDate(moved);
    m_followingPage = false;
}

void frmCalendar::Calendar1_NewMonth()
{
    followShownPage();
    Calendar1_Click();
}

void frmCalendar::Calendar1_NewYear()
{
    Calendar1_NewMonth();
    // Also when the kept day had to move to the 1st: the year to print follows the calendar.
    m_ui.txtYear->setText(NumberText::Plain(m_ui.Calendar1->selectedDate().year()));
}

// ---------------------------------------------------------------------------------------------
// Choices

void frmCalendar::chooseCalendarType(RotaKind kind)
{
    // Back from an own rota, whose highlight MyPattern did not follow: none is chosen now.
    const bool fromOwnRota = std::exchange(m_ownRotaChosen, false);
    if (fromOwnRota)
        m_state.MyPattern = m_state.MyPattern.withoutButton();
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        m_ui.optPattern[i]->setEnabled(Rota::BuiltIn(kind).isPatternButtonEnabled(i));
    // Runs the no-highlight handler only when it was not selected yet; otherwise the stored
    // pattern number survives (the start-up restores the highlight that way).
    m_ui.optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;
    m_state.MyPattern = m_state.MyPattern.withKind(kind);
    m_ui.cboOwnGroup->clear();
    m_ui.cboOwnGroup->setEnabled(false);
    if (fromOwnRota)
        showBatchCaption();
    const QList<RotaKind> marked = Rota::BuiltIn(kind).whosOffKinds();
    for (qsizetype i = 0; i < m_ui.txtWhosOff.size(); ++i) {
        const bool shown = marked.contains(m_ui.whosOffRotas.at(i).kind().value());
        setBoxColor(m_ui.txtWhosOff[i], shown ? Cyan : m_normalBoxColor);
    }
    setBoxColor(m_ui.txtOwnWhosOff, m_normalBoxColor);
}

void frmCalendar::chooseOwnRota()
{
    m_ownRotaChosen = true;
    const Rota rota = chosenRota();
    // Its groups are named freely ("A1", "Red"): they have a list of their own.
    for (QRadioButton* button : m_ui.optPattern)
        button->setEnabled(false);
    m_ui.optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;
    m_ui.cboOwnGroup->clear();
    m_ui.cboOwnGroup->addItem(u"None"_s);
    for (const QString& group : rota.groups())
        m_ui.cboOwnGroup->addItem(rota.groupCaption(group), group);
    m_ui.cboOwnGroup->setEnabled(true);
    showBatchCaption();
    for (QLineEdit* box : m_ui.txtWhosOff)
        setBoxColor(box, m_normalBoxColor);
    setBoxColor(m_ui.txtOwnWhosOff, Cyan);
}

void frmCalendar::setBoxColor(QLineEdit* box, const QColor& color)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color);
    box->setPalette(palette);
}

void frmCalendar::optPattern_Click(int index)
{
    m_highlightGroup = RotaKinds::GroupForPatternButton(index);
    if (!m_ownRotaChosen)
        m_state.MyPattern = m_state.MyPattern.withButton(index);
    m_ui.chkNoPatterns->setEnabled(true);
    m_ui.chkHighlightPayday->setText(u"Circle Paydays"_s);
}

void frmCalendar::chooseOwnGroup(int index)
{
    if (index <= 0) {
        m_ui.optNoHighlight->setChecked(true);
        return;
    }
    m_highlightGroup = m_ui.cboOwnGroup->itemData(index).toString();
    // No button of the highlight options stands for it.
    m_ui.highlightOptions->setExclusive(false);
    m_ui.optNoHighlight->setChecked(false);
    m_ui.highlightOptions->setExclusive(true);
    m_ui.chkNoPatterns->setEnabled(true);
    m_ui.chkHighlightPayday->setText(u"Circle Paydays"_s);
}

void frmCalendar::showBatchCaption()
{
    const QString copies = m_ui.txtCopies->text();
    const QString copy = Val(copies) > 1 ? u" Copies of "_s : u" Copy of "_s;
    if (!m_ownRotaChosen) {
        m_ui.cmdPrintAllPatterns->setText(u"Print "_s + copies + copy + u" All Pa&tterns"_s);
        return;
    }
    // "Print 1 Copy of All Four On Four Off Crews".
    const Rota rota = chosenRota();
    QString caption = u"Print "_s + copies + copy + u"All "_s +
                      QString(rota.caption()).replace(u'&', u"&&"_s) + u' ' + rota.groupWord() +
                      u's';
    // Alt+T as for the built-in kinds: the first "t" after "Print", else the one in it.
    const qsizetype after = caption.indexOf(u't', 5, Qt::CaseInsensitive);
    caption.insert(after > 0 ? after : 4, u'&');
    m_ui.cmdPrintAllPatterns->setText(caption);
}

void frmCalendar::optNoHighlight_Click(int /*index*/)
{
    if (m_ui.cboOwnGroup->isEnabled()) {
        const QSignalBlocker quiet(m_ui.cboOwnGroup);
        m_ui.cboOwnGroup->setCurrentIndex(0);
    }
    m_highlightGroup = u" 0"_s;
    if (m_windowShown && !m_ownRotaChosen)
        m_state.MyPattern = m_state.MyPattern.withoutButton();
    m_ui.chkNoPatterns->setChecked(false);
    m_ui.chkNoPatterns->setEnabled(false);
    m_ui.chkHighlightPayday->setText(u"Highlight Paydays"_s);
}

void frmCalendar::paintShades(ColourFamily family)
{
    m_shades = ShadeColors::For(family, m_ui.hsbHighlightShade->value());
    const std::array<QColor, 3> colors = {m_shades.RdoColor, m_shades.HolidayColor,
                                          m_shades.RdoOnHolidayColor};
    for (int i = 0; i < 3; ++i) {
        QPalette palette = m_ui.shpColor[i]->palette();
        palette.setColor(QPalette::Window, colors[i]);
        m_ui.shpColor[i]->setPalette(palette);
    }
}

void frmCalendar::hsbHighlightShade_Change()
{
    const int family = m_ui.colourOptions->checkedId();
    paintShades(family < 0 ? ColourFamily::Yellow : static_cast<ColourFamily>(family));
}

void frmCalendar::chkHolidays_Click(int index)
{
    if (index < 0 || index >= m_state.HolidaySet.size())
        return;
    m_state.HolidaySet[index] = m_ui.chkHolidays[index]->isChecked() ? u'1' : u'0';
}

void frmCalendar::cmdSetHolidays_Click()
{
    if (m_ui.highlightOrHolidays->currentWidget() == m_ui.fraSetHolidays) {
        m_ui.highlightOrHolidays->setCurrentWidget(m_ui.fraPatterns);
        m_ui.cmdSetHolidays->setText(u"&Set Holidays"_s);
    } else {
        m_ui.highlightOrHolidays->setCurrentWidget(m_ui.fraSetHolidays);
        m_ui.cmdSetHolidays->setText(u"&Return"_s);
    }
    m_ui.fraHolidayFiles->buttonRow->setVisible(m_ui.highlightOrHolidays->currentWidget() ==
                                                m_ui.fraSetHolidays);
}

// ---------------------------------------------------------------------------------------------
// Commands. The fields are checked before anything prints.

void frmCalendar::cmdPrintRdoCalendar_Click()
{
    if (printFieldsHold())
        m_printing.printYear();
}

void frmCalendar::mnuPrint_Click()
{
    if (printFieldsHold())
        m_printing.printYearAsked();
}

void frmCalendar::cmdPrintAllPatterns_Click()
{
    if (printFieldsHold())
        m_printing.printAllPatterns();
}

void frmCalendar::mnuPrintAllPatterns_Click()
{
    if (printFieldsHold())
        m_printing.printAllPatternsAsked();
}

void frmCalendar::mnuPrintPreview_Click()
{
    if (printFieldsHold())
        m_printing.preview();
}

void frmCalendar::mnuSaveAsPdf_Click()
{
    if (printFieldsHold())
        m_printing.saveAsPdf();
}

void frmCalendar::mnuExportDaysOff_Click()
{
    m_printing.exportDaysOff();
}

void frmCalendar::cmdShowMonth_Click()
{
    if (m_monthWindow) {
        bringForward(m_monthWindow);
        return;
    }
    if (!printFieldsHold())
        return;
    // The sheet is built now from the choices as they stand; later changes here show when
    // it is opened again.
    auto* month =
        new frmMonth(choices(), m_state, m_prompter, m_printers, entries(), m_folders, this);
    m_places.keep(month, u"frmMonth"_s);
    m_monthWindow = month;
    addSecondaryWindow(month);
    month->show();
}

void frmCalendar::cmdInputVacations_Click()
{
    // One window object for the run: its place in the colour cycle carries over from one
    // opening to the next, while its records are loaded afresh each time.
    if (!m_vacationsWindow)
        m_vacationsWindow = new frmInputVacations([this] { return m_ui.txtYear->text(); }, m_state,
                                                  m_prompter, this);
    m_places.keep(m_vacationsWindow, u"frmInputVacations"_s);
    m_vacationsWindow->exec();
}

void frmCalendar::mnuOwnRotas_Click()
{
    if (m_rotasWindow) {
        bringForward(m_rotasWindow);
        return;
    }
    auto* rotas = new frmRotas(rotaFolder(), m_prompter, m_clock, this);
    rotas->setFirstDayOfWeek(m_ui.Calendar1->firstDayOfWeek());
    rotas->setRotaInUse(
        [this] { return m_ownRotaChosen ? m_ownRotaPicker->shownFileName() : QString(); });
    rotas->setAttribute(Qt::WA_DeleteOnClose);
    m_places.keep(rotas, u"frmRotas"_s);
    connect(rotas, &frmRotas::rotasChanged, this, &frmCalendar::ownRotasChanged);
    m_rotasWindow = rotas;
    addSecondaryWindow(rotas);
    rotas->show();
}

void frmCalendar::cmdExit_Click()
{
    close();
}

void frmCalendar::mnuExit_Click()
{
    close();
}

void frmCalendar::mnuAbout_Click()
{
    frmAbout about(m_prompter, this);
    m_places.keep(&about, u"frmAbout"_s);
    about.exec();
}
