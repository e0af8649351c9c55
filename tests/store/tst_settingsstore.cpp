#include "store/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private:
    QString iniPath() const { return m_dir->filePath(QStringLiteral("settings.ini")); }
    void storeRaw(const QString& key, const QString& value)
    {
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.setValue(QStringLiteral("Settings/") + key, value);
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { m_dir = std::make_unique<QTemporaryDir>(); }

    void emptyStoreGivesDefaults()
    {
        const SettingsStore store(iniPath());
        const SettingsStore::Values values = store.read();
        QCOMPARE(values.Station, QStringLiteral("Darizu"));
        QCOMPARE(values.NoDatabase, qint16(0));
        QCOMPARE(values.MyPattern, QStringLiteral("000"));
        QCOMPARE(values.MyHolidays, QStringLiteral("1111111100000"));
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
        QTest::newRow("five-two-five-three F")  << ""                  << qint16(1) << "713" << "0000000000000";
        // clang-format on
    }

    void roundTrip()
    {
        QFETCH(QString, station);
        QFETCH(qint16, noDatabase);
        QFETCH(QString, myPattern);
        QFETCH(QString, myHolidays);
        const SettingsStore::Values written{station, noDatabase, myPattern, myHolidays};
        {
            SettingsStore store(iniPath());
            store.write(written);
        }
        const SettingsStore reread(iniPath());
        QCOMPARE(reread.read(), written);
    }

    void storedAsTextUnderSettings()
    {
        SettingsStore store(iniPath());
        store.write(
            {QStringLiteral("X"), 1, QStringLiteral("0 0"), QStringLiteral("1111111100000")});
        QSettings raw(iniPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Settings"));
        QCOMPARE(raw.childKeys().size(), 4);
        QCOMPARE(raw.value(QStringLiteral("NoDatabase")).toString(), QStringLiteral("1"));
        QCOMPARE(raw.value(QStringLiteral("MyPattern")).toString(), QStringLiteral("0 0"));
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
        storeRaw(QStringLiteral("Station"), QStringLiteral("Kept"));
        storeRaw(key, stored);
        const SettingsStore::Values values = SettingsStore(iniPath()).read();
        QCOMPARE(values.Station, QStringLiteral("Kept"));
        QCOMPARE(values.NoDatabase, qint16(0));
        QCOMPARE(values.MyPattern, QStringLiteral("000"));
        QCOMPARE(values.MyHolidays, QStringLiteral("1111111100000"));
    }
};

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
