#include "vacations/frmInputVacations.h"

#include "rota/NumberText.h"
#include "store/AppState.h"
#include "store/CalendarDatabase.h"
#include "store/ColorText.h"
#include "store/Prompter.h"
#include "store/RecordTableModel.h"
#include "store/VacationTable.h"
#include "windows/ButtonKeys.h"
#include "windows/FocusMark.h"
#include "windows/PlaceholderTableView.h"
#include "windows/WindowFit.h"

#include <QAbstractButton>
#include <QDate>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>
#include <QtDebug>

#include <algorithm>
#include <cstdlib>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// Grid columns, in the order of the fields on the form.
const QStringList kGridFields = {u"Type"_s, u"Month"_s, u"Day"_s, u"Year"_s, u"Color"_s};

// The headings over the fields, in the same order.
QStringList fieldHeadings()
{
    return {u"Type:"_s, u"Month #"_s, u"Day:"_s, u"Year:"_s, u"Color: (click to change)"_s};
}

// Strict whole-number reading for the entry date: digits only, blanks around allowed.
std::optional<int> wholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 9)
        return std::nullopt;
    for (const QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    return trimmed.toInt();
}

// What a numeric field stores: nothing for an empty text, else its number. The field checks
// and the date check keep other texts out; one that slips through is stored as nothing
// rather than as text in a number column.
QVariant numericFieldValue(const QString& text)
{
    if (!NumberText::IsNumeric(text))
        return {};
    return QVariant::fromValue(NumberText::RoundHalfEven(NumberText::Val(text)));
}

// The year of the entry date as the date check reads it: one or two digits name a year from
// 1930 to 2029, as in a typed month/day/year date.
std::optional<int> entryYear(const QString& text)
{
    const auto year = wholeNumber(text);
    if (!year)
        return std::nullopt;
    if (text.trimmed().size() <= 2)
        return *year + (*year < 30 ? 2000 : 1900);
    return year;
}

QString shownText(const QVariant& value)
{
    return value.isNull() ? QString() : value.toString();
}

// Why the list of `year` is empty when other years hold entries: up to three of the years
// nearest to it, in order, with their counts ("Entries are kept for 2025 (2), 2027 (5) and
// 2 other years."). Empty when no other year has any.
QString otherYearsNote(qint64 year, QMap<qint64, int> counts)
{
    counts.remove(year);
    if (counts.isEmpty())
        return {};
    QList<qint64> years = counts.keys();
    std::stable_sort(years.begin(), years.end(), [year](qint64 a, qint64 b) {
        return std::abs(a - year) < std::abs(b - year);
    });
    const qsizetype named = std::min<qsizetype>(years.size(), 3);
    QList<qint64> shown = years.first(named);
    std::sort(shown.begin(), shown.end());
    QStringList parts;
    for (const qint64 other : shown)
        parts << u"%1 (%2)"_s.arg(other).arg(counts.value(other));
    if (const qsizetype rest = years.size() - named; rest > 0)
        parts << (rest == 1 ? u"1 other year"_s : u"%1 other years"_s.arg(rest));
    const QString last = parts.takeLast();
    const QString listed = parts.isEmpty() ? last : parts.join(u", "_s) + u" and "_s + last;
    return u"No entries in %1. Entries are kept for %2."_s.arg(QString::number(year), listed);
}

} // namespace

frmInputVacations::frmInputVacations(std::function<QString()> mainYearText, AppState& state,
                                     Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_mainYearText(std::move(mainYearText)), m_state(state),
      m_prompter(prompter), CurrentColor(ColorText::DefaultColor())
{
    buildControls();
    ButtonKeys::Install(this);
    FocusMark::Install(this);
    // Placed before it is first shown, so that it can be put back where it was last closed.
    ensurePolished();
    WindowFit::Apply(this, wantedSize());
}

frmInputVacations::frmInputVacations(const QString& mainYearText, AppState& state,
                                     Prompter& prompter, QWidget* parent)
    : frmInputVacations([mainYearText] { return mainYearText; }, state, prompter, parent)
{
}

frmInputVacations::~frmInputVacations()
{
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children)
        child->removeEventFilter(this);
    // Destroyed while still open (its owner went away): store what was typed all the same.
    if (m_loaded && m_attached) {
        QString error;
        // An entry with an impossible date is never stored; nobody is left to correct it.
        if (!isUntouchedNewRecord() && isEntryDateValid() && !Data1.close(&error))
            showStoreFailure(error);
    }
}

