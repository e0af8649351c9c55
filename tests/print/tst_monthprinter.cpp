#include "print/MonthPrinter.h"
#include "rota/NumberText.h"
#include "store/AppState.h"
#include "store/MonthNotesTable.h"

#include "CalendarSamples.h"
#include "FakeEntries.h"
#include "RecordedOps.h"

#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace RecordedOps;
using CalendarSamples::GroupOffOn;

namespace {

// What the month printer drew.
struct Page
{
    QList<Op> ops;

    QList<Op> of(Op::Kind kind) const { return OfKind(ops, kind); }
    const Op* text(const QString& text) const { return FindText(ops, text); }
    // The bold texts after the weekday letters: the day numbers.
    QList<Op> dayNumbers() const
    {
        QList<Op> found;
        for (const Op& op : of(Op::Kind::Text)) {
            if (op.bold && NumberText::IsNumeric(op.text) && !op.text.contains(u' '))
                found.append(op);
        }
        return found;
    }
};

Page print(const CalendarChoices& choices, const MonthNotesRecord& notes, int size = 100,
           EntryLookup* entries = nullptr)
{
    AppState state;
    RecordingSurface surface;
    MonthPrinter(choices, state, entries).print(surface, notes, size);
    return {surface.ops()};
}

// Texts as "x y size text".
QStringList texts(const QList<Op>& ops)
{
    QStringList lines;
    for (const Op& op : ops)
        lines << u"%1 %2 %3 %4"_s.arg(op.x1).arg(op.y1).arg(op.size).arg(op.text);
    return lines;
}

} // namespace

