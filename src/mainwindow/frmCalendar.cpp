#include "mainwindow/frmCalendar.h"

#include "about/frmAbout.h"
#include "mainwindow/HeadingRow.h"
#include "mainwindow/MainWindowBatchTarget.h"
#include "mainwindow/OwnRotaBatch.h"
#include "month/frmMonth.h"
#include "print/AllPatternsBatch.h"
#include "print/PrintNames.h"
#include "print/Printers.h"
#include "print/YearCalendarPrinter.h"
#include "rota/NumberText.h"
#include "rota/RotaKindTable.h"
#include "rotas/frmRotas.h"
#include "store/AppState.h"
#include "store/Clock.h"
#include "store/DaysOffCalendar.h"
#include "store/OwnRotaFile.h"
#include "store/Prompter.h"
#include "store/SafeFile.h"
#include "store/SettingsStore.h"
#include "store/VacationTable.h"
#include "vacations/frmInputVacations.h"
#include "windows/ButtonKeys.h"
#include "windows/ElidingStatusBar.h"
#include "windows/FocusMark.h"
#include "windows/PinnedBlock.h"
#include "windows/WindowFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

using NumberText::Val;

namespace {

const QColor Cyan(0, 255, 255);

const QString YearMessage =
    u"Only years form 1901 to 2124 may be printed (use all four digits)! "_s;
const QString SizeMessage = u"Enter a value between 20 and 100"_s;
const QString AdjustmentMessage = u" Adjustment value must be between 0 and 48!"_s;

QString instructions()
{
    const QStringList lines = {
        u"First select a pattern type and print a calendar with zero in the adjustment"_s,
        u"box for a year that you already have a calendar to compare with."_s,
        u"Next count days between where a group has it's first Saturday off on your "
        "calendar"_s,
        u"and where the same group has it's first Saturday off on the one you just printed."_s,
        u"Next enter this number in the adjustment box (it should be a multiple of 7)."_s,
        u"Then check to see if the patterns match up using the Calendar."_s,
        u"Next print the calendar for the year you want."_s,
        u"Lastly make a note of the value to use next time!"_s,
    };
    return lines.join(u"\n\r"_s);
}

// The room between a layout's items, as the style gives it.
constexpr int Gap = 6;

// A gap of that room that closes up when the window is short of height.
void addClosingGap(QBoxLayout* layout)
{
    layout->addSpacerItem(new QSpacerItem(0, Gap, QSizePolicy::Minimum, QSizePolicy::Preferred));
}

// The option rows of `controls` (radio buttons and check boxes) no taller than their text or
// their indicator needs: a font with tall lines (Noto Sans) otherwise adds a few pixels to
// every row, and the window no longer fits a laptop's screen.
void closeUpRows(const QWidget* controls)
{
    for (QAbstractButton* row : controls->findChildren<QAbstractButton*>()) {
        const bool radio = qobject_cast<QRadioButton*>(row) != nullptr;
        if (!radio && !qobject_cast<QCheckBox*>(row))
            continue;
        const int indicator = row->style()->pixelMetric(
            radio ? QStyle::PM_ExclusiveIndicatorHeight : QStyle::PM_IndicatorHeight, nullptr, row);
        row->setMaximumHeight(std::max(indicator, row->fontMetrics().height()) + 2);
    }
}

void setTopAndBottomMargins(QLayout* layout, int top, int bottom)
{
    QMargins margins = layout->contentsMargins();
    margins.setTop(top);
    margins.setBottom(bottom);
    layout->setContentsMargins(margins);
}

// Room for `characters` digits in a text box of this font.
int fieldWidth(const QLineEdit* field, int characters)
{
    return field->fontMetrics().horizontalAdvance(QString(characters, u'0')) + 16;
}

QRadioButton* radio(const QString& caption, const char* name, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

// An open window brought in front of the others, as it was before it was minimised.
void bringForward(QWidget* window)
{
    window->showNormal();
    window->raise();
    window->activateWindow();
}

// A user's leaving of a field, as opposed to the window losing focus to another window,
// a message box or a menu.
bool isLeavingField(const QFocusEvent* event)
{
    switch (event->reason()) {
    case Qt::MouseFocusReason:
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

frmCalendar::frmCalendar(AppState& state, Prompter& prompter, Clock& clock, SettingsStore& settings,
                         Printers& printers, const PlacementFolders& folders, QWidget* parent)
    : QMainWindow(parent), m_state(state), m_prompter(prompter), m_clock(clock),
      m_settings(settings), m_printers(printers), m_folders(folders)
{
    setWindowTitle(u"Kelvane"_s);
    buildControls();
    buildLayout();
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
    m_destinations = std::move(source);
}

void frmCalendar::setSavePathChooser(SavePathChooser chooser)
{
    m_savePath = std::move(chooser);
}

// ---------------------------------------------------------------------------------------------
// Controls and layout

void frmCalendar::buildControls()
{
    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(u"Calendar1"_s);
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setGridVisible(true);
    Calendar1->setSelectedDate(m_clock.today());
    m_shownYear = Calendar1->yearShown();

    for (int i = 0; i < WhosOff::BoxCount; ++i) {
        txtWhosOff[i] = new QLineEdit(this);
        txtWhosOff[i]->setObjectName(u"txtWhosOff%1"_s.arg(i));
        txtWhosOff[i]->setReadOnly(true);
        txtWhosOff[i]->setAlignment(Qt::AlignCenter);
    }
    m_normalBoxColor = txtWhosOff[0]->palette().color(QPalette::Base);

    txtYear = new QLineEdit(this);
    txtYear->setObjectName(u"txtYear"_s);
    txtYear->setFixedWidth(fieldWidth(txtYear, 5));
    txtCopies = new QLineEdit(u"1"_s, this);
    txtCopies->setObjectName(u"txtCopies"_s);
    txtCopies->setFixedWidth(fieldWidth(txtCopies, 4));
    txtReduction = new QLineEdit(u"100"_s, this);
    txtReduction->setObjectName(u"txtReduction"_s);
    txtReduction->setFixedWidth(fieldWidth(txtReduction, 4));
    txtReduction->setToolTip(u"100% prints an 8.5 x 11 inch calendar on most sheet feed printers. "
                             "If you have problems printing, try a smaller number."_s);
    txtStation = new QLineEdit(u"DARIZU"_s, this);
    txtStation->setObjectName(u"txtStation"_s);
    txtStation->setMinimumWidth(fieldWidth(txtStation, 14));
    txtPatternAdjustment = new QLineEdit(u"0"_s, this);
    txtPatternAdjustment->setObjectName(u"txtPatternAdjustment"_s);
    txtPatternAdjustment->setFixedWidth(fieldWidth(txtPatternAdjustment, 4));
    txtPatternAdjustment->setToolTip(u"Click for instructions."_s);

    m_kindOptions = new QButtonGroup(this);
    for (const RotaKindInfo& row : RotaKindTable::Rows()) {
        const int code = RotaKinds::Code(row.kind);
        optKind[code] = new QRadioButton(row.button.caption, this);
        optKind[code]->setObjectName(row.button.name);
        m_kindOptions->addButton(optKind[code], code);
    }

    optOwnRota = radio(u"&Your own rota:"_s, "optOwnRota", this);
    m_kindOptions->addButton(optOwnRota, OwnRotaOption);
    cboOwnRota = new QComboBox(this);
    cboOwnRota->setObjectName(u"cboOwnRota"_s);
    cboOwnRota->setPlaceholderText(u"none yet"_s);
    cboOwnRota->setToolTip(u"Your own rotas are made in File > Rotas of Your Own..."_s);
    // A long rota name must not widen the window.
    cboOwnRota->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboOwnRota->setMinimumContentsLength(12);
    lblOwnWhosOff = new QLabel(this);
    lblOwnWhosOff->setObjectName(u"lblOwnWhosOff"_s);
    lblOwnWhosOff->setTextFormat(Qt::PlainText);
    txtOwnWhosOff = new QLineEdit(this);
    txtOwnWhosOff->setObjectName(u"txtOwnWhosOff"_s);
    txtOwnWhosOff->setReadOnly(true);
    txtOwnWhosOff->setAlignment(Qt::AlignCenter);
    txtOwnWhosOff->setFixedWidth(fieldWidth(txtOwnWhosOff, 8));

    auto* patterns = new QButtonGroup(this);
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i) {
        optPattern[i] = new QRadioButton(RotaKinds::PatternButtonCaption(i), this);
        optPattern[i]->setObjectName(u"optPattern%1"_s.arg(i));
        patterns->addButton(optPattern[i], i);
    }
    optNoHighlight = radio(u"Don't highlight any patterns."_s, "optNoHighlight", this);
    patterns->addButton(optNoHighlight, RotaKinds::PatternButtonCount);

    optYellow = radio(u"Yellow"_s, "optYellow", this);
    optBlue = radio(u"Blue"_s, "optBlue", this);
    optPink = radio(u"Pink"_s, "optPink", this);
    optGrey = radio(u"Grey"_s, "optGrey", this);
    optGreen = radio(u"Green"_s, "optGreen", this);
    m_colourOptions = new QButtonGroup(this);
    const std::array<std::pair<QRadioButton*, ColourFamily>, 5> families = {{
        {optYellow, ColourFamily::Yellow},
        {optBlue, ColourFamily::Blue},
        {optPink, ColourFamily::Pink},
        {optGrey, ColourFamily::Grey},
        {optGreen, ColourFamily::Green},
    }};
    for (const auto& [option, family] : families)
        m_colourOptions->addButton(option, static_cast<int>(family));
    optYellow->setChecked(true);

    hsbHighlightShade = new QScrollBar(Qt::Horizontal, this);
    hsbHighlightShade->setObjectName(u"hsbHighlightShade"_s);
    hsbHighlightShade->setRange(-100, 100);
    hsbHighlightShade->setSingleStep(1);
    hsbHighlightShade->setPageStep(10);
    hsbHighlightShade->setValue(0);
    hsbHighlightShade->setFocusPolicy(Qt::StrongFocus);
    hsbHighlightShade->setInvertedControls(false); // the Right key moves towards "Lighter"

    const QString swatchHint =
        u"These boxes will show the shade colors to be used when printing the calendars."_s;
    for (int i = 0; i < 3; ++i) {
        shpColor[i] = new QFrame(this);
        shpColor[i]->setObjectName(u"shpColor%1"_s.arg(i));
        shpColor[i]->setFrameShape(QFrame::Box);
        shpColor[i]->setAutoFillBackground(true);
        shpColor[i]->setFixedHeight(22);
        shpColor[i]->setMinimumWidth(40);
        shpColor[i]->setToolTip(swatchHint);
    }

    for (int i = 0; i < Holidays::Count; ++i) {
        chkHolidays[i] = new QCheckBox(Holidays::Caption(i), this);
        chkHolidays[i]->setObjectName(u"chkHolidays%1"_s.arg(i));
        chkHolidays[i]->setChecked(Holidays::IsOnByDefault(i));
    }
    cmdSetHolidays = new QPushButton(u"&Set Holidays"_s, this);
    cmdSetHolidays->setObjectName(u"cmdSetHolidays"_s);

    chkHilightVacations = new QCheckBox(u"Highlight Vacations"_s, this);
    chkHilightVacations->setObjectName(u"chkHilightVacations"_s);
    chkHighlightPayday = new QCheckBox(u"Highlight Payday"_s, this);
    chkHighlightPayday->setObjectName(u"chkHighlightPayday"_s);
    chkNoPatterns = new QCheckBox(u"Highlight only don't print day off patterns."_s, this);
    chkNoPatterns->setObjectName(u"chkNoPatterns"_s);
    chkPrintKey = new QCheckBox(u"Print a key"_s, this);
    chkPrintKey->setObjectName(u"chkPrintKey"_s);

    cmdPrintRdoCalendar = new QPushButton(u"&Print R.D.O. Calendar"_s, this);
    cmdPrintRdoCalendar->setObjectName(u"cmdPrintRdoCalendar"_s);
    cmdPrintAllPatterns =
        new QPushButton(u" Print 1 Copy of All C&G  6 && 2 and 4 && 2 Patterns"_s, this);
    cmdPrintAllPatterns->setObjectName(u"cmdPrintAllPatterns"_s);
    cmdShowMonth = new QPushButton(u"Go To Print &Just this Month"_s, this);
    cmdShowMonth->setObjectName(u"cmdShowMonth"_s);
    cmdShowMonth->setToolTip(u"Press this button to display the single month form."_s);
    cmdInputVacations = new QPushButton(u"&Input Vacations"_s, this);
    cmdInputVacations->setObjectName(u"cmdInputVacations"_s);
    cmdExit = new QPushButton(u"E&xit"_s, this);
    cmdExit->setObjectName(u"cmdExit"_s);

    QMenu* fileMenu = menuBar()->addMenu(u"&File"_s);
    mnuPrint = fileMenu->addAction(u"&Print..."_s);
    mnuPrint->setObjectName(u"mnuPrint"_s);
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuPrintAllPatterns = fileMenu->addAction(u"Print &All Patterns..."_s);
    mnuPrintAllPatterns->setObjectName(u"mnuPrintAllPatterns"_s);
    mnuPrintPreview = fileMenu->addAction(u"Print Pre&view..."_s);
    mnuPrintPreview->setObjectName(u"mnuPrintPreview"_s);
    mnuSaveAsPdf = fileMenu->addAction(u"Save as P&DF..."_s);
    mnuSaveAsPdf->setObjectName(u"mnuSaveAsPdf"_s);
    mnuExportDaysOff = fileMenu->addAction(u"&Export Days Off (.ics)..."_s);
    mnuExportDaysOff->setObjectName(u"mnuExportDaysOff"_s);
    fileMenu->addSeparator();
    mnuOwnRotas = fileMenu->addAction(u"&Rotas of Your Own..."_s);
    mnuOwnRotas->setObjectName(u"mnuOwnRotas"_s);
    fileMenu->addSeparator();
    mnuExit = fileMenu->addAction(u"E&xit"_s);
    mnuExit->setObjectName(u"mnuExit"_s);
    QMenu* helpMenu = menuBar()->addMenu(u"&Help"_s);
    mnuAbout = helpMenu->addAction(u"&About Kelvane"_s);
    mnuAbout->setObjectName(u"mnuAbout"_s);
}

void frmCalendar::buildLayout()
{
    // On a screen too small for the whole window the controls scroll rather than hide; the
    // command buttons then stay in sight under them.
    auto* body = new QWidget(this);
    m_scroller = new QScrollArea(body);
    m_scroller->setObjectName(u"scrollControls"_s);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which scroll into view
    m_scroller->setWidgetResizable(true);
    auto* central = new QWidget(m_scroller);
    m_scroller->setWidget(central);
    auto* commandBand = new QWidget(body);
    commandBand->setObjectName(u"commandBand"_s);
    auto* bandLayout = new QHBoxLayout(commandBand);
    bandLayout->addStretch(1);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(0);
    bodyLayout->addWidget(m_scroller, 1);
    bodyLayout->addWidget(commandBand);
    setCentralWidget(body);

    // Who's off on the clicked day: one box under each rota's heading.
    auto* fraWhosOff = new QGroupBox(u"RDO Patterns OFF on day clicked above."_s);
    auto* whosOffRow = new HeadingRow(
        u" CG 6-2     MM 6-2       4-2           5-3           3-3         5-2-5-3"_s);
    const QStringList headings = WhosOff::Headings();
    for (int i = 0; i < WhosOff::BoxCount; ++i)
        whosOffRow->add(txtWhosOff[i], headings.at(i), true);
    // The own rota's box beside them, under its name.
    auto* whosOffBoxes = new QWidget;
    whosOffBoxes->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* boxesLayout = new QHBoxLayout(whosOffBoxes);
    boxesLayout->setContentsMargins(0, 0, 0, 0);
    boxesLayout->setSpacing(4);
    boxesLayout->addWidget(whosOffRow, 0, Qt::AlignTop);
    auto* ownBox = new QVBoxLayout;
    ownBox->setSpacing(2);
    ownBox->addWidget(lblOwnWhosOff);
    ownBox->addWidget(txtOwnWhosOff);
    ownBox->addStretch(1);
    boxesLayout->addLayout(ownBox);
    auto* whosOffLayout = new QVBoxLayout(fraWhosOff);
    whosOffLayout->addWidget(whosOffBoxes);

    // The print fields, each under its label.
    auto* yearRow = new HeadingRow(u"Year to print calendar for    Copies:"_s);
    yearRow->add(txtYear, u"Year"_s, false);
    yearRow->add(txtCopies, u"Copies:"_s, false);
    auto* sizeRow = new HeadingRow(u"Size: % of full"_s);
    sizeRow->add(txtReduction, u"Size"_s, false);
    sizeRow->label()->setToolTip(txtReduction->toolTip());
    auto* stationRow = new HeadingRow(u"Enter Department  here."_s);
    stationRow->add(txtStation, u"Enter"_s, true);
    auto* adjustmentRow = new HeadingRow(u"Adjustment for non Darizu stations."_s);
    adjustmentRow->add(txtPatternAdjustment, u"Adjustment"_s, false);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(16);
    fields->addWidget(yearRow, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(sizeRow, 0, 1, Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(stationRow, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(adjustmentRow, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    fields->setColumnStretch(2, 1);

    // Two by two: a font with tall lines (Noto Sans) needs the height of the other two rows.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(2);
    options->addWidget(chkHilightVacations, 0, 0);
    options->addWidget(chkHighlightPayday, 0, 1);
    options->addWidget(chkNoPatterns, 1, 0);
    options->addWidget(chkPrintKey, 1, 1);
    options->setColumnStretch(2, 1);

    auto* commandBlock = new QWidget;
    auto* commands = new QGridLayout(commandBlock);
    commands->setContentsMargins(0, 0, 0, 0);
    commands->addWidget(cmdPrintRdoCalendar, 0, 0);
    commands->addWidget(cmdShowMonth, 0, 1);
    commands->addWidget(cmdPrintAllPatterns, 1, 0, 1, 2);
    commands->addWidget(cmdInputVacations, 2, 0);
    commands->addWidget(cmdExit, 2, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(Calendar1, 1);
    left->addWidget(fraWhosOff);
    left->addLayout(fields);
    left->addLayout(options);
    left->addWidget(commandBlock);

    // Calendar types in three columns under their headings, the wide ones below.
    auto* fraType = new QGroupBox(u"What type of calendar do you want to print?"_s);
    auto* typeRow = new HeadingRow(u"8 Hour day patterns:    10 Hour day patterns:     Others:"_s);
    auto* typeLayout = new QVBoxLayout(fraType);
    typeLayout->setSpacing(0);
    typeLayout->addWidget(typeRow);
    const std::array<QString, 3> anchors = {u"8 Hour"_s, u"10 Hour"_s, u"Others:"_s};
    for (std::size_t c = 0; c < anchors.size(); ++c) {
        auto* column = new QWidget;
        auto* layout = new QVBoxLayout(column);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        for (QRadioButton* button : kindOptionsIn(static_cast<RotaKindInfo::WindowColumn>(c)))
            layout->addWidget(button);
        layout->addStretch(1);
        typeRow->add(column, anchors[c], false);
    }
    for (QRadioButton* button : kindOptionsIn(RotaKindInfo::WindowColumn::Below))
        typeLayout->addWidget(button);
    // The user's own rotas below the built-in ones. The box takes no more height for them
    // than its margins give up, so that the window still fits a laptop's screen.
    auto* ownRow = new QHBoxLayout;
    ownRow->addWidget(optOwnRota);
    ownRow->addWidget(cboOwnRota, 1);
    cboOwnRota->setFixedHeight(optOwnRota->sizeHint().height());
    typeLayout->addLayout(ownRow);
    setTopAndBottomMargins(typeLayout, 2, 2);

    // The highlighted group: 1..7, A..G and H..N side by side.
    m_fraPatterns = new QGroupBox(u"Highlight pattern:"_s);
    auto* patternLayout = new QGridLayout(m_fraPatterns);
    // Rows close together: spare room spreads them out, and is the first to go.
    patternLayout->setVerticalSpacing(0);
    setTopAndBottomMargins(patternLayout, 2, 2);
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        patternLayout->addWidget(optPattern[i], i % 7, i / 7);
    patternLayout->addWidget(optNoHighlight, 7, 0, 1, 3);

    // The holidays share that place while they are being set.
    fraSetHolidays = new QGroupBox(u"Set Holidays"_s);
    fraSetHolidays->setObjectName(u"fraSetHolidays"_s);
    auto* fraZaz = new QGroupBox(u"ZAZ Holidays"_s);
    auto* fraOther = new QGroupBox(u"Other Holidays"_s);
    auto* zazLayout = new QVBoxLayout(fraZaz);
    auto* otherLayout = new QVBoxLayout(fraOther);
    zazLayout->setSpacing(0);
    otherLayout->setSpacing(0);
    for (int i = 0; i < Holidays::Count; ++i)
        (i < 8 ? zazLayout : otherLayout)->addWidget(chkHolidays[i]);
    zazLayout->addStretch(1);
    otherLayout->addStretch(1);
    auto* holidaysLayout = new QHBoxLayout(fraSetHolidays);
    // Frames within a frame: little room around them, so the holidays take no more height
    // than the pattern buttons they stand in for.
    setTopAndBottomMargins(holidaysLayout, 2, 4);
    setTopAndBottomMargins(zazLayout, 2, 2);
    setTopAndBottomMargins(otherLayout, 2, 2);
    holidaysLayout->addWidget(fraZaz);
    holidaysLayout->addWidget(fraOther);

    m_highlightOrHolidays = new QStackedWidget;
    m_highlightOrHolidays->addWidget(m_fraPatterns);
    m_highlightOrHolidays->addWidget(fraSetHolidays);
    m_highlightOrHolidays->setCurrentWidget(m_fraPatterns);

    // Highlight colour family, shade and the three resulting colours.
    auto* fraColor = new QGroupBox(u"Highlight "_s);
    auto* familyRow = new QHBoxLayout;
    familyRow->addWidget(new QLabel(u"Color"_s));
    for (QRadioButton* option : {optYellow, optBlue, optPink, optGrey, optGreen})
        familyRow->addWidget(option);
    familyRow->addStretch(1);
    auto* shadeRow =
        new HeadingRow(u"Darker                    Highlight Shade                  Lighter"_s);
    shadeRow->add(hsbHighlightShade, u"Darker"_s, true);
    auto* swatchRow = new HeadingRow(u"  RDO                   Holiday           RDO on Holiday"_s);
    swatchRow->add(shpColor[0], u"RDO"_s, true);
    swatchRow->add(shpColor[1], u"Holiday"_s, true);
    swatchRow->add(shpColor[2], u"RDO on Holiday"_s, true);
    swatchRow->label()->setToolTip(shpColor[0]->toolTip());
    auto* colorLayout = new QVBoxLayout(fraColor);
    setTopAndBottomMargins(colorLayout, 2, 4);
    familyRow->setSpacing(Gap);
    colorLayout->setSpacing(0);
    colorLayout->addLayout(familyRow);
    addClosingGap(colorLayout);
    colorLayout->addWidget(shadeRow);
    addClosingGap(colorLayout);
    colorLayout->addWidget(swatchRow);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(fraType);
    addClosingGap(right);
    right->addWidget(m_highlightOrHolidays);
    addClosingGap(right);
    right->addWidget(cmdSetHolidays, 0, Qt::AlignRight);
    addClosingGap(right);
    right->addWidget(fraColor);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(columns);
    closeUpRows(central);
    new PinnedBlock(m_scroller, commandBlock, left, bandLayout);

    // Where the printouts went.
    setStatusBar(new ElidingStatusBar(this));
    statusBar()->setSizeGripEnabled(false);

    nameControls(headings);
    orderTabs();
}

void frmCalendar::nameControls(const QStringList& whosOffHeadings)
{
    // What a screen reader says for controls whose caption sits in a label of its own.
    Calendar1->setAccessibleName(u"Calendar"_s);
    if (QWidget* days = Calendar1->focusProxy())
        days->setAccessibleName(Calendar1->accessibleName());
    for (int i = 0; i < WhosOff::BoxCount; ++i) {
        txtWhosOff[i]->setAccessibleName(whosOffHeadings.at(i));
        txtWhosOff[i]->setAccessibleDescription(u"RDO Patterns OFF on day clicked above."_s);
    }
    txtOwnWhosOff->setAccessibleDescription(txtWhosOff[0]->accessibleDescription());
    txtYear->setAccessibleName(u"Year to print calendar for"_s);
    txtCopies->setAccessibleName(u"Copies:"_s);
    txtReduction->setAccessibleName(u"Size: % of full"_s);
    txtStation->setAccessibleName(u"Enter Department  here."_s);
    txtPatternAdjustment->setAccessibleName(u"Adjustment for non Darizu stations."_s);
    hsbHighlightShade->setAccessibleName(u"Highlight Shade"_s);
    hsbHighlightShade->setAccessibleDescription(u"Darker to Lighter"_s);
    const std::array<QString, 3> swatches = {u"RDO"_s, u"Holiday"_s, u"RDO on Holiday"_s};
    for (int i = 0; i < 3; ++i)
        shpColor[i]->setAccessibleName(swatches[i]);
}

void frmCalendar::orderTabs()
{
    // Reading order: the calendar and who's off, the fields, the choices, the commands.
    QList<QWidget*> order = {Calendar1};
    for (QLineEdit* box : txtWhosOff)
        order.append(box);
    order << txtOwnWhosOff << txtYear << txtCopies << txtReduction << txtStation
          << txtPatternAdjustment << chkHilightVacations << chkHighlightPayday << chkNoPatterns
          << chkPrintKey;
    for (auto column : {RotaKindInfo::WindowColumn::EightHour, RotaKindInfo::WindowColumn::TenHour,
                        RotaKindInfo::WindowColumn::Others, RotaKindInfo::WindowColumn::Below})
        for (QRadioButton* option : kindOptionsIn(column))
            order.append(option);
    order << optOwnRota << cboOwnRota;
    for (QRadioButton* option : optPattern)
        order.append(option);
    order.append(optNoHighlight);
    for (QCheckBox* box : chkHolidays)
        order.append(box);
    order << cmdSetHolidays << optYellow << optBlue << optPink << optGrey << optGreen
          << hsbHighlightShade << cmdPrintRdoCalendar << cmdShowMonth << cmdPrintAllPatterns
          << cmdInputVacations << cmdExit;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmCalendar::connectHandlers()
{
    connect(Calendar1, &QCalendarWidget::clicked, this, [this] { Calendar1_Click(); });
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, [this] {
        if (!m_followingPage)
            Calendar1_Click();
    });
    connect(Calendar1, &QCalendarWidget::currentPageChanged, this,
            &frmCalendar::onCalendarPageChanged);

    connect(txtYear, &QLineEdit::textChanged, this, &frmCalendar::txtYear_Change);
    connect(txtReduction, &QLineEdit::textChanged, this, &frmCalendar::txtReduction_Change);
    connect(txtCopies, &QLineEdit::textChanged, this, &frmCalendar::txtCopies_Change);
    for (QLineEdit* field : {txtYear, txtReduction, txtCopies, txtPatternAdjustment})
        field->installEventFilter(this);

    // Option buttons run their handler when they become selected, by hand or in code.
    connect(m_kindOptions, &QButtonGroup::idToggled, this, [this](int code, bool checked) {
        if (checked && code == OwnRotaOption)
            chooseOwnRota();
        else if (checked)
            chooseCalendarType(static_cast<RotaKind>(code));
    });
    // Picking a rota from the list chooses it.
    connect(cboOwnRota, &QComboBox::activated, this, [this] { optOwnRota->setChecked(true); });
    connect(cboOwnRota, &QComboBox::currentIndexChanged, this, [this] {
        showOwnWhosOff();
        if (m_ownRotaChosen)
            chooseOwnRota();
    });
    connect(m_colourOptions, &QButtonGroup::idToggled, this, [this](int family, bool checked) {
        if (checked)
            paintShades(static_cast<ColourFamily>(family));
    });
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i) {
        connect(optPattern[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                optPattern_Click(i);
        });
    }
    connect(optNoHighlight, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            optNoHighlight_Click(NoHighlightIndex);
    });

    connect(hsbHighlightShade, &QScrollBar::valueChanged, this,
            &frmCalendar::hsbHighlightShade_Change);
    for (int i = 0; i < Holidays::Count; ++i) {
        connect(chkHolidays[i], &QCheckBox::toggled, this, [this, i] { chkHolidays_Click(i); });
    }
    connect(cmdSetHolidays, &QPushButton::clicked, this, &frmCalendar::cmdSetHolidays_Click);
    connect(cmdPrintRdoCalendar, &QPushButton::clicked, this,
            &frmCalendar::cmdPrintRdoCalendar_Click);
    connect(cmdPrintAllPatterns, &QPushButton::clicked, this,
            &frmCalendar::cmdPrintAllPatterns_Click);
    connect(cmdShowMonth, &QPushButton::clicked, this, &frmCalendar::cmdShowMonth_Click);
    connect(cmdInputVacations, &QPushButton::clicked, this, &frmCalendar::cmdInputVacations_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCalendar::cmdExit_Click);
    connect(mnuPrint, &QAction::triggered, this, &frmCalendar::mnuPrint_Click);
    connect(mnuPrintAllPatterns, &QAction::triggered, this,
            &frmCalendar::mnuPrintAllPatterns_Click);
    connect(mnuPrintPreview, &QAction::triggered, this, &frmCalendar::mnuPrintPreview_Click);
    connect(mnuSaveAsPdf, &QAction::triggered, this, &frmCalendar::mnuSaveAsPdf_Click);
    connect(mnuExportDaysOff, &QAction::triggered, this, &frmCalendar::mnuExportDaysOff_Click);
    connect(mnuOwnRotas, &QAction::triggered, this, &frmCalendar::mnuOwnRotas_Click);
    connect(mnuExit, &QAction::triggered, this, &frmCalendar::mnuExit_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmCalendar::mnuAbout_Click);
}

QList<QRadioButton*> frmCalendar::kindOptionsIn(RotaKindInfo::WindowColumn column) const
{
    QList<const RotaKindInfo*> rows;
    for (const RotaKindInfo& row : RotaKindTable::Rows()) {
        if (row.button.column == column)
            rows.append(&row);
    }
    std::sort(rows.begin(), rows.end(), [](const RotaKindInfo* a, const RotaKindInfo* b) {
        return a->button.row < b->button.row;
    });
    QList<QRadioButton*> buttons;
    for (const RotaKindInfo* row : rows)
        buttons.append(optKind[RotaKinds::Code(row->kind)]);
    return buttons;
}

QRadioButton* frmCalendar::colourOption(ColourFamily family) const
{
    return qobject_cast<QRadioButton*>(m_colourOptions->button(static_cast<int>(family)));
}

// ---------------------------------------------------------------------------------------------
// What the rest of the program reads

CalendarChoices frmCalendar::choices() const
{
    CalendarChoices choices;
    choices.yearText = txtYear->text();
    choices.station = txtStation->text();
    choices.sizeText = txtReduction->text();
    choices.copiesText = txtCopies->text();
    choices.adjustmentText = txtPatternAdjustment->text();
    choices.kind = chosenKind();
    choices.ownRota = chosenOwnRota();
    choices.highlightGroup = m_highlightGroup;
    choices.noHighlight = optNoHighlight->isChecked();
    for (int i = 0; i < Holidays::Count; ++i)
        choices.holidays[i] = chkHolidays[i]->isChecked();
    choices.highlightVacations = chkHilightVacations->isChecked();
    choices.highlightPayday = chkHighlightPayday->isChecked();
    choices.noPatterns = chkNoPatterns->isChecked();
    choices.printKey = chkPrintKey->isChecked();
    choices.shades = m_shades;
    choices.calendarDate = Calendar1->selectedDate();
    return choices;
}

RotaKind frmCalendar::chosenKind() const
{
    return RotaKinds::FromCode(m_kindOptions->checkedId()).value_or(RotaKind::CgSixTwo);
}

std::shared_ptr<const OwnRota> frmCalendar::chosenOwnRota() const
{
    const int index = cboOwnRota->currentIndex();
    if (!m_ownRotaChosen || index < 0 || index >= m_ownRotas.size())
        return nullptr;
    return m_ownRotas.at(index).loaded.rota;
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
        optPattern[i]->setEnabled(RotaKindTable::IsPatternButtonEnabled(RotaKind::CgSixTwo, i));
    optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;

    const QDate today = m_clock.today();
    const QDate shown = Calendar1->selectedDate();
    const QDate sameMonth(shown.year(), shown.month(), today.day());
    if (sameMonth.isValid())
        Calendar1->setSelectedDate(sameMonth);
    Calendar1_Click();

    paintShades(ColourFamily::Yellow);

    Calendar1->setSelectedDate(today);
    Calendar1_Click();
    txtYear->setText(NumberText::Plain(Calendar1->selectedDate().year()));

    applyStoredSettings();
    placeDatabase();
}

QSize frmCalendar::sizeHint() const
{
    QSize controls = m_scroller->widget()->sizeHint();
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
    txtStation->setText(stored.Station);
    m_state.NoDatabase = stored.NoDatabase;
    m_state.MyPattern = stored.MyPattern;
    m_state.HolidaySet = stored.MyHolidays;

    // Each box whose state changes writes its own character back.
    for (int i = 0; i < Holidays::Count; ++i)
        chkHolidays[i]->setChecked(m_state.HolidaySet.at(i) == u'1');

    const auto kind = RotaKinds::FromCode(static_cast<int>(Val(m_state.MyPattern.left(1))));
    if (kind)
        optKind[RotaKinds::Code(*kind)]->setChecked(true);

    // The kind's handler kept the stored pattern number, because no highlight was already
    // selected: that number now picks the highlighted group.
    const int button = static_cast<int>(Val(m_state.MyPattern.mid(1, 2)));
    if (button > 0 && button <= RotaKinds::PatternButtonCount)
        optPattern[button - 1]->setChecked(true);
    else
        optNoHighlight->setChecked(true);

    // An own rota takes the calendar type's place; MyPattern stays as it was stored.
    loadOwnRotas();
    if (const SettingsStore::OwnRota own = m_settings.ownRota(); !own.file.isEmpty())
        restoreOwnRota(own.file, own.group);
}

void frmCalendar::loadOwnRotas()
{
    const int shown = cboOwnRota->currentIndex();
    const QString shownPath =
        shown >= 0 && shown < m_ownRotas.size() ? m_ownRotas.at(shown).path : QString();
    m_ownRotas.clear();
    for (const OwnRotaFolder::Entry& entry : OwnRotaFolder::List(rotaFolder())) {
        if (entry.loaded.rota)
            m_ownRotas.append(entry);
    }
    {
        const QSignalBlocker quiet(cboOwnRota);
        cboOwnRota->clear();
        int index = m_ownRotas.isEmpty() ? -1 : 0;
        for (int i = 0; i < m_ownRotas.size(); ++i) {
            cboOwnRota->addItem(m_ownRotas.at(i).loaded.rota->name);
            cboOwnRota->setItemData(i, QDir::toNativeSeparators(m_ownRotas.at(i).path),
                                    Qt::ToolTipRole);
            if (m_ownRotas.at(i).path == shownPath)
                index = i;
        }
        cboOwnRota->setCurrentIndex(index);
    }
    const bool any = !m_ownRotas.isEmpty();
    optOwnRota->setEnabled(any);
    cboOwnRota->setEnabled(any);
    lblOwnWhosOff->setVisible(any);
    txtOwnWhosOff->setVisible(any);
    showOwnWhosOff();
}

void frmCalendar::restoreOwnRota(const QString& fileName, const QString& group)
{
    // Only a file of the rota folder: a stored name cannot lead elsewhere.
    const QString path = QDir(rotaFolder()).filePath(QFileInfo(fileName).fileName());
    const auto found = std::find_if(m_ownRotas.cbegin(), m_ownRotas.cend(),
                                    [&path](const auto& entry) { return entry.path == path; });
    if (found == m_ownRotas.cend()) {
        if (m_ownRotaChosen) {
            const auto kind = RotaKinds::FromCode(static_cast<int>(Val(m_state.MyPattern.left(1))));
            optKind[RotaKinds::Code(kind.value_or(RotaKind::CgSixTwo))]->setChecked(true);
        }
        statusBar()->showMessage(u"Your own rota could not be read: "_s +
                                 OwnRotaFile::Load(path).error);
        return;
    }
    cboOwnRota->setCurrentIndex(static_cast<int>(found - m_ownRotas.cbegin()));
    if (optOwnRota->isChecked())
        chooseOwnRota();
    else
        optOwnRota->setChecked(true);
    const std::optional<int> button = RotaKinds::PatternButtonForGroup(group);
    if (button && optPattern[*button]->isEnabled())
        optPattern[*button]->setChecked(true);
}

void frmCalendar::ownRotasChanged()
{
    const bool chosen = m_ownRotaChosen;
    const int shown = cboOwnRota->currentIndex();
    const QString fileName = shown >= 0 && shown < m_ownRotas.size()
                                 ? QFileInfo(m_ownRotas.at(shown).path).fileName()
                                 : QString();
    const QString group = optNoHighlight->isChecked() ? QString() : m_highlightGroup.trimmed();
    loadOwnRotas();
    // The chosen rota as it is now written: its groups may have changed.
    if (chosen)
        restoreOwnRota(fileName, group);
}

void frmCalendar::showOwnWhosOff()
{
    const int index = cboOwnRota->currentIndex();
    if (index < 0 || index >= m_ownRotas.size()) {
        lblOwnWhosOff->clear();
        txtOwnWhosOff->clear();
        return;
    }
    const OwnRota& rota = *m_ownRotas.at(index).loaded.rota;
    lblOwnWhosOff->setText(
        lblOwnWhosOff->fontMetrics().elidedText(rota.name, Qt::ElideRight, txtOwnWhosOff->width()));
    lblOwnWhosOff->setToolTip(rota.name);
    txtOwnWhosOff->setAccessibleName(rota.name);
    txtOwnWhosOff->setText(WhosOff::OwnGroupsOff(rota, Calendar1->selectedDate()));
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
    values.Station = txtStation->text();
    values.NoDatabase = m_state.NoDatabase;
    values.MyPattern = m_state.MyPattern;
    values.MyHolidays = m_state.HolidaySet;
    m_settings.setPlaces(m_places.places());
    SettingsStore::OwnRota own;
    if (const int index = cboOwnRota->currentIndex(); m_ownRotaChosen && index >= 0) {
        own.file = QFileInfo(m_ownRotas.at(index).path).fileName();
        if (!optNoHighlight->isChecked())
            own.group = m_highlightGroup.trimmed();
    }
    m_settings.setOwnRota(own);
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

bool frmCalendar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && !m_fieldCheckRunning &&
        isLeavingField(static_cast<QFocusEvent*>(event))) {
        // The field finishes losing the focus first (it drops its selection then), so that a
        // check that sends the focus back leaves the field with a cursor and its selection.
        // A check that sends the focus back must not set off the check of the field the user
        // was going to either.
        m_fieldCheckRunning = true;
        QCoreApplication::sendEvent(watched, event);
        if (watched == txtYear)
            txtYear_LostFocus();
        else if (watched == txtReduction)
            txtReduction_LostFocus();
        else if (watched == txtCopies)
            wholeCopies();
        else if (watched == txtPatternAdjustment)
            txtPatternAdjustment_LostFocus();
        m_fieldCheckRunning = false;
        return true;
    }
    if (watched == txtPatternAdjustment) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_skipNextAdjustmentRelease = true; // one click, one set of instructions
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const bool skip = m_skipNextAdjustmentRelease;
            m_skipNextAdjustmentRelease = false;
            // Not when a check of the field the user came from kept the focus there.
            if (!skip && mouse->button() == Qt::LeftButton && txtPatternAdjustment->hasFocus() &&
                txtPatternAdjustment->rect().contains(mouse->position().toPoint()))
                txtPatternAdjustment_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Field checks. Replacing a field's text runs its change handler again for the new text; the
// replacements are always valid, so that second run changes nothing.

int frmCalendar::nextYear() const
{
    return m_clock.today().year() + 1;
}

void frmCalendar::txtYear_Change()
{
    if (!NumberText::IsNumeric(txtYear->text())) {
        txtYear->setText(NumberText::Plain(nextYear()));
        m_prompter.beep();
    }
}

bool frmCalendar::IsPrintableYear(const QString& text)
{
    // All four digits of a year the calendars can be printed for, blanks around them aside.
    const QString digits = text.trimmed();
    if (digits.size() != 4)
        return false;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    const int year = digits.toInt();
    return year >= 1901 && year <= 2124;
}

bool frmCalendar::txtYear_LostFocus()
{
    if (IsPrintableYear(txtYear->text()))
        return true;
    m_prompter.message(YearMessage, u"Year out of range"_s, Prompter::Buttons::Ok);
    txtYear->setFocus(Qt::OtherFocusReason);
    txtYear->setText(NumberText::Blank(nextYear()));
    txtYear->setSelection(1, 10);
    return false;
}

void frmCalendar::txtReduction_Change()
{
    if (!NumberText::IsNumeric(txtReduction->text())) {
        txtReduction->setText(u"100"_s);
        m_prompter.beep();
    }
}

bool frmCalendar::txtReduction_LostFocus()
{
    txtReduction->setText(NumberText::Plain(NumberText::WholePart(Val(txtReduction->text()))));
    const double size = Val(txtReduction->text());
    if (size >= 20 && size <= 100)
        return true;
    m_prompter.message(SizeMessage, u"Invalid size!"_s, Prompter::Buttons::Ok);
    txtReduction->setText(u"100"_s);
    txtReduction->setFocus(Qt::OtherFocusReason);
    txtReduction->setSelection(0, 3);
    return false;
}

void frmCalendar::wholeCopies()
{
    // The field keeps itself at 1 or more; a fraction of a copy is dropped.
    const QString whole = NumberText::Plain(NumberText::WholePart(Val(txtCopies->text())));
    if (txtCopies->text() != whole)
        txtCopies->setText(whole);
}

bool frmCalendar::printFieldsHold()
{
    // The fields as a printout reads them, checked as leaving each of them checks it. A
    // check that sends the focus back must not set off the check of the field it leaves.
    const bool running = m_fieldCheckRunning;
    m_fieldCheckRunning = true;
    wholeCopies();
    const bool hold = txtYear_LostFocus() && txtReduction_LostFocus();
    m_fieldCheckRunning = running;
    return hold;
}

void frmCalendar::txtCopies_Change()
{
    if (!NumberText::IsNumeric(txtCopies->text())) {
        txtCopies->setText(u"1"_s);
        m_prompter.beep();
    }
    if (Val(txtCopies->text()) < 1) {
        txtCopies->setText(u"1"_s);
        m_prompter.beep();
    }
    const QString copies = txtCopies->text();
    if (Val(copies) > 1)
        cmdPrintAllPatterns->setText(u"Print "_s + copies + u" Copies of  All Pa&tterns"_s);
    else
        cmdPrintAllPatterns->setText(u"Print "_s + copies + u" Copy of  All Pa&tterns"_s);
}

void frmCalendar::txtPatternAdjustment_Click()
{
    m_prompter.message(instructions(), u"INSTRUCTIONS"_s, Prompter::Buttons::Ok);
}

void frmCalendar::txtPatternAdjustment_LostFocus()
{
    const double adjustment = Val(txtPatternAdjustment->text());
    if (adjustment < 0 || adjustment > 48) {
        m_prompter.message(AdjustmentMessage, u"ERROR!"_s, Prompter::Buttons::Ok);
        txtPatternAdjustment->setText(u"0"_s);
        txtPatternAdjustment->setFocus(Qt::OtherFocusReason);
    } else {
        txtPatternAdjustment->setText(NumberText::Plain(NumberText::WholePart(adjustment)));
    }
}

// ---------------------------------------------------------------------------------------------
// Who's off

void frmCalendar::Calendar1_Click()
{
    const QStringList texts = WhosOff::LookUp(Calendar1->selectedDate(),
                                              Val(txtPatternAdjustment->text()), m_state.rotaDay);
    for (int i = 0; i < WhosOff::BoxCount && i < texts.size(); ++i)
        txtWhosOff[i]->setText(texts.at(i));
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
    const QDate selected = Calendar1->selectedDate();
    const int year = Calendar1->yearShown();
    const int month = Calendar1->monthShown();
    if (selected.year() == year && selected.month() == month)
        return;
    QDate moved(year, month, selected.day());
    if (!moved.isValid())
        moved = QDate(year, month, 1); // the kept day is not in the new month
    m_followingPage = true;
    Calendar1->setSelectedDate(moved);
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
    txtYear->setText(NumberText::Plain(Calendar1->selectedDate().year()));
}

// ---------------------------------------------------------------------------------------------
// Choices

void frmCalendar::chooseCalendarType(RotaKind kind)
{
    // Back from an own rota, whose highlight MyPattern did not follow: none is chosen now.
    if (std::exchange(m_ownRotaChosen, false))
        m_state.MyPattern = m_state.MyPattern.left(1) + u" 0"_s;
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        optPattern[i]->setEnabled(RotaKindTable::IsPatternButtonEnabled(kind, i));
    // Runs the no-highlight handler only when it was not selected yet; otherwise the stored
    // pattern number survives (the start-up restores the highlight that way).
    optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;
    m_state.MyPattern = NumberText::Plain(RotaKinds::Code(kind)) + m_state.MyPattern.mid(1, 2);
    for (QLineEdit* box : txtWhosOff)
        setBoxColor(box, m_normalBoxColor);
    setBoxColor(txtOwnWhosOff, m_normalBoxColor);
    for (int box : RotaKindTable::Of(kind).whosOffBoxes)
        setBoxColor(txtWhosOff[box], Cyan);
}

void frmCalendar::chooseOwnRota()
{
    m_ownRotaChosen = true;
    const RotaChoice rota(chosenKind(), chosenOwnRota());
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        optPattern[i]->setEnabled(rota.own() && rota.isPatternButtonEnabled(i));
    optNoHighlight->setChecked(true);
    m_highlightGroup = u"0"_s;
    for (QLineEdit* box : txtWhosOff)
        setBoxColor(box, m_normalBoxColor);
    setBoxColor(txtOwnWhosOff, Cyan);
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
        m_state.MyPattern = m_state.MyPattern.left(1) + NumberText::Plain(index + 1);
    chkNoPatterns->setEnabled(true);
    chkHighlightPayday->setText(u"Circle Paydays"_s);
}

void frmCalendar::optNoHighlight_Click(int /*index*/)
{
    m_highlightGroup = u" 0"_s;
    if (m_windowShown && !m_ownRotaChosen)
        m_state.MyPattern = m_state.MyPattern.left(1) + u" 0"_s;
    chkNoPatterns->setChecked(false);
    chkNoPatterns->setEnabled(false);
    chkHighlightPayday->setText(u"Highlight Paydays"_s);
}

void frmCalendar::paintShades(ColourFamily family)
{
    m_shades = ShadeColors::For(family, hsbHighlightShade->value());
    const std::array<QColor, 3> colors = {m_shades.RdoColor, m_shades.HolidayColor,
                                          m_shades.RdoOnHolidayColor};
    for (int i = 0; i < 3; ++i) {
        QPalette palette = shpColor[i]->palette();
        palette.setColor(QPalette::Window, colors[i]);
        shpColor[i]->setPalette(palette);
    }
}

void frmCalendar::hsbHighlightShade_Change()
{
    const int family = m_colourOptions->checkedId();
    paintShades(family < 0 ? ColourFamily::Yellow : static_cast<ColourFamily>(family));
}

void frmCalendar::chkHolidays_Click(int index)
{
    if (index < 0 || index >= m_state.HolidaySet.size())
        return;
    m_state.HolidaySet[index] = chkHolidays[index]->isChecked() ? u'1' : u'0';
}

void frmCalendar::cmdSetHolidays_Click()
{
    if (m_highlightOrHolidays->currentWidget() == fraSetHolidays) {
        m_highlightOrHolidays->setCurrentWidget(m_fraPatterns);
        cmdSetHolidays->setText(u"&Set Holidays"_s);
    } else {
        m_highlightOrHolidays->setCurrentWidget(fraSetHolidays);
        cmdSetHolidays->setText(u"&Return"_s);
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

namespace {

// The busy pointer while a command draws; back to normal however it ends.
class BusyPointer
{
public:
    BusyPointer() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QGuiApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

PrintDestination frmCalendar::openDestination(const QString& pdfStem) const
{
    return m_destinations ? m_destinations(pdfStem)
                          : PrintDestination::OpenDefault(m_printers, pdfStem);
}

QString frmCalendar::choosePath(const QString& caption, const QString& proposedPath,
                                const QString& filter) const
{
    if (m_savePath)
        return m_savePath(caption, proposedPath, filter);
    return QFileDialog::getSaveFileName(const_cast<frmCalendar*>(this), caption, proposedPath,
                                        filter);
}

QString frmCalendar::proposedPath(const QString& fileName)
{
    // Only a proposal: the folder is not created for a dialog the user may cancel.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(fileName);
}

PageFit frmCalendar::printYearTo(PrintSurface& surface)
{
    return YearCalendarPrinter::Print(surface, choices(), m_state,
                                      chkHilightVacations->isChecked() ? entries() : nullptr);
}

void frmCalendar::finishPrint(PrintDestination& destination, const QString& what,
                              const PageFit& fit)
{
    QString status;
    {
        const BusyPointer busy;
        status = destination.finish(what);
    }
    if (fit.reduced() && !destination.failed)
        status += u" ("_s + fit.note() + u')';
    statusBar()->showMessage(status);
    if (destination.failed)
        m_prompter.message(status, u"Kelvane"_s, Prompter::Buttons::Ok);
}

void frmCalendar::cmdPrintRdoCalendar_Click()
{
    if (!printFieldsHold())
        return;
    PrintDestination destination;
    PageFit fit;
    {
        const BusyPointer busy;
        destination = openDestination(PrintNames::YearCalendar(choices()));
        if (destination.surface)
            fit = printYearTo(*destination.surface);
    }
    finishPrint(destination, QString(), fit);
}

void frmCalendar::mnuPrint_Click()
{
    if (!printFieldsHold())
        return;
    const CalendarChoices chosen = choices();
    const QString name = PrintNames::YearCalendar(chosen);
    const std::unique_ptr<Printers::Chosen> printer =
        m_printers.ask(this, u"Print - Kelvane"_s,
                       static_cast<int>(NumberText::RoundHalfEven(Val(txtCopies->text()))), name);
    if (!printer)
        return;
    PrintDestination destination;
    PageFit fit;
    {
        const BusyPointer busy;
        destination = printer->open(name);
        fit = printYearTo(*destination.surface);
    }
    finishPrint(destination, QString(), fit);
}

void frmCalendar::cmdPrintAllPatterns_Click()
{
    if (!printFieldsHold())
        return;
    printAllPatterns([this] { return openDestination(PrintNames::Batch(txtYear->text())); }, 1,
                     batchSize());
}

void frmCalendar::mnuPrintAllPatterns_Click()
{
    if (!printFieldsHold())
        return;
    const QString name = PrintNames::Batch(txtYear->text());
    std::shared_ptr<Printers::Chosen> printer = m_printers.ask(
        this, u"Print All Patterns - Kelvane"_s,
        static_cast<int>(NumberText::RoundHalfEven(Val(txtCopies->text()))), name, 1, batchSize());
    if (!printer)
        return;
    const int first = printer->firstPage();
    const int last = printer->lastPage();
    printAllPatterns([printer, name] { return printer->open(name); }, first, last);
}

void frmCalendar::printAllPatterns(const std::function<PrintDestination()>& open, int first,
                                   int last)
{
    // One destination for the whole batch, opened once the question is answered: on a printer
    // each calendar is a job of its own, without one each is a page of one PDF file.
    std::optional<PrintDestination> destination;
    std::unique_ptr<QProgressDialog> progress;
    std::function<void()> stop; // the running batch's
    int position = 0;
    int printed = 0;

    auto printOne = [&] {
        // Calendars outside the chosen pages are chosen on the window all the same, so that
        // the window ends as after the whole batch.
        ++position;
        if (position < first || position > last)
            return;
        if (!destination)
            destination = open();
        if (destination->surface) {
            ++printed;
            destination->surface->setDocumentName(PrintNames::BatchCalendar(choices()));
            printYearTo(*destination->surface);
        } else
            stop(); // nowhere to print: the rest would go nowhere too
    };
    auto showProgress = [&](int number, int total) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(this);
            progress->setWindowTitle(u"Kelvane"_s);
            progress->setWindowModality(Qt::ApplicationModal);
            progress->setRange(0, total);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            connect(progress.get(), &QProgressDialog::canceled, this, [&stop] { stop(); });
        }
        progress->setLabelText(u"Printing calendar %1 of %2"_s.arg(number).arg(total));
        progress->setValue(number - 1);
        progress->show();
        // The dialog is drawn and its Cancel button heard between two calendars.
        QCoreApplication::processEvents();
        if (progress->wasCanceled())
            stop();
    };

    MainWindowBatchTarget target(*this, printOne, showProgress);
    const auto run = [this, &stop](auto& batch) {
        stop = [&batch] { batch.requestStop(); };
        return batch.run(m_prompter);
    };
    const int total = batchSize();
    AllPatternsBatch::Result result = AllPatternsBatch::Result::Cancelled;
    if (const std::shared_ptr<const OwnRota> own = chosenOwnRota()) {
        OwnRotaBatch batch(target, own->groups);
        result = run(batch);
    } else {
        AllPatternsBatch batch(target);
        result = run(batch);
    }
    progress.reset();
    if (result == AllPatternsBatch::Result::Cancelled || !destination)
        return;

    if (!destination->surface)
        printed = 0;
    const QString what = printed == 1 ? u"1 calendar"_s : u"%1 calendars"_s.arg(printed);
    finishPrint(*destination, what);
    if (result == AllPatternsBatch::Result::Stopped && printed > 0 && !destination->failed)
        statusBar()->showMessage(u"Stopped after calendar %1 of %2. "_s.arg(position).arg(total) +
                                 statusBar()->currentMessage());
}

int frmCalendar::batchSize() const
{
    const std::shared_ptr<const OwnRota> own = chosenOwnRota();
    return own ? static_cast<int>(own->groups.size()) : AllPatternsBatch::CalendarCount;
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
        m_vacationsWindow =
            new frmInputVacations([this] { return txtYear->text(); }, m_state, m_prompter, this);
    m_places.keep(m_vacationsWindow, u"frmInputVacations"_s);
    m_vacationsWindow->exec();
}

void frmCalendar::mnuPrintPreview_Click()
{
    if (!printFieldsHold())
        return;
    // The page as the default printer prints it; its print button asks with the print dialog,
    // whose copies are final.
    m_printers.preview(
        this, u"Print Preview - Kelvane"_s,
        static_cast<int>(NumberText::RoundHalfEven(Val(txtCopies->text()))),
        PrintNames::YearCalendar(choices()),
        [this](PrintSurface& surface) {
            const BusyPointer busy;
            printYearTo(surface);
        },
        [this](const QString& failure) {
            m_prompter.message(u"Printing failed: "_s + failure, u"Kelvane"_s,
                               Prompter::Buttons::Ok);
        });
}

void frmCalendar::mnuSaveAsPdf_Click()
{
    if (!printFieldsHold())
        return;
    const QString stem = PrintNames::YearCalendar(choices());
    QString path =
        choosePath(u"Save as PDF"_s, proposedPath(stem + u".pdf"_s), u"PDF files (*.pdf)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".pdf"_s;
    PrintDestination destination;
    PageFit fit;
    {
        const BusyPointer busy;
        destination = PrintDestination::OpenPdf(path, stem);
        if (destination.surface)
            fit = printYearTo(*destination.surface);
    }
    finishPrint(destination, QString(), fit);
}

void frmCalendar::mnuExportDaysOff_Click()
{
    const QString title = u"Export Days Off"_s;
    const QString group = m_highlightGroup.trimmed();
    const RotaKind kind = chosenKind();
    const std::shared_ptr<const OwnRota> own = chosenOwnRota();
    const bool allowed =
        own ? own->groups.contains(group) : DaysOffCalendar::KindAllowsGroup(kind, group);
    if (optNoHighlight->isChecked() || !allowed) {
        m_prompter.message(u"Choose the pattern whose days off you want to export "
                           "under \"Highlight pattern:\" first."_s,
                           title, Prompter::Buttons::Ok);
        return;
    }
    const double year = Val(txtYear->text());
    const double adjustment = Val(txtPatternAdjustment->text());
    if (year < 1901 || year > 2124 || adjustment < 0 || adjustment > 48) {
        m_prompter.message(u"The days off can be exported for a year from 1901 to "
                           "2124 with an adjustment from 0 to 48."_s,
                           title, Prompter::Buttons::Ok);
        return;
    }

    DaysOffCalendar::Request request;
    request.kind = kind;
    request.ownRota = own;
    request.groupLetter = group;
    const int wholeYear = static_cast<int>(NumberText::WholePart(year));
    request.from = QDate(wholeYear, 1, 1);
    request.to = QDate(wholeYear, 12, 31);
    request.adjustment = NumberText::WholePart(adjustment);
    request.holidays = choices().holidays;
    request.stamp = QDateTime::currentDateTimeUtc();

    const QString name = u"Kelvane RDO %1 group %2.ics"_s.arg(NumberText::Plain(wholeYear), group);
    QString path =
        choosePath(u"Export Days Off"_s, proposedPath(name), u"iCalendar files (*.ics)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".ics"_s;

    RotaDay rota;
    GoodFriday goodFriday;
    const QByteArray calendar = DaysOffCalendar::Build(request, rota, goodFriday);
    QString error;
    if (!SafeFile::Write(path, calendar, &error)) {
        m_prompter.message(u"The days off could not be exported: %1"_s.arg(error), title,
                           Prompter::Buttons::Ok);
        return;
    }
    statusBar()->showMessage(
        u"Exported the days off of group %1 to %2."_s.arg(group, QDir::toNativeSeparators(path)));
}

void frmCalendar::mnuOwnRotas_Click()
{
    if (m_rotasWindow) {
        bringForward(m_rotasWindow);
        return;
    }
    auto* rotas = new frmRotas(rotaFolder(), m_prompter, m_clock, this);
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
