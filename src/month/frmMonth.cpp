#include "month/frmMonth.h"

#include "print/CalendarNames.h"
#include "print/MonthPrinter.h"
#include "print/NoteText.h"
#include "print/PrintNames.h"
#include "print/PrintSurface.h"
#include "print/Printers.h"
#include "store/AppState.h"
#include "store/Prompter.h"
#include "windows/ButtonKeys.h"
#include "windows/FocusMark.h"
#include "windows/WindowFit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtDebug>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr int TwipsPerPixel = 15;
// The smallest size a day's groups off is written in, on the page as on the sheet.
constexpr int SmallestPoints = 5;

// The client area in twips: the grid spans drawing X -90..10410 and Y up to 5440; the
// controls of the window sit below it.
constexpr int ClientWidth = 10920;
constexpr int ControlsTop = 6210; // client twips
constexpr int ClientHeight = 8490;

int pixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

QRect pixelRect(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    return {pixels(leftTwips), pixels(topTwips), pixels(widthTwips), pixels(heightTwips)};
}

QString instructions()
{
    return u"Instructions: You may enter two notes of up to 50 characters each by clicking on "
           "the word click. You may highlight any day desired by checking the Highlight check "
           "box (Note: Holidays and days off, if selected, will be highlighted automatically). "
           "The data you enter will automatically be saved so you needn't finish the calendar "
           "in one sitting. Press the print button when you are finished with the calendar."_s;
}

void setTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

QFrame* swatch(QWidget* parent, const QColor& color)
{
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::Box);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(palette);
    return frame;
}

} // namespace

frmMonth::frmMonth(const CalendarChoices& choices, AppState& state, Prompter& prompter,
                   Printers& printers, EntryLookup* entries, const PlacementFolders& folders,
                   QWidget* parent)
    : QWidget(parent, Qt::Window), m_choices(choices), m_state(state), m_prompter(prompter),
      m_printers(printers), m_entries(entries), m_folders(folders)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(u"Add Notes and Print Only This Month"_s);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    // The sheet scrolls inside the window where the screen is too small for all of it.
    m_page = new QWidget;
    m_page->setObjectName(u"sheetPage"_s);
    m_page->installEventFilter(this);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(u"sheetScroller"_s);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setBackgroundRole(QPalette::Window);
    scroller->setWidget(m_page);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroller);
    Form_Load();
    ButtonKeys::Install(this);
    FocusMark::Install(this);
}

frmMonth::~frmMonth()
{
    // A window destroyed without being closed still keeps what the user entered.
    storeUnattended();
    m_data1.unbindAll();
}

void frmMonth::setPrintTargetSource(PrintTargetSource source)
{
    m_printTargets = std::move(source);
}

QString frmMonth::PdfStem(const QDate& firstOfMonth)
{
    return PrintNames::Month(firstOfMonth);
}

QPoint frmMonth::ToPixels(const QPoint& drawing)
{
    return {pixels(drawing.x() + MonthSheetLayout::OriginX),
            pixels(drawing.y() + MonthSheetLayout::OriginY)};
}

void frmMonth::Form_Load()
{
    // The rota and entry look-ups of every day, before anything is shown.
    m_layout = MonthSheetLayout::Build(m_choices, m_state, m_entries);
    createControls();
    openMonthNotes();
    placeDays();
    drawSheet();

    m_highlightSwatch->show();
    if (!m_choices.noHighlight) {
        QPalette palette = m_dayOffSwatch->palette();
        palette.setColor(QPalette::Window, m_choices.shades.RdoColor);
        m_dayOffSwatch->setPalette(palette);
        m_dayOffSwatch->show();
        m_dayOffLabel->show();
    }

    const QSize sheetSize(pixels(ClientWidth), pixels(ClientHeight));
    m_page->setFixedSize(sheetSize);
    setMaximumSize(sheetSize);
    WindowFit::Apply(this, sheetSize, pixels(75));
    orderTabs();
}

