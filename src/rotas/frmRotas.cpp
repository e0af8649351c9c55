#include "rotas/frmRotas.h"

#include "rota/OwnRotaRules.h"
#include "rota/Rota.h"
#include "store/Clock.h"
#include "store/CommonRotas.h"
#include "store/OneLine.h"
#include "store/OwnRotaFile.h"
#include "store/Prompter.h"
#include "windows/ButtonKeys.h"
#include "windows/ElidedLabel.h"
#include "windows/FocusMark.h"
#include "windows/WindowFit.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

constexpr int DaysAWeek = 7;

QLineEdit* field(const QString& name, const QString& placeholder, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setPlaceholderText(placeholder);
    return edit;
}

// One line, whatever it says: the fields around it never move while the user types.
QLabel* checkLabel(const QString& name, QWidget* parent)
{
    auto* label = new ElidedLabel(parent);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(176, 0, 0));
    label->setPalette(palette);
    return label;
}

// Shows a reason beside its field, and gives it to a screen reader with the field.
void showCheck(QLabel* label, QWidget* field, const QString& reason)
{
    // The whole reason also where the line shows it cut short.
    label->setText(reason);
    label->setToolTip(reason);
    label->setAccessibleDescription(reason);
    if (field)
        field->setAccessibleDescription(reason);
}

// A file's path as the window shows it: a byte of a name that is not UTF-8 as \xE9.
QString shownPath(const QString& path)
{
    return OneLine::Escaped(QDir::toNativeSeparators(path));
}

// The labels of the bottom line share it: only one with something to say takes room.
void showLine(QLabel* label, const QString& text)
{
    label->setText(text);
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    label->setVisible(!text.isEmpty());
}

} // namespace

frmRotas::frmRotas(const QString& folder, Prompter& prompter, const Clock& clock, QWidget* parent)
    : QDialog(parent), m_folder(folder), m_prompter(prompter), m_clock(clock),
      m_commonFolders(CommonRotas::Folders())
{
    setWindowTitle(Title());
    setObjectName(u"frmRotas"_s);
    buildControls();
    buildLayout();
    connectHandlers();
    ButtonKeys::Install(this);
    FocusMark::Install(this);
    reloadList(QString());
    ensurePolished();
    WindowFit::Apply(this, sizeHint());
    // The list where there are rotas, else the name of the first one.
    if (m_entries.isEmpty())
        txtName->setFocus(Qt::OtherFocusReason);
    else
        lstRotas->setFocus(Qt::OtherFocusReason);
}

QString frmRotas::Title()
{
    return u"Rotas of Your Own"_s;
}

void frmRotas::setFirstDayOfWeek(Qt::DayOfWeek day)
{
    m_firstDay = day;
    checkFields();
}

void frmRotas::setRotaInUse(std::function<QString()> inUse)
{
    m_inUse = std::move(inUse);
}

void frmRotas::setCommonRotaFolders(const QStringList& folders)
{
    m_commonFolders = folders;
}

// ---------------------------------------------------------------------------------------------
// Controls and layout

