#include "mainwindow/MainWindowPrinting.h"

#include "export/DaysOffCalendar.h"
#include "mainwindow/frmCalendar.h"
#include "print/PrintNames.h"
#include "print/Printers.h"
#include "print/YearCalendarPrinter.h"
#include "rota/NumberText.h"
#include "store/Prompter.h"
#include "store/SafeFile.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProgressDialog>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>

#include <memory>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

using NumberText::Val;

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

MainWindowPrinting::MainWindowPrinting(frmCalendar& window, AppState& state, Prompter& prompter,
                                       Printers& printers)
    : m_window(window), m_state(state), m_prompter(prompter), m_printers(printers)
{
}

void MainWindowPrinting::setPrintDestinationSource(PrintDestinationSource source)
{
    m_destinations = std::move(source);
}

void MainWindowPrinting::setSavePathChooser(SavePathChooser chooser)
{
    m_savePath = std::move(chooser);
}

PrintDestination MainWindowPrinting::openDestination(const QString& pdfStem) const
{
    return m_destinations ? m_destinations(pdfStem)
                          : PrintDestination::OpenDefault(m_printers, pdfStem);
}

QString MainWindowPrinting::choosePath(const QString& caption, const QString& proposedPath,
                                       const QString& filter) const
{
    if (m_savePath)
        return m_savePath(caption, proposedPath, filter);
    return QFileDialog::getSaveFileName(&m_window, caption, proposedPath, filter);
}

QString MainWindowPrinting::proposedPath(const QString& fileName)
{
    // Only a proposal: the folder is not created for a dialog the user may cancel.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(fileName);
}

int MainWindowPrinting::copies() const
{
    return static_cast<int>(NumberText::RoundHalfEven(Val(m_window.ui().txtCopies->text())));
}

PageFit MainWindowPrinting::printYearTo(PrintSurface& surface)
{
    return printYearTo(surface, m_window.choices());
}

PageFit MainWindowPrinting::printYearTo(PrintSurface& surface, const CalendarChoices& choices)
{
    return YearCalendarPrinter::Print(surface, choices, m_state,
                                      choices.highlightVacations ? m_window.entries() : nullptr);
}

void MainWindowPrinting::finishPrint(PrintDestination& destination, const QString& what,
                                     const PageFit& fit)
{
    QString status;
    {
        const BusyPointer busy;
        status = destination.finish(what);
    }
    if (fit.reduced() && !destination.failed)
        status += u" ("_s + fit.note() + u')';
    m_window.statusBar()->showMessage(status);
    if (destination.failed)
        m_prompter.message(status, u"Kelvane"_s, Prompter::Buttons::Ok);
}

void MainWindowPrinting::printYear()
{
    PrintDestination destination;
    PageFit fit;
    {
        const BusyPointer busy;
        destination = openDestination(PrintNames::YearCalendar(m_window.choices()));
        if (destination.surface)
            fit = printYearTo(*destination.surface);
    }
    finishPrint(destination, QString(), fit);
}