void frmMonth::orderTabs()
{
    // Day by day in reading order (the box above the two notes), then the print controls.
    QList<QWidget*> order;
    for (std::size_t k = 0; k < Days; ++k) {
        const QString day = QString::number(k + 1);
        m_highlights[k]->setAccessibleName(u"Highlight "_s + day);
        m_firstNotes[k]->setAccessibleName(u"First note of day "_s + day);
        m_secondNotes[k]->setAccessibleName(u"Second note of day "_s + day);
        order << m_highlights[k] << m_firstNotes[k] << m_secondNotes[k];
    }
    m_printSizeBar->setAccessibleName(u"Print Size"_s);
    order << m_printSizeBar << m_printButton << m_exitButton;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

void frmMonth::createControls()
{
    QFont dayFont = font();
    dayFont.setPixelSize(11);
    for (int k = 0; k < Days; ++k) {
        const auto index = static_cast<std::size_t>(k);
        for (auto* notes : {&m_firstNotes, &m_secondNotes}) {
            auto* label = new QLabel(NoteText::Placeholder(), m_page);
            label->setObjectName(
                (notes == &m_firstNotes ? u"lblFirstNote_"_s : u"lblSecondNote_"_s) +
                QString::number(k));
            label->setTextFormat(Qt::PlainText);
            label->setFont(dayFont);
            label->setCursor(Qt::PointingHandCursor);
            label->setFocusPolicy(Qt::StrongFocus); // Return, Enter or Space edits it
            label->resize(pixels(1215), pixels(195));
            label->installEventFilter(this);
            label->hide();
            (*notes)[index] = label;
        }
        auto* box = new QCheckBox(u"Highlight"_s, m_page);
        box->setObjectName(u"chkHighlight_"_s + QString::number(k));
        QFont boxFont = dayFont;
        boxFont.setPixelSize(10); // "Highlight" fits its 65 pixels
        box->setFont(boxFont);
        box->setAutoFillBackground(true);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Window, Qt::white);
        box->setPalette(palette);
        box->resize(pixels(MonthSheetLayout::CheckBoxWidth),
                    pixels(MonthSheetLayout::CheckBoxHeight));
        box->hide();
        connect(box, &QCheckBox::toggled, this, [this, k] { chkHighlight_Click(k); });
        m_highlights[index] = box;
    }

    constexpr int left = 210;
    constexpr int rightColumn = 7050;
    m_instructionsLabel = new QLabel(instructions(), m_page);
    m_instructionsLabel->setWordWrap(true);
    m_instructionsLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructionsLabel->setGeometry(pixelRect(left, ControlsTop, 6600, 1440));
    m_clickNoteLabel = new QLabel(u"Note: the word 'Click' will NOT print!"_s, m_page);
    QFont bold = m_clickNoteLabel->font();
    bold.setBold(true);
    m_clickNoteLabel->setFont(bold);
    m_clickNoteLabel->setGeometry(pixelRect(left, ControlsTop + 1530, 6600, 270));

    m_highlightSwatch = swatch(m_page, MonthPrinter::HighlightColor());
    m_highlightSwatch->setGeometry(pixelRect(rightColumn, ControlsTop + 15, 360, 240));
    m_highlightSwatch->hide();
    m_highlightLabel = new QLabel(u"Printer Highlight color"_s, m_page);
    m_highlightLabel->setGeometry(pixelRect(rightColumn + 480, ControlsTop, 3100, 270));
    m_dayOffSwatch = swatch(m_page, Qt::white);
    m_dayOffSwatch->setGeometry(pixelRect(rightColumn, ControlsTop + 345, 360, 240));
    m_dayOffSwatch->hide();
    m_dayOffLabel = new QLabel(u"Printer Day off color"_s, m_page);
    m_dayOffLabel->setGeometry(pixelRect(rightColumn + 480, ControlsTop + 330, 3100, 270));
    m_dayOffLabel->hide();

    m_printSizeLabel = new QLabel(u"Print Size : 100%"_s, m_page);
    m_printSizeLabel->setGeometry(pixelRect(rightColumn, ControlsTop + 690, 3600, 270));
    m_printSizeBar = new QScrollBar(Qt::Horizontal, m_page);
    m_printSizeBar->setRange(MonthPrinter::MinimumPrintSize, MonthPrinter::MaximumPrintSize);
    m_printSizeBar->setSingleStep(1);
    m_printSizeBar->setPageStep(10);
    m_printSizeBar->setFocusPolicy(Qt::StrongFocus);
    m_printSizeBar->setValue(MonthPrinter::DefaultPrintSize);
    m_printSizeBar->setGeometry(pixelRect(rightColumn, ControlsTop + 975, 3600, 255));
    connect(m_printSizeBar, &QScrollBar::valueChanged, this, &frmMonth::HScroll1_Change);
    connect(m_printSizeBar, &QScrollBar::sliderMoved, this, &frmMonth::HScroll1_Scroll);

    m_printButton = new QPushButton(u"&Print"_s, m_page);
    m_printButton->setGeometry(pixelRect(rightColumn, ControlsTop + 1365, 1740, 420));
    connect(m_printButton, &QPushButton::clicked, this, &frmMonth::cmdPrint_Click);
    m_printButton->setToolTip(u"Prints on the default printer. Ctrl+P chooses the printer, "
                              "the paper and the copies first."_s);
    auto* printWith = new QShortcut(QKeySequence::Print, this);
    connect(printWith, &QShortcut::activated, this, &frmMonth::printWithDialog);
    m_exitButton = new QPushButton(u"E&xit"_s, m_page);
    m_exitButton->setGeometry(pixelRect(rightColumn + 1860, ControlsTop + 1365, 1740, 420));
    connect(m_exitButton, &QPushButton::clicked, this, &frmMonth::cmdExit_Click);

    m_statusLabel = new QLabel(m_page);
    m_statusLabel->setObjectName(u"lblStatus"_s);
    m_statusLabel->setWordWrap(true);
    m_statusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_statusLabel->setGeometry(pixelRect(left, ControlsTop + 1860, ClientWidth - 2 * left, 420));
}