QString frmInputVacations::InstructionsText()
{
    return u"Instructions: Enter a single character identifier in the 'Type' box (if you use the "
           "standard identifiers V=Vacation, D=Dat, N=Sick, I=Injury, R=Excused, B=Birthday, "
           "E=DOE, then the appropriate entry will be made on the Single Month form. Enter Month "
           "and Day, select a color from the six choices, and click next or press the Enter key. "
           "To work on a different year first select that year on the  Kelvane main form by "
           "clicking the 'Return' button."_s;
}

QString frmInputVacations::StoreFailedTitle()
{
    return u"Entry not stored"_s;
}

void frmInputVacations::buildControls()
{
    setWindowTitle(u"Input Vacations"_s);
    setModal(true);
    createFields();
    createGrid();
    createButtons();
    layOutControls();

    // The window sees every key, focus change and swatch click before its controls do.
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(this);

    resize(wantedSize());
}

void frmInputVacations::createFields()
{
    const QStringList headings = fieldHeadings();
    for (int i = 0; i < 5; ++i) {
        Label1[static_cast<size_t>(i)] = new QLabel(headings.at(i), this);
        Label1[static_cast<size_t>(i)]->setObjectName(u"Label1_%1"_s.arg(i));
    }

    auto makeField = [this](const QString& name, int width) {
        auto* field = new QLineEdit(this);
        field->setObjectName(name);
        field->setMinimumWidth(width);
        return field;
    };
    txtType = makeField(u"txtType"_s, 50);
    txtMonth = makeField(u"txtMonth"_s, 60);
    txtDay = makeField(u"txtDay"_s, 60);
    txtYear = makeField(u"txtYear"_s, 70);
    txtColor = makeField(u"txtColor"_s, 120);

    Frame1 = new QFrame(this);
    Frame1->setObjectName(u"Frame1"_s);
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setLineWidth(1);
    Frame1->setAutoFillBackground(true);
    Frame1->setMinimumSize(70, 44);
    Frame1->setCursor(Qt::PointingHandCursor);
    Frame1->setToolTip(u"Click to change the colour"_s);
    Frame1->setFocusPolicy(Qt::StrongFocus); // Space changes the colour too
    paintSwatch(ColorText::ParseColorText(CurrentColor));

    Label2 = new QLabel(InstructionsText(), this);
    Label2->setObjectName(u"Label2"_s);
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);
}

void frmInputVacations::createGrid()
{
    m_gridModel = std::make_unique<RecordTableModel>(Data1, kGridFields);
    DBGrid1 = new PlaceholderTableView(this);
    DBGrid1->setObjectName(u"DBGrid1"_s);
    DBGrid1->setModel(m_gridModel.get());
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->setMinimumHeight(200);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { DBGrid1_RowColChange(current); });
    connect(m_gridModel.get(), &RecordTableModel::currentRowMoved, this,
            [this](int row) { showCurrentRow(row); });
}

void frmInputVacations::createButtons()
{
    auto makeButton = [this](const QString& name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        // No default button: Enter acts as Next on a valid date, or presses the focused button.
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    };
    cmdNext = makeButton(u"cmdNext"_s, u"&Next"_s);
    cmdUpdate = makeButton(u"cmdUpdate"_s, u"&Update"_s);
    cmdDelete = makeButton(u"cmdDelete"_s, u"&Delete"_s);
    cmdReturn = makeButton(u"cmdReturn"_s, u"&Return"_s);
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdUpdate, &QPushButton::clicked, this, [this] { cmdUpdate_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdReturn, &QPushButton::clicked, this, [this] { cmdReturn_Click(); });

    connect(txtType, &QLineEdit::textChanged, this, [this] { txtType_Change(); });
    connect(txtColor, &QLineEdit::textChanged, this, [this] { txtColor_Change(); });
}

