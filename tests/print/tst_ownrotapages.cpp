#include "print/MonthPrinter.h"
#include "print/MonthSheetLayout.h"
#include "print/PrintNames.h"
#include "print/YearCalendarPrinter.h"
#include "rota/BuiltInRotas.h"
#include "store/AppState.h"
#include "store/MonthNotesTable.h"

#include "CalendarSamples.h"
#include "RecordedOps.h"
#include "RotaFiles.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace RecordedOps;
using CalendarSamples::Year;
using Kind = Op::Kind;

namespace {

QList<Op> printYear(const CalendarChoices& choices)
{
    RecordingSurface surface;
    AppState state;
    YearCalendarPrinter::Print(surface, choices, state);
    return surface.ops();
}

QStringList traceLines(const QList<Op>& ops)
{
    QStringList lines;
    for (const Op& op : ops)
        lines << op.traceLine();
    return lines;
}

int widthOf(const Op& text)
{
    RecordingSurface measure;
    measure.setFontName(u"Times New Roman"_s);
    measure.setFontSize(text.size);
    return measure.textWidth(text.text);
}

} // namespace

// A rota of the user's own on the year page, the month sheet and the month page: drawn where
// and as the built-in kinds are.
class TestOwnRotaPages : public QObject
{
    Q_OBJECT

private slots:
    // Each built-in kind written as a rota file shades the same days, on the year page and the
    // month sheet.
    void shadedAsTheBuiltInKind_data()
    {
        QTest::addColumn<RotaKind>("kind");
        QTest::addColumn<QString>("group");
        QTest::addColumn<int>("year");
        for (const BuiltInRota& row : BuiltInRotas::Definitions()) {
            if (row.groups.isEmpty())
                continue;
            const auto highlight = [](const QString& group) {
                return RotaKinds::GroupForPatternButton(*RotaKinds::PatternButtonForGroup(group));
            };
            QTest::addRow("%s first group", qPrintable(row.commandName))
                << row.kind << highlight(row.groups.front()) << 1901;
            QTest::addRow("%s last group", qPrintable(row.commandName))
                << row.kind << highlight(row.groups.back()) << 2124;
        }
    }

    void shadedAsTheBuiltInKind()
    {
        QFETCH(RotaKind, kind);
        QFETCH(QString, group);
        QFETCH(int, year);
        CalendarChoices builtIn = Year(QString::number(year), kind, group);
        CalendarChoices own = Year(QString::number(year), RotaKind::CgSixTwo, group);
        const std::optional<Rota> file =
            RotaFiles::Read(RotaFiles::BuiltIn(kind, QDate(2027, 3, 17)));
        QVERIFY(file);
        own.rota = *file;

        const QList<Op> fills = OfKind(printYear(builtIn), Kind::Fill);
        QVERIFY(std::any_of(fills.cbegin(), fills.cend(),
                            [&](const Op& fill) { return fill.color == builtIn.shades.RdoColor; }));
        QCOMPARE(traceLines(OfKind(printYear(own), Kind::Fill)), traceLines(fills));

        AppState state;
        builtIn.calendarDate = own.calendarDate = QDate(year, 3, 1);
        const MonthSheetLayout builtInSheet = MonthSheetLayout::Build(builtIn, state, nullptr);
        const MonthSheetLayout ownSheet = MonthSheetLayout::Build(own, state, nullptr);
        for (qsizetype i = 0; i < builtInSheet.days().size(); ++i)
            QCOMPARE(ownSheet.days()[i].marks, builtInSheet.days()[i].marks);
    }

    // Title, cell text and key name the rota and the group; groups off are listed with
    // commas, on the year page and the month sheet.
    void ownRotaOnThePages()
    {
        CalendarChoices choices = Year(u"2027"_s, RotaKind::FiveThree, u"B"_s);
        choices.rota = *RotaFiles::Read(RotaFiles::FourOnFourOff);
        choices.printKey = true;
        const QList<Op> ops = printYear(choices);
        QVERIFY(FindText(ops, u"DARIZU - 2027 FOUR ON FOUR OFF RDO CALENDAR - PATTERN B"_s));
        // Monday 4 January, column 1 of the second row: the lower line of its cell.
        QCOMPARE(TextsAt(ops, 500, 750), QStringList{u" B,C"_s});
        QVERIFY(FindText(ops, u"Four On Four Off: Pattern B days off"_s));
        QVERIFY(FindText(ops, u"Four On Four Off: Pattern B days off on holidays"_s));

        choices.calendarDate = QDate(2027, 1, 1);
        AppState state;
        const MonthSheetLayout sheet = MonthSheetLayout::Build(choices, state, nullptr);
        QCOMPARE(sheet.days()[3].groupsOffText, u" B,C"_s);
        QVERIFY(sheet.days()[3].dayOff);
        QCOMPARE(sheet.days()[7].groupsOffText, u" A,D"_s);
        QVERIFY(!sheet.days()[7].dayOff);
    }

