#include "mainwindow/frmCalendarUi.h"

#include "mainwindow/HeadingRow.h"
#include "mainwindow/HolidayFilesPanel.h"
#include "windows/ElidingStatusBar.h"
#include "windows/PinnedBlock.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

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

QLineEdit* field(const QString& text, const QString& name, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

// A read-only box that shows who is off.
QLineEdit* whosOffField(const QString& name, QWidget* parent)
{
    auto* box = field(QString(), name, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Controls

void frmCalendarUi::setupUi(QMainWindow* window)
{
    window->setWindowTitle(u"Kelvane"_s);
    createFields(window);
    createKindOptions(window);
    createHighlightOptions(window);
    createCommands(window);
    createMenus(window);

    // On a screen too small for the whole window the controls scroll rather than hide; the
    // command buttons then stay in sight under them.
    auto* body = new QWidget(window);
    scroller = new QScrollArea(body);
    scroller->setObjectName(u"scrollControls"_s);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // Tab goes to the controls, which scroll into view
    scroller->setWidgetResizable(true);
    auto* central = new QWidget(scroller);
    scroller->setWidget(central);
    auto* commandBand = new QWidget(body);
    commandBand->setObjectName(u"commandBand"_s);
    auto* bandLayout = new QHBoxLayout(commandBand);
    bandLayout->addStretch(1);
    auto* bodyLayout = new QVBoxLayout(body);
    bodyLayout->setContentsMargins(0, 0, 0, 0);
    bodyLayout->setSpacing(0);
    bodyLayout->addWidget(scroller, 1);
    bodyLayout->addWidget(commandBand);
    window->setCentralWidget(body);

    QWidget* whosOff = whosOffBox();
    QLayout* fields = fieldsGrid();
    QLayout* options = optionsColumn();
    QWidget* commands = commandBlock();
    auto* left = new QVBoxLayout;
    left->addWidget(Calendar1, 1);
    left->addWidget(whosOff);
    left->addLayout(fields);
    left->addLayout(options);
    left->addWidget(commands);

    QWidget* kinds = kindBox();
    fraPatterns = patternBox();
    fraSetHolidays = holidaysBox();
    // The holidays share the pattern buttons' place while they are being set.
    highlightOrHolidays = new QStackedWidget;
    highlightOrHolidays->addWidget(fraPatterns);
    highlightOrHolidays->addWidget(fraSetHolidays);
    highlightOrHolidays->setCurrentWidget(fraPatterns);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(kinds);
    addClosingGap(right);
    right->addWidget(highlightOrHolidays);
    addClosingGap(right);
    auto* setHolidaysRow = new QHBoxLayout;
    setHolidaysRow->addWidget(fraHolidayFiles->buttonRow);
    setHolidaysRow->addStretch(1);
    setHolidaysRow->addWidget(cmdSetHolidays);
    right->addLayout(setHolidaysRow);
    fraHolidayFiles->buttonRow->hide(); // while the pattern buttons show
    addClosingGap(right);
    right->addWidget(colourBox());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addLayout(right);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(columns);
    closeUpRows(central);
    new PinnedBlock(scroller, commands, left, bandLayout);

    // Where the printouts went.
    window->setStatusBar(new ElidingStatusBar(window));
    window->statusBar()->setSizeGripEnabled(false);

    nameControls();
    orderTabs(window);
}

void frmCalendarUi::createFields(QWidget* parent)
{
    Calendar1 = new QCalendarWidget(parent);
    Calendar1->setObjectName(u"Calendar1"_s);
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setGridVisible(true);

    for (qsizetype i = 0; i < whosOffRotas.size(); ++i)
        txtWhosOff.append(whosOffField(u"txtWhosOff%1"_s.arg(i), parent));

    txtYear = field(QString(), u"txtYear"_s, parent);
    txtYear->setFixedWidth(fieldWidth(txtYear, 5));
    txtCopies = field(u"1"_s, u"txtCopies"_s, parent);
    txtCopies->setFixedWidth(fieldWidth(txtCopies, 4));
    txtReduction = field(u"100"_s, u"txtReduction"_s, parent);
    txtReduction->setFixedWidth(fieldWidth(txtReduction, 4));
    txtReduction->setToolTip(u"100% prints an 8.5 x 11 inch calendar on most sheet feed printers. "
                             "If you have problems printing, try a smaller number."_s);
    txtStation = field(u"DARIZU"_s, u"txtStation"_s, parent);
    txtStation->setMinimumWidth(fieldWidth(txtStation, 14));
    txtPatternAdjustment = field(u"0"_s, u"txtPatternAdjustment"_s, parent);
    txtPatternAdjustment->setFixedWidth(fieldWidth(txtPatternAdjustment, 4));
    txtPatternAdjustment->setToolTip(u"Click for instructions."_s);
}

void frmCalendarUi::createKindOptions(QWidget* parent)
{
    kindOptions = new QButtonGroup(parent);
    for (const BuiltInRota& row : BuiltInRotas::Definitions()) {
        const int code = RotaKinds::Code(row.kind);
        optKind[code] = new QRadioButton(row.button.caption, parent);
        optKind[code]->setObjectName(row.button.name);
        kindOptions->addButton(optKind[code], code);
    }

    optOwnRota = radio(u"&Your own rota:"_s, "optOwnRota", parent);
    kindOptions->addButton(optOwnRota, OwnRotaOption);
    cboOwnRota = new QComboBox(parent);
    cboOwnRota->setObjectName(u"cboOwnRota"_s);
    cboOwnRota->setPlaceholderText(u"none yet"_s);
    cboOwnRota->setToolTip(u"Your own rotas are made in File > Rotas of Your Own..."_s);
    // A long rota name must not widen the window.
    cboOwnRota->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboOwnRota->setMinimumContentsLength(12);
    cboOwnGroup = new QComboBox(parent);
    cboOwnGroup->setObjectName(u"cboOwnGroup"_s);
    cboOwnGroup->setAccessibleName(u"Group to highlight"_s);
    cboOwnGroup->setToolTip(u"The group of your own rota to highlight"_s);
    // As wide as its longest entry ("Kelly group C7"), taking the room from the rota list; a
    // caption longer than any group word in use is cut off rather than widening the window.
    cboOwnGroup->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboOwnGroup->setMinimumContentsLength(8);
    cboOwnGroup->setMaximumWidth(cboOwnGroup->fontMetrics().horizontalAdvance(u'X') * 20);
    cboOwnGroup->setEnabled(false);
    lblOwnWhosOff = new QLabel(parent);
    lblOwnWhosOff->setObjectName(u"lblOwnWhosOff"_s);
    lblOwnWhosOff->setTextFormat(Qt::PlainText);
    txtOwnWhosOff = whosOffField(u"txtOwnWhosOff"_s, parent);
    txtOwnWhosOff->setFixedWidth(fieldWidth(txtOwnWhosOff, 8));
}

void frmCalendarUi::createHighlightOptions(QWidget* parent)
{
    auto* patterns = new QButtonGroup(parent);
    highlightOptions = patterns;
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i) {
        optPattern[i] = new QRadioButton(RotaKinds::PatternButtonCaption(i), parent);
        optPattern[i]->setObjectName(u"optPattern%1"_s.arg(i));
        patterns->addButton(optPattern[i], i);
    }
    optNoHighlight = radio(u"Don't highlight any patterns."_s, "optNoHighlight", parent);
    patterns->addButton(optNoHighlight, RotaKinds::PatternButtonCount);

    optYellow = radio(u"Yellow"_s, "optYellow", parent);
    optBlue = radio(u"Blue"_s, "optBlue", parent);
    optPink = radio(u"Pink"_s, "optPink", parent);
    optGrey = radio(u"Grey"_s, "optGrey", parent);
    optGreen = radio(u"Green"_s, "optGreen", parent);
    colourOptions = new QButtonGroup(parent);
    const std::array<std::pair<QRadioButton*, ColourFamily>, 5> families = {{
        {optYellow, ColourFamily::Yellow},
        {optBlue, ColourFamily::Blue},
        {optPink, ColourFamily::Pink},
        {optGrey, ColourFamily::Grey},
        {optGreen, ColourFamily::Green},
    }};
    for (const auto& [option, family] : families)
        colourOptions->addButton(option, static_cast<int>(family));
    optYellow->setChecked(true);

    hsbHighlightShade = new QScrollBar(Qt::Horizontal, parent);
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
        shpColor[i] = new QFrame(parent);
        shpColor[i]->setObjectName(u"shpColor%1"_s.arg(i));
        shpColor[i]->setFrameShape(QFrame::Box);
        shpColor[i]->setAutoFillBackground(true);
        shpColor[i]->setFixedHeight(22);
        shpColor[i]->setMinimumWidth(40);
        shpColor[i]->setToolTip(swatchHint);
    }

    for (int i = 0; i < Holidays::Count; ++i) {
        chkHolidays[i] = new QCheckBox(Holidays::Caption(i), parent);
        chkHolidays[i]->setObjectName(u"chkHolidays%1"_s.arg(i));
        chkHolidays[i]->setChecked(Holidays::IsOnByDefault(i));
    }
    fraHolidayFiles = new HolidayFilesPanel(parent);
    cmdSetHolidays = new QPushButton(u"&Set Holidays"_s, parent);
    cmdSetHolidays->setObjectName(u"cmdSetHolidays"_s);

    chkHilightVacations = new QCheckBox(u"Highlight Vacations"_s, parent);
    chkHilightVacations->setObjectName(u"chkHilightVacations"_s);
    chkHighlightPayday = new QCheckBox(u"Highlight Payday"_s, parent);
    chkHighlightPayday->setObjectName(u"chkHighlightPayday"_s);
    chkNoPatterns = new QCheckBox(u"Highlight only don't print day off patterns."_s, parent);
    chkNoPatterns->setObjectName(u"chkNoPatterns"_s);
    chkPrintKey = new QCheckBox(u"Print a key"_s, parent);
    chkPrintKey->setObjectName(u"chkPrintKey"_s);
}

void frmCalendarUi::createCommands(QWidget* parent)
{
    cmdPrintRdoCalendar = new QPushButton(u"&Print R.D.O. Calendar"_s, parent);
    cmdPrintRdoCalendar->setObjectName(u"cmdPrintRdoCalendar"_s);
    cmdPrintAllPatterns =
        new QPushButton(u" Print 1 Copy of All C&G  6 && 2 and 4 && 2 Patterns"_s, parent);
    cmdPrintAllPatterns->setObjectName(u"cmdPrintAllPatterns"_s);
    cmdShowMonth = new QPushButton(u"Go To Print &Just this Month"_s, parent);
    cmdShowMonth->setObjectName(u"cmdShowMonth"_s);
    cmdShowMonth->setToolTip(u"Press this button to display the single month form."_s);
    cmdInputVacations = new QPushButton(u"&Input Vacations"_s, parent);
    cmdInputVacations->setObjectName(u"cmdInputVacations"_s);
    cmdExit = new QPushButton(u"E&xit"_s, parent);
    cmdExit->setObjectName(u"cmdExit"_s);
}

void frmCalendarUi::createMenus(QMainWindow* window)
{
    const auto add = [](QMenu* menu, const QString& caption, const QString& name) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    QMenu* fileMenu = window->menuBar()->addMenu(u"&File"_s);
    mnuPrint = add(fileMenu, u"&Print..."_s, u"mnuPrint"_s);
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuPrintAllPatterns = add(fileMenu, u"Print &All Patterns..."_s, u"mnuPrintAllPatterns"_s);
    mnuPrintPreview = add(fileMenu, u"Print Pre&view..."_s, u"mnuPrintPreview"_s);
    mnuSaveAsPdf = add(fileMenu, u"Save as P&DF..."_s, u"mnuSaveAsPdf"_s);
    mnuExportDaysOff = add(fileMenu, u"&Export Days Off (.ics)..."_s, u"mnuExportDaysOff"_s);
    fileMenu->addSeparator();
    mnuOwnRotas = add(fileMenu, u"&Rotas of Your Own..."_s, u"mnuOwnRotas"_s);
    fileMenu->addSeparator();
    mnuExit = add(fileMenu, u"E&xit"_s, u"mnuExit"_s);
    QMenu* helpMenu = window->menuBar()->addMenu(u"&Help"_s);
    mnuAbout = add(helpMenu, u"&About Kelvane"_s, u"mnuAbout"_s);
}

QList<QRadioButton*> frmCalendarUi::kindOptionsIn(BuiltInRota::WindowColumn column) const
{
    QList<const BuiltInRota*> rows;
    for (const BuiltInRota& row : BuiltInRotas::Definitions()) {
        if (row.button.column == column)
            rows.append(&row);
    }
    std::sort(rows.begin(), rows.end(), [](const BuiltInRota* a, const BuiltInRota* b) {
        return a->button.row < b->button.row;
    });
    QList<QRadioButton*> buttons;
    for (const BuiltInRota* row : rows)
        buttons.append(optKind[RotaKinds::Code(row->kind)]);
    return buttons;
}

QRadioButton* frmCalendarUi::kindOption(RotaKind kind) const
{
    return optKind.at(static_cast<std::size_t>(RotaKinds::Code(kind)));
}

QRadioButton* frmCalendarUi::colourOption(ColourFamily family) const
{
    return qobject_cast<QRadioButton*>(colourOptions->button(static_cast<int>(family)));
}

// ---------------------------------------------------------------------------------------------
// Layout

QWidget* frmCalendarUi::whosOffBox() const
{
    // Who's off on the clicked day: one box under each rota's heading.
    auto* fraWhosOff = new QGroupBox(u"RDO Patterns OFF on day clicked above."_s);
    QString headings;
    for (const BuiltInRota& row : BuiltInRotas::Definitions()) {
        if (!row.whosOff.heading.isEmpty())
            headings += row.whosOff.lead + row.whosOff.heading;
    }
    auto* whosOffRow = new HeadingRow(headings);
    for (qsizetype i = 0; i < txtWhosOff.size(); ++i)
        whosOffRow->add(txtWhosOff[i], whosOffRotas.at(i).whosOffHeading(), true);
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
    return fraWhosOff;
}

QLayout* frmCalendarUi::fieldsGrid() const
{
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
    return fields;
}

QLayout* frmCalendarUi::optionsColumn() const
{
    // Two by two: a font with tall lines (Noto Sans) needs the height of the other two rows.
    auto* options = new QGridLayout;
    options->setVerticalSpacing(2);
    options->addWidget(chkHilightVacations, 0, 0);
    options->addWidget(chkHighlightPayday, 0, 1);
    options->addWidget(chkNoPatterns, 1, 0);
    options->addWidget(chkPrintKey, 1, 1);
    options->setColumnStretch(2, 1);
    return options;
}

QWidget* frmCalendarUi::commandBlock() const
{
    auto* block = new QWidget;
    auto* commands = new QGridLayout(block);
    commands->setContentsMargins(0, 0, 0, 0);
    commands->addWidget(cmdPrintRdoCalendar, 0, 0);
    commands->addWidget(cmdShowMonth, 0, 1);
    commands->addWidget(cmdPrintAllPatterns, 1, 0, 1, 2);
    commands->addWidget(cmdInputVacations, 2, 0);
    commands->addWidget(cmdExit, 2, 1);
    return block;
}

QWidget* frmCalendarUi::kindBox() const
{
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
        for (QRadioButton* button : kindOptionsIn(static_cast<BuiltInRota::WindowColumn>(c)))
            layout->addWidget(button);
        layout->addStretch(1);
        typeRow->add(column, anchors[c], false);
    }
    for (QRadioButton* button : kindOptionsIn(BuiltInRota::WindowColumn::Below))
        typeLayout->addWidget(button);
    // The user's own rotas below the built-in ones. The box takes no more height for them
    // than its margins give up, so that the window still fits a laptop's screen.
    auto* ownRow = new QHBoxLayout;
    ownRow->addWidget(optOwnRota);
    ownRow->addWidget(cboOwnRota, 1);
    ownRow->addWidget(cboOwnGroup);
    cboOwnRota->setFixedHeight(optOwnRota->sizeHint().height());
    cboOwnGroup->setFixedHeight(optOwnRota->sizeHint().height());
    typeLayout->addLayout(ownRow);
    setTopAndBottomMargins(typeLayout, 2, 2);
    return fraType;
}