void frmRotas::buildControls()
{
    lstRotas = new QListWidget(this);
    lstRotas->setObjectName(u"lstRotas"_s);
    lstRotas->setAccessibleName(u"Your rotas"_s);
    cmdNew = new QPushButton(u"Ne&w"_s, this);
    cmdNew->setObjectName(u"cmdNew"_s);
    cmdCopy = new QPushButton(u"&Copy"_s, this);
    cmdCopy->setObjectName(u"cmdCopy"_s);
    cmdRemove = new QPushButton(u"Re&move"_s, this);
    cmdRemove->setObjectName(u"cmdRemove"_s);

    txtName = field(u"txtName"_s, u"Four On Four Off"_s, this);
    // Room for most names and patterns as typed, and for three digits.
    const int letter = txtName->fontMetrics().averageCharWidth();
    txtName->setMinimumWidth(32 * letter);
    txtStart = field(u"txtStart"_s, u"YYYY-MM-DD"_s, this);
    txtGroups = field(u"txtGroups"_s, u"A B C D"_s, this);
    txtGroupWord = field(u"txtGroupWord"_s, OwnRota::DefaultGroupWord, this);
    txtGroupWord->setToolTip(u"What a group is called on the pages: Crew, Platoon"_s);
    txtPattern = field(u"txtPattern"_s, u"WWWWOOOO"_s, this);
    txtShift = field(u"txtShift"_s, u"0"_s, this);
    txtShift->setMaximumWidth(8 * letter);

    lblNameCheck = checkLabel(u"lblNameCheck"_s, this);
    lblStartCheck = checkLabel(u"lblStartCheck"_s, this);
    lblGroupsCheck = checkLabel(u"lblGroupsCheck"_s, this);
    lblGroupWordCheck = checkLabel(u"lblGroupWordCheck"_s, this);
    lblPatternCheck = checkLabel(u"lblPatternCheck"_s, this);
    lblShiftCheck = checkLabel(u"lblShiftCheck"_s, this);
    lblOwnPatternsCheck = checkLabel(u"lblOwnPatternsCheck"_s, this);
    lblRotaCheck = checkLabel(u"lblRotaCheck"_s, this);

    tblPreview = new QTableWidget(PreviewWeeks, DaysAWeek, this);
    tblPreview->setObjectName(u"tblPreview"_s);
    tblPreview->setAccessibleName(u"Groups off in the next eight weeks"_s);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys move inside it.
    tblPreview->setTabKeyNavigation(false);
    tblPreview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPreview->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblPreview->verticalHeader()->setDefaultSectionSize(tblPreview->fontMetrics().height() + 4);
    // It asks for room for all eight weeks, and scrolls on a screen that has less.
    tblPreview->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    tblPreview->setMinimumHeight(3 * tblPreview->verticalHeader()->defaultSectionSize());

    // A long path must not widen the window.
    lblStatus = new ElidedLabel(this);
    lblStatus->setObjectName(u"lblStatus"_s);
    cmdSave = new QPushButton(u"Sa&ve"_s, this);
    cmdSave->setObjectName(u"cmdSave"_s);
    cmdSave->setDefault(true);
    cmdClose = new QPushButton(u"C&lose"_s, this);
    cmdClose->setObjectName(u"cmdClose"_s);
    cmdClose->setAutoDefault(false);
    cmdNewCommon = new QPushButton(u"New from a common ro&ta..."_s, this);
    cmdNewCommon->setObjectName(u"cmdNewCommon"_s);
    mnuCommonRotas = new QMenu(cmdNewCommon);
    mnuCommonRotas->setObjectName(u"mnuCommonRotas"_s);
    cmdNewCommon->setMenu(mnuCommonRotas);
    for (QPushButton* button : {cmdNew, cmdCopy, cmdRemove, cmdNewCommon})
        button->setAutoDefault(false);
}

