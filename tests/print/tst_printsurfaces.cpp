#include "print/PainterSurface.h"
#include "print/Paper.h"
#include "print/RecordingSurface.h"
#include "print/YearCalendarPrinter.h"
#include "printers/QPrinterDevice.h"
#include "store/AppState.h"

#include "CalendarFixture.h"
#include "CalendarSamples.h"

#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

void printYear(PrintSurface& surface, const QString& year = u"2001"_s)
{
    AppState state;
    YearCalendarPrinter::Print(surface, CalendarSamples::Year(year), state);
}

// Runs a poppler tool; an empty result when it is not installed.
QString poppler(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& path)
{
    const QString info = poppler(u"pdfinfo"_s, {path});
    for (const QString& line : info.split(u'\n')) {
        if (line.startsWith(u"Pages:"_s))
            return line.mid(6).trimmed().toInt();
    }
    return -1;
}

} // namespace

using SurfaceCall = std::function<void(PrintSurface&)>;
Q_DECLARE_METATYPE(SurfaceCall)

class TestPrintSurfaces : public QObject
{
    Q_OBJECT

private slots:
    void traceLines_data()
    {
        QTest::addColumn<SurfaceCall>("call");
        QTest::addColumn<QString>("line");
        QTest::newRow("text with quote and backslash") << SurfaceCall([](PrintSurface& s) {
            s.setCurrentX(-12);
            s.setCurrentY(30);
            s.setFontSize(9);
            s.setFontBold(true);
            s.setFontUnderline(true);
            s.setFontTransparent(false);
            s.setForeColor(QColor(0, 0, 255));
            s.print(u"a \"b\" \\c"_s, true);
        }) << u"text -12 30 9 1 1 0 #0000ff \"a \\\"b\\\" \\\\c\""_s;
        QTest::newRow("line keeps the pen width") << SurfaceCall([](PrintSurface& s) {
            s.setDrawWidth(2);
            s.line(1, 2, 3, 4, QColor(1, 2, 3), PrintSurface::LineMode::Line);
        }) << u"line 1 2 3 4 2 #010203"_s;
        QTest::newRow("box") << SurfaceCall([](PrintSurface& s) {
            s.line(5, 6, 7, 8, Qt::black, PrintSurface::LineMode::Box);
        }) << u"box 5 6 7 8 1 #000000"_s;
        QTest::newRow("fill") << SurfaceCall([](PrintSurface& s) {
            s.line(5, 6, 7, 8, QColor(200, 100, 200), PrintSurface::LineMode::FilledBox);
        }) << u"fill 5 6 7 8 #c864c8"_s;
        QTest::newRow("solid circle") << SurfaceCall([](PrintSurface& s) {
            s.setFillStyle(PrintSurface::FillStyle::Solid);
            s.setFillColor(QColor(255, 255, 185));
            s.circle(10, 20, 30, Qt::black);
        }) << u"circle 10 20 30 1 #000000 #ffffb9"_s;
        QTest::newRow("zero pen width refused") << SurfaceCall([](PrintSurface& s) {
            s.setDrawWidth(0);
            s.circle(10, 20, 30, Qt::black);
        }) << u"circle 10 20 30 1 #000000 none"_s;
        QTest::newRow("origin") << SurfaceCall([](PrintSurface& s) { s.setOrigin(-350, -1200); })
                                << u"origin -350 -1200"_s;
        QTest::newRow("copies") << SurfaceCall([](PrintSurface& s) {
            s.setCopies(0); // refused
            s.setCopies(3);
        }) << u"copies 3"_s;
        QTest::newRow("font") << SurfaceCall([](PrintSurface& s) { s.setFontName(u"Times"_s); })
                              << u"font \"Times\""_s;
        QTest::newRow("end") << SurfaceCall([](PrintSurface& s) { s.endDoc(); }) << u"end"_s;
    }

    void traceLines()
    {
        QFETCH(SurfaceCall, call);
        QFETCH(QString, line);
        RecordingSurface surface(100, 200);
        call(surface);
        QCOMPARE(surface.trace(), u"page 100 200\n"_s + line + u'\n');
    }