void frmMonth::openMonthNotes()
{
    const QDate first = m_layout.firstOfMonth();
    for (int k = 0; k < Days; ++k) {
        const auto index = static_cast<std::size_t>(k);
        for (QLabel* label : {m_firstNotes[index], m_secondNotes[index]}) {
            m_data1.bind(
                label == m_firstNotes[index] ? MonthNotesTable::NoteField(k)
                                             : MonthNotesTable::SecondNoteField(k),
                [label] { return QVariant(label->text()); },
                [this, label](const QVariant& stored) { setNote(label, NoteText::Shown(stored)); });
        }
        QCheckBox* box = m_highlights[index];
        m_data1.bind(
            MonthNotesTable::HighlightField(k), [box] { return QVariant(box->isChecked()); },
            [box](const QVariant& stored) { box->setChecked(stored.toBool()); });
    }
    // The record's key never changes while the window is open.
    const QString key = MonthNotesTable::MonthKey(first);
    m_data1.bind(u"Month"_s, [key] { return QVariant(key); }, {});
    if (!first.isValid())
        return;

    QString path = m_state.DatabasePath;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        // The working copy is missing: copy it in again, or remind the user, as at start-up.
        if (!DatabasePlacement::Recover(m_state, m_prompter, m_folders))
            return;
        path = m_state.DatabasePath;
    }
    QString error;
    if (m_data1.setDatabaseName(path, &error) &&
        MonthNotesTable::OpenMonthNotes(m_data1, first, &error))
        return;
    // A file that is there but cannot be used is left alone; the sheet works without it.
    m_data1.setDatabaseName(QString());
    report(u"The calendar database could not be opened:"_s + u"\n\r"_s + error + u"\n\r"_s +
           u"The notes of this month are shown empty and will not be saved."_s);
}

void frmMonth::placeDays()
{
    bool wordsPlaced = false;
    for (const MonthSheetLayout::Day& day : m_layout.days()) {
        const auto index = static_cast<std::size_t>(day.day - 1);
        QLabel* first = m_firstNotes[index];
        QLabel* second = m_secondNotes[index];
        QCheckBox* box = m_highlights[index];
        first->setGeometry(
            QRect(ToPixels(day.firstNote()), QSize(pixels(MonthSheetLayout::NoteWidth),
                                                   pixels(MonthSheetLayout::NoteHeight))));
        second->setGeometry(QRect(ToPixels(day.secondNote()), first->size()));
        box->move(ToPixels(day.checkBox()));
        first->show();
        second->show();
        box->show();
        chkHighlight_Click(day.day - 1);

        if (!day.entryWord.isEmpty()) {
            QString firstText = first->text();
            QString secondText = second->text();
            if (NoteText::PlaceEntryWord(firstText, secondText, day.entryWord)) {
                setNote(first, firstText);
                setNote(second, secondText);
                wordsPlaced = true;
            }
        }
    }
    // Entry words are stored at once, all in one write.
    QString error;
    if (wordsPlaced && storesNotes() && !m_data1.writeNow(&error))
        report(u"The notes could not be saved:"_s + u"\n\r"_s + error);
}