void frmRotas::buildLayout()
{
    auto* listLabel = new QLabel(u"Your &rotas:"_s, this);
    listLabel->setBuddy(lstRotas);
    auto* listButtons = new QHBoxLayout;
    listButtons->addWidget(cmdNew);
    listButtons->addWidget(cmdCopy);
    listButtons->addWidget(cmdRemove);
    auto* left = new QVBoxLayout;
    left->addWidget(listLabel);
    left->addWidget(lstRotas, 1);
    left->addLayout(listButtons);
    left->addWidget(cmdNewCommon);

    auto* form = new QGridLayout;
    form->setColumnStretch(2, 1);
    const std::array<std::tuple<QString, QLineEdit*, QLabel*>, 6> rows = {{
        {u"&Name:"_s, txtName, lblNameCheck},
        {u"&Start:"_s, txtStart, lblStartCheck},
        {u"&Groups:"_s, txtGroups, lblGroupsCheck},
        {u"Gro&up word:"_s, txtGroupWord, lblGroupWordCheck},
        {u"&Pattern:"_s, txtPattern, lblPatternCheck},
        {u"Shi&ft:"_s, txtShift, lblShiftCheck},
    }};
    int row = 0;
    for (const auto& [caption, edit, check] : rows) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        edit->setAccessibleName(QString(caption).remove(u'&').chopped(1));
        form->addWidget(label, row, 0);
        form->addWidget(edit, row, 1, Qt::AlignLeft);
        form->addWidget(check, row, 2);
        ++row;
    }
    for (QLineEdit* edit : {txtStart, txtGroups, txtPattern})
        edit->setMinimumWidth(txtName->minimumWidth());

    // A field for each group read from "Groups", scrolled when there are many.
    // Its text from the start, so that the column does not widen when the first group comes.
    m_ownLabel = new QLabel(u"Own patterns:"_s, this);
    auto* ownHint = new QLabel(u"Left blank, a group runs the pattern, each group the shift "
                               "later than the one before."_s,
                               this);
    ownHint->setWordWrap(true);
    auto* ownPage = new QWidget;
    m_ownLayout = new QFormLayout(ownPage);
    m_ownLayout->setContentsMargins(0, 0, 0, 0);
    auto* ownScroller = new QScrollArea(this);
    ownScroller->setObjectName(u"scrollOwnPatterns"_s);
    ownScroller->setWidgetResizable(true);
    ownScroller->setFrameShape(QFrame::NoFrame);
    ownScroller->setFocusPolicy(Qt::NoFocus);
    ownScroller->setWidget(ownPage);
    // One group in sight at least, the others a scroll away.
    ownScroller->setMinimumHeight(txtName->sizeHint().height());
    form->addWidget(m_ownLabel, row, 0, Qt::AlignTop);
    form->addWidget(ownHint, row, 1, 1, 2);
    ++row;
    form->addWidget(ownScroller, row, 1, 1, 2);
    form->setRowStretch(row, 1);
    ++row;
    form->addWidget(lblOwnPatternsCheck, row, 1, 1, 2);

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(8);
    top->addLayout(form, 1);

    auto* previewLabel = new QLabel(u"Groups off in the ne&xt eight weeks:"_s, this);
    previewLabel->setBuddy(tblPreview);

    // Why Save is off when no field says it, or what Save and Remove did.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblRotaCheck, 1);
    bottom->addWidget(lblStatus, 1);
    bottom->addStretch(); // while neither has anything to say
    bottom->addWidget(cmdSave);
    bottom->addWidget(cmdClose);

    auto* layout = new QVBoxLayout(this);
    // The preview first, up to its eight weeks; the groups' patterns scroll sooner.
    layout->addLayout(top);
    layout->addWidget(previewLabel);
    layout->addWidget(tblPreview, 1);
    layout->addLayout(bottom);
}

void frmRotas::connectHandlers()
{
    connect(lstRotas, &QListWidget::currentRowChanged, this, &frmRotas::onRowChanged);
    for (QLineEdit* edit : {txtName, txtStart, txtGroups, txtGroupWord, txtPattern, txtShift})
        connect(edit, &QLineEdit::textChanged, this, &frmRotas::checkFields);
    connect(cmdNew, &QPushButton::clicked, this, &frmRotas::cmdNew_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &frmRotas::cmdCopy_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmRotas::cmdRemove_Click);
    // The installed files as they are when the menu opens.
    connect(mnuCommonRotas, &QMenu::aboutToShow, this, [this] {
        mnuCommonRotas->clear();
        const QList<OwnRotaFolder::Entry> common = CommonRotas::List(m_commonFolders);
        for (const OwnRotaFolder::Entry& entry : common) {
            const QString path = entry.path;
            // Once the menu has closed, so that the questions and the focus are the window's.
            mnuCommonRotas->addAction(
                QString(entry.loaded.rota->name).replace(u'&', u"&&"_s), this,
                [this, path] { newFromCommonRota(path); }, Qt::QueuedConnection);
        }
        if (common.isEmpty())
            mnuCommonRotas->addAction(u"No common rotas are installed"_s)->setEnabled(false);
    });
    connect(cmdSave, &QPushButton::clicked, this, &frmRotas::cmdSave_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmRotas::close);
}

