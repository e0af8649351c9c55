#include "print/YearCalendarPrinter.h"
#include "store/AppState.h"

#include "CalendarSamples.h"
#include "FakeEntries.h"
#include "RecordedOps.h"

#include <QPoint>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace RecordedOps;
using CalendarSamples::Year;
using Kind = Op::Kind;

namespace {

QList<Op> printPage(const CalendarChoices& choices, EntryLookup* entries = nullptr)
{
    RecordingSurface surface;
    AppState state;
    YearCalendarPrinter::Print(surface, choices, state, entries);
    return surface.ops();
}

// The ops drawn for one cell: from its first fill or circle up to its day number and what
// follows it, up to the next day's first op. Found by the day number's pen position.
QList<Op> cellOps(const QList<Op>& ops, int dayX, int dayY, const QString& day)
{
    qsizetype dayIndex = -1;
    for (qsizetype i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == Kind::Text && ops[i].x1 == dayX && ops[i].y1 == dayY &&
            ops[i].text == day && ops[i].bold) {
            dayIndex = i;
            break;
        }
    }
    if (dayIndex < 0)
        return {};
    qsizetype first = dayIndex;
    // Back over the fills and circles of this cell (the previous day ends with a text).
    while (first > 0 && ops[first - 1].kind != Kind::Text)
        --first;
    qsizetype last = dayIndex;
    // On to the next bold text (the next day number) or a grid line.
    while (last + 1 < ops.size() && !(ops[last + 1].kind == Kind::Text && ops[last + 1].bold) &&
           ops[last + 1].kind == Kind::Text)
        ++last;
    return ops.mid(first, last - first + 1);
}

} // namespace