void frmMonth::drawSheet()
{
    const qreal ratio = m_page->devicePixelRatioF();
    m_sheet = QPixmap(QSize(pixels(ClientWidth), pixels(ControlsTop)) * ratio);
    m_sheet.setDevicePixelRatio(ratio);
    m_sheet.fill(Qt::white);

    QPainter painter(&m_sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // From here on the painter works in drawing coordinates (twips).
    painter.scale(1.0 / TwipsPerPixel, 1.0 / TwipsPerPixel);
    painter.translate(MonthSheetLayout::OriginX, MonthSheetLayout::OriginY);
    const QColor textColor = m_page->palette().color(QPalette::WindowText);
    painter.setPen(textColor);

    auto setFont = [&painter](int points, bool bold) {
        QFont font(u"Times New Roman"_s);
        font.setPixelSize(points * 20); // twips
        font.setBold(bold);
        painter.setFont(font);
    };
    // Text is placed by its top-left corner.
    auto write = [&painter](const QPoint& pen, const QString& text) {
        painter.drawText(QPointF(pen.x(), pen.y() + QFontMetricsF(painter.font()).ascent()), text);
    };

    if (m_layout.firstOfMonth().isValid()) {
        setFont(MonthSheetLayout::TitleFontSize, true);
        write(MonthSheetLayout::TitlePen(), m_layout.title());
        setFont(MonthSheetLayout::TextFontSize, false);
        const QStringList letters = CalendarNames::WeekdayLetters();
        for (int c = 0; c < letters.size(); ++c)
            write(MonthSheetLayout::WeekdayLetterPen(c), letters[c]);
    }

    const QPen black(Qt::black, 0);
    const bool fitToCell = m_choices.rota.cell().fitToCell;
    for (const MonthSheetLayout::Day& day : m_layout.days()) {
        painter.setPen(black);
        painter.drawLines(day.strokes());
        painter.setPen(textColor);
        setFont(MonthSheetLayout::TextFontSize, true);
        write(day.dayNumberPen(), QString::number(day.day));
        if (!day.groupsOffText.isEmpty()) {
            setFont(MonthSheetLayout::TextFontSize, false);
            QString text = day.groupsOffText;
            if (fitToCell) {
                // As on the page: smaller down to the page's smallest size, then cut short.
                const int room =
                    MonthSheetLayout::ToDrawing(day.cell().right, 0).x() - day.groupsOffPen().x();
                for (int points = MonthSheetLayout::TextFontSize - 1;
                     points >= SmallestPoints &&
                     QFontMetricsF(painter.font()).horizontalAdvance(text) > room;
                     --points)
                    setFont(points, false);
                text = QFontMetrics(painter.font()).elidedText(text, Qt::ElideRight, room);
            }
            write(day.groupsOffPen(), text);
        }
    }
    painter.setPen(black);
    painter.drawLines(MonthSheetLayout::GridLines());
}

void frmMonth::setNote(QLabel* note, const QString& caption)
{
    note->setText(caption);
    const bool placeholder = caption == NoteText::Placeholder();
    setTextColor(note, placeholder ? QColor(0, 0, 255)
                                   : QApplication::palette().color(QPalette::ButtonText));
    note->setToolTip(placeholder ? QString() : caption);
}

void frmMonth::editNote(QLabel* note)
{
    const QString typed =
        m_prompter.input(u"Enter a note"_s, u"Replace Current Note"_s, note->text());
    const QString shortened = NoteText::Shortened(typed);
    // A longer note is cut only when the user agrees; otherwise the note stays as it was.
    if (shortened.size() < typed.size() &&
        m_prompter.message(NoteText::ShortenQuestion(shortened), u"Shorten note?"_s,
                           Prompter::Buttons::YesNo) != Prompter::Answer::Yes)
        return;
    setNote(note, NoteText::Caption(typed));
}

void frmMonth::lblFirstNote_Click(int index)
{
    if (index >= 0 && index < Days)
        editNote(m_firstNotes[static_cast<std::size_t>(index)]);
}

void frmMonth::lblSecondNote_Click(int index)
{
    if (index >= 0 && index < Days)
        editNote(m_secondNotes[static_cast<std::size_t>(index)]);
}

void frmMonth::chkHighlight_Click(int index)
{
    if (index < 0 || index >= Days)
        return;
    QCheckBox* box = m_highlights[static_cast<std::size_t>(index)];
    setTextColor(box, box->isChecked() ? QColor(255, 0, 0) : QColor(128, 128, 255));
}

void frmMonth::HScroll1_Change()
{
    showPrintSize(m_printSizeBar->value());
}

void frmMonth::HScroll1_Scroll()
{
    // While the thumb is dragged its position leads the value.
    showPrintSize(m_printSizeBar->sliderPosition());
}

void frmMonth::showPrintSize(int percent)
{
    m_printSizeLabel->setText(u"Print Size : "_s + QString::number(percent) + u'%');
}

int frmMonth::printSize() const
{
    return m_printSizeBar->value();
}

bool frmMonth::storesNotes() const
{
    return m_data1.hasDatabase();
}

MonthNotesRecord frmMonth::notes() const
{
    MonthNotesRecord record = MonthNotesRecord::Fresh();
    record.Month = MonthNotesTable::MonthKey(m_layout.firstOfMonth());
    for (std::size_t k = 0; k < Days; ++k) {
        record.Note[k] = m_firstNotes[k]->text();
        record.SecondNote[k] = m_secondNotes[k]->text();
        record.Highlight[k] = m_highlights[k]->isChecked();
    }
    return record;
}

PageFit frmMonth::printTo(PrintSurface& surface) const
{
    return MonthPrinter(m_choices, m_state, m_entries).print(surface, notes(), printSize());
}

void frmMonth::cmdPrint_Click()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QDate month = m_layout.firstOfMonth();
    PrintTarget target = m_printTargets ? m_printTargets(month)
                                        : PrintDestination::OpenDefault(m_printers, PdfStem(month));
    PageFit fit;
    if (target.surface)
        fit = printTo(*target.surface);
    QGuiApplication::restoreOverrideCursor();
    finishPrint(target, fit);
}