void frmInputVacations::layOutControls()
{
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    const std::array<QLineEdit*, 5> row = {txtType, txtMonth, txtDay, txtYear, txtColor};
    for (int i = 0; i < 5; ++i) {
        fields->addWidget(Label1[static_cast<size_t>(i)], 0, i);
        fields->addWidget(row[static_cast<size_t>(i)], 1, i);
    }
    fields->addWidget(Frame1, 0, 5, 2, 1);
    fields->setColumnStretch(4, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {cmdNext, cmdUpdate, cmdDelete, cmdReturn})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto* lower = new QHBoxLayout;
    lower->addWidget(DBGrid1, 1);
    lower->addLayout(buttons);

    // On a screen too small for the whole window the controls scroll rather than hide.
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(u"scrollControls"_s);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    m_content = new QWidget(scroller);
    auto* layout = new QVBoxLayout(m_content);
    layout->addLayout(fields);
    layout->addWidget(Label2);
    layout->addLayout(lower, 1);
    scroller->setWidget(m_content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);

    const std::array<QWidget*, 11> order = {txtType,   txtMonth,  txtDay,   txtYear,
                                            txtColor,  Frame1,    DBGrid1,  cmdNext,
                                            cmdUpdate, cmdDelete, cmdReturn};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
    const QStringList headings = fieldHeadings();
    for (int i = 0; i < 5; ++i)
        row[static_cast<size_t>(i)]->setAccessibleName(headings.at(i));
    Frame1->setAccessibleName(headings.at(4));
    DBGrid1->setAccessibleName(u"Entries of the year"_s);
}

QSize frmInputVacations::wantedSize() const
{
    return {std::max(640, m_content->sizeHint().width()), m_content->sizeHint().height() + 40};
}

void frmInputVacations::bindFields()
{
    Data1.unbindAll();
    auto bindText = [this](const QString& field, QLineEdit* control) {
        Data1.bind(
            field, [control] { return QVariant(control->text()); },
            [control](const QVariant& value) { control->setText(shownText(value)); });
    };
    auto bindNumber = [this](const QString& field, QLineEdit* control) {
        Data1.bind(
            field, [control] { return numericFieldValue(control->text()); },
            [control](const QVariant& value) { control->setText(shownText(value)); });
    };
    bindText(u"Type"_s, txtType);
    bindNumber(u"Month"_s, txtMonth);
    bindNumber(u"Day"_s, txtDay);
    // The year is stored as the date check read it, so "26" is kept as 2026.
    Data1.bind(
        u"Year"_s,
        [this] {
            const auto year = entryYear(txtYear->text());
            return year ? QVariant(*year) : numericFieldValue(txtYear->text());
        },
        [this](const QVariant& value) { txtYear->setText(shownText(value)); });
    bindText(u"Color"_s, txtColor);
}

void frmInputVacations::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_loaded)
        Form_Load();
    Form_Activate();
}

void frmInputVacations::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    // Showing a dialog hands its focus field a tab-style focus, which selects all its text; the
    // first key typed to add an entry would then replace the type of a stored one.
    if (visible && focusWidget() == txtType) {
        txtType->deselect();
        txtType->end(false);
    }
}

void frmInputVacations::Form_Load()
{
    m_loaded = true;
    const QString path = m_state.DatabasePath;

    // Blank records left by abandoned new entries go first; a failure here changes nothing.
    {
        CalendarDatabase cleanUp;
        if (!path.isEmpty() && cleanUp.open(path)) {
            VacationTable table(cleanUp);
            table.cleanUp();
        }
    }

    m_attachError.clear();
    if (path.isEmpty()) {
        m_attached = false;
        m_attachError =
            u"No working copy of %1 has been found."_s.arg(CalendarDatabase::FileName());
    } else {
        m_attached = Data1.setDatabaseName(path, &m_attachError);
    }
    if (m_attached) {
        bindFields();
    } else {
        Data1.unbindAll();
        // Shown once the window is on screen, so the user sees what it refers to.
        QTimer::singleShot(0, this, [this] { reportDatabaseProblem(); });
    }
    setStoringEnabled(m_attached);
}

void frmInputVacations::reportDatabaseProblem()
{
    QString text = u"The calendar database could not be opened, so no entries can be added, "
                   "changed or deleted."_s;
    if (!m_attachError.isEmpty())
        text += u"\n\r"_s + m_attachError;
    m_prompter.message(text, u"Input Vacations"_s, Prompter::Buttons::Ok);
}

