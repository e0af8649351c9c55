#include "rota/BuiltInRotas.h"
#include "rota/OwnRota.h"
#include "rota/Rota.h"
#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"

#include "RotaFiles.h"

#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

class TestOwnRota : public QObject
{
    Q_OBJECT

private slots:
    // Each rule broken once in the four-on-four-off file: line `line` replaced by `text` (an
    // empty text leaves the line blank; line 7 is added; line 0: the whole file).
    void refusedFiles_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("error");
        const auto row = [](const char* name, int line, const QByteArray& text, const char* error) {
            QTest::newRow(name) << line << text << u"four.rota:"_s + QString::fromUtf8(error);
        };
        row("empty file", 0, "", "1: the file is empty");
        row("blanks only", 0, " \n\t\n", "1: the file is empty");
        row("not UTF-8", 2, "name = Caf\xE9", "2: not UTF-8 text");
        row("no equals sign", 6, "shift 2", "6: the line has no '='; write key = value");
        row("no key", 6, " = 2", "6: no key before '='");
        row("unknown key", 7, "colour = red",
            "7: unknown key 'colour'; use name, start, groups, pattern, shift or pattern X");
        row("key twice, other case", 7, "NAME = Other", "7: name given twice (first on line 2)");
        row("name empty", 2, "name =", "2: name is empty");
        row("name too long", 2, "name = " + QByteArray(31, 'x'),
            "2: name has 31 characters; at most 30");
        row("name with a control character", 2, "name = Four\x01Off",
            "2: name has a character that cannot be printed");
        row("start not a date", 3, "start = 2027-02-30",
            "3: start '2027-02-30' is not a date; write YYYY-MM-DD");
        row("group not a button", 4, "groups = A B C Z",
            "4: group 'Z' is not a pattern button; use 1..7 and A..N");
        row("group twice", 4, "groups = A B a D", "4: group A is named twice");
        row("fifteen groups", 4, "groups = 1 2 3 4 5 6 7 A B C D E F G H",
            "4: groups names 15 groups; at most 14");
        row("pattern letter", 5, "pattern = WWWWXOOO", "5: pattern has 'X'; use W and O");
        row("pattern too long", 5, "pattern = " + QByteArray(401, 'W'),
            "5: pattern has 401 letters; at most 400");
        row("shift out of range", 6, "shift = 400", "6: shift '400' is not a whole number 0..399");
        row("own pattern of no group", 7, "pattern E = WWWWOOOO",
            "7: groups has no E for pattern E");
        row("own pattern of another length", 7, "pattern b = WWWOOO",
            "7: pattern B has 6 letters but pattern on line 5 has 8; every pattern needs the same "
            "length");
        row("name missing", 2, "", "6: name is missing");
        row("start missing", 3, "", "6: start is missing");
        row("groups missing", 4, "", "6: groups is missing");
        row("pattern missing", 5, "", "6: pattern is missing");
    }

    void refusedFiles()
    {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QString, error);
        QList<QByteArray> lines = RotaFiles::FourOnFourOff.split('\n');
        lines.removeLast();
        if (line == 0)
            lines = {text};
        else if (line > lines.size())
            lines.append(text);
        else
            lines[line - 1] = text;
        const RotaFileParser::Result result =
            RotaFileParser::Parse(lines.join('\n'), u"four.rota"_s);
        QVERIFY(!result.rota);
        QCOMPARE(result.error, error);
    }

    // Keys in any case, values with blanks and commas, CRLF, a byte order mark and comments, a
    // name of the most characters allowed; the file written back reads as the same rota, and is
    // written again to the same bytes.
    void readsAndWritesBack()
    {
        const QByteArray file = "\xEF\xBB\xBF# crews\r\n"
                                "NAME=  Pitman 2-2-3, the longest name \r\n"
                                "\r\n"
                                "Start = 2027-01-04\r\n"
                                "GROUPS = a, b,c d\r\n"
                                "Pattern = wwoo wwwoo wwooo\r\n"
                                "   # the night crew\r\n"
                                "pattern  C = OOWWOOOWWOOWWW";
        const RotaFileParser::Result read = RotaFileParser::Parse(file, u"pitman.rota"_s);
        QVERIFY2(read.rota, qPrintable(read.error));
        const OwnRota expected{u"Pitman 2-2-3, the longest name"_s,
                               QDate(2027, 1, 4),
                               {u"A"_s, u"B"_s, u"C"_s, u"D"_s},
                               u"WWOOWWWOOWWOOO"_s,
                               0,
                               {{u"C"_s, u"OOWWOOOWWOOWWW"_s}}};
        QCOMPARE(*read.rota, expected);

        const QByteArray written = RotaFileWriter::Text(*read.rota);
        const RotaFileParser::Result again = RotaFileParser::Parse(written, u"pitman.rota"_s);
        QVERIFY2(again.rota, qPrintable(again.error));
        QCOMPARE(*again.rota, expected);
        QCOMPARE(RotaFileWriter::Text(*again.rota), written);
    }

    void groupsOffOnKnownDates_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("line");
        const QByteArray pitman = "name = Pitman\nstart = 2027-01-04\ngroups = A B C D\n"
                                  "pattern = WWOOWWWOOWWOOO\nshift = 7\n";
        const QByteArray weekends = "name = Weekends\nstart = 2027-01-04\ngroups = 1\n"
                                    "pattern = WWWWWOO\n";
        const QByteArray& four = RotaFiles::FourOnFourOff;
        QTest::newRow("4-4 start") << four << QDate(2027, 1, 4) << "Four On Four Off: B-C";
        QTest::newRow("4-4 fifth day") << four << QDate(2027, 1, 8) << "Four On Four Off: A-D";
        QTest::newRow("4-4 day before") << four << QDate(2027, 1, 3) << "Four On Four Off: A-B";
        QTest::newRow("4-4 first printable")
            << four << QDate(1901, 1, 1) << "Four On Four Off: B-C";
        QTest::newRow("4-4 last printable")
            << four << QDate(2124, 12, 31) << "Four On Four Off: A-B";
        QTest::newRow("pitman start") << pitman << QDate(2027, 1, 4) << "Pitman: B-D";
        QTest::newRow("pitman third day") << pitman << QDate(2027, 1, 6) << "Pitman: A-C";
        QTest::newRow("pitman day before") << pitman << QDate(2027, 1, 3) << "Pitman: A-C";
        QTest::newRow("weekends saturday") << weekends << QDate(2027, 1, 9) << "Weekends: 1";
        QTest::newRow("weekends friday") << weekends << QDate(2027, 1, 8) << "Weekends: none";
        QTest::newRow("weekends earlier sunday")
            << weekends << QDate(2026, 12, 27) << "Weekends: 1";
    }

    void groupsOffOnKnownDates()
    {
        QFETCH(QByteArray, file);
        QFETCH(QDate, date);
        QFETCH(QString, line);
        const std::optional<Rota> rota = RotaFiles::Read(file);
        QVERIFY(rota);
        QCOMPARE(rota->whosOffHeading() + u": "_s + rota->whosOffText(date, 0), line);
    }

    // Each built-in kind written as a rota file has the same groups off on every printable day.
    void builtInKindsAsRotaFiles_data()
    {
        QTest::addColumn<RotaKind>("kind");
        for (const Rota& rota : BuiltInRotas::All()) {
            if (!rota.groups().isEmpty())
                QTest::newRow(qPrintable(rota.commandName())) << *rota.kind();
        }
    }

    void builtInKindsAsRotaFiles()
    {
        QFETCH(RotaKind, kind);
        const std::optional<Rota> own =
            RotaFiles::Read(RotaFiles::BuiltIn(kind, QDate(2027, 3, 17)));
        QVERIFY(own);
        const Rota rota = Rota::BuiltIn(kind);
        for (QDate date(1901, 1, 1); date.year() <= 2124; date = date.addDays(1)) {
            QStringList builtIn;
            for (const QStringList& column : rota.groupsOff(date, 0))
                builtIn += column;
            QStringList ownOff = own->groupsOff(date, 0).value(0);
            std::sort(builtIn.begin(), builtIn.end());
            std::sort(ownOff.begin(), ownOff.end());
            if (builtIn != ownOff)
                QFAIL(qPrintable(date.toString(Qt::ISODate)));
        }
    }
};

QTEST_APPLESS_MAIN(TestOwnRota)
#include "tst_ownrota.moc"