    void traceMeasuresTextsAsTheyAreDrawn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("note") << u"DOCTOR APPOINTMENT 10AM"_s << 10 << false;
        QTest::newRow("title") << u"DARIZU - 2025 6-2 RDO CALENDAR"_s << 18 << true;
    }

    // A page laid out on the recording surface fits the same way on paper.
    void traceMeasuresTextsAsTheyAreDrawn()
    {
        QFETCH(QString, text);
        QFETCH(int, points);
        QFETCH(bool, bold);
        QTemporaryDir dir;
        const std::unique_ptr<PainterSurface> pdf =
            PainterSurface::ForPdf(dir.filePath(u"t.pdf"_s));
        RecordingSurface trace;
        for (PrintSurface* surface :
             {static_cast<PrintSurface*>(pdf.get()), static_cast<PrintSurface*>(&trace)}) {
            surface->setFontSize(points);
            surface->setFontBold(bold);
        }
        pdf->setCurrentX(0);
        pdf->print(text, false);
        QVERIFY(trace.textWidth(text) > points * 10 * text.size() / 2);
        QVERIFY(qAbs(pdf->currentX() - trace.textWidth(text)) <= 1);
    }

    void traceIsWrittenByFinish()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"page.ops"_s);
        RecordingSurface surface(11520, 15120, path);
        printYear(surface);
        QVERIFY(!QFile::exists(path));
        QString error;
        QVERIFY(surface.finish(&error));
        QCOMPARE(CalendarFixture::ReadText(path), surface.trace());

        RecordingSurface nowhere(11520, 15120, dir.filePath(u"missing/page.ops"_s));
        QVERIFY(!nowhere.finish(&error));
        QVERIFY(error.contains(u"missing/page.ops"_s));
    }

    void pdfPagePerDocument_data()
    {
        QTest::addColumn<QStringList>("years");
        QTest::newRow("one page") << QStringList{"2001"};
        QTest::newRow("batch") << QStringList{"2001", "2002", "2003"};
    }

    void pdfPagePerDocument()
    {
        QFETCH(QStringList, years);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"year.pdf"_s);
        std::unique_ptr<PainterSurface> surface = PainterSurface::ForPdf(path);
        QCOMPARE(surface->ScaleWidth(), 11520);
        QCOMPARE(surface->ScaleHeight(), 15120);
        for (const QString& year : years)
            printYear(*surface, year);
        QCOMPARE(surface->documentCount(), years.size());
        QString error;
        QVERIFY2(surface->finish(&error), qPrintable(error));
        QVERIFY(CalendarFixture::ReadFile(path).startsWith("%PDF-"));
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        QCOMPARE(pdfPages(path), years.size());
        const QString last = QString::number(years.size());
        const QString text = poppler(u"pdftotext"_s, {u"-f"_s, last, path, u"-"_s});
        QVERIFY(text.contains(u"DARIZU - %1 6-2 RDO CALENDAR"_s.arg(years.last())));
        QVERIFY(text.contains(u"SEPTEMBER"_s));
        // US Letter.
        QVERIFY(poppler(u"pdfinfo"_s, {path}).contains(u"612 x 792 pts"_s));
    }

    void pdfIntoMissingFolderWritesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"nowhere/year.pdf"_s);
        std::unique_ptr<PainterSurface> surface = PainterSurface::ForPdf(path);
        printYear(*surface);
        QString error;
        QVERIFY(!surface->finish(&error));
        QVERIFY(error.contains(path));
        QVERIFY(!QFile::exists(path));
    }

    void pngPlacesTwipsOnThePage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"year.png"_s);
        {
            std::unique_ptr<PainterSurface> surface = PainterSurface::ForImage(path, 150);
            printYear(*surface);
            printYear(*surface);
            QVERIFY(surface->finish());
        }
        const QImage image(path);
        QCOMPARE(image.size(), QSize(1275, 1650)); // 8.5 x 11 inches at 150 dpi
        // 1 January 2001 is a holiday: its cell (470..970, 0..500) is grey. Its top right
        // corner, well inside the cell, lies at twips (950 + 350 + 360, 30 + 1200 + 360).
        const auto pixel = [&image](int x, int y) {
            return image.pixelColor(qRound(x * 150 / 1440.0), qRound(y * 150 / 1440.0));
        };
        QCOMPARE(pixel(950 + 710, 30 + 1560), QColor(200, 200, 200));
        QCOMPARE(pixel(1000 + 710, 30 + 1560), QColor(Qt::white)); // 2 January
        // The second document went to a file of its own.
        QVERIFY(QFile::exists(dir.filePath(u"year-2.png"_s)));
    }

    void paperSizes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("printable");
        QTest::newRow("letter") << u"letter"_s << QSize(11520, 15120);
        QTest::newRow("Legal") << u"Legal"_s << QSize(11520, 19440);
        QTest::newRow("a4, whole points") << u" A4 "_s << QSize(595 * 20 - 720, 842 * 20 - 720);
        QTest::newRow("a3") << u"a3"_s << QSize(842 * 20 - 720, 1191 * 20 - 720);
        QTest::newRow("a5") << u"a5"_s << QSize(420 * 20 - 720, 595 * 20 - 720);
        QTest::newRow("unknown") << u"b5"_s << QSize();
    }

    void paperSizes()
    {
        QFETCH(QString, name);
        QFETCH(QSize, printable);
        const std::optional<QPageSize> paper = Paper::Named(name);
        QCOMPARE(paper.has_value(), printable.isValid());
        if (paper)
            QCOMPARE(Paper::PrintableTwips(*paper), printable);
    }

    void printerGetsOrientationAndCopies_data()
    {
        QTest::addColumn<bool>("dialogCopies");
        QTest::addColumn<int>("copies");
        QTest::newRow("the printout's copies") << false << 2;
        QTest::newRow("a print dialog's copies stay") << true << 3;
    }

    void printerGetsOrientationAndCopies()
    {
        QFETCH(bool, dialogCopies);
        QFETCH(int, copies);
        // A printer that writes PDF stands in for a real one.
        QTemporaryDir dir;
        const QString path = dir.filePath(u"printer.pdf"_s);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape,
                                          QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        printer.setCopyCount(3);
        QPrinterDevice device(printer);
        PainterSurface surface(&device, dialogCopies ? PainterSurface::Copies::FromPrinter
                                                     : PainterSurface::Copies::FromPrintout);
        // The printable area is read as the page stands: landscape until the printout turns it.
        QCOMPARE(surface.ScaleWidth(), 15120);
        QCOMPARE(surface.ScaleHeight(), 11520);
        CalendarChoices choices = CalendarSamples::Year(u"2001"_s);
        choices.copiesText = u"2"_s;
        AppState state;
        YearCalendarPrinter::Print(surface, choices, state);
        QVERIFY(surface.finish());
        QCOMPARE(printer.copyCount(), copies);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(surface.ScaleWidth(), 11520);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(poppler(u"pdftotext"_s, {path, u"-"_s}).contains(u"DARIZU - 2001"_s));
    }
};

QTEST_MAIN(TestPrintSurfaces)
#include "tst_printsurfaces.moc"