void frmMonth::printWithDialog()
{
    // The month page has no copies of its own: the dialog's count is the one.
    const QString name = PdfStem(m_layout.firstOfMonth());
    const std::unique_ptr<Printers::Chosen> printer =
        m_printers.ask(this, u"Print - "_s + windowTitle(), 1, name);
    if (!printer)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    PrintTarget target = printer->open(name);
    const PageFit fit = printTo(*target.surface);
    QGuiApplication::restoreOverrideCursor();
    finishPrint(target, fit);
}

void frmMonth::finishPrint(PrintTarget& target, const PageFit& fit)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString status = target.finish();
    if (fit.reduced() && !target.failed)
        status += u" ("_s + fit.note() + u')';
    QGuiApplication::restoreOverrideCursor();
    m_statusLabel->setText(status);
    if (target.failed)
        report(status);
}

void frmMonth::cmdExit_Click()
{
    close();
}

void frmMonth::closeEvent(QCloseEvent* event)
{
    event->setAccepted(Form_Unload());
}

bool frmMonth::Form_Unload()
{
    if (m_unloaded)
        return true;
    QString error;
    if (!m_data1.close(&error)) {
        // Nothing typed is dropped without asking: the window stays open unless the user
        // gives the notes up, and closing again tries again (another program may hold the
        // file locked only for a while).
        const QString text = u"The notes of this month could not be saved:"_s + u"\n\r"_s + error +
                             u"\n\r"_s + u"Close the window anyway and lose these notes?"_s;
        if (m_prompter.message(text, windowTitle(), Prompter::Buttons::YesNo) !=
            Prompter::Answer::Yes)
            return false;
        m_data1.unbindAll();
        m_data1.setDatabaseName(QString());
    }
    m_unloaded = true;
    return true;
}

void frmMonth::storeUnattended()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    QString error;
    if (!m_data1.close(&error))
        qWarning().noquote() << "The month's notes could not be stored:" << error;
}

void frmMonth::report(const QString& text)
{
    m_prompter.message(text, windowTitle(), Prompter::Buttons::Ok);
}

bool frmMonth::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_page && event->type() == QEvent::Paint) {
        QPainter painter(m_page);
        painter.drawPixmap(0, 0, m_sheet);
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        // A note with the keyboard focus is edited as a click on it would.
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool press = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                           key->key() == Qt::Key_Space;
        for (int k = 0; press && k < Days; ++k) {
            const auto index = static_cast<std::size_t>(k);
            if (watched == m_firstNotes[index]) {
                lblFirstNote_Click(k);
                return true;
            }
            if (watched == m_secondNotes[index]) {
                lblSecondNote_Click(k);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            for (int k = 0; k < Days; ++k) {
                const auto index = static_cast<std::size_t>(k);
                if (label == m_firstNotes[index]) {
                    lblFirstNote_Click(k);
                    return true;
                }
                if (label == m_secondNotes[index]) {
                    lblSecondNote_Click(k);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
