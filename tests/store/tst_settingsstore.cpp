#include "store/SettingsStore.h"

#include "CalendarFixture.h"

#include <QFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private:
    QString iniPath() const { return m_dir->filePath(u"settings.ini"_s); }
    void storeRaw(const QString& key, const QString& value)
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue(u"Settings/"_s + key, value);
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void emptyStoreGivesDefaults()
    {
        SettingsStore store(iniPath());
        const SettingsStore::Values values = store.read();
        QCOMPARE(values.Station, u"Darizu"_s);
        QCOMPARE(values.NoDatabase, qint16(0));
        QCOMPARE(values.MyPattern.text(), u"000"_s);
        QCOMPARE(values.MyHolidays, u"1111111100000"_s);
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("station");
        QTest::addColumn<qint16>("noDatabase");
        QTest::addColumn<QString>("myPattern");
        QTest::addColumn<QString>("myHolidays");
        // clang-format off
        QTest::newRow("four-two C")             << "North Yard"        << qint16(1) << "210" << "0000000000001";
        QTest::newRow("no highlight in window") << "Darizu"            << qint16(0) << "5 0" << "1111111100000";
        QTest::newRow("blanks and commas kept") << " Station 4, East " << qint16(0) << "05"  << "1010101010101";
        QTest::newRow("a semicolon alone")      << ";"                 << qint16(0) << "000" << "1111111100000";
        QTest::newRow("five-two-five-three F")  << ""                  << qint16(1) << "713" << "0000000000000";
        QTest::newRow("quotes, escapes, emoji") << "@\"Nord\"\\;=\t\u00e9\U0001f600 " << qint16(0) << "000" << "1111111100000";
        QTest::newRow("tab at the end")         << "@Yard(\\0\t"    << qint16(0) << "000" << "1111111100000";
        QTest::newRow("byte order mark first")  << "\ufeffNorth"      << qint16(0) << "000" << "1111111100000";
        QTest::newRow("half a character")       << QString(QChar(0xd83d)) + "1a" << qint16(0) << "000" << "1111111100000";
        // clang-format on
    }

    void roundTrip()
    {
        QFETCH(QString, station);
        QFETCH(qint16, noDatabase);
        QFETCH(QString, myPattern);
        QFETCH(QString, myHolidays);
        const std::optional<PatternSetting> pattern = PatternSetting::Parse(myPattern);
        QVERIFY(pattern);
        QCOMPARE(pattern->text(), myPattern); // read once, written back as it was
        const SettingsStore::Values written{station, noDatabase, *pattern, myHolidays};
        {
            SettingsStore store(iniPath());
            store.write(written);
        }
        SettingsStore reread(iniPath());
        QCOMPARE(reread.read(), written);
        // The file is one QSettings reads the same way, and the other way round.
        QCOMPARE(QSettings(iniPath(), QSettings::IniFormat).value(u"Settings/Station"_s).toString(),
                 station);
        // Qt's own writer turns half a character into U+FFFD and loses a tab at the end.
        if (station.isValidUtf16() && !station.endsWith(u'\t')) {
            const QString byQt = m_dir->filePath(u"qt.ini"_s);
            QSettings(byQt, QSettings::IniFormat).setValue(u"Settings/Station"_s, station);
            QCOMPARE(SettingsStore(byQt).read().Station, station);
        }
    }

    // Values are read as plain text only: nothing else is decoded.
    void typedValuesReadAsDefaults_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        // clang-format off
        QTest::newRow("a list of 2^31 strings") << QByteArray("Station=@Variant(\\0\\0\\0\\v\\0\\x7f\\xff\\xff\\xff)") << "Station" << "Darizu";
        QTest::newRow("a string variant")       << QByteArray("Station=@Variant(\\0\\0\\0\\n\\0\\0\\0\\0\\x2\\0X)") << "Station" << "Darizu";
        QTest::newRow("a byte array")           << QByteArray("NoDatabase=@ByteArray(1)") << "NoDatabase" << "0";
        QTest::newRow("a rectangle")            << QByteArray("MyHolidays=@Rect(1 1 1 1)") << "MyHolidays" << "1111111100000";
        QTest::newRow("text starting with @")   << QByteArray("Station=@@Home") << "Station" << "@Home";
        QTest::newRow("list read as text")      << QByteArray("Station=a,b ,  c") << "Station" << "a, b, c";
        // clang-format on
    }

    void typedValuesReadAsDefaults()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, key);
        QFETCH(QString, value);
        CalendarFixture::WriteFile(iniPath(), "[Settings]\nNoDatabase=0\n" + line + '\n');
        const SettingsStore::Values values = SettingsStore(iniPath()).read();
        const QMap<QString, QString> read{{u"Station"_s, values.Station},
                                          {u"NoDatabase"_s, QString::number(values.NoDatabase)},
                                          {u"MyHolidays"_s, values.MyHolidays}};
        QCOMPARE(read.value(key), value);
    }

    void writingKeepsTheRestOfTheFile()
    {
        const QByteArray before = "; kept\r\n[General]\r\nother=@Variant(\\0)\r\n\r\n[Settings]\r\n"
                                  "Station=Old\r\nExtra=1\r\n\r\n[Later]\r\nx=2\r\n";
        CalendarFixture::WriteFile(iniPath(), before);
        SettingsStore(iniPath()).write(
            {u"New"_s, 1, *PatternSetting::Parse(u"210"_s), u"0000000000001"_s});
        QCOMPARE(CalendarFixture::ReadText(iniPath()).toUtf8(),
                 QByteArray("; kept\r\n[General]\r\nother=@Variant(\\0)\r\n\r\n[Settings]\r\n"
                            "Extra=1\r\nMyHolidays=0000000000001\nMyPattern=210\nNoDatabase=1\n"
                            "Station=New\n\r\n[Later]\r\nx=2\r\n"));
    }

    // The user's store is the file QSettings keeps for organisation and application Kelvane.
    void usersStoreIsTheApplicationsSettingsFile()
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, u"Kelvane"_s,
                           u"Kelvane"_s);
        QFile::remove(settings.fileName());
        SettingsStore().write({u"Mine"_s, 0, PatternSetting(), u"1111111100000"_s});
        const auto cleanUp = qScopeGuard([&] { QFile::remove(settings.fileName()); });
        settings.sync();
        QCOMPARE(settings.value(u"Settings/Station"_s).toString(), u"Mine"_s);
    }

    void storedAsTextUnderSettings()
    {
        SettingsStore store(iniPath());
        store.write({u"X"_s, 1, *PatternSetting::Parse(u"0 0"_s), u"1111111100000"_s});
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.beginGroup(u"Settings"_s);
        QCOMPARE(raw.childKeys().size(), 4);
        QCOMPARE(raw.value(u"NoDatabase"_s).toString(), u"1"_s);
        QCOMPARE(raw.value(u"MyPattern"_s).toString(), u"0 0"_s);
    }

    void malformedValuesReadAsDefaults_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("stored");
        // clang-format off
        QTest::newRow("NoDatabase not a number")         << "NoDatabase" << "yes";
        QTest::newRow("NoDatabase 2")                    << "NoDatabase" << "2";
        QTest::newRow("holidays too short")              << "MyHolidays" << "111111110000";
        QTest::newRow("holidays not 0/1")                << "MyHolidays" << "11111111000x0";
        QTest::newRow("pattern kind 8")                  << "MyPattern"  << "800";
        QTest::newRow("pattern number 22")               << "MyPattern"  << "022";
        QTest::newRow("pattern with leading zero")       << "MyPattern"  << "005";
        QTest::newRow("group the kind cannot highlight") << "MyPattern"  << "021";
        // clang-format on
    }

    void malformedValuesReadAsDefaults()
    {
        QFETCH(QString, key);
        QFETCH(QString, stored);
        storeRaw(u"Station"_s, u"Kept"_s);
        storeRaw(key, stored);
        const SettingsStore::Values values = SettingsStore(iniPath()).read();
        QCOMPARE(values.Station, u"Kept"_s);
        QCOMPARE(values.NoDatabase, qint16(0));
        QCOMPARE(values.MyPattern.text(), u"000"_s);
        QCOMPARE(values.MyHolidays, u"1111111100000"_s);
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