void frmInputVacations::setStoringEnabled(bool enabled)
{
    for (QPushButton* button : {cmdNext, cmdUpdate, cmdDelete})
        button->setEnabled(enabled);
    for (QLineEdit* field : {txtType, txtMonth, txtDay, txtYear, txtColor})
        field->setReadOnly(!enabled);
}

void frmInputVacations::Form_Activate()
{
    if (m_attached) {
        Data1.setSelection(VacationTable::TableName(), VacationTable::YearListWhere(),
                           VacationTable::YearListValues(m_mainYearText()),
                           VacationTable::YearListOrder());
        QString error;
        if (!Data1.refresh(&error)) {
            // The file opened but cannot be read: treat it like a missing database.
            m_attached = false;
            m_attachError = error;
            Data1.unbindAll();
            setStoringEnabled(false);
            QTimer::singleShot(0, this, [this] { reportDatabaseProblem(); });
        }
    }
    if (!m_attached) {
        txtYear->setText(m_mainYearText());
        txtColor->setText(ColorText::DefaultColor());
        txtType->setFocus();
        return;
    }

    if (Data1.isBOF() && Data1.isEOF()) {
        startNewRecordForEmptyList();
    } else {
        CurrentColor = txtColor->text();
    }
    txtType->setFocus();
}

// An empty list gets a new record with the main window's year and the default colour.
void frmInputVacations::startNewRecordForEmptyList()
{
    QString error;
    if (!Data1.addNew(&error)) {
        showStoreFailure(error);
        return;
    }
    txtYear->setText(m_mainYearText());
    CurrentColor = ColorText::DefaultColor();
    txtColor->setText(CurrentColor);
    DBGrid1->setPlaceholderText(emptyListNote());
}

// The list shows one year only; entries kept for others would otherwise seem lost.
QString frmInputVacations::emptyListNote() const
{
    const QVariant year = VacationTable::YearValue(m_mainYearText());
    CalendarDatabase database;
    if (year.typeId() != QMetaType::LongLong || !database.open(m_state.DatabasePath))
        return {};
    VacationTable table(database);
    return otherYearsNote(year.toLongLong(), table.entriesPerYear());
}