void MainWindowPrinting::printYearAsked()
{
    const QString name = PrintNames::YearCalendar(m_window.choices());
    const std::unique_ptr<Printers::Chosen> printer =
        m_printers.ask(&m_window, u"Print - Kelvane"_s, copies(), name);
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

void MainWindowPrinting::preview()
{
    // The page as the default printer prints it; its print button asks with the print dialog,
    // whose copies are final.
    m_printers.preview(
        &m_window, u"Print Preview - Kelvane"_s, copies(),
        PrintNames::YearCalendar(m_window.choices()),
        [this](PrintSurface& surface) {
            const BusyPointer busy;
            printYearTo(surface);
        },
        [this](const QString& failure) {
            m_prompter.message(u"Printing failed: "_s + failure, u"Kelvane"_s,
                               Prompter::Buttons::Ok);
        });
}

void MainWindowPrinting::saveAsPdf()
{
    const QString stem = PrintNames::YearCalendar(m_window.choices());
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

void MainWindowPrinting::printAllPatterns()
{
    printBatch([this] { return openDestination(PrintNames::Batch(m_window.ui().txtYear->text())); },
               1, batchSize());
}

void MainWindowPrinting::printAllPatternsAsked()
{
    const QString name = PrintNames::Batch(m_window.ui().txtYear->text());
    std::shared_ptr<Printers::Chosen> printer = m_printers.ask(
        &m_window, u"Print All Patterns - Kelvane"_s, copies(), name, 1, batchSize());
    if (!printer)
        return;
    const int first = printer->firstPage();
    const int last = printer->lastPage();
    printBatch([printer, name] { return printer->open(name); }, first, last);
}

void MainWindowPrinting::printBatch(const std::function<PrintDestination()>& open, int first,
                                    int last)
{
    const frmCalendarUi& ui = m_window.ui();
    const Prompter::Answer answer =
        m_prompter.message(AllPatternsBatch::QuestionText(ui.txtCopies->text(), ui.txtYear->text()),
                           AllPatternsBatch::QuestionTitle(), Prompter::Buttons::YesNoCancel);
    if (answer != Prompter::Answer::Yes && answer != Prompter::Answer::No)
        return;
    const CalendarChoices start = startBatch();
    AllPatternsBatch batch(AllPatternsBatch::Jobs(start.rota));
    const int total = static_cast<int>(batch.jobs().size());

    // One destination for the whole batch, opened with its first calendar: on a printer each
    // calendar is a job of its own, without one each is a page of one PDF file.
    std::optional<PrintDestination> destination;
    std::unique_ptr<QProgressDialog> progress;
    int printed = 0;
    const auto showProgress = [&](int number) {
        if (!progress) {
            progress = std::make_unique<QProgressDialog>(&m_window);
            progress->setWindowTitle(u"Kelvane"_s);
            progress->setWindowModality(Qt::ApplicationModal);
            progress->setRange(0, total);
            progress->setMinimumDuration(0);
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            QObject::connect(progress.get(), &QProgressDialog::canceled, progress.get(),
                             [&batch] { batch.requestStop(); });
        }
        progress->setLabelText(u"Printing calendar %1 of %2"_s.arg(number).arg(total));
        progress->setValue(number - 1);
        progress->show();
        // The dialog is drawn and its Cancel button heard between two calendars.
        QCoreApplication::processEvents();
        if (progress->wasCanceled())
            batch.requestStop();
    };
    const auto printOne = [&](int index, const CalendarChoices& calendar) {
        const int position = index + 1;
        showProgress(position);
        if (position < first || position > last)
            return;
        if (!destination)
            destination = open();
        if (!destination->surface) {
            batch.requestStop(); // nowhere to print: the rest would go nowhere too
            return;
        }
        ++printed;
        destination->surface->setDocumentName(PrintNames::BatchCalendar(calendar));
        printYearTo(*destination->surface, calendar);
    };
    AllPatternsBatch::Result result = AllPatternsBatch::Result::Printed;
    {
        const BusyPointer busy;
        result = batch.run(start, answer == Prompter::Answer::Yes, ui.hsbHighlightShade->value(),
                           printOne);
    }
    progress.reset();
    showBatchEnd(batch);
    if (!destination)
        return;

    if (!destination->surface)
        printed = 0;
    const QString what = printed == 1 ? u"1 calendar"_s : u"%1 calendars"_s.arg(printed);
    finishPrint(*destination, what);
    if (result == AllPatternsBatch::Result::Stopped && printed > 0 && !destination->failed) {
        QStatusBar* status = m_window.statusBar();
        status->showMessage(
            u"Stopped after calendar %1 of %2. "_s.arg(batch.printedCount()).arg(total) +
            status->currentMessage());
    }
}

CalendarChoices MainWindowPrinting::startBatch()
{
    const frmCalendarUi& ui = m_window.ui();
    ui.chkHilightVacations->setChecked(false);
    if (!m_window.chosenOwnRota())
        ui.chkNoPatterns->setChecked(false);
    return m_window.choices();
}

void MainWindowPrinting::showBatchEnd(const AllPatternsBatch& batch)
{
    const frmCalendarUi& ui = m_window.ui();
    ui.colourOption(batch.lastColour())->setChecked(true);
    m_window.paintShades(batch.lastColour());
    if (m_window.chosenOwnRota() || batch.printedCount() == 0)
        return;
    const AllPatternsBatch::Job& last = batch.jobs().at(batch.printedCount() - 1);
    const RotaKind kind = last.rota.kind().value_or(RotaKind::CgSixTwo);
    ui.kindOption(kind)->setChecked(true);
    m_window.chooseCalendarType(kind);
    if (const std::optional<int> button = RotaKinds::PatternButtonForGroup(last.group)) {
        ui.optPattern[static_cast<std::size_t>(*button)]->setChecked(true);
        m_window.optPattern_Click(*button);
    }
}

int MainWindowPrinting::batchSize() const
{
    return static_cast<int>(AllPatternsBatch::Jobs(m_window.chosenRota()).size());
}

void MainWindowPrinting::exportDaysOff()
{
    const QString title = u"Export Days Off"_s;
    const CalendarChoices chosen = m_window.choices();
    const QString group = chosen.highlightGroup.trimmed();
    if (chosen.noHighlight || !chosen.rota.hasGroup(group)) {
        m_prompter.message(u"Choose the pattern whose days off you want to export "
                           "under \"Highlight pattern:\" first."_s,
                           title, Prompter::Buttons::Ok);
        return;
    }
    const double year = Val(chosen.yearText);
    const double adjustment = Val(chosen.adjustmentText);
    if (year < 1901 || year > 2124 || adjustment < 0 || adjustment > 48) {
        m_prompter.message(u"The days off can be exported for a year from 1901 to "
                           "2124 with an adjustment from 0 to 48."_s,
                           title, Prompter::Buttons::Ok);
        return;
    }

    DaysOffCalendar::Request request;
    request.rota = chosen.rota;
    request.groupLetter = group;
    const int wholeYear = static_cast<int>(NumberText::WholePart(year));
    request.from = QDate(wholeYear, 1, 1);
    request.to = QDate(wholeYear, 12, 31);
    request.adjustment = NumberText::WholePart(adjustment);
    request.holidays = chosen.holidays;
    request.holidayFiles = chosen.holidayFiles;
    request.stamp = QDateTime::currentDateTimeUtc();

    const QString name = u"Kelvane RDO %1 group %2.ics"_s.arg(NumberText::Plain(wholeYear), group);
    QString path =
        choosePath(u"Export Days Off"_s, proposedPath(name), u"iCalendar files (*.ics)"_s);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += u".ics"_s;

    GoodFriday goodFriday;
    const QByteArray calendar = DaysOffCalendar::Build(request, goodFriday);
    QString error;
    if (!SafeFile::Write(path, calendar, &error)) {
        m_prompter.message(u"The days off could not be exported: %1"_s.arg(error), title,
                           Prompter::Buttons::Ok);
        return;
    }
    m_window.statusBar()->showMessage(
        u"Exported the days off of group %1 to %2."_s.arg(group, QDir::toNativeSeparators(path)));
}