void frmRotas::orderTabs()
{
    // The list and what it does, the fields top to bottom, the preview, then Save and Close.
    QList<QWidget*> order = {lstRotas, cmdNew,    cmdCopy,      cmdRemove,  cmdNewCommon, txtName,
                             txtStart, txtGroups, txtGroupWord, txtPattern, txtShift};
    for (const auto& [group, edit] : std::as_const(m_ownFields))
        order.append(edit);
    order << tblPreview << cmdSave << cmdClose;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

// ---------------------------------------------------------------------------------------------
// What the fields hold

RotaDraft frmRotas::draft() const
{
    RotaDraft draft;
    draft.name = txtName->text();
    draft.start = txtStart->text();
    draft.groups = txtGroups->text();
    draft.groupWord = txtGroupWord->text();
    draft.pattern = txtPattern->text();
    draft.shift = txtShift->text();
    for (const auto& [group, edit] : m_ownFields) {
        if (!edit->text().trimmed().isEmpty())
            draft.ownPatterns.insert(group, edit->text());
    }
    return draft;
}

QString frmRotas::currentPath() const
{
    return m_current >= 0 ? m_entries.at(m_current).path : QString();
}

bool frmRotas::hasChanges() const
{
    return !isUnreadable(m_current) && draft() != m_saved;
}

bool frmRotas::isUnreadable(int index) const
{
    if (index < 0)
        return false;
    const OwnRotaFile::Loaded& loaded = m_entries.at(index).loaded;
    return !loaded.rota && !loaded.bytes;
}

QLineEdit* frmRotas::ownPatternField(const QString& group) const
{
    for (const auto& [name, edit] : m_ownFields) {
        if (name == group)
            return edit;
    }
    return nullptr;
}

void frmRotas::checkFields()
{
    if (m_filling)
        return;
    const RotaDraft::Check check = draft().check();
    showCheck(lblNameCheck, txtName, check.name);
    showCheck(lblStartCheck, txtStart, check.start);
    showCheck(lblGroupsCheck, txtGroups, check.groups);
    showCheck(lblGroupWordCheck, txtGroupWord, check.groupWord);
    showCheck(lblPatternCheck, txtPattern, check.pattern);
    showCheck(lblShiftCheck, txtShift, check.shift);
    showCheck(lblOwnPatternsCheck, nullptr, check.ownPatterns);
    showLine(lblRotaCheck, check.whole);
    // While "Groups" is refused its fields stay as they were, so nothing typed there is lost.
    if (check.groups.isEmpty())
        showOwnPatternFields(check.groupList);
    showPreview(check.rota ? &*check.rota : nullptr);
    cmdSave->setEnabled(check.rota && hasChanges());
    cmdCopy->setEnabled(check.rota.has_value());
    showLine(lblStatus, QString());
}

void frmRotas::showOwnPatternFields(const QStringList& groups)
{
    if (groups == m_ownGroups)
        return;
    m_ownGroups = groups;
    while (m_ownLayout->rowCount() > 0)
        m_ownLayout->removeRow(0);
    m_ownFields.clear();
    for (const QString& group : groups) {
        auto* edit = new QLineEdit(m_ownTexts.value(group));
        edit->setObjectName(u"txtOwnPattern"_s + group);
        edit->setAccessibleName(u"Own pattern of group "_s + group);
        edit->setPlaceholderText(u"as the pattern"_s);
        m_ownLayout->addRow(u"Group %1:"_s.arg(group), edit);
        connect(edit, &QLineEdit::textChanged, this, [this, group](const QString& text) {
            m_ownTexts.insert(group, text);
            checkFields();
        });
        m_ownFields.append({group, edit});
    }
    // Its access key goes to the first group's field; without groups there is none.
    const bool any = !m_ownFields.isEmpty();
    m_ownLabel->setText(any ? u"&Own patterns:"_s : u"Own patterns:"_s);
    m_ownLabel->setBuddy(any ? m_ownFields.first().second : nullptr);
    orderTabs();
}

void frmRotas::showPreview(const OwnRota* rota)
{
    const QLocale english(QLocale::English);
    // The week of today, from the first day of a week on.
    const QDate today = m_clock.today();
    const QDate first = today.addDays(-((today.dayOfWeek() - m_firstDay + DaysAWeek) % DaysAWeek));
    QStringList days;
    for (int c = 0; c < DaysAWeek; ++c)
        days << english.dayName(first.addDays(c).dayOfWeek(), QLocale::ShortFormat);
    tblPreview->setHorizontalHeaderLabels(days);
    for (int r = 0; r < PreviewWeeks; ++r) {
        const QDate weekStart = first.addDays(qint64(r) * DaysAWeek);
        tblPreview->setVerticalHeaderItem(
            r, new QTableWidgetItem(english.toString(weekStart, u"d MMM"_s)));
        for (int c = 0; c < DaysAWeek; ++c) {
            const QDate date = weekStart.addDays(c);
            auto* cell =
                new QTableWidgetItem(rota ? Rota::FromFile(*rota).whosOffText(date, 0) : QString());
            cell->setTextAlignment(Qt::AlignCenter);
            // A screen reader says the whole date, then the groups off.
            const QString whole = english.toString(date, u"dddd d MMMM yyyy"_s);
            cell->setToolTip(whole);
            cell->setData(Qt::AccessibleTextRole, whole);
            cell->setData(Qt::AccessibleDescriptionRole, cell->text());
            tblPreview->setItem(r, c, cell);
        }
    }
    // As high as its eight weeks, not higher: the room left goes to the groups' patterns.
    tblPreview->setMaximumHeight(tblPreview->sizeHint().height());
}

// ---------------------------------------------------------------------------------------------
// The list

void frmRotas::reloadList(const QString& path)
{
    m_entries = OwnRotaFolder::List(m_folder);
    int shown = m_entries.isEmpty() ? -1 : 0;
    {
        const QSignalBlocker quiet(lstRotas);
        lstRotas->clear();
        for (int i = 0; i < m_entries.size(); ++i) {
            const OwnRotaFolder::Entry& entry = m_entries.at(i);
            const QString file = OneLine::Escaped(QFileInfo(entry.path).fileName());
            auto* item = new QListWidgetItem(lstRotas);
            if (entry.loaded.rota) {
                item->setText(entry.loaded.rota->name);
                item->setToolTip(shownPath(entry.path));
            } else {
                item->setText(file + u" (refused)"_s);
                item->setToolTip(OneLine::Escaped(entry.loaded.error));
                item->setForeground(QColor(176, 0, 0));
            }
            if (entry.path == path)
                shown = i;
        }
        lstRotas->setCurrentRow(shown);
    }
    showEntry(shown);
}

void frmRotas::showEntry(int index)
{
    m_current = index;
    // A refused file that could be read opens in the fields, each value wrong shown beside
    // its field, to be fixed and saved; one that could not be read stays out of them.
    const bool unreadable = isUnreadable(index);
    for (QWidget* control : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtStart),
                             static_cast<QWidget*>(txtGroups), static_cast<QWidget*>(txtGroupWord),
                             static_cast<QWidget*>(txtPattern), static_cast<QWidget*>(txtShift)})
        control->setEnabled(!unreadable);
    cmdRemove->setEnabled(index >= 0);
    const OwnRotaFile::Loaded* loaded = index >= 0 ? &m_entries.at(index).loaded : nullptr;
    if (unreadable) {
        fill(RotaDraft());
        for (QLabel* check : {lblNameCheck, lblStartCheck, lblGroupsCheck, lblGroupWordCheck,
                              lblPatternCheck, lblShiftCheck, lblOwnPatternsCheck})
            check->clear();
        cmdSave->setEnabled(false);
        cmdCopy->setEnabled(false);
        showPreview(nullptr);
    } else if (loaded && !loaded->rota) {
        fill(RotaDraft::FromText(*loaded->bytes));
    } else {
        fill(loaded ? RotaDraft::Of(*loaded->rota) : RotaDraft());
        return;
    }
    showLine(lblRotaCheck, u"This file is refused: "_s + OneLine::Escaped(loaded->error));
}