    // What a page, its key and its print job or PDF are called, for a built-in kind and for
    // rota files with and without a word of their own for their groups.
    void namesOfTheCalendar_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: the four-and-two kind
        QTest::addColumn<QString>("group");   // empty: none highlighted
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("job");
        QTest::addColumn<QString>("batchJob");
        QTest::addColumn<QString>("key");
        const QByteArray crews = QByteArray(RotaFiles::FourOnFourOff) + "group word = Crew\n";
        const QByteArray kelly = "name = 24/48 Kelly\nstart = 2027-01-04\ngroup word = Kelly "
                                 "group\ngroups = A1 a2 C7\npattern = WOO\nshift = 1\n";
        QTest::newRow("built-in kind")
            << QByteArray() << u"C"_s << u"DARIZU - 2027 4-2 RDO CALENDAR"_s
            << u"Kelvane 2027 RDO Calendar - Pattern C"_s
            << u"Kelvane 2027 All Patterns - Pattern C"_s << u"Pattern C days off"_s;
        QTest::newRow("crews") << crews << u"C"_s
                               << u"DARIZU - 2027 FOUR ON FOUR OFF RDO CALENDAR - CREW C"_s
                               << u"Kelvane 2027 Four On Four Off - Crew C"_s
                               << u"Kelvane 2027 Four On Four Off - Crew C"_s
                               << u"Four On Four Off: Crew C days off"_s;
        QTest::newRow("no group") << crews << QString()
                                  << u"DARIZU - 2027 FOUR ON FOUR OFF RDO CALENDAR"_s
                                  << u"Kelvane 2027 Four On Four Off"_s
                                  << u"Kelvane 2027 Four On Four Off"_s << QString();
        QTest::newRow("case kept")
            << kelly << u"a2"_s << u"DARIZU - 2027 24/48 KELLY RDO CALENDAR - KELLY GROUP A2"_s
            << u"Kelvane 2027 24/48 Kelly - Kelly group a2"_s
            << u"Kelvane 2027 24/48 Kelly - Kelly group a2"_s
            << u"24/48 Kelly: Kelly group a2 days off"_s;
    }

    void namesOfTheCalendar()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, group);
        QFETCH(QString, title);
        QFETCH(QString, job);
        QFETCH(QString, batchJob);
        QFETCH(QString, key);
        CalendarChoices choices = Year(u"2027"_s, RotaKind::FourTwo, group);
        if (!file.isEmpty())
            choices.rota = *RotaFiles::Read(file);
        choices.printKey = true;
        QCOMPARE(YearCalendarPrinter::Title(choices), title);
        QCOMPARE(PrintNames::YearCalendar(choices), job);
        QCOMPARE(PrintNames::BatchCalendar(choices), batchJob);
        if (!key.isEmpty())
            QVERIFY(FindText(printYear(choices), key));
    }

    // Twenty-six groups off every day: the text is made smaller to stay in its cell, and the next
    // day is written in the usual size again.
    void groupsOffTextStaysInItsCell()
    {
        CalendarChoices choices = Year(u"2027"_s);
        const std::optional<Rota> rota = RotaFiles::Read(
            "name = All Off\nstart = 2027-01-04\ngroups = A1 A2 A3 A4 A5 A6 A7 B1 B2 B3 B4 B5 "
            "B6 B7 C1 C2 C3 C4 C5 C6 C7 Red Gold Blue Grey Pink\npattern = O\n");
        QVERIFY(rota);
        choices.rota = *rota;

        const QList<Op> year = printYear(choices);
        const QStringList cell = TextsAt(year, 500, 750);
        QCOMPARE(cell.size(), 1);
        const Op* groups = FindText(year, cell.first());
        QVERIFY(groups->size < 10);
        QVERIFY(widthOf(*groups) <= 470);
        QCOMPARE(FindText(year, u"5"_s)->size, 10);

        choices.calendarDate = QDate(2027, 1, 1);
        AppState state;
        RecordingSurface surface;
        MonthPrinter(choices, state, nullptr).print(surface, MonthNotesRecord(), 100);
        int written = 0;
        for (const Op& op : OfKind(surface.ops(), Kind::Text)) {
            if (!op.text.startsWith(u" A1,A2"_s))
                continue;
            ++written;
            const int column = static_cast<int>(std::lround(op.x1 / 2100.0));
            QVERIFY(op.x1 + widthOf(op) <=
                    static_cast<int>(std::floor(4.2 * (500 * column + 470))));
        }
        QCOMPARE(written, 31);
    }
};

QTEST_MAIN(TestOwnRotaPages)
#include "tst_ownrotapages.moc"