class TestMonthPrinter : public QObject
{
    Q_OBJECT

private slots:
    void pageSetupAndScale_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QPoint>("titlePen");
        QTest::addColumn<int>("titleSize");
        QTest::addColumn<QPoint>("sundayPen");
        QTest::addColumn<int>("letterSize");
        QTest::addColumn<QPoint>("gridCorner");
        // Each value worked out on its own: s in single precision, H = 4.2 s, V = 3.25 s.
        QTest::newRow("100") << 100 << 2 << QPoint(4620, -650) << 30 << QPoint(756, 162) << 18
                             << QPoint(14574, 10400);
        // 110 would run off the Letter page: printed at 101.
        QTest::newRow("110") << 110 << 2 << QPoint(4666, -657) << 30 << QPoint(763, 164) << 18
                             << QPoint(14719, 10503);
        QTest::newRow("90") << 90 << 2 << QPoint(4157, -585) << 27 << QPoint(680, 146) << 16
                            << QPoint(13116, 9359);
        QTest::newRow("76 landscape")
            << 76 << 2 << QPoint(3511, -494) << 22 << QPoint(574, 123) << 13 << QPoint(11076, 7903);
        QTest::newRow("75 portrait")
            << 75 << 1 << QPoint(3465, -488) << 22 << QPoint(567, 121) << 13 << QPoint(10930, 7800);
        QTest::newRow("30") << 30 << 1 << QPoint(1386, -196) << 9 << QPoint(226, 48) << 5
                            << QPoint(4372, 3120);
    }

    void pageSetupAndScale()
    {
        QFETCH(int, size);
        QFETCH(int, orientation);
        QFETCH(QPoint, titlePen);
        QFETCH(int, titleSize);
        QFETCH(QPoint, sundayPen);
        QFETCH(int, letterSize);
        QFETCH(QPoint, gridCorner);
        const Page page =
            print(CalendarSamples::Month(QDate(2025, 3, 1)), MonthNotesRecord::Fresh(), size);

        // Orientation, font, the empty underlined line that opens the page, then the origin.
        QCOMPARE(page.ops.at(1).kind, Op::Kind::Orientation);
        QCOMPARE(page.ops.at(1).x1, orientation);
        QCOMPARE(page.ops.at(2).kind, Op::Kind::Font);
        QCOMPARE(page.ops.at(2).text, u"Times New Roman"_s);
        const Op& opening = page.ops.at(3);
        QCOMPARE(opening.kind, Op::Kind::Text);
        QCOMPARE(opening.text, QString());
        QCOMPARE(opening.size, letterSize);
        QVERIFY(opening.bold && opening.underline && !opening.transparent);
        QCOMPARE(page.ops.at(4).kind, Op::Kind::Origin);
        QCOMPARE(QPoint(page.ops.at(4).x1, page.ops.at(4).y1), QPoint(-300, -800));
        QCOMPARE(page.ops.constLast().kind, Op::Kind::End);

        const Op* title = page.text(u"    MARCH 2025"_s);
        QVERIFY(title);
        QCOMPARE(QPoint(title->x1, title->y1), titlePen);
        QCOMPARE(title->size, titleSize);
        QVERIFY(title->bold && !title->underline && title->transparent);

        const Op* sunday = page.text(u"S"_s);
        QVERIFY(sunday);
        QCOMPARE(QPoint(sunday->x1, sunday->y1), sundayPen);
        QCOMPARE(sunday->size, letterSize);
        QVERIFY(!sunday->bold);

        // The grid: black lines only, its frame from (H * -30, 0) to the corner.
        const QList<Op> lines = page.of(Op::Kind::Line);
        QCOMPARE(lines.size(), 16);
        int right = 0;
        int bottom = 0;
        for (const Op& line : lines) {
            QCOMPARE(line.color, QColor(Qt::black));
            right = std::max({right, line.x1, line.x2});
            bottom = std::max({bottom, line.y1, line.y2});
        }
        QCOMPARE(QPoint(right, bottom), gridCorner);
        QVERIFY(page.of(Op::Kind::Box).isEmpty());
    }

    void daysOfTheMonth_data()
    {
        QTest::addColumn<QDate>("month");
        QTest::addColumn<int>("days");
        QTest::addColumn<QPoint>("lastPen");
        // The last day's number at (floor(4.2 L), floor(3.25 T) + 50).
        QTest::newRow("31 days from a Saturday, six rows")
            << QDate(2025, 3, 1) << 31 << QPoint(2100, 8775 + 50);
        QTest::newRow("common February from a Sunday, four rows")
            << QDate(2026, 2, 1) << 28 << QPoint(12600, 5525 + 50);
        QTest::newRow("30 days") << QDate(2024, 4, 1) << 30 << QPoint(4200, 7150 + 50);
        QTest::newRow("leap February") << QDate(2024, 2, 1) << 29 << QPoint(8400, 7150 + 50);
    }

    void daysOfTheMonth()
    {
        QFETCH(QDate, month);
        QFETCH(int, days);
        QFETCH(QPoint, lastPen);
        const Page page = print(CalendarSamples::Month(month), MonthNotesRecord::Fresh());
        const QList<Op> numbers = page.dayNumbers();
        QCOMPARE(numbers.size(), days);
        QCOMPARE(numbers.constLast().text, QString::number(days));
        QCOMPARE(QPoint(numbers.constLast().x1, numbers.constLast().y1), lastPen);
        QCOMPARE(numbers.constLast().size, 14);
        // Six week rows of grid whatever the month.
        QCOMPARE(page.of(Op::Kind::Line).size(), 16);
    }

    void notes_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("expected"); // "x y size text" of the day's note texts

        // 1 September 2024 is a Sunday: L = 0, T = 200, so line one starts at x -20, line two at 0;
        // the first note's lines at y 1007 and 1235, the second's at 1495 and 1722.
        // Narrow letters: every line fits its cell.
        const QString a25(25, u'i');
        QTest::newRow("placeholders print nothing") << "Click"
                                                    << "Click" << QStringList();
        QTest::newRow("25 characters, one line")
            << a25 << "Click" << QStringList{u"-20 1007 10 "_s + a25};
        QTest::newRow("26 without blanks")
            << (a25 + u'b') << "Click" << QStringList{u"-20 1007 9 "_s + a25 + u'-', "0 1235 9 b"};
        const QString blankAt20 = QString(19, u'i') + u' ' + QString(20, u'l');
        QTest::newRow("blank at 20") << blankAt20 << "Click"
                                     << QStringList{u"-20 1007 9 "_s + QString(19, u'i') + u' ',
                                                    u"0 1235 9 "_s + QString(20, u'l')};
        const QString blankAt15 = QString(14, u'i') + u' ' + QString(25, u'l');
        QTest::newRow("only blank at 15")
            << blankAt15 << "Click"
            << QStringList{u"-20 1007 9 "_s + blankAt15.left(25) + u'-',
                           u"0 1235 9 "_s + blankAt15.mid(25)};
        const QString blankAt16 = QString(15, u'i') + u' ' + QString(34, u'l');
        QTest::newRow("blank at 16, the rest cut at 25")
            << blankAt16 << "Click"
            << QStringList{u"-20 1007 9 "_s + blankAt16.left(16),
                           u"0 1235 9 "_s + QString(25, u'l')};
        // Positions count characters as the user sees them: an emoji is one, never split.
        const QString a24 = QString(24, u'l') + u"\U0001F600"_s;
        QTest::newRow("emoji as the 25th character, one line")
            << a24 << "Click" << QStringList{u"-20 1007 10 "_s + a24};
        QTest::newRow("emoji as the 25th character, then more")
            << (a24 + u"bc"_s) << "Click"
            << QStringList{u"-20 1007 9 "_s + a24 + u'-', "0 1235 9 bc"};
        QTest::newRow("long first note leaves size 9 for the second")
            << (a25 + u'b') << "Lunch"
            << QStringList{u"-20 1007 9 "_s + a25 + u'-', "0 1235 9 b", "-20 1495 9 Lunch"};
        QTest::newRow("short first, long second")
            << "Lunch" << (a25 + u"bc"_s)
            << QStringList{"-20 1007 10 Lunch", u"-20 1495 9 "_s + a25 + u'-', "0 1722 9 bc"};
    }

    void notes()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, expected);
        MonthNotesRecord notes = MonthNotesRecord::Fresh();
        notes.Note[0] = first;
        notes.SecondNote[0] = second;
        CalendarChoices choices = CalendarSamples::Month(QDate(2024, 9, 1));
        choices.noPatterns = true;
        const Page page = print(choices, notes);

        // The day's texts between its number "1" and the number "2".
        QList<Op> dayTexts;
        bool inDay = false;
        for (const Op& op : page.of(Op::Kind::Text)) {
            if (op.bold && op.text == u"2"_s)
                break;
            if (inDay)
                dayTexts.append(op);
            if (op.bold && op.text == u"1"_s)
                inDay = true;
        }
        QCOMPARE(texts(dayTexts), expected);
        for (const Op& op : dayTexts)
            QVERIFY(!op.bold && op.transparent);
    }

    void notesStayInTheirCells_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("day"); // of September 2024: the 1st a Sunday, the 7th a Saturday
        QTest::addColumn<QString>("note");
        QTest::addColumn<bool>("whole"); // every letter printed, no ellipsis
        QTest::newRow("capitals, Sunday") << 100 << 1 << u"DOCTOR APPOINTMENT 10AM"_s << true;
        QTest::newRow("capitals, Saturday") << 100 << 7 << u"SATURDAY NOTE TOO LONG XY"_s << true;
        QTest::newRow("long note, two lines")
            << 110 << 4 << u"Pick up the kids from school at 3 then drive home"_s << true;
        QTest::newRow("too wide even at 5 pt") << 100 << 2 << QString(50, u'W') << false;
        // At 30 the note's size is under 5 already: it is only cut short.
        QTest::newRow("size 30") << 30 << 3 << u"DOCTOR APPOINTMENT 10AM"_s << false;
    }

    void notesStayInTheirCells()
    {
        QFETCH(int, size);
        QFETCH(int, day);
        QFETCH(QString, note);
        QFETCH(bool, whole);
        MonthNotesRecord notes = MonthNotesRecord::Fresh();
        const auto k = static_cast<std::size_t>(day - 1);
        notes.Note[k] = note;
        notes.SecondNote[k] = note;
        notes.Highlight[k + 1] = true; // the next day's fill comes after the note
        const Page page = print(CalendarSamples::Month(QDate(2024, 9, 1)), notes, size);
        const int used = MonthPrinter::FittingPrintSize(size, 15120, 11520);
        const double h = MonthPrinter::Scale(used) * 4.2;
        const int column = (day - 1) % 7;
        const int edge = static_cast<int>(std::floor(h * (500 * column + 470)));
        const int noteSize = MonthPrinter::FontSize(used, note.size() > 25 ? 9 : 10);
        RecordingSurface measure;
        QString printed;
        int lines = 0;
        for (const Op& op : page.of(Op::Kind::Text)) {
            // The notes are the only texts this small.
            if (op.bold || op.size > noteSize)
                continue;
            ++lines;
            measure.setFontSize(op.size);
            QVERIFY2(op.x1 + measure.textWidth(op.text) <= edge, qPrintable(op.text));
            QVERIFY(op.size <= noteSize && op.size >= std::min(noteSize, 5));
            if (lines <= (note.size() > 25 ? 2 : 1))
                printed += op.text;
        }
        QCOMPARE(lines, note.size() > 25 ? 4 : 2);
        QCOMPARE(printed == MonthPrinter::NoteLines(note).join(QString()), whole);
        QCOMPARE(printed.contains(u'\u2026'), !whole);
    }

    void printSizeFitsThePaper_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("paper"); // printable area, upright
        QTest::addColumn<int>("used");
        QTest::newRow("110 on Letter") << 110 << QSize(11520, 15120) << 101;
        QTest::newRow("100 on Letter") << 100 << QSize(11520, 15120) << 100;
        QTest::newRow("100 on A4") << 100 << QSize(11186, 16118) << 99;
        QTest::newRow("75 on A4, portrait") << 75 << QSize(11186, 16118) << 74;
        QTest::newRow("30 on A4") << 30 << QSize(11186, 16118) << 30;
    }

    void printSizeFitsThePaper()
    {
        QFETCH(int, size);
        QFETCH(QSize, paper);
        QFETCH(int, used);
        AppState state;
        RecordingSurface surface(paper.width(), paper.height());
        const PageFit fit = MonthPrinter(CalendarSamples::Month(QDate(2025, 3, 1)), state, nullptr)
                                .print(surface, MonthNotesRecord::Fresh(), size);
        QCOMPARE(fit.used, used);
        QCOMPARE(fit.note().isEmpty(), used == size);
        // The orientation follows the size asked for; every line lies on the printable area.
        QCOMPARE(surface.ScaleWidth() > surface.ScaleHeight(), MonthPrinter::IsLandscape(size));
        for (const Op& line : OfKind(surface.ops(), Op::Kind::Line)) {
            QVERIFY(300 + std::min(line.x1, line.x2) >= 0);
            QVERIFY(300 + std::max(line.x1, line.x2) <= surface.ScaleWidth());
            QVERIFY(800 + std::max(line.y1, line.y2) <= surface.ScaleHeight());
        }
    }

    void fillsAndStrips_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<bool>("dayOff");
        QTest::addColumn<bool>("entry");
        QTest::addColumn<bool>("highlight");
        QTest::addColumn<QStringList>("fills"); // "x1 y1 x2 y2 what"

        // 4 July 2024, a Thursday in row 0: the cell spans x 8274..10374, y 650..2275.
        const QString cell4 = u"8274 650 10374 2275 "_s;
        const QString entryStrip4 = u"9324 650 10374 1007 "_s;
        const QString highlightStrip4 = u"8274 650 9324 1007 "_s;
        QTest::newRow("holiday, entry and highlight")
            << 4 << false << true << true
            << QStringList{cell4 + u"holiday"_s, entryStrip4 + u"entry"_s,
                           highlightStrip4 + u"highlight"_s};
        QTest::newRow("holiday and day off")
            << 4 << true << false << true
            << QStringList{cell4 + u"holiday"_s, cell4 + u"dayOffOnHoliday"_s,
                           highlightStrip4 + u"highlight"_s};
        // 5 July 2024, a Friday: x 10374..12474.
        const QString cell5 = u"10374 650 12474 2275 "_s;
        QTest::newRow("entry then highlight")
            << 5 << false << true << true
            << QStringList{cell5 + u"entry"_s, "10374 650 11424 1007 highlight"};
        QTest::newRow("highlight alone fills the cell")
            << 5 << false << false << true << QStringList{cell5 + u"highlight"_s};
        QTest::newRow("day off and entry")
            << 5 << true << true << false
            << QStringList{cell5 + u"dayOff"_s, "11424 650 12474 1007 entry"};
    }

    void fillsAndStrips()
    {
        QFETCH(int, day);
        QFETCH(bool, dayOff);
        QFETCH(bool, entry);
        QFETCH(bool, highlight);
        QFETCH(QStringList, fills);

        const QDate date(2024, 7, day);
        CalendarChoices choices = CalendarSamples::Month(date);
        choices.highlightVacations = true;
        choices.highlightGroup = dayOff ? GroupOffOn(date) : u" 0"_s;
        choices.shades = ShadeColors::For(ColourFamily::Blue, -20);
        FakeEntries entries;
        if (entry)
            entries.add(7, day, {u"X"_s, u"180, 255, 180"_s});
        MonthNotesRecord notes = MonthNotesRecord::Fresh();
        notes.Highlight[static_cast<std::size_t>(day - 1)] = highlight;
        const Page page = print(choices, notes, 100, &entries);

        const QMap<QString, QColor> colours = {
            {u"holiday"_s, choices.shades.HolidayColor},
            {u"dayOff"_s, choices.shades.RdoColor},
            {u"dayOffOnHoliday"_s, choices.shades.RdoOnHolidayColor},
            {u"entry"_s, QColor(180, 255, 180)},
            {u"highlight"_s, QColor(255, 140, 255)},
        };
        const int left = day == 4 ? 8274 : 10374;
        QStringList found;
        for (const Op& op : page.of(Op::Kind::Fill)) {
            if (op.x1 < left || op.x1 >= left + 2100 || op.y1 != 650)
                continue;
            QString what = op.color.name();
            for (auto it = colours.cbegin(); it != colours.cend(); ++it) {
                if (it.value() == op.color)
                    what = it.key();
            }
            found << u"%1 %2 %3 %4 %5"_s.arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2).arg(what);
        }
        QCOMPARE(found, fills);
    }

    void noPatternsKeepsFillsAndNumberSize()
    {
        const QDate date(2024, 7, 1);
        CalendarChoices choices = CalendarSamples::Month(date);
        choices.highlightGroup = GroupOffOn(date);
        MonthNotesRecord notes = MonthNotesRecord::Fresh();
        notes.Note[0] = QString(30, u'n'); // a long note sets size 9
        const Page with = print(choices, notes);
        choices.noPatterns = true;
        const Page without = print(choices, notes);

        QCOMPARE(without.of(Op::Kind::Fill).size(), with.of(Op::Kind::Fill).size());
        QVERIFY(with.of(Op::Kind::Fill).size() >= 7);
        QCOMPARE(with.of(Op::Kind::Text).size(), 1 + 1 + 7 + 31 + 2 + 31);
        QCOMPARE(without.of(Op::Kind::Text).size(), 1 + 1 + 7 + 31 + 2);
        for (const Op& number : without.dayNumbers())
            QCOMPARE(number.size, 14);
        // The groups off of Monday 1 July: " n-m" at (floor(4.2 * 500), floor(3.25 * 600)).
        const QList<Op> withTexts = with.of(Op::Kind::Text);
        const Op& groups = withTexts.at(1 + 1 + 7 + 1 + 2);
        QCOMPARE(QPoint(groups.x1, groups.y1), QPoint(2100, 1950));
        QCOMPARE(groups.size, 14);
        QVERIFY(groups.text.startsWith(u' ') && groups.text.contains(u'-'));
    }
};

QTEST_MAIN(TestMonthPrinter)
#include "tst_monthprinter.moc"