class TestYearCalendar : public QObject
{
    Q_OBJECT

private slots:
    void sizeFactor_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QString>("size");
        QTest::addColumn<double>("expected");
        QTest::newRow("letter") << 11520 << 15120 << "100" << 1.0;
        QTest::newRow("between thresholds keeps full size") << 11600 << 14880 << "100" << 1.0;
        QTest::newRow("narrow") << 11376 << 15120 << "100" << 11376.0 / 11620.0;
        QTest::newRow("size 60") << 11520 << 15120 << "60" << 0.6;
        QTest::newRow("short page") << 11520 << 14000 << "100" << 14000.0 / 14980.0;
        QTest::newRow("height wins over width") << 11000 << 13000 << "100" << 13000.0 / 14980.0;
        QTest::newRow("size below page factor") << 11376 << 15120 << "90" << 0.9;
    }

    void sizeFactor()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QString, size);
        QFETCH(double, expected);
        QCOMPARE(YearCalendarPrinter::SizeFactor(width, height, size), expected);
    }

    void pageSetUpAndTitle()
    {
        CalendarChoices choices = Year(u"2001"_s);
        choices.copiesText = u"2.5"_s;
        const QList<Op> ops = printPage(choices);
        const QStringList expected = {
            u"page 11520 15120"_s,
            u"orientation 1"_s,
            u"copies 2"_s, // rounded half to even
            u"font \"Times New Roman\""_s,
            u"origin -350 -1200"_s,
            u"text 2492 -1000 18 1 1 0 #000000 \"DARIZU - 2001 6-2 RDO CALENDAR\""_s,
            u"text 1000 -500 12 1 0 1 #000000 \"  JANUARY\""_s,
            u"text 150 -200 10 0 0 1 #000000 \"S\""_s,
        };
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(ops[i].traceLine(), expected[i]);
        QCOMPARE(ops.last().kind, Kind::End);
        QCOMPARE(OfKind(ops, Kind::End).size(), 1);
        // Twelve month names, each over its block.
        QCOMPARE(TextsAt(ops, 7600 + 1000, 10650 - 500), QStringList{u" DECEMBER"_s});
    }

    void titleFitsThePage_data()
    {
        QTest::addColumn<QString>("station");
        QTest::addColumn<RotaKind>("kind");
        QTest::addColumn<int>("pageWidth");
        QTest::addColumn<bool>("placedAsDesigned");
        QTest::newRow("fits") << u"DARIZU"_s << RotaKind::CgSixTwo << 11520 << true;
        QTest::newRow("24 letters, 5-3")
            << u"SOUTHERN METRO STATION 7"_s << RotaKind::FiveThree << 11520 << false;
        QTest::newRow("60 letters") << QString(60, u'N') << RotaKind::Combination << 11520 << false;
        QTest::newRow("60 letters, narrow page")
            << QString(60, u'N') << RotaKind::FiveThree << 6000 << false;
    }

    void titleFitsThePage()
    {
        QFETCH(QString, station);
        QFETCH(RotaKind, kind);
        QFETCH(int, pageWidth);
        QFETCH(bool, placedAsDesigned);
        CalendarChoices choices = Year(u"2025"_s, kind);
        choices.station = station;
        RecordingSurface surface(pageWidth, 15120);
        AppState state;
        YearCalendarPrinter::Print(surface, choices, state);
        const Op* title = FindText(surface.ops(), YearCalendarPrinter::Title(choices));
        QVERIFY(title);
        const double factor = pageWidth >= 11520 ? 1.0 : pageWidth / 11620.0;
        const int designed = YearCalendarPrinter::Scaled(5672 - 106.0 * title->text.size(), factor);
        QCOMPARE(title->x1 == designed && title->size == YearCalendarPrinter::Scaled(18, factor),
                 placedAsDesigned);
        // The whole title lies within the printable area, centred on it when moved.
        RecordingSurface measure;
        measure.setFontSize(title->size);
        measure.setFontBold(true);
        measure.setFontUnderline(true);
        const int left = YearCalendarPrinter::Scaled(-350, factor);
        const int width = measure.textWidth(title->text);
        QVERIFY(title->x1 >= left);
        QVERIFY(title->x1 + width <= left + pageWidth);
        if (!placedAsDesigned)
            QVERIFY(qAbs((title->x1 - left) - (left + pageWidth - title->x1 - width)) <= 1);
    }

    void keyNamesWhatThePageShows()
    {
        CalendarChoices choices = Year(u"2025"_s, RotaKind::CgSixTwo, u" 3"_s);
        choices.highlightPayday = true;
        choices.highlightVacations = true;
        FakeEntries entries;
        entries.add(3, 5, {u"V"_s, u"000, 200, 255"_s});
        entries.add(7, 4, {u"V"_s, u"000, 200, 255"_s});
        entries.add(8, 1, {u"B"_s, u"255, 128, 000"_s});
        const QList<Op> plain = printPage(choices, &entries);
        QVERIFY(!FindText(plain, u"Holidays"_s));

        choices.printKey = true;
        for (const QSize page : {QSize(11520, 15120), QSize(11520, 14880)}) {
            RecordingSurface surface(page.width(), page.height());
            AppState state;
            const PageFit fit = YearCalendarPrinter::Print(surface, choices, state, &entries);
            const QList<Op> ops = surface.ops();
            QStringList labels;
            for (const Op& op : OfKind(ops, Kind::Text)) {
                if (op.y1 > 13650 * fit.used / 100)
                    labels << op.text;
                // Nothing lies below the printable area's bottom (origin -1200 at full size).
                QVERIFY(op.y1 + op.size * 23 <= page.height() - 1200 * fit.used / 100);
            }
            QCOMPARE(labels, QStringList({u"Pattern 3 days off"_s, u"Holidays"_s,
                                          u"Pattern 3 days off on holidays"_s, u"Pay day"_s,
                                          u"V Vacation"_s, u"B Birthday"_s}));
            // Letter keeps full size; a page 240 twips shorter is printed smaller, and says so.
            QCOMPARE(fit.reduced(), page.height() < 15120);
            QCOMPARE(OfKind(ops, Kind::Fill).last().color, QColor(255, 128, 0));
        }
    }

    void scaledCellAtHalfSize()
    {
        // 1 January 2001 is a Monday and a holiday: its fill is the cell of column 1, row 0.
        CalendarChoices choices = Year(u"2001"_s);
        choices.sizeText = u"50"_s;
        const QList<Op> ops = printPage(choices);
        const QList<Op> fills = OfKind(ops, Kind::Fill);
        QVERIFY(!fills.isEmpty());
        QCOMPARE(fills.first().traceLine(), u"fill 235 0 485 250 #c8c8c8"_s);
        QCOMPARE(ops[4].traceLine(), u"origin -175 -600"_s); // no high quality at exactly 0.5
        // The title moves with the factor, floored: 5672 - 106 * 30 = 2492 at full size.
        QCOMPARE(OfKind(ops, Kind::Text).first().x1, 1246);
        QCOMPARE(OfKind(ops, Kind::Text).first().size, 9);

        // At 0.49 every value is floored on its own: -350 * 0.49 = -171.5.
        choices.sizeText = u"49"_s;
        const QList<Op> reduced = printPage(choices);
        QCOMPARE(reduced[1].kind, Kind::Quality); // before the page set-up
        QCOMPARE(OfKind(reduced, Kind::Origin).first().traceLine(), u"origin -172 -588"_s);
        QCOMPARE(OfKind(reduced, Kind::Fill).first().traceLine(), u"fill 230 0 475 245 #c8c8c8"_s);
    }

    void weekNumbers_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("paydays");
        QTest::addColumn<QStringList>("firstRow");  // week number texts beside January's row 0
        QTest::addColumn<QStringList>("secondRow"); // row 1
        QTest::addColumn<QStringList>("lastDecemberRow");
        QTest::addColumn<int>("lastRowIndex");
        // 1 January a Thursday: the first row counts in the old year.
        // Each row's number is printed once, however many days the row has.
        QTest::newRow("2015 Thursday")
            << "2015" << false << QStringList{} << QStringList{" 1"} << QStringList{" 52"} << 4;
        // 1 January a Wednesday: week 1 from the first row (three days of it).
        QTest::newRow("2014 Wednesday")
            << "2014" << false << QStringList{" 1"} << QStringList{" 2"} << QStringList{" 53"} << 4;
        // 31 December a Tuesday: the last row has no number.
        QTest::newRow("2024 ends Tuesday")
            << "2024" << true << QStringList{" 1"} << QStringList{" 2"} << QStringList{} << 4;
        // 31 December a Wednesday: the last row takes its number from the 31st only.
        QTest::newRow("2025 ends Wednesday")
            << "2025" << false << QStringList{" 1"} << QStringList{" 2"} << QStringList{" 53"} << 4;
    }

    void weekNumbers()
    {
        QFETCH(QString, year);
        QFETCH(bool, paydays);
        QFETCH(QStringList, firstRow);
        QFETCH(QStringList, secondRow);
        QFETCH(QStringList, lastDecemberRow);
        QFETCH(int, lastRowIndex);
        CalendarChoices choices = Year(year);
        choices.highlightPayday = paydays;
        const QList<Op> ops = printPage(choices);
        QCOMPARE(TextsAt(ops, -300, 120), firstRow);
        QCOMPARE(TextsAt(ops, -300, 620), secondRow);
        QCOMPARE(TextsAt(ops, 7600 - 300, 10650 + 500 * lastRowIndex + 120), lastDecemberRow);
        const QColor expected = paydays ? QColor(0, 0, 255) : QColor(Qt::black);
        for (const Op& op : OfKind(ops, Kind::Text)) {
            if (op.x1 == -300 || op.x1 % 3800 == 3500)
                QCOMPARE(op.color, expected);
            else
                QCOMPARE(op.color, QColor(Qt::black));
        }
    }

    void monthLengthsAndRows_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<int>("lastDay");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<int>("lastRow");
        // A 31-day month beginning on a Friday needs the sixth row.
        QTest::newRow("March 2024") << "2024" << 2 << 31 << 0 << 5;
        QTest::newRow("February 2024 leap") << "2024" << 1 << 29 << 4 << 4;
        QTest::newRow("February 2023") << "2023" << 1 << 28 << 2 << 4;
        // February of a common year beginning on a Sunday fills four rows exactly.
        QTest::newRow("February 2015") << "2015" << 1 << 28 << 6 << 3;
        QTest::newRow("December 1901") << "1901" << 11 << 31 << 2 << 4;
        QTest::newRow("December 2124") << "2124" << 11 << 31 << 0 << 5;
    }

    void monthLengthsAndRows()
    {
        QFETCH(QString, year);
        QFETCH(int, monthIndex);
        QFETCH(int, lastDay);
        QFETCH(int, lastColumn);
        QFETCH(int, lastRow);
        const int x0 = 3800 * (monthIndex % 3);
        const int y0 = 3550 * (monthIndex / 3);
        const QList<Op> ops = printPage(Year(year));
        QStringList days;
        for (const Op& op : OfKind(ops, Kind::Text)) {
            if (op.bold && op.x1 >= x0 && op.x1 < x0 + 3500 && op.y1 >= y0 && op.y1 < y0 + 3000)
                days.append(op.text);
        }
        QCOMPARE(days.size(), lastDay);
        QCOMPARE(days.last(), QString::number(lastDay));
        QCOMPARE(TextsAt(ops, x0 + 500 * lastColumn, y0 + 500 * lastRow).value(0),
                 QString::number(lastDay));
        // 365 or 366 day numbers in all (the other bold texts are the month names).
        int numbers = 0;
        for (const Op& op : OfKind(ops, Kind::Text))
            numbers += op.bold && op.y1 >= 0 && (op.y1 + 500) % 3550 != 0 ? 1 : 0;
        QCOMPARE(numbers, QDate(year.toInt(), 1, 1).daysInYear());
    }

    void groupsOffByKind_data()
    {
        QTest::addColumn<RotaKind>("kind");
        QTest::addColumn<bool>("noPatterns");
        QTest::addColumn<QStringList>("cellTexts"); // 1 January 2001, Monday, after the number
        QTest::addColumn<int>("size");
        // Day number 36866: position 18; MM 39; five-two-five-three 8.
        QTest::newRow("cg") << RotaKind::CgSixTwo << false << QStringList{"500 250  4-5"} << 10;
        QTest::newRow("mm") << RotaKind::MmSixTwo << false << QStringList{"500 250  1-2"} << 10;
        QTest::newRow("four-two") << RotaKind::FourTwo << false << QStringList{"500 250  C-D"}
                                  << 10;
        QTest::newRow("five-three")
            << RotaKind::FiveThree << false << QStringList{"500 250 1-2-7"} << 10;
        QTest::newRow("three-three")
            << RotaKind::ThreeThree << false << QStringList{"500 250 IJK"} << 9;
        QTest::newRow("five-two-five-three")
            << RotaKind::FiveTwoFiveThree << false << QStringList{"500 250  A-D"} << 10;
        QTest::newRow("combination") << RotaKind::Combination << false
                                     << QStringList{"820 0 C", "500 250  4-5", "820 250 D"} << 9;
        // "Highlight only": the cell keeps its fills but shows no groups.
        QTest::newRow("no patterns") << RotaKind::Combination << true << QStringList{} << 10;
        QTest::newRow("none") << RotaKind::NoPattern << false << QStringList{} << 10;
    }

    void groupsOffByKind()
    {
        QFETCH(RotaKind, kind);
        QFETCH(bool, noPatterns);
        QFETCH(QStringList, cellTexts);
        QFETCH(int, size);
        CalendarChoices choices = Year(u"2001"_s, kind, noPatterns ? u" 4"_s : QString());
        choices.noPatterns = noPatterns;
        const QList<Op> ops = printPage(choices);
        const QList<Op> cell = cellOps(ops, 500, 0, u"1"_s);
        QVERIFY(!cell.isEmpty());
        QStringList found;
        for (const Op& op : cell) {
            if (op.kind == Kind::Text && !op.bold && op.x1 != -300) {
                found.append(u"%1 %2 %3"_s.arg(op.x1).arg(op.y1).arg(op.text));
                QCOMPARE(op.size, size);
            }
        }
        QCOMPARE(found, cellTexts);
        // The size goes back to 10 for the week number.
        QCOMPARE(cell.last().size, 10);
    }

    void highlightFills_data()
    {
        QTest::addColumn<RotaKind>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QStringList>("fills");  // fills of 1 January 2001 (a holiday), in order
        QTest::addColumn<QStringList>("fills2"); // of 2 January 2001
        const QString holiday = u"fill 470 0 970 500 #c8c8c8"_s;
        QTest::newRow("no group") << RotaKind::CgSixTwo << " 0" << QStringList{holiday}
                                  << QStringList{};
        QTest::newRow("zero text")
            << RotaKind::CgSixTwo << "0" << QStringList{holiday} << QStringList{};
        QTest::newRow("group 4 off on the holiday")
            << RotaKind::CgSixTwo << " 4" << QStringList{holiday, "fill 470 0 970 500 #aaaa32"}
            << QStringList{};
        QTest::newRow("group 5 off the day after")
            << RotaKind::CgSixTwo << " 5" << QStringList{holiday, "fill 470 0 970 500 #aaaa32"}
            << QStringList{"fill 970 0 1470 500 #ffff64"};
        QTest::newRow("letter group")
            << RotaKind::FourTwo << "C" << QStringList{holiday, "fill 470 0 970 500 #aaaa32"}
            << QStringList{"fill 970 0 1470 500 #ffff64"};
        QTest::newRow("five-three group 1")
            << RotaKind::FiveThree << " 1" << QStringList{holiday, "fill 470 0 970 500 #aaaa32"}
            << QStringList{"fill 970 0 1470 500 #ffff64"};
    }

    void highlightFills()
    {
        QFETCH(RotaKind, kind);
        QFETCH(QString, group);
        QFETCH(QStringList, fills);
        QFETCH(QStringList, fills2);
        CalendarChoices choices = Year(u"2001"_s, kind);
        choices.highlightGroup = group;
        choices.noHighlight = group.trimmed() == u"0"_s;
        const QList<Op> ops = printPage(choices);
        const auto fillsOf = [&ops](int x, const QString& day) {
            QStringList lines;
            for (const Op& op : cellOps(ops, x, 0, day)) {
                if (op.kind == Kind::Fill)
                    lines.append(op.traceLine());
            }
            return lines;
        };
        QCOMPARE(fillsOf(500, u"1"_s), fills);
        QCOMPARE(fillsOf(1000, u"2"_s), fills2);
    }

    void entryOnShadedAndPlainCells()
    {
        FakeEntries entries;
        entries.add(1, 1, {u"V"_s, u"180, 255, 180"_s});
        entries.add(1, 2, {u"B"_s, u" 255, 180, 000 "_s});
        CalendarChoices choices = Year(u" 2001"_s);
        choices.highlightVacations = true;
        const QList<Op> ops = printPage(choices, &entries);
        QCOMPARE(entries.asked.size(), 365);
        QCOMPARE(entries.asked.first(), u" 2001|1/1"_s);
        QCOMPARE(entries.asked.last(), u" 2001|12/31"_s);

        // On the holiday's shade: an outlined patch in the upper right, then the type.
        const QList<Op> shaded = cellOps(ops, 500, 0, u"1"_s);
        QStringList lines;
        for (const Op& op : shaded)
            lines.append(op.traceLine());
        const QStringList expected = {
            u"fill 470 0 970 500 #c8c8c8"_s,
            u"box 720 0 970 250 1 #000000"_s,
            u"fill 720 0 970 250 #b4ffb4"_s,
            u"text 500 0 10 1 0 1 #000000 \"1\""_s,
            u"text 500 250 10 0 0 1 #000000 \" 4-5\""_s,
            u"text 800 30 8 0 0 1 #000000 \"V\""_s,
            u"text -300 120 10 0 0 1 #000000 \" 1\""_s,
        };
        QCOMPARE(lines, expected);
        // On a plain cell the entry colour fills the whole cell.
        const QList<Op> plain = cellOps(ops, 1000, 0, u"2"_s);
        QCOMPARE(plain.first().traceLine(), u"fill 970 0 1470 500 #ffb400"_s);
        QCOMPARE(TextsAt(ops, 1300, 30), QStringList{u"B"_s});
        // Days without an entry get no type text.
        QCOMPARE(TextsAt(ops, 1800, 30), QStringList{});

        // Combination calendars fill but never show the type.
        choices.rota = Rota::BuiltIn(RotaKind::Combination);
        const QList<Op> combination = printPage(choices, &entries);
        QCOMPARE(cellOps(combination, 1000, 0, u"2"_s).first().traceLine(),
                 u"fill 970 0 1470 500 #ffb400"_s);
        QVERIFY(TextsAt(combination, 1300, 30).isEmpty());
        // Without "Highlight Vacations" nothing is looked up.
        choices.highlightVacations = false;
        entries.asked.clear();
        printPage(choices, &entries);
        QVERIFY(entries.asked.isEmpty());
    }

    void payDays_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QPoint>("dayPen"); // design position of the day number
        QTest::addColumn<QString>("day");
        QTest::addColumn<QStringList>("layers"); // fills and circles of the cell
        // 10 January 2024: first kind, Wednesday, row 1.
        const QPoint tenth(1500, 500);
        QTest::newRow("first kind") << "2024"
                                    << "100" << QString() << tenth << "10"
                                    << QStringList{"fill 1470 500 1970 1000 #ff8cff",
                                                   u"circle 1595 625 120 1 #000000 #ffffb9"_s,
                                                   u"circle 1595 625 125 3 #000000 none"_s};
        // x: floor(floor(125 s) + s * left); y: floor(125 s) + floor(s * top).
        QTest::newRow("size 60") << "2024"
                                 << "60" << QString() << tenth << "10"
                                 << QStringList{"fill 882 300 1182 600 #ff8cff",
                                                u"circle 957 375 72 1 #000000 #ffffb9"_s,
                                                u"circle 957 375 75 1 #000000 none"_s};
        // A ring of floor(0.9) = 0 dots is refused: the pen stays at one dot.
        QTest::newRow("size 30") << "2024"
                                 << "30" << QString() << tenth << "10"
                                 << QStringList{"fill 441 150 591 300 #ff8cff",
                                                u"circle 478 187 36 1 #000000 #ffffb9"_s,
                                                u"circle 478 187 37 1 #000000 none"_s};
        // With a group highlighted (1 is not off that day) only the ring is drawn.
        QTest::newRow("group highlighted") << "2024"
                                           << "100"
                                           << " 1" << tenth << "10"
                                           << QStringList{"circle 1595 625 120 1 #000000 #ffffb9",
                                                          u"circle 1595 625 125 3 #000000 none"_s};
        QTest::newRow("second kind") << "2024"
                                     << "100" << QString() << QPoint(3000, 500) << "13"
                                     << QStringList{"fill 2970 500 3470 1000 #b4ffb4"};
        QTest::newRow("second kind, group") << "2024"
                                            << "100"
                                            << " 1" << QPoint(3000, 500) << "13" << QStringList{};
        QTest::newRow("first kind on Christmas")
            << "2024"
            << "100" << QString() << QPoint(7600 + 1500, 10650 + 1500) << "25"
            << QStringList{"fill 9070 12150 9570 12650 #c8c8c8",
                           u"fill 9070 12150 9570 12650 #c864c8"_s,
                           u"circle 9195 12275 120 1 #000000 #ffffb9"_s,
                           u"circle 9195 12275 125 3 #000000 none"_s};
        QTest::newRow("second kind on New Year")
            << "2022"
            << "100" << QString() << QPoint(3000, 0) << "1"
            << QStringList{"fill 2970 0 3470 500 #c8c8c8", "fill 2970 0 3470 500 #64ff64"};
    }

    void payDays()
    {
        QFETCH(QString, year);
        QFETCH(QString, size);
        QFETCH(QString, group);
        QFETCH(QPoint, dayPen);
        QFETCH(QString, day);
        QFETCH(QStringList, layers);
        CalendarChoices choices = Year(year, RotaKind::CgSixTwo, group);
        choices.highlightPayday = true;
        choices.sizeText = size;
        const double s = YearCalendarPrinter::SizeFactor(11520, 15120, size);
        const QList<Op> ops = printPage(choices);
        QStringList found;
        for (const Op& op : cellOps(ops, YearCalendarPrinter::Scaled(dayPen.x(), s),
                                    YearCalendarPrinter::Scaled(dayPen.y(), s), day)) {
            if (op.kind == Kind::Fill || op.kind == Kind::Circle)
                found.append(op.traceLine());
        }
        QCOMPARE(found, layers);
        // Every fourteen days, 26 times in 2024.
        if (year == u"2024"_s)
            QCOMPARE(OfKind(ops, Kind::Circle).size(), 2 * 26);
    }

    void gridLiesOnTopOfEveryFill()
    {
        CalendarChoices choices = Year(u"2024"_s, RotaKind::CgSixTwo, u" 3"_s);
        choices.highlightPayday = true;
        const QList<Op> ops = printPage(choices);
        // Per month: sixteen lines after the last fill of that block, before the next heading.
        int blocks = 0;
        for (qsizetype i = 0; i < ops.size(); ++i) {
            if (ops[i].kind != Kind::Line)
                continue;
            ++blocks;
            for (int k = 0; k < 16; ++k)
                QCOMPARE(ops[i + k].kind, Kind::Line);
            QVERIFY(i + 16 == ops.size() - 1 || ops[i + 16].kind == Kind::Text);
            const Op& top = ops[i];
            QCOMPARE(top.y1, top.y2); // the block's top edge first
            for (qsizetype j = i + 16; j < ops.size(); ++j) {
                // Nothing of this block is drawn after its grid.
                if (ops[j].kind == Kind::Fill || ops[j].kind == Kind::Circle)
                    QVERIFY(ops[j].x1 < top.x1 || ops[j].x1 > top.x2 || ops[j].y1 < top.y1 ||
                            ops[j].y1 > top.y1 + 3200);
            }
            i += 15;
        }
        QCOMPARE(blocks, 12);
        const QList<Op> lines = OfKind(ops, Kind::Line);
        QCOMPARE(lines.first().traceLine(), u"line -30 -200 3470 -200 1 #000000"_s);
        QCOMPARE(lines[15].traceLine(), u"line 2970 -200 2970 3000 1 #000000"_s);
    }

    void yearWithoutDateStillEndsDocument()
    {
        AppState state;
        state.goodFriday.GoodFridayMonth = 4;
        state.goodFriday.GoodFridayDay = 13;
        RecordingSurface surface;
        YearCalendarPrinter::Print(surface, Year(u"2001.5"_s), state);
        const QList<Op> ops = surface.ops();
        QCOMPARE(ops.last().kind, Kind::End);
        QCOMPARE(OfKind(ops, Kind::Line).size(), 12 * 16);
        QVERIFY(OfKind(ops, Kind::Fill).isEmpty());
        // The look-up keeps its earlier result for a year it cannot read.
        QCOMPARE(state.goodFriday.GoodFridayMonth, 4);

        YearCalendarPrinter::Print(surface, Year(u"2024"_s), state);
        QCOMPARE(state.goodFriday.GoodFridayMonth, 3);
        QCOMPARE(state.goodFriday.GoodFridayDay, 29);
    }

    void leadingZerosNameTheSameYear()
    {
        AppState state;
        RecordingSurface padded;
        RecordingSurface plain;
        YearCalendarPrinter::Print(padded, Year(u"02024"_s), state);
        YearCalendarPrinter::Print(plain, Year(u"2024"_s), state);
        // Everything but the title, which shows the text as typed, is the same page.
        QCOMPARE(padded.ops().size(), plain.ops().size());
        QCOMPARE(OfKind(padded.ops(), Kind::Fill).size(), OfKind(plain.ops(), Kind::Fill).size());
        QVERIFY(OfKind(plain.ops(), Kind::Fill).size() > 0);
    }
};

QTEST_MAIN(TestYearCalendar)
#include "tst_yearcalendar.moc"