QGroupBox* frmCalendarUi::patternBox() const
{
    // The highlighted group: 1..7, A..G and H..N side by side.
    auto* box = new QGroupBox(u"Highlight pattern:"_s);
    auto* patternLayout = new QGridLayout(box);
    // Rows close together: spare room spreads them out, and is the first to go.
    patternLayout->setVerticalSpacing(0);
    setTopAndBottomMargins(patternLayout, 2, 2);
    for (int i = 0; i < RotaKinds::PatternButtonCount; ++i)
        patternLayout->addWidget(optPattern[i], i % 7, i / 7);
    patternLayout->addWidget(optNoHighlight, 7, 0, 1, 3);
    return box;
}

QGroupBox* frmCalendarUi::holidaysBox() const
{
    auto* box = new QGroupBox(u"Set Holidays"_s);
    box->setObjectName(u"fraSetHolidays"_s);
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
    // The holiday files take the room the five other holidays leave under them.
    auto* otherColumn = new QVBoxLayout;
    otherColumn->setSpacing(2);
    otherColumn->addWidget(fraOther);
    otherColumn->addWidget(fraHolidayFiles, 1);
    auto* holidaysLayout = new QHBoxLayout(box);
    // Frames within a frame: little room around them, so the holidays take no more height
    // than the pattern buttons they stand in for.
    setTopAndBottomMargins(holidaysLayout, 2, 4);
    setTopAndBottomMargins(zazLayout, 2, 2);
    setTopAndBottomMargins(otherLayout, 2, 2);
    holidaysLayout->addWidget(fraZaz);
    holidaysLayout->addLayout(otherColumn);
    return box;
}