bool frmInputVacations::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A focused button takes Enter itself, as a click.
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !qobject_cast<QAbstractButton*>(watched))
            Form_KeyPress(13);
        if (watched == Frame1 && key->key() == Qt::Key_Space) {
            Frame1_Click();
            return true;
        }
        return false; // the key goes on to the control unchanged
    }
    case QEvent::FocusOut: {
        // Switching to another window, or a message box coming up, is not leaving the field.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return false;
        if (watched == txtDay)
            txtDay_LostFocus();
        else if (watched == txtMonth)
            txtMonth_LostFocus();
        else if (watched == txtYear)
            txtYear_LostFocus();
        return false;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (watched == Frame1 && mouse->button() == Qt::LeftButton &&
            Frame1->rect().contains(mouse->position().toPoint())) {
            Frame1_Click();
            return true;
        }
        return false;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void frmInputVacations::Form_KeyPress(int keyAscii)
{
    if (keyAscii == 13 && m_attached && isEntryDateValid())
        cmdNext_Click();
}

// The entry date is month/day/year as typed; it must be a real calendar date.
bool frmInputVacations::isEntryDateValid() const
{
    const auto month = wholeNumber(txtMonth->text());
    const auto day = wholeNumber(txtDay->text());
    const auto year = entryYear(txtYear->text());
    if (!month || !day || !year || *year < 1)
        return false;
    return QDate(*year, *month, *day).isValid();
}

void frmInputVacations::notADate()
{
    m_prompter.message(u"Not a date!"_s, u"ERROR! Enter a valid date!"_s, Prompter::Buttons::Ok);
    txtDay->clear();
    txtDay->setFocus();
}

bool frmInputVacations::entryCanBeStored()
{
    if (!m_attached)
        return false;
    if (!isEntryDateValid()) {
        notADate();
        return false;
    }
    return true;
}

void frmInputVacations::cmdNext_Click()
{
    if (!entryCanBeStored())
        return;
    QString error;
    if (!Data1.addNew(&error)) {
        // The entry stays in the fields so that nothing typed is lost.
        showStoreFailure(error);
        return;
    }
    txtYear->setText(m_mainYearText());
    txtColor->setText(CurrentColor);
    txtType->setFocus();
}

void frmInputVacations::cmdUpdate_Click()
{
    if (!entryCanBeStored())
        return;
    QString error;
    if (!Data1.refresh(&error)) {
        showStoreFailure(error);
        return;
    }
    // The entry may have gone to another year and left the list empty.
    if (Data1.isBOF() && Data1.isEOF())
        startNewRecordForEmptyList();
}

void frmInputVacations::cmdDelete_Click()
{
    if (!m_attached || Data1.isBOF() || Data1.isEOF())
        return;
    QString error;
    if (!Data1.deleteCurrent(&error) || !Data1.refresh(&error)) {
        showStoreFailure(error);
        return;
    }
    if (Data1.isBOF() && Data1.isEOF())
        startNewRecordForEmptyList();
}

void frmInputVacations::cmdReturn_Click()
{
    close();
}

void frmInputVacations::reject()
{
    if (!storeAndDetach())
        return;
    QDialog::reject();
}

// A value typed into the field that still has the focus has not been checked yet.
bool frmInputVacations::checkFocusedField()
{
    const QWidget* focused = focusWidget();
    if (focused == txtDay)
        return txtDay_LostFocus();
    if (focused == txtMonth)
        return txtMonth_LostFocus();
    if (focused == txtYear)
        return txtYear_LostFocus();
    return true;
}

// An entry about to be stored must hold a real date; one stored before, untouched, may stay as
// it is. False (with the same message as Next) when the pending entry's date is impossible.
bool frmInputVacations::pendingEntryIsADate()
{
    if (isUntouchedNewRecord() || !Data1.hasPendingEdits() || isEntryDateValid())
        return true;
    notADate();
    return false;
}

// A new record nobody has typed into (only its year and colour were filled in) holds no entry.
bool frmInputVacations::isUntouchedNewRecord() const
{
    return Data1.isNewRecord() && txtType->text().isEmpty() && txtMonth->text().isEmpty() &&
           txtDay->text().isEmpty();
}

bool frmInputVacations::storeAndDetach()
{
    if (!m_loaded)
        return true;
    if (m_attached) {
        if (!checkFocusedField())
            return false;
        QString error;
        if (isUntouchedNewRecord()) {
            detachWithoutStoring();
        } else if (Data1.isNewRecord() && !isEntryDateValid()) {
            if (!discardDatelessEntry())
                return false;
            detachWithoutStoring();
        } else if (!pendingEntryIsADate()) {
            return false;
        } else if (!Data1.close(&error)) {
            const QString text = u"The entry could not be stored in the calendar database."_s +
                                 u"\n\r"_s + error + u"\n\r"_s +
                                 u"Close the window anyway and lose this entry?"_s;
            if (m_prompter.message(text, StoreFailedTitle(), Prompter::Buttons::YesNo) !=
                Prompter::Answer::Yes)
                return false;
            detachWithoutStoring();
        }
    }
    m_loaded = false;
    return true;
}

// A new entry without a real date cannot be stored; rather than hold the user in the window,
// closing offers to drop it. No goes back to the day, the field most often missing or wrong.
bool frmInputVacations::discardDatelessEntry()
{
    if (m_prompter.message(u"This entry has no valid date. Discard it?"_s, u"Input Vacations"_s,
                           Prompter::Buttons::YesNo) == Prompter::Answer::Yes)
        return true;
    txtDay->setFocus();
    return false;
}

void frmInputVacations::closeUnattended()
{
    if (m_loaded && m_attached) {
        QString error;
        if (isUntouchedNewRecord() || !Data1.hasPendingEdits()) {
            // nothing to store
        } else if (!isEntryDateValid()) {
            qWarning().noquote() << "An entry with an impossible date was not stored.";
        } else if (!Data1.close(&error)) {
            qWarning().noquote() << "The entry could not be stored:" << error;
        }
        detachWithoutStoring();
    }
    m_loaded = false;
    QDialog::reject();
}

void frmInputVacations::detachWithoutStoring()
{
    Data1.unbindAll();
    Data1.setDatabaseName(QString());
}

void frmInputVacations::showStoreFailure(const QString& error)
{
    QString text = u"The entry could not be stored in the calendar database."_s;
    if (!error.isEmpty())
        text += u"\n\r"_s + error;
    m_prompter.message(text, StoreFailedTitle(), Prompter::Buttons::Ok);
}

void frmInputVacations::Frame1_Click()
{
    ColorChanging = true;
    const QStringList cycle = ColorText::Cycle();
    CurrentColor = cycle.at(ColorCycleIndex);
    ColorCycleIndex = static_cast<qint16>((ColorCycleIndex + 1) % cycle.size());
    paintSwatch(ColorText::ParseColorText(CurrentColor));
    txtColor->setText(CurrentColor);
    ColorChanging = false;
}

void frmInputVacations::txtColor_Change()
{
    if (ColorChanging || txtColor->text().isEmpty())
        return;
    paintSwatch(ColorText::ParseColorText(txtColor->text()));
    CurrentColor = txtColor->text();
}

void frmInputVacations::txtType_Change()
{
    const QString text = txtType->text();
    const QString upper = text.toUpper();
    if (upper == text)
        return;
    const int cursor = txtType->cursorPosition();
    txtType->setText(upper);
    txtType->setCursorPosition(std::min(cursor, static_cast<int>(upper.size())));
}

bool frmInputVacations::txtDay_LostFocus()
{
    if (m_checkingField || txtDay->text().isEmpty())
        return true;
    const QString text = txtDay->text();
    if (NumberText::IsNumeric(text)) {
        const double day = NumberText::Val(text);
        if (day >= 1 && day <= 31)
            return true;
    }
    m_checkingField = true;
    m_prompter.message(u"Enter Day in numeric form."_s, u"Enter an integer from 1 to 31!"_s,
                       Prompter::Buttons::Ok);
    txtDay->clear();
    txtDay->setFocus();
    m_checkingField = false;
    return false;
}

bool frmInputVacations::txtMonth_LostFocus()
{
    if (m_checkingField || txtMonth->text().isEmpty())
        return true;
    const QString text = txtMonth->text();
    QString message;
    if (!NumberText::IsNumeric(text)) {
        message = u"Enter Month in numeric form."_s;
    } else {
        const double month = NumberText::Val(text);
        if (month >= 1 && month <= 12)
            return true;
        message = u"Enter month in numeric form."_s;
    }
    m_checkingField = true;
    m_prompter.message(message, u"Enter an integer from 1 to 12!"_s, Prompter::Buttons::Ok);
    txtMonth->clear();
    txtMonth->setFocus();
    m_checkingField = false;
    return false;
}

bool frmInputVacations::txtYear_LostFocus()
{
    if (m_checkingField || NumberText::IsNumeric(txtYear->text()))
        return true;
    m_checkingField = true;
    m_prompter.message(u"Enter a valid year!"_s, u"Not a year!"_s, Prompter::Buttons::Ok);
    txtYear->clear();
    txtYear->setFocus();
    m_checkingField = false;
    return false;
}

void frmInputVacations::DBGrid1_RowColChange(const QModelIndex& current)
{
    if (!current.isValid() || !m_attached)
        return;
    if (current.row() == Data1.currentIndex() && !Data1.isNewRecord())
        return;
    // A new record nobody typed into is abandoned rather than stored as a blank entry.
    if (isUntouchedNewRecord()) {
        Data1.deleteCurrent();
    } else if (!pendingEntryIsADate()) {
        showCurrentRow(Data1.currentIndex()); // the selection goes back to the entry
        return;
    }
    QString error;
    if (!Data1.moveTo(current.row(), &error)) {
        showStoreFailure(error);
        showCurrentRow(Data1.currentIndex());
    }
}

// The grid's selection follows Data1's current record (`row`, -1 for none or a new record). It
// may run while the grid itself is handling a click.
void frmInputVacations::showCurrentRow(int row)
{
    QItemSelectionModel* selection = DBGrid1->selectionModel();
    if (row >= 0 && row < m_gridModel->rowCount()) {
        selection->setCurrentIndex(m_gridModel->index(row, 0),
                                   QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clearSelection();
        selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    }
}

void frmInputVacations::paintSwatch(const QColor& colour)
{
    QPalette palette = Frame1->palette();
    palette.setColor(QPalette::Window, colour);
    Frame1->setPalette(palette);
}