void frmRotas::fill(const RotaDraft& draft)
{
    m_filling = true;
    txtName->setText(draft.name);
    txtStart->setText(draft.start);
    txtGroups->setText(draft.groups);
    txtGroupWord->setText(draft.groupWord);
    txtPattern->setText(draft.pattern);
    txtShift->setText(draft.shift);
    m_ownTexts = draft.ownPatterns;
    m_ownGroups.clear(); // the fields are made afresh with these texts
    showOwnPatternFields(draft.check().groupList);
    m_filling = false;
    m_saved = this->draft(); // as the fields hold it: a blank own pattern is none
    checkFields();
}

void frmRotas::onRowChanged(int row)
{
    if (row == m_current)
        return;
    const QString wanted = row >= 0 ? m_entries.at(row).path : QString();
    if (!settleChanges()) {
        const QSignalBlocker quiet(lstRotas);
        lstRotas->setCurrentRow(m_current);
        return;
    }
    // Saving may have read the folder again: the row is looked up by its file.
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).path == wanted) {
            const QSignalBlocker quiet(lstRotas);
            lstRotas->setCurrentRow(i);
            showEntry(i);
            return;
        }
    }
}

bool frmRotas::settleChanges()
{
    if (!hasChanges())
        return true;
    if (m_unattended) {
        if (draft().check().rota)
            cmdSave_Click();
        return true;
    }
    if (!draft().check().rota) {
        // Nothing that could be saved: the question is whether to drop it.
        return m_prompter.choose(u"Discard the changes?"_s, Title(),
                                 {u"Discard"_s, u"Go back"_s}) == 0;
    }
    const QString name = txtName->text().trimmed();
    const QString question = name.isEmpty() ? u"Save the new rota?"_s
                                            : u"Save the changes to the rota \"%1\"?"_s.arg(name);
    switch (m_prompter.message(question, Title(), Prompter::Buttons::YesNoCancel)) {
    case Prompter::Answer::Yes:
        return cmdSave_Click();
    case Prompter::Answer::No:
        return true;
    default:
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Commands

void frmRotas::cmdNew_Click()
{
    if (!settleChanges())
        return;
    {
        const QSignalBlocker quiet(lstRotas);
        lstRotas->setCurrentRow(-1);
    }
    showEntry(-1);
    txtName->setFocus(Qt::OtherFocusReason);
}

void frmRotas::cmdCopy_Click()
{
    // The copy takes the fields as they are, changes and all; the rota copied stays as saved.
    RotaDraft copy = draft();
    const QList<uint> name = QString(u"Copy of "_s + copy.name.trimmed()).toUcs4();
    copy.name = QString::fromUcs4(reinterpret_cast<const char32_t*>(name.constData()),
                                  std::min<qsizetype>(name.size(), OwnRotaRules::LongestName));
    {
        const QSignalBlocker quiet(lstRotas);
        lstRotas->setCurrentRow(-1);
    }
    showEntry(-1);
    fill(copy);
    m_saved = RotaDraft(); // not saved yet
    checkFields();
    showLine(lblStatus, u"A copy: Save writes it as a rota of its own."_s);
    txtName->setFocus(Qt::OtherFocusReason);
    txtName->selectAll();
}

void frmRotas::cmdRemove_Click()
{
    if (m_current < 0)
        return;
    const OwnRotaFolder::Entry entry = m_entries.at(m_current);
    const QString file = OneLine::Escaped(QFileInfo(entry.path).fileName());
    if (OwnRotaFile::ChangedSince(entry.path, entry.loaded)) {
        // What would be deleted is not what the window shows.
        const QString text =
            u"%1 has been changed since it was read here. Reload it, or remove it anyway?"_s.arg(
                file);
        if (m_prompter.choose(text, Title(), {u"Reload"_s, u"Remove Anyway"_s}) != 1) {
            reloadList(entry.path);
            return;
        }
    } else {
        const QString name =
            entry.loaded.rota ? u"the rota \"%1\" (%2)"_s.arg(entry.loaded.rota->name, file) : file;
        // The main window goes back to its calendar type when its rota goes.
        const bool inUse =
            m_inUse && QFileInfo(m_inUse()).fileName() == QFileInfo(entry.path).fileName();
        const QString used =
            inUse ? u" The main window uses it and goes back to its calendar type."_s : QString();
        if (m_prompter.message(u"Remove %1? Its file is deleted.%2"_s.arg(name, used), Title(),
                               Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
            return;
    }
    QString error;
    if (!OwnRotaFile::Remove(entry.path, &error)) {
        m_prompter.message(u"%1 could not be removed: %2"_s.arg(shownPath(entry.path), error),
                           Title(), Prompter::Buttons::Ok);
        return;
    }
    const int next = m_current + 1 < m_entries.size() ? m_current + 1 : m_current - 1;
    reloadList(next >= 0 ? m_entries.at(next).path : QString());
    showLine(lblStatus, u"Removed %1."_s.arg(file));
    emit rotasChanged();
}

void frmRotas::newFromCommonRota(const QString& path)
{
    if (!settleChanges())
        return;
    const OwnRotaFolder::Entry common{path, OwnRotaFile::Load(path)};
    QString error;
    const std::optional<QString> copy = CommonRotas::CopyInto(m_folder, common, &error);
    if (!copy) {
        m_prompter.message(
            u"The common rota could not be copied: %1"_s.arg(OneLine::Escaped(error)), Title(),
            Prompter::Buttons::Ok);
        return;
    }
    reloadList(*copy);
    showLine(lblStatus,
             u"Copied to %1: change it as your roster has it, then Save."_s.arg(shownPath(*copy)));
    emit rotasChanged();
    txtName->setFocus(Qt::OtherFocusReason);
    txtName->selectAll();
}

bool frmRotas::cmdSave_Click()
{
    const RotaDraft::Check check = draft().check();
    if (!check.rota) {
        // Save is offered only for a rota that holds; this is the question before leaving.
        m_prompter.message(u"The rota cannot be saved: %1"_s.arg(check.first()), Title(),
                           Prompter::Buttons::Ok);
        return false;
    }
    QString path =
        m_current >= 0 ? currentPath() : OwnRotaFolder::NewFilePath(m_folder, check.rota->name);
    if (m_current >= 0 && OwnRotaFile::ChangedSince(path, m_entries.at(m_current).loaded)) {
        // Someone else's change is not overwritten without a word; unattended, both are kept.
        constexpr int Reload = 0, Overwrite = 1, SaveAsCopy = 2; // the buttons
        const int choice =
            m_unattended
                ? SaveAsCopy
                : m_prompter.choose(
                      u"%1 has been changed since it was read here. Reload it (your changes are "
                      "dropped), overwrite it with yours, or save yours as a copy?"_s.arg(
                          OneLine::Escaped(QFileInfo(path).fileName())),
                      Title(), {u"Reload"_s, u"Overwrite"_s, u"Save as a Copy"_s});
        if (choice == Reload)
            reloadList(path);
        if (choice == SaveAsCopy)
            path = OwnRotaFolder::NewFilePath(m_folder, check.rota->name);
        else if (choice != Overwrite) // reloaded, or the question was taken back
            return false;
    }
    QString error;
    if (!OwnRotaFile::Save(path, *check.rota, &error)) {
        const QString text = u"The rota could not be saved: %1"_s.arg(error);
        if (m_unattended)
            qWarning().noquote() << text;
        else
            m_prompter.message(text, Title(), Prompter::Buttons::Ok);
        return false;
    }
    reloadList(path);
    showLine(lblStatus, u"Saved to %1."_s.arg(shownPath(path)));
    emit rotasChanged();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Closing

void frmRotas::closeUnattended()
{
    m_unattended = true;
    close();
}

void frmRotas::closeEvent(QCloseEvent* event)
{
    event->setAccepted(settleChanges());
}

void frmRotas::reject()
{
    close();
}