QWidget* frmCalendarUi::colourBox() const
{
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
    return fraColor;
}

void frmCalendarUi::nameControls()
{
    // What a screen reader says for controls whose caption sits in a label of its own.
    Calendar1->setAccessibleName(u"Calendar"_s);
    if (QWidget* days = Calendar1->focusProxy())
        days->setAccessibleName(Calendar1->accessibleName());
    for (qsizetype i = 0; i < txtWhosOff.size(); ++i) {
        txtWhosOff[i]->setAccessibleName(whosOffRotas.at(i).whosOffHeading());
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

void frmCalendarUi::orderTabs(QWidget* window) const
{
    // Reading order: the calendar and who's off, the fields, the choices, the commands.
    QList<QWidget*> order = {Calendar1};
    for (QLineEdit* box : txtWhosOff)
        order.append(box);
    order << txtOwnWhosOff << txtYear << txtCopies << txtReduction << txtStation
          << txtPatternAdjustment << chkHilightVacations << chkHighlightPayday << chkNoPatterns
          << chkPrintKey;
    for (auto column : {BuiltInRota::WindowColumn::EightHour, BuiltInRota::WindowColumn::TenHour,
                        BuiltInRota::WindowColumn::Others, BuiltInRota::WindowColumn::Below})
        for (QRadioButton* option : kindOptionsIn(column))
            order.append(option);
    order << optOwnRota << cboOwnRota << cboOwnGroup;
    for (QRadioButton* option : optPattern)
        order.append(option);
    order.append(optNoHighlight);
    for (QCheckBox* box : chkHolidays)
        order.append(box);
    order << fraHolidayFiles->lstFiles << fraHolidayFiles->cmdAdd << fraHolidayFiles->cmdRemove;
    order << cmdSetHolidays << optYellow << optBlue << optPink << optGrey << optGreen
          << hsbHighlightShade << cmdPrintRdoCalendar << cmdShowMonth << cmdPrintAllPatterns
          << cmdInputVacations << cmdExit;
    for (qsizetype i = 1; i < order.size(); ++i)
        window->setTabOrder(order.at(i - 1), order.at(i));
}
