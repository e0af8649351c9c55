#include "rota/BuiltInRotas.h"
#include "rota/GroupMatch.h"
#include "rota/OwnRota.h"
#include "rota/Rota.h"
#include "rota/RotaFileParser.h"
#include "rota/RotaFileWriter.h"

#include "RotaFiles.h"

#include <QDir>
#include <QFile>
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
            "7: unknown key 'colour'; use name, start, groups, group word, pattern, shift or "
            "pattern X");
        row("key twice, other case", 7, "NAME = Other", "7: name given twice (first on line 2)");
        row("name empty", 2, "name =", "2: name is empty");
        row("name too long", 2, "name = " + QByteArray(31, 'x'),
            "2: name has 31 characters; at most 30");
        row("name with a control character", 2, "name = Four\x01Off",
            "2: name has a character that cannot be printed");
        row("start not a date", 3, "start = 2027-02-30",
            "3: start '2027-02-30' is not a date; write YYYY-MM-DD");
        row("group of five letters", 4, "groups = A B C Green",
            "4: group 'Green' is not 1..4 letters or digits");
        row("group with a hyphen", 4, "groups = A B C D-1",
            "4: group 'D-1' has '-'; use letters and digits");
        row("group zero", 4, "groups = A B C 00",
            "4: group '00' stands for no group; use another name");
        row("group none", 4, "groups = A B C None",
            "4: group 'None' stands for no group; use another name");
        row("group twice, other case", 4, "groups = A B a D", "4: group a is named twice");
        row("group twice, as a number", 4, "groups = 1 2 01 4", "4: group 01 is named twice");
        row("twenty-seven groups", 4,
            "groups = A B C D E F G H I J K L M N O P Q R S T U V W X Y Z A1",
            "4: groups names 27 groups; at most 26");
        row("group word empty", 7, "group word =", "7: group word is empty");
        row("group word with a full stop", 7, "group word = Crew.",
            "7: group word 'Crew.' is not 1..20 letters, digits, blanks or hyphens after a "
            "letter");
        row("pattern letter", 5, "pattern = WWWWXOOO", "5: pattern has 'X'; use W and O");
        row("pattern too long", 5, "pattern = " + QByteArray(401, 'W'),
            "5: pattern has 401 letters; at most 400");
        row("shift out of range", 6, "shift = 400", "6: shift '400' is not a whole number 0..399");
        row("own pattern of no group", 7, "pattern E = WWWWOOOO",
            "7: groups has no E for pattern E");
        row("own pattern of another length", 7, "pattern b = WWWOOO",
            "7: pattern b has 6 letters but pattern on line 5 has 8; every pattern needs the same "
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
    // name of the most characters allowed; group names keep their case, a group's own pattern
    // finds its group in any case; the file written back reads as the same rota, and is
    // written again to the same bytes.
    void readsAndWritesBack()
    {
        const QByteArray file = "\xEF\xBB\xBF# crews\r\n"
                                "NAME=  Pitman 2-2-3, the longest name \r\n"
                                "\r\n"
                                "Start = 2027-01-04\r\n"
                                "GROUPS = a, b,Red d1\r\n"
                                "Group  WORD = Night crew\r\n"
                                "Pattern = wwoo wwwoo wwooo\r\n"
                                "   # the night crew\r\n"
                                "pattern  RED = OOWWOOOWWOOWWW";
        const RotaFileParser::Result read = RotaFileParser::Parse(file, u"pitman.rota"_s);
        QVERIFY2(read.rota, qPrintable(read.error));
        const OwnRota expected{u"Pitman 2-2-3, the longest name"_s,
                               QDate(2027, 1, 4),
                               {u"a"_s, u"b"_s, u"Red"_s, u"d1"_s},
                               u"WWOOWWWOOWWOOO"_s,
                               0,
                               {{u"Red"_s, u"OOWWOOOWWOOWWW"_s}},
                               u"Night crew"_s};
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
        QTest::newRow("4-4 start") << four << QDate(2027, 1, 4) << "Four On Four Off: B, C";
        QTest::newRow("4-4 fifth day") << four << QDate(2027, 1, 8) << "Four On Four Off: A, D";
        QTest::newRow("4-4 day before") << four << QDate(2027, 1, 3) << "Four On Four Off: A, B";
        QTest::newRow("4-4 first printable")
            << four << QDate(1901, 1, 1) << "Four On Four Off: B, C";
        QTest::newRow("4-4 last printable")
            << four << QDate(2124, 12, 31) << "Four On Four Off: A, B";
        QTest::newRow("pitman start") << pitman << QDate(2027, 1, 4) << "Pitman: B, D";
        QTest::newRow("pitman third day") << pitman << QDate(2027, 1, 6) << "Pitman: A, C";
        QTest::newRow("pitman day before") << pitman << QDate(2027, 1, 3) << "Pitman: A, C";
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

    // A highlighted group is found by its whole name, case and leading zeros aside.
    void highlightMatchesWholeNames_data()
    {
        QTest::addColumn<QString>("highlight");
        QTest::addColumn<QStringList>("off");
        QTest::addColumn<bool>("match");
        QTest::newRow("A is not A1") << "A" << QStringList{"A1", "B"} << false;
        QTest::newRow("A1") << "A1" << QStringList{"B", "A1"} << true;
        QTest::newRow("1 is not 1A") << "1" << QStringList{"1A"} << false;
        QTest::newRow("1A is not 1") << "1A" << QStringList{"1"} << false;
        QTest::newRow("blank and zero") << " 03" << QStringList{"3"} << true;
        QTest::newRow("other case") << "red" << QStringList{"Red"} << true;
        QTest::newRow("0 is no group") << "0" << QStringList{"0"} << false;
    }

    void highlightMatchesWholeNames()
    {
        QFETCH(QString, highlight);
        QFETCH(QStringList, off);
        QFETCH(bool, match);
        QCOMPARE(GroupMatch::IsAmong(highlight, {off}), match);
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

    // Each rota file shipped for the rota window to start from, against a statement of its
    // roster written here: the runs of working days and days off from the first day of the
    // first group's cycle, each group's lateness in days, and how many groups work each day
    // (-1: not the same every day), checked over a whole cycle.
    void commonRotaFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("groupWord");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QList<int>>("lateness");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<int>("atWork");
        const QStringList crews = {u"A"_s, u"B"_s, u"C"_s, u"D"_s};
        const QDate monday(2027, 1, 4);
        const QList<QList<QVariant>> statements = {
            {u"four-on-four-off.rota"_s, u"Four On Four Off"_s, u"Crew"_s, crews, u"4W 4O"_s,
             QVariant::fromValue(QList<int>{0, 2, 4, 6}), monday, 2},
            {u"pitman-2-2-3.rota"_s, u"Pitman 2-2-3"_s, u"Crew"_s, crews, u"2W 2O 3W 2O 2W 3O"_s,
             QVariant::fromValue(QList<int>{0, 7, 14, 21}), monday, 2},
            {u"continental-2-2-3.rota"_s, u"Continental 2-2-3"_s, u"Crew"_s, crews,
             u"2W 2O 3W 2O 2W 3O 2W 2O 3W 2O 2W 3O"_s,
             QVariant::fromValue(QList<int>{0, 7, 14, 21}), monday, 2},
            {u"dupont.rota"_s, u"DuPont 12-Hour"_s, u"Crew"_s, crews, u"4W 3O 3W 1O 3W 3O 4W 7O"_s,
             QVariant::fromValue(QList<int>{0, 7, 14, 21}), monday, 2},
            {u"24-on-48-off.rota"_s, u"24 On 48 Off"_s, u"Platoon"_s,
             QStringList{u"A"_s, u"B"_s, u"C"_s}, u"1W 2O"_s,
             QVariant::fromValue(QList<int>{0, 1, 2}), monday, 1},
            // Monday to Friday at work.
            {u"five-on-two-off.rota"_s, u"Five On Two Off"_s, u"Pattern"_s, QStringList{u"A"_s},
             u"5W 2O"_s, QVariant::fromValue(QList<int>{0}), monday, -1},
        };
        const QStringList shipped =
            QDir(QStringLiteral(KELVANE_COMMON_ROTAS)).entryList({u"*.rota"_s}, QDir::Files);
        QStringList stated;
        for (const QList<QVariant>& row : statements) {
            stated << row[0].toString();
            QTest::newRow(qPrintable(row[0].toString()))
                << row[0].toString() << row[1].toString() << row[2].toString()
                << row[3].toStringList() << row[4].toString() << row[5].value<QList<int>>()
                << row[6].toDate() << row[7].toInt();
        }
        for (const QString& file : shipped) {
            if (!stated.contains(file))
                QTest::newRow(qPrintable(file)) << file << QString() << QString() << QStringList()
                                                << QString() << QList<int>() << QDate() << 0;
        }
    }

    void commonRotaFiles()
    {
        QFETCH(QString, file);
        QFETCH(QString, name);
        QFETCH(QString, groupWord);
        QFETCH(QStringList, groups);
        QFETCH(QString, runs);
        QFETCH(QList<int>, lateness);
        QFETCH(QDate, first);
        QFETCH(int, atWork);
        QVERIFY2(!runs.isEmpty(), "a shipped rota file without a statement here");
        QFile text(QStringLiteral(KELVANE_COMMON_ROTAS) + u'/' + file);
        QVERIFY2(text.open(QIODevice::ReadOnly), "a statement of a file that is not shipped");
        const RotaFileParser::Result read = RotaFileParser::Parse(text.readAll(), file);
        QVERIFY2(read.rota, qPrintable(read.error));
        QCOMPARE(read.rota->name, name);
        QCOMPARE(read.rota->groupWord, groupWord);
        QCOMPARE(read.rota->groups, groups);

        QString cycle;
        for (const QString& run : runs.split(u' '))
            cycle += QString(run.chopped(1).toInt(), run.back());
        const Rota rota = Rota::FromFile(*read.rota);
        QCOMPARE(rota.length(), cycle.size());
        for (int day = 0; day < cycle.size(); ++day) {
            const QDate date = first.addDays(day);
            QStringList expected;
            for (qsizetype i = 0; i < groups.size(); ++i) {
                const int at = (day - lateness.at(i)) % cycle.size();
                if (cycle.at(at < 0 ? at + cycle.size() : at) == u'O')
                    expected << groups.at(i);
            }
            const QStringList off = rota.groupsOff(date, 0).value(0);
            QVERIFY2(off == expected, qPrintable(date.toString(Qt::ISODate)));
            if (atWork >= 0)
                QCOMPARE(groups.size() - off.size(), atWork);
        }
    }
};

QTEST_APPLESS_MAIN(TestOwnRota)
#include "tst_ownrota.moc"
